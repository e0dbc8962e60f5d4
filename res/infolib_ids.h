/* Resource and control ids of the library's dialogs. Shared by infolib.rc and the C++ code, so
   it holds only #defines. */
#ifndef BRISOVA_INFOLIB_IDS_H
#define BRISOVA_INFOLIB_IDS_H

#define IDD_ADD_INFORMATION 153
#define IDD_NEW_FOLDER 154

#define IDC_INFO_NEW_FOLDER 1009
#define IDC_INFO_NAME 1010
#define IDC_INFO_TREE 1011
#define IDC_FOLDER_NAME 1012
#define IDC_INFO_DELETE_FOLDER 1070

#endif
