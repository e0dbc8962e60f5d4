// CFavoritesMenu: the "F&avorites" menu of the main frame. Below its three fixed items it shows
// the Favorites folder: one item per Internet shortcut or shell link, one sub-menu per folder,
// each sub-menu filled when it first opens. It answers Add to Favorites (32809), Organize
// Favorites (32810) and the favourites' own commands (32813-33812).
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "favorites/favorites_setup_win.h"
#include "favorites/folder_menu.h"
#include "framework/cmd_target_win.h"
#include "platform/handles_win.h"
#include "shared/shortcuts.h"

class BrowserFrame;

class CFavoritesMenu final : public CCmdTarget {
public:
    // `shortcuts` is the frame's Daru&Redava table, which a favourite's address passes through.
    CFavoritesMenu(BrowserFrame& frame, FavoritesSetup setup, const std::vector<brisova::ShortcutEntry>& shortcuts);
    CFavoritesMenu(const CFavoritesMenu&) = delete;
    CFavoritesMenu& operator=(const CFavoritesMenu&) = delete;
    DECLARE_MESSAGE_MAP()

    // Reads the folder again: the items below the fixed ones are freed and made anew, and the
    // favourite indices start again at 0.
    void Rebuild();
    // The frame's pop-up initialisation, after its own: a sub-folder's menu is filled on its
    // first opening. Other menus are left alone.
    void OnInitMenuPopup(HMENU popup);

    // The favourites menu of the frame's main menu; null when the menu has none.
    HMENU Popup() const;
    // The frame moved to another DPI: the images every item holds are made for it.
    void DpiChanged();
    // Folder (0), link (1) and most-used folder (5), 16 x 16.
    HIMAGELIST images() const { return images_.get(); }
    const std::string& folder() const { return folder_; }

private:
    void OnFavorite(UINT id);
    void OnUpdateFavorite(CCmdUI* ui);
    void OnAddFavorite();
    void OnUpdateAddFavorite(CCmdUI* ui);
    void OnOrganize();
    void OnUpdateOrganize(CCmdUI* ui);

    // Fills `popup` from `folder`: its links take the folder's indices, or the next free ones.
    void FillFolder(const std::string& folder, HMENU popup);
    // Watches the Favorites folder's tree from the last build on.
    void WatchFolder();
    bool FolderChanged() const;
    void AddLink(const std::string& name, const std::string& prefix, HMENU popup, int index);
    void AddFolder(const std::string& name, const std::string& prefix, HMENU popup);
    void BreakColumns(HMENU popup) const;
    // The address a favourite file stands for; none when it stands for nothing that opens.
    static std::optional<std::string> FavoriteAddress(const std::string& path);

    BrowserFrame& frame_;
    FavoritesSetup setup_;
    const std::vector<brisova::ShortcutEntry>& shortcuts_;
    brisova::NameCollation collation_;
    ScopedImageList images_;
    // The Favorites folder without its final backslash.
    std::string folder_;
    int nextIndex_ = 0;
    // The indices each filled folder took since the last rebuild: first and one past the last.
    std::map<std::string, std::pair<int, int>> folderIndices_;
    ScopedChangeNotification changes_;
    // The file of each favourite index given out since the last rebuild. The commands are looked
    // up here, not in the menu, so that a copy of the menu (the chevron's) opens the same pages.
    std::vector<std::string> files_;
};
