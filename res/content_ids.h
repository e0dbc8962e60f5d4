/* Resource and control ids of the tips and donation dialogs. Shared by content.rc and the C++
   code, so it holds only #defines. */
#ifndef BRISOVA_CONTENT_IDS_H
#define BRISOVA_CONTENT_IDS_H

#define IDD_DONATE 158
#define IDD_MOST_TIPS 160

#define IDC_DONATE_CHOICES 1016
#define IDC_SHOW_AT_START 1017
#define IDC_TIP_PREVIOUS 1018
#define IDC_TIP_NEXT 1019
#define IDC_CONTENT_TEXT 1037

#endif
