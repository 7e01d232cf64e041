; KVF_Ed: Master with its bus times
#TALVERON_DP
; Identification: replace the vendor, the model and the ident number 0xFFFF with the
; device's own.
KVF_Revision = 5
Vendor_Name = "Vendor"
Model_Name = "Master Device"
Revision = "V1.00"
Ident_Number = 0xFFFF
Protocol_Ident = 0
Station_Type = 1
Hardware_Release = "HW 1.0"
Software_Release = "SW 1.0"
;
; What the master can handle.
Max_MPS_Length = 256
Max_Lsdu_MS = 244
Max_Lsdu_MM = 244
Min_Poll_Timeout = 10
Max_Slaves_supp = 124
Download_supp = 0
Upload_supp = 0
Act_Para_Brct_supp = 0
Act_Param_supp = 0
Max_Master_Input_Len = 244
Max_Master_Output_Len = 244
Max_Master_Data_Len = 488
;
; Each supported baud rate with its times: MaxTsdr, Trdy, Tqui, Tset and Tsdi (bit times).
9.6_supp = 1
MaxTsdr_9.6 = 60
TRDY_9.6 = 11
TQUI_9.6 = 0
TSET_9.6 = 1
TSDI_9.6 = 70
187.5_supp = 1
MaxTsdr_187.5 = 60
TRDY_187.5 = 11
TQUI_187.5 = 0
TSET_187.5 = 1
TSDI_187.5 = 70
1.5M_supp = 1
MaxTsdr_1.5M = 150
TRDY_1.5M = 11
TQUI_1.5M = 0
TSET_1.5M = 1
TSDI_1.5M = 150
12M_supp = 1
MaxTsdr_12M = 800
TRDY_12M = 11
TQUI_12M = 9
TSET_12M = 16
TSDI_12M = 1000
