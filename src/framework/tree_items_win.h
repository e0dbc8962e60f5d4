// Reading a tree-view control's items: their text and their neighbours.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// The item's text, at its whole length up to the control's limit of 511 bytes.
std::string TreeItemText(HWND tree, HTREEITEM item);
// The item related to `item` as TVGN_CHILD, TVGN_NEXT, TVGN_CARET ... say; null when none.
HTREEITEM RelatedTreeItem(HWND tree, UINT relation, HTREEITEM item);
