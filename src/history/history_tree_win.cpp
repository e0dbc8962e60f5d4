#include "history/history_tree_win.h"

#include "controls/image_strip_win.h"
#include "framework/tree_items_win.h"
#include "platform/ui_fonts_win.h"
#include "platform/window_dpi_win.h"
#include "history_ids.h"

namespace {
bool IsExpanded(HWND tree, HTREEITEM item) {
    return (::SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

HTREEITEM Child(HWND tree, HTREEITEM parent) { return RelatedTreeItem(tree, TVGN_CHILD, parent); }
HTREEITEM Next(HWND tree, HTREEITEM item) { return RelatedTreeItem(tree, TVGN_NEXT, item); }
}  // namespace

std::vector<HistoryTreeItem> ReadTreeItems(HWND tree, HTREEITEM parent) {
    std::vector<HistoryTreeItem> items;
    for (HTREEITEM item = Child(tree, parent); item; item = Next(tree, item))
        items.push_back({TreeItemText(tree, item), IsExpanded(tree, item), ReadTreeItems(tree, item)});
    return items;
}

HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = Child(tree, parent); item; item = Next(tree, item))
        if (TreeItemText(tree, item) == text) return item;
    return nullptr;
}

const MessageMap* CHistoryTree::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_LBUTTONDOWN, &CHistoryTree::OnLButtonDown>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

LRESULT CHistoryTree::OnLButtonDown(WPARAM, LPARAM lParam) {
    // The click is reported while the control handles the button, and it is about this point;
    // the cursor may have moved on since.
    pressedAt_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return Default();
}

bool CHistoryTree::Create(HWND parent) {
    HWND tree = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                                      TVS_TRACKSELECT | TVS_FULLROWSELECT,
                                  0, 0, 0, 0, parent, reinterpret_cast<HMENU>(IDC_HISTORY_TREE),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!tree || !SubclassWindow(tree)) return false;
    if (auto tips = reinterpret_cast<HWND>(SendMessage(TVM_GETTOOLTIPS)))
        ::SetWindowPos(tips, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    images_ = LoadImageStrip(IDB_HISTORY, 16, 16, 1, WindowDpi(m_hWnd));
    if (images_) SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.get()));
    // The tree's own font is the system's, made for the system's DPI.
    if (WindowDpi(m_hWnd) != SystemDpi()) DpiChanged();
    return true;
}

void CHistoryTree::DpiChanged() {
    const int dpi = WindowDpi(m_hWnd);
    ReloadImageStrip(images_.get(), IDB_HISTORY, 16, 16, dpi);
    // Set again, so that the tree measures its rows for the new images.
    SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.get()));
    if (ScopedFont font = MakeUiFont(UiFont::Message, dpi)) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        font_ = std::move(font);
    }
}

HTREEITEM CHistoryTree::Insert(HTREEITEM parent, const std::string& text, int image, int selectedImage, LPARAM data) {
    return InsertItem(parent, {text, image, selectedImage, data});
}

HTREEITEM CHistoryTree::InsertItem(HTREEITEM parent, const NewItem& item) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = item.sorted ? TVI_SORT : TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(item.text.c_str());
    insert.item.iImage = item.image;
    insert.item.iSelectedImage = item.selectedImage;
    insert.item.lParam = item.data;
    insert.item.stateMask = TVIS_CUT;
    insert.item.state = item.dimmed ? TVIS_CUT : 0;
    if (item.unlisted) {
        insert.item.mask |= TVIF_CHILDREN;
        insert.item.cChildren = 1;
    }
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

LPARAM CHistoryTree::AddAddress(std::string address) {
    addresses_.push_back(std::move(address));
    return static_cast<LPARAM>(addresses_.size());
}

bool CHistoryTree::IsUnlisted(HTREEITEM item) const {
    TVITEMA tv{};
    tv.mask = TVIF_CHILDREN;
    tv.hItem = item;
    return !Child(m_hWnd, item) && ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)) &&
           tv.cChildren == 1;
}

bool CHistoryTree::EnsureListed(HTREEITEM item) {
    if (Child(m_hWnd, item)) return true;
    if (!lister_ || !IsUnlisted(item)) return false;
    lister_(item);
    if (Child(m_hWnd, item)) return true;
    // Nothing there (any more): the item counts as empty, and later clicks do nothing.
    TVITEMA tv{};
    tv.mask = TVIF_CHILDREN;
    tv.hItem = item;
    tv.cChildren = 0;
    SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    return false;
}

void CHistoryTree::Clear() {
    SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    addresses_.clear();
}

void CHistoryTree::Show(const brisova::HistoryTree& tree, const std::string& today) {
    // What the user had open, by group and by group and site.
    std::set<std::string> openGroups;
    std::set<std::pair<std::string, std::string>> openSites;
    for (const HistoryTreeItem& group : ReadTreeItems(m_hWnd)) {
        if (group.text == today) continue;
        if (group.expanded) openGroups.insert(group.text);
        for (const HistoryTreeItem& site : group.children)
            if (site.expanded) openSites.insert({group.text, site.text});
    }
    ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    Clear();
    addresses_ = tree.addresses;
    for (const brisova::HistoryGroup& group : tree.groups) {
        HTREEITEM groupItem = Insert(TVI_ROOT, group.name, kGroupImage, kGroupImage, group.key);
        for (const brisova::HistorySite& site : group.sites) {
            HTREEITEM siteItem = Insert(groupItem, site.name, kSiteImage, kOpenSiteImage, 0);
            for (const brisova::HistoryPage& page : site.pages)
                Insert(siteItem, page.text, kPageImage, kPageImage, static_cast<LPARAM>(page.address + 1));
            if (openSites.count({group.name, site.name}))
                SendMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(siteItem));
        }
        if (openGroups.count(group.name)) SendMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(groupItem));
    }
    ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CHistoryTree::Activate(HTREEITEM item) {
    if (!item) return;
    if (EnsureListed(item)) {
        SendMessage(TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(item));
        return;
    }
    TVITEMA tv{};
    tv.mask = TVIF_IMAGE | TVIF_PARAM;
    tv.hItem = item;
    if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)) || tv.iImage != kPageImage || tv.lParam <= 0) return;
    if (notify_ && openMessage_) ::SendMessageA(notify_, openMessage_, static_cast<WPARAM>(tv.lParam - 1), 0);
}

bool CHistoryTree::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd != m_hWnd || msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE || !onEscape) return false;
    onEscape();
    return true;
}

bool CHistoryTree::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code == TVN_ITEMEXPANDINGA || header->code == TVN_ITEMEXPANDINGW) {
        // The button or the keyboard opens an item the lister has not filled yet.
        const auto* expanding = reinterpret_cast<NMTREEVIEWA*>(header);
        if (expanding->action & TVE_EXPAND) EnsureListed(expanding->itemNew.hItem);
        *result = 0;
        return true;
    }
    if (header->code == NM_CLICK) {
        TVHITTESTINFO hit{};
        hit.pt = pressedAt_;
        auto item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (item && (hit.flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT))) {
            SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            Activate(item);
        }
        *result = 1;
        return true;
    }
    // The first click of a double click has opened or folded the item already; the tree's own
    // double-click toggle would undo it at once.
    if (header->code == NM_DBLCLK) {
        *result = 1;
        return true;
    }
    if (header->code == NM_RETURN) {
        Activate(reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, TVGN_CARET, 0)));
        *result = 1;
        return true;
    }
    return false;
}
