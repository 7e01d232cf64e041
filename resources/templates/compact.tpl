; KVF_Ed: Compact slave with fixed inputs and outputs
#TALVERON_DP
; Identification: replace the vendor, the model and the ident number 0xFFFF with the
; device's own.
KVF_Revision = 5
Vendor_Name = "Vendor"
Model_Name = "Compact Device"
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
; Services and timing.
Freeze_Mode_supp = 1
Sync_Mode_supp = 1
Auto_Baud_supp = 1
Set_Slave_Add_supp = 0
Min_Slave_Intervall = 1
Max_Diag_Data_Len = 6
Max_User_Prm_Data_Len = 0
;
; A compact device has exactly one module: its fixed configuration.
Modular_Station = 0
Module = "2 Byte In, 2 Byte Out" 0x31
1
EndModule
