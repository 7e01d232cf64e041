; KVF_Ed: DPV1 slave with parameters and diagnosis
#TALVERON_DP
; Identification: replace the vendor, the model and the ident number 0xFFFF with the
; device's own.
KVF_Revision = 5
Vendor_Name = "Vendor"
Model_Name = "DPV1 Device"
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
187.5_supp = 1
1.5M_supp = 1
12M_supp = 1
MaxTsdr_9.6 = 60
MaxTsdr_187.5 = 60
MaxTsdr_1.5M = 150
MaxTsdr_12M = 800
;
Freeze_Mode_supp = 1
Sync_Mode_supp = 1
Auto_Baud_supp = 1
Min_Slave_Intervall = 1
;
; Acyclic services of a class 1 master.
DPV1_Slave = 1
C1_Read_Write_supp = 1
C1_Max_Data_Len = 240
C1_Response_Timeout = 100
;
; Diagnosis: texts for the bits of the device-related diagnosis.
Max_Diag_Data_Len = 16
Unit_Diag_Bit(24) = "Supply voltage missing"
Unit_Diag_Bit(25) = "Temperature too high"
Unit_Diag_Bit_Help(25) = "Let the device cool down"
Unit_Diag_Area = 32-35
Value(0) = "No fault"
Value(1) = "Short circuit"
Value(2) = "Wire break"
Unit_Diag_Area_End
;
; User parameters: text tables, parameter definitions and where they stand in the data.
Max_User_Prm_Data_Len = 8
PrmText = 1
Text(0) = "Off"
Text(1) = "On"
EndPrmText
ExtUserPrmData = 1 "Diagnosis alarm"
Bit(0) 1 0-1
Prm_Text_Ref = 1
EndExtUserPrmData
ExtUserPrmData = 2 "Filter time (ms)"
Unsigned16 10 1-1000
EndExtUserPrmData
Ext_User_Prm_Data_Const(0) = 0x00,0x00,0x00
Ext_User_Prm_Data_Ref(3) = 1
Ext_User_Prm_Data_Ref(4) = 2
;
Modular_Station = 0
Module = "4 Byte In, 4 Byte Out" 0x33
1
EndModule
