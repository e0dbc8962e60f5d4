// CHistoryTree: the tree of the history bar, group -> site -> page. A click on a group or site
// opens or closes it; a click on a page sends the open message with the page's address index.
// A folder item may be listed only when it first opens (the shell's History folder): it counts
// as having children until then, and the lister fills it.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/wnd_win.h"
#include "history/history_grouping.h"
#include "platform/handles_win.h"

class CHistoryTree final : public CWnd {
public:
    enum Image { kGroupImage = 0, kSiteImage = 1, kPageImage = 2, kOpenSiteImage = 3 };

    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent);
    // The bar moved to another DPI: the images and the font are made for it.
    void DpiChanged();
    // Where a click on a page goes: `message` with wParam = the page's address index.
    void SetNotify(HWND window, UINT message) {
        notify_ = window;
        openMessage_ = message;
    }
    // Shows the tree. Groups and sites that were open stay open, except the group `today`
    // names: it comes back closed.
    void Show(const brisova::HistoryTree& tree, const std::string& today);
    void Clear();
    const std::vector<std::string>& addresses() const { return addresses_; }

    struct NewItem {
        std::string text;
        int image = kGroupImage;
        int selectedImage = kGroupImage;
        LPARAM data = 0;
        bool sorted = false;    // in the tree's alphabetical order, else at the end
        bool unlisted = false;  // a folder whose children the lister gives when it first opens
        bool dimmed = false;    // shown cut: the page is not in the browser's cache
    };
    HTREEITEM InsertItem(HTREEITEM parent, const NewItem& item);
    // Keeps a page's address; the page item's data is the number returned (its index + 1).
    LPARAM AddAddress(std::string address);
    // Lists an unlisted folder item's children; none while the tree is built from a store.
    void SetLister(std::function<void(HTREEITEM)> lister) { lister_ = std::move(lister); }
    bool IsUnlisted(HTREEITEM item) const;

    // Opens or closes a group or site; sends the open message for a page.
    void Activate(HTREEITEM item);
    bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    // Esc in the tree hands the focus back (to the page); the frame's Esc, Stop, never sees it.
    std::function<void()> onEscape;
    bool PreTranslateMessage(MSG* msg) override;

private:
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    HTREEITEM Insert(HTREEITEM parent, const std::string& text, int image, int selectedImage, LPARAM data);
    // Lists the item if it was not yet; true when it has children now.
    bool EnsureListed(HTREEITEM item);

    ScopedImageList images_;
    ScopedFont font_;
    std::vector<std::string> addresses_;
    std::function<void(HTREEITEM)> lister_;
    HWND notify_ = nullptr;
    UINT openMessage_ = 0;
    POINT pressedAt_{-1, -1};
};

// The texts and state of a tree's items, for tests and for keeping what the user opened.
struct HistoryTreeItem {
    std::string text;
    bool expanded = false;
    std::vector<HistoryTreeItem> children;
};
std::vector<HistoryTreeItem> ReadTreeItems(HWND tree, HTREEITEM parent = TVI_ROOT);
// The first item under `parent` whose text equals `text`, or null.
HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text);
