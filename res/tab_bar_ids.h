/* Resource ids of the windows closed lately. */
#ifndef BRISOVA_TAB_BAR_IDS_H
#define BRISOVA_TAB_BAR_IDS_H

#define ID_FILE_REOPEN_CLOSED 33960
/* One item for each closed window the "Recently Closed" menu lists, newest first. */
#define ID_RECENTLY_CLOSED_FIRST 33961
#define ID_RECENTLY_CLOSED_LAST 33970

#endif
