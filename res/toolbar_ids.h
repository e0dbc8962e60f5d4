/* Resource ids of the tool bar and its Customize Toolbar dialog. Shared by the resource script
   and the C++ code, so it holds only #defines. */
#ifndef BRISOVA_TOOLBAR_IDS_H
#define BRISOVA_TOOLBAR_IDS_H

#define IDS_TOOLBAR_SEPARATOR 159
#define IDD_CUSTOMIZE_TOOLBAR 161

#define IDC_AVAILABLE_BUTTONS 1024
#define IDC_CURRENT_BUTTONS 1025
#define IDC_ADD_BUTTON 1026
#define IDC_REMOVE_BUTTON 1027
#define IDC_TEXT_OPTIONS 1028
#define IDC_ICON_OPTIONS 1029
#define IDC_COLOR_ICONS 1030
#define IDC_MOVE_UP 1031
#define IDC_MOVE_DOWN 1032

#endif
