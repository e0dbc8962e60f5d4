/* Resource ids of the history bar. */
#ifndef BRISOVA_HISTORY_IDS_H
#define BRISOVA_HISTORY_IDS_H

#define IDS_HISTORY_CAPTION 131
#define IDS_MY_COMPUTER 132
#define IDB_HISTORY 135
/* The weekday names, Sunday first. */
#define IDS_SUNDAY 136
/* The explorer bar and its tree. */
#define ID_EXPLORER_BAR 127
#define IDC_HISTORY_TREE 100

#endif
