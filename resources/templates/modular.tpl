; KVF_Ed: Modular slave with modules and slots
#TALVERON_DP
; Identification: replace the vendor, the model and the ident number 0xFFFF with the
; device's own.
KVF_Revision = 5
Vendor_Name = "Vendor"
Model_Name = "Modular Device"
Revision = "V1.00"
Ident_Number = 0xFFFF
Protocol_Ident = 0
Station_Type = 0
Hardware_Release = "HW 1.0"
Software_Release = "SW 1.0"
Slave_Family = 0
;
; Supported baud rates and the longest station delay at each of them (in bit times).
9.6_supp = 1
19.2_supp = 1
93.75_supp = 1
187.5_supp = 1
500_supp = 1
1.5M_supp = 1
12M_supp = 1
MaxTsdr_9.6 = 60
MaxTsdr_19.2 = 60
MaxTsdr_93.75 = 60
MaxTsdr_187.5 = 60
MaxTsdr_500 = 100
MaxTsdr_1.5M = 150
MaxTsdr_12M = 800
;
Freeze_Mode_supp = 1
Sync_Mode_supp = 1
Auto_Baud_supp = 1
Min_Slave_Intervall = 1
Max_Diag_Data_Len = 6
Max_User_Prm_Data_Len = 0
;
; The station takes up to Max_Module modules; the lengths bound the sum over all of them.
Modular_Station = 1
Max_Module = 4
Max_Input_Len = 32
Max_Output_Len = 32
Max_Data_Len = 64
Modul_Offset = 1
;
; The modules a user can plug in; the number under each Module line is its reference.
Module = "8 Byte In" 0x17
1
EndModule
Module = "8 Byte Out" 0x27
2
EndModule
Module = "4 Word In/Out" 0x73
3
EndModule
Module = "Empty place" 0x00
4
EndModule
;
; Slot(number) = "name" default-module allowed-modules
SlotDefinition
Slot(1) = "Slot 1" 1 1-4
Slot(2) = "Slot 2" 2 1-4
Slot(3) = "Slot 3" 4 1-4
Slot(4) = "Slot 4" 4 1-4
EndSlotDefinition
