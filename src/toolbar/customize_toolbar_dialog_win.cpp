#include "toolbar/customize_toolbar_dialog_win.h"

#include <array>

#include "controls/image_strip_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"
#include "toolbar/toolbar_sequence.h"
#include "toolbar_ids.h"

namespace {
// The big colour strip, cut a pixel shorter than the tool bar cuts it.
constexpr int kImageWidth = 21;
constexpr int kImageHeight = 20;
constexpr int kImageListRoom = 40;

constexpr std::array<const char*, 3> kTextOptions{"No text labels", "Show text labels", "Selective text on right"};
constexpr std::array<const char*, 2> kIconOptions{"Big Icons", "Small Icons"};

std::optional<std::size_t> Selection(HWND list) {
    const auto index = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void DeleteItem(HWND list, std::size_t position) {
    ::SendMessageA(list, LVM_DELETEITEM, position, 0);
}

void EnsureVisible(HWND list, std::size_t position) {
    ::SendMessageA(list, LVM_ENSUREVISIBLE, position, FALSE);
}

void Select(HWND list, std::size_t position) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list, LVM_SETITEMSTATE, position, reinterpret_cast<LPARAM>(&state));
}

int ComboSelection(HWND combo) {
    return static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

template <std::size_t N>
void FillCombo(HWND combo, const std::array<const char*, N>& texts, int selection) {
    for (const char* text : texts) ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}
}  // namespace

const MessageMap* CCustomizeToolbarDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        ControlHandler<&CCustomizeToolbarDialog::OnAdd>(BN_CLICKED, IDC_ADD_BUTTON),
        ControlHandler<&CCustomizeToolbarDialog::OnRemove>(BN_CLICKED, IDC_REMOVE_BUTTON),
        ControlHandler<&CCustomizeToolbarDialog::OnMoveUp>(BN_CLICKED, IDC_MOVE_UP),
        ControlHandler<&CCustomizeToolbarDialog::OnMoveDown>(BN_CLICKED, IDC_MOVE_DOWN),
        NotifyHandler<&CCustomizeToolbarDialog::OnAvailableDoubleClick>(NM_DBLCLK, IDC_AVAILABLE_BUTTONS),
        NotifyHandler<&CCustomizeToolbarDialog::OnCurrentDoubleClick>(NM_DBLCLK, IDC_CURRENT_BUTTONS),
    };
    static const MessageMap map(&CDialog::ThisMessageMap, entries);
    return &map;
}

CCustomizeToolbarDialog::CCustomizeToolbarDialog(brisova::Profile& profile,
                                                 const brisova::ToolbarAppearance& appearance)
    : CDialog(IDD_CUSTOMIZE_TOOLBAR),
      profile_(profile),
      appearance_(appearance),
      model_(brisova::ReadCustomizeSequence(profile)) {}

HWND CCustomizeToolbarDialog::available() const {
    return ::GetDlgItem(m_hWnd, IDC_AVAILABLE_BUTTONS);
}

HWND CCustomizeToolbarDialog::current() const {
    return ::GetDlgItem(m_hWnd, IDC_CURRENT_BUTTONS);
}

bool CCustomizeToolbarDialog::OnInitDialog() {
    separatorText_ = LoadResString(IDS_TOOLBAR_SEPARATOR);
    if (separatorText_.empty()) separatorText_ = brisova::kSeparatorText;
    images_ = LoadImageStrip(IDB_TOOLBAR_BIG, kImageWidth, kImageHeight, kImageListRoom, WindowDpi(m_hWnd));

    PrepareList(available());
    for (std::size_t i = 0; i < model_.Available().size(); ++i) InsertItem(available(), i, model_.Available()[i]);
    PrepareList(current());
    for (std::size_t i = 0; i < model_.Current().size(); ++i) InsertItem(current(), i, model_.Current()[i]);
    Select(current(), model_.EndPosition());
    EnsureVisible(current(), model_.EndPosition());

    FillAppearanceControls();
    return true;
}

