#include "favorites/favorites_menu_win.h"

#include <memory>

#include "browser/browser_frame_win.h"
#include "browser/child_frame_win.h"
#include "controls/icon_menu_win.h"
#include "controls/image_strip_win.h"
#include "favorites/favorite_text.h"
#include "favorites/favorites_files_win.h"
#include "favorites/menu_columns.h"
#include "framework/menu_helpers_win.h"
#include "framework/text_win.h"
#include "platform/ascii_case.h"
#include "platform/ui_fonts_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"

namespace {
constexpr int kFolderImage = 0;
constexpr int kLinkImage = 1;
constexpr int kMostUsedImage = 5;
constexpr int kFavoritesImages = 7;
// Add, Organize and the separator.
constexpr int kFixedItems = 3;
constexpr int kCommandCount = ID_FAV_LAST - ID_FAV_FIRST + 1;
// "Links" in the two Chinese scripts: on such systems the program works from that folder, which
// is where its file dialogs then start.
constexpr const char* kLinksFolders[] = {"\xE9\x93\xBE\xE6\x8E\xA5", "\xE9\x8F\x88\xE6\x8E\xA5"};

bool EndsWith(const std::string& name, const char* lowerExtension) {
    return name.size() >= 4 && brisova::AsciiLowerCase(name.substr(name.size() - 4)) == lowerExtension;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WideFromNarrow(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int MenuTextHeight(HWND window) {
    ScopedFont font = MakeUiFont(UiFont::Menu, WindowDpi(window));
    HDC dc = ::GetDC(window);
    if (!dc) return 0;
    HGDIOBJ old = font ? ::SelectObject(dc, font.get()) : nullptr;
    SIZE size{};
    ::GetTextExtentPoint32A(dc, "Texthgp", 7, &size);
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return size.cy;
}
}  // namespace

const MessageMap* CFavoritesMenu::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandRangeHandler<&CFavoritesMenu::OnFavorite>(ID_FAV_FIRST, ID_FAV_LAST),
        UpdateRangeHandler<&CFavoritesMenu::OnUpdateFavorite>(ID_FAV_FIRST, ID_FAV_LAST),
        CommandHandler<&CFavoritesMenu::OnAddFavorite>(ID_FAV_ADD),
        UpdateHandler<&CFavoritesMenu::OnUpdateAddFavorite>(ID_FAV_ADD),
        CommandHandler<&CFavoritesMenu::OnOrganize>(ID_FAV_ORGANIZE),
        UpdateHandler<&CFavoritesMenu::OnUpdateOrganize>(ID_FAV_ORGANIZE),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

CFavoritesMenu::CFavoritesMenu(BrowserFrame& frame, FavoritesSetup setup,
                               const std::vector<brisova::ShortcutEntry>& shortcuts)
    : frame_(frame),
      setup_(std::move(setup)),
      shortcuts_(shortcuts),
      collation_(LocaleCollation()),
      images_(LoadImageStrip(IDB_FAVORITES, 16, 16, kFavoritesImages, WindowDpi(nullptr))) {
    if (!setup_.addFavorite) setup_.addFavorite = AddFavoriteWithShell;
    if (!setup_.organize) setup_.organize = OrganizeFavoritesWithShell;
}

void CFavoritesMenu::DpiChanged() {
    ReloadImageStrip(images_.get(), IDB_FAVORITES, 16, 16, WindowDpi(frame_.OwnerWindow()));
}

HMENU CFavoritesMenu::Popup() const {
    return FindSubMenu(frame_.menu(), "F&avorites");
}

void CFavoritesMenu::Rebuild() {
    HMENU popup = Popup();
    if (!popup) return;
    FreeOwnerDrawData(popup);
    while (::DeleteMenu(popup, kFixedItems, MF_BYPOSITION)) {}
    files_.clear();
    folderIndices_.clear();
    nextIndex_ = 0;

    folder_ = setup_.folder.empty() ? ShellFavoritesFolder() : setup_.folder;
    while (!folder_.empty() && folder_.back() == '\\') folder_.pop_back();
    for (const char* links : kLinksFolders) {
        const std::string path = folder_ + "\\" + links;
        if (IsFolder(path)) {
            ::SetCurrentDirectoryW(WideFromNarrow(path).c_str());
            break;
        }
    }
    FillFolder(folder_, popup);
    WatchFolder();
}

void CFavoritesMenu::WatchFolder() {
    changes_.reset(::FindFirstChangeNotificationW(
        WideFromNarrow(folder_).c_str(), TRUE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE));
}

bool CFavoritesMenu::FolderChanged() const {
    return changes_ && ::WaitForSingleObject(changes_.get(), 0) == WAIT_OBJECT_0;
}

void CFavoritesMenu::OnInitMenuPopup(HMENU popup) {
    // The menu itself, about to open, shows the folder as it is now: a shortcut saved or a
    // folder made by another program since the last build is there.
    if (popup == Popup() && FolderChanged()) {
        Rebuild();
        return;
    }
    CIconMenuItem* first = IconMenuItemAt(popup, 0);
    if (!first || first->loaded != 0 || !first->HasText()) return;
    // The placeholder's record is ours again once its item is gone.
    std::unique_ptr<CIconMenuItem> placeholder(first);
    ::DeleteMenu(popup, 0, MF_BYPOSITION);
    FillFolder(placeholder->text(), popup);
}

void CFavoritesMenu::FillFolder(const std::string& folder, HMENU popup) {
    const std::string prefix = WithBackslash(folder);
    const std::vector<brisova::DirectoryEntry> entries = ListFolder(prefix);
    // A folder filled before (through the chevron's copy of the menu, say) takes back its own
    // indices while they suffice, so that filling it again gives out no new commands.
    auto known = folderIndices_.find(prefix);
    brisova::FolderContents contents =
        brisova::SortOutEntries(entries, known != folderIndices_.end() ? known->second.first : nextIndex_);
    if (known == folderIndices_.end() || contents.nextIndex > known->second.second) {
        if (known != folderIndices_.end()) contents = brisova::SortOutEntries(entries, nextIndex_);
        folderIndices_[prefix] = {nextIndex_, contents.nextIndex};
        nextIndex_ = contents.nextIndex;
    }
    // The stored order is kept per folder, by its path below the Favorites folder.
    const std::string root = folder_ + "\\";
    const std::string relative =
        prefix.size() > root.size() && prefix.compare(0, root.size(), root) == 0 ? prefix.substr(root.size()) : "";
    std::optional<brisova::MenuOrder> order = ReadMenuOrder(setup_.orderRoot, setup_.orderKey + relative);
    for (const brisova::MenuEntry& entry : brisova::PlanFolderMenu(contents, order ? &*order : nullptr, collation_)) {
        if (entry.kind == brisova::MenuEntry::Kind::Folder) AddFolder(entry.name, prefix, popup);
        else AddLink(entry.name, prefix, popup, entry.index);
    }
    BreakColumns(popup);
}

void CFavoritesMenu::AddLink(const std::string& name, const std::string& prefix, HMENU popup, int index) {
    auto item = std::make_unique<CIconMenuItem>(images_.get(), kLinkImage);
    item->SetText(brisova::LinkItemText(name).c_str());
    // Past the last favourite command a link is shown but cannot be chosen.
    if (index >= kCommandCount) {
        AppendIconItem(popup, MFS_GRAYED, 0, std::move(item));
        return;
    }
    if (files_.size() <= static_cast<std::size_t>(index)) files_.resize(static_cast<std::size_t>(index) + 1);
    files_[static_cast<std::size_t>(index)] = prefix + name;
    AppendIconItem(popup, 0, ID_FAV_FIRST + static_cast<UINT>(index), std::move(item));
}

void CFavoritesMenu::AddFolder(const std::string& name, const std::string& prefix, HMENU popup) {
    if (name.empty()) return;
    const std::string path = prefix + name + "\\";
    ScopedIconMenu folderMenu(::CreatePopupMenu());
    if (!folderMenu) return;
    auto placeholder = std::make_unique<CIconMenuItem>(images_.get(), -1);
    placeholder->loaded = 0;
    placeholder->SetText(path.c_str());
    if (!AppendIconItem(folderMenu.get(), MFS_GRAYED, 0, std::move(placeholder))) return;
    auto item = std::make_unique<CIconMenuItem>(images_.get(), IsMostUsedFolder(path) ? kMostUsedImage : kFolderImage);
    item->SetText(brisova::FolderItemText(name).c_str());
    AppendIconPopup(popup, 0, std::move(item), std::move(folderMenu));
}

void CFavoritesMenu::BreakColumns(HMENU popup) const {
    const int dpi = WindowDpi(frame_.OwnerWindow());
    const int available = ::GetSystemMetrics(SM_CYSCREEN) - SystemMetricForDpi(SM_CYMENU, dpi) -
                          SystemMetricForDpi(SM_CYCAPTION, dpi);
    const int rowHeight = brisova::FavoritesRowHeight(MenuTextHeight(frame_.OwnerWindow()), dpi);
    for (int position : brisova::MenuColumnBreaks(::GetMenuItemCount(popup), rowHeight, available)) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (!::GetMenuItemInfoA(popup, static_cast<UINT>(position), TRUE, &info)) continue;
        info.fType |= MFT_MENUBARBREAK;
        ::SetMenuItemInfoA(popup, static_cast<UINT>(position), TRUE, &info);
    }
}

std::optional<std::string> CFavoritesMenu::FavoriteAddress(const std::string& path) {
    if (EndsWith(path, ".url")) return InternetShortcutAddress(path);
    if (EndsWith(path, ".lnk")) return ShellLinkAddress(path);
    return std::nullopt;
}

// ---- commands ----

void CFavoritesMenu::OnFavorite(UINT id) {
    const std::size_t index = id - ID_FAV_FIRST;
    // An id this menu did not give out since its last rebuild stands for nothing.
    if (index >= files_.size() || files_[index].empty()) return;
    std::optional<std::string> address = FavoriteAddress(files_[index]);
    if (!address) return;
    const std::string target = brisova::ExpandShortcut(*address, shortcuts_);
    frame_.OpenAddress(brisova::AddressSource::Favorites, target);
}

void CFavoritesMenu::OnUpdateFavorite(CCmdUI* ui) {
    ui->Enable(true);
}

void CFavoritesMenu::OnAddFavorite() {
    CChildFrame* window = frame_.ActiveWindow();
    if (!window || !window->view()) return;
    if (setup_.addFavorite(frame_.OwnerWindow(), window->view()->address(), window->GetWindowText())) Rebuild();
}

void CFavoritesMenu::OnUpdateAddFavorite(CCmdUI* ui) {
    ui->Enable(frame_.ActiveBrowserView() != nullptr);
}

void CFavoritesMenu::OnOrganize() {
    setup_.organize(frame_.OwnerWindow(), folder_.empty() ? ShellFavoritesFolder() : folder_);
    Rebuild();
}

void CFavoritesMenu::OnUpdateOrganize(CCmdUI* ui) {
    ui->Enable(true);
}
