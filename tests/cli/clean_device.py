"""The clean compact slave that the command-line suites check: every mandatory line, no
finding."""

CLEAN = b"""#TALVERON_DP
KVF_Revision = 1
Vendor_Name = "ACME"
Model_Name = "Box"
Revision = "V1.0"
Ident_Number = 0x1234
Protocol_Ident = 0
Station_Type = 0
Hardware_Release = "HW1"
Software_Release = "SW1"
9.6_supp = 1
MaxTsdr_9.6 = 60
Min_Slave_Intervall = 6
Max_Diag_Data_Len = 6
Slave_Family = 3
Module = "Mod1" 0x13
EndModule
"""