void CCustomizeToolbarDialog::PrepareList(HWND list) const {
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.get()));
    // The one column fills the list without reaching under the vertical scroll bar, so that
    // the list never needs a horizontal one.
    RECT client{};
    ::GetClientRect(list, &client);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left - SystemMetricForDpi(SM_CXVSCROLL, WindowDpi(list));
    ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void CCustomizeToolbarDialog::InsertItem(HWND list, std::size_t position, int item) const {
    std::string text(brisova::IsSeparatorItem(item) ? separatorText_ : brisova::CustomizeItemText(item));
    const int image = brisova::CustomizeItemImage(item);
    LVITEMA entry{};
    entry.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    entry.iItem = static_cast<int>(position);
    entry.pszText = text.data();
    entry.iImage = image >= 0 ? image : I_IMAGENONE;
    entry.lParam = item;
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry));
}

void CCustomizeToolbarDialog::FillAppearanceControls() const {
    const brisova::AppearanceControls controls = brisova::ControlsFor(appearance_);
    FillCombo(::GetDlgItem(m_hWnd, IDC_TEXT_OPTIONS), kTextOptions, controls.textOption);
    FillCombo(::GetDlgItem(m_hWnd, IDC_ICON_OPTIONS), kIconOptions, controls.iconOption);
    ::CheckDlgButton(m_hWnd, IDC_COLOR_ICONS, controls.color ? BST_CHECKED : BST_UNCHECKED);
}

void CCustomizeToolbarDialog::OnAdd() {
    const std::optional<std::size_t> chosen = Selection(available());
    const std::optional<brisova::Placement> placement = model_.Add(chosen, Selection(current()));
    if (!placement) return;
    InsertItem(current(), placement->inserted, model_.Current()[placement->inserted]);
    if (placement->leftAvailable) DeleteItem(available(), *chosen);
    EnsureVisible(current(), placement->target);
}

void CCustomizeToolbarDialog::OnRemove() {
    const std::optional<std::size_t> chosen = Selection(current());
    const std::optional<brisova::Removal> removal = model_.Remove(chosen);
    if (!removal) return;
    DeleteItem(current(), *chosen);
    if (removal->backToAvailable) InsertItem(available(), model_.Available().size() - 1, removal->item);
}

void CCustomizeToolbarDialog::OnMoveUp() {
    const std::optional<std::size_t> chosen = Selection(current());
    if (const std::optional<std::size_t> moved = model_.MoveUp(chosen)) ShowMove(*chosen, *moved);
}

void CCustomizeToolbarDialog::OnMoveDown() {
    const std::optional<std::size_t> chosen = Selection(current());
    if (const std::optional<std::size_t> moved = model_.MoveDown(chosen)) ShowMove(*chosen, *moved);
}

void CCustomizeToolbarDialog::ShowMove(std::size_t from, std::size_t to) const {
    DeleteItem(current(), from);
    InsertItem(current(), to, model_.Current()[to]);
    Select(current(), to);
    EnsureVisible(current(), to);
    ::SetFocus(current());
}

void CCustomizeToolbarDialog::OnAvailableDoubleClick(NMHDR*, LRESULT* result) {
    *result = 0;
    OnAdd();
}

void CCustomizeToolbarDialog::OnCurrentDoubleClick(NMHDR*, LRESULT* result) {
    *result = 0;
    OnRemove();
}

void CCustomizeToolbarDialog::OnOK() {
    brisova::WriteToolbarSequence(profile_, model_.Sequence());
    const brisova::AppearanceControls controls{
        ComboSelection(::GetDlgItem(m_hWnd, IDC_TEXT_OPTIONS)),
        ComboSelection(::GetDlgItem(m_hWnd, IDC_ICON_OPTIONS)),
        ::IsDlgButtonChecked(m_hWnd, IDC_COLOR_ICONS) == BST_CHECKED,
    };
    appearance_ = brisova::AppearanceFromControls(appearance_, controls);
    EndDialog(IDOK);
}
