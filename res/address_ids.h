/* Ids of the address bar's resources and windows. Shared by address.rc and the C++ code, so it
   holds only #defines. */
#ifndef BRISOVA_ADDRESS_IDS_H
#define BRISOVA_ADDRESS_IDS_H

/* The address box inside the address bar. */
#define IDC_ADDRESS_BOX 59393

/* The Open File dialog of "&Open...". */
#define IDD_OPEN_FILE 152
#define IDC_OPEN_BROWSE 1008
#define IDC_OPEN_ADDRESS 1013
#define IDS_OPEN_FILTER 158

#endif
