#include "address_bar/address_bar_win.h"

#include <commctrl.h>

#include <algorithm>

#include "address_bar/address_box_win.h"
#include "address_bar/open_file_dialog_win.h"
#include "address_ids.h"
#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "controls/image_strip_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"

namespace {
constexpr int kBoxSlot = 0;
constexpr int kGoSlot = 1;
constexpr int kGoImage = 0;
// The box's drop-down list; the box's own height follows its font.
constexpr int kInitialBoxWidth = 200;
constexpr int kListHeight = 180;
}  // namespace

const MessageMap* CAddressBar::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CAddressBar::OnGo>(ID_GO),
        CommandHandler<&CAddressBar::OnFileOpen>(ID_FILE_OPEN),
        ControlHandler<&CAddressBar::OnListChoice>(CBN_SELENDOK, IDC_ADDRESS_BOX),
        SizeHandler<&CAddressBar::OnSize>(),
        PlainHandler<WM_DESTROY, &CAddressBar::OnDestroy>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

CAddressBar::CAddressBar(AddressRegistryKeys keys) : keys_(std::move(keys)) {}

CAddressBar::~CAddressBar() {
    ReleaseDropTarget();
}

bool CAddressBar::Create(HWND parent, BrowserFrame& frame) {
    frame_ = &frame;
    std::optional<std::string> showGo = ReadShowGoButton(keys_);
    showGo_ = brisova::ShowsGoButton(showGo ? std::optional<std::string_view>(*showGo) : std::nullopt);

    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | CCS_NODIVIDER | CCS_NORESIZE |
                  CCS_NOPARENTALIGN | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS;
    if (!CreateEx(0, TOOLBARCLASSNAMEA, "", style, RECT{0, 0, 0, 0}, parent, ID_BAR_TOOLBARS)) return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    coldImages_ = LoadSmallImageStrip(IDB_ADDRESS_COLD, 1, WindowDpi(m_hWnd));
    hotImages_ = LoadSmallImageStrip(IDB_ADDRESS_HOT, 1, WindowDpi(m_hWnd));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(coldImages_.get()));
    SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_.get()));
    const TBBUTTON buttons[] = {
        {kInitialBoxWidth, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, -1},
        {kGoImage, ID_GO, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1},
    };
    SendMessage(TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));

    if (!CreateBox()) return false;
    LoadTypedUrls();
    return true;
}

void CAddressBar::AcceptDropsAndCompletion() {
    if (!box_ || acceptsDrops_) return;
    acceptsDrops_ = true;
    ApplySystemCompletion(edit());
    dropTarget_ = new AddressDropTarget([this](const std::string& text) { ShowDroppedText(text); });
    if (FAILED(::RegisterDragDrop(box_, dropTarget_))) {
        // Without OLE the box simply takes no drops.
        dropTarget_->Release();
        dropTarget_ = nullptr;
    }
}

bool CAddressBar::CreateBox() {
    box_ = ::CreateWindowExA(0, WC_COMBOBOXEXA, "",
                             WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0,
                             kInitialBoxWidth, kListHeight, m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_ADDRESS_BOX)), ResourceInstance(),
                             nullptr);
    if (!box_) return false;
    ::SendMessageA(box_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    boxImages_ = LoadAddressImages(WindowDpi(m_hWnd));
    PrepareAddressBox(box_, boxImages_.get());
    created_ = true;
    Layout(GetClientRect().right);
    return true;
}

void CAddressBar::DpiChanged(HFONT font) {
    const int dpi = WindowDpi(m_hWnd);
    ReloadImageStrip(coldImages_.get(), IDB_ADDRESS_COLD, kSmallImageSize, kSmallImageSize, dpi);
    ReloadImageStrip(hotImages_.get(), IDB_ADDRESS_HOT, kSmallImageSize, kSmallImageSize, dpi);
    // Given again, the lists size the Go button for their new images.
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(coldImages_.get()));
    SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_.get()));
    SendMessage(TB_AUTOSIZE);
    if (!box_) return;
    ReloadAddressImages(boxImages_.get(), dpi);
    ::SendMessageA(box_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(boxImages_.get()));
    if (font) ::SendMessageA(box_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Layout(GetClientRect().right);
}

void CAddressBar::ReleaseDropTarget() {
    if (!dropTarget_) return;
    if (::IsWindow(box_)) ::RevokeDragDrop(box_);
    dropTarget_->Detach();
    dropTarget_->Release();
    dropTarget_ = nullptr;
}

void CAddressBar::OnDestroy() {
    ReleaseDropTarget();
    created_ = false;
    Default();
}

HWND CAddressBar::edit() const {
    return box_ ? AddressBoxEdit(box_) : nullptr;
}

void CAddressBar::FocusField() const {
    HWND field = edit();
    if (!field || !::IsWindowVisible(field)) return;
    ::SetFocus(field);
    ::SendMessageA(field, EM_SETSEL, 0, -1);
}

bool CAddressBar::HasFocus() const {
    HWND field = edit();
    return field && ::GetFocus() == field;
}

// ---- the field and the list ----

void CAddressBar::ShowAddress(const std::string& text) {
    if (!box_) return;
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = -1;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = kAddressItemImage;
    item.iSelectedImage = kAddressItemImage;
    ::SendMessageA(box_, CBEM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::string CAddressBar::Text() const {
    HWND field = edit();
    if (!field) return {};
    int length = ::GetWindowTextLengthA(field);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(field, text.data(), length + 1)));
    return text;
}

std::vector<std::string> CAddressBar::Items() const {
    return box_ ? AddressItems(box_) : std::vector<std::string>{};
}

bool CAddressBar::LoadTypedUrls() {
    if (!box_) return false;
    std::optional<std::vector<std::string>> typed = ReadTypedUrls(keys_);
    if (!typed) return false;
    for (std::size_t i = 0; i < typed->size(); ++i) InsertAddressItem(box_, static_cast<int>(i), (*typed)[i]);
    return true;
}

bool CAddressBar::SaveTypedUrls() const {
    return WriteTypedUrls(keys_, Items());
}

void CAddressBar::RemoveNewestItem() {
    if (box_) ::SendMessageA(box_, CBEM_DELETEITEM, 0, 0);
}

void CAddressBar::RemoveAllItems() {
    if (box_) ::SendMessageA(box_, CB_RESETCONTENT, 0, 0);
}

void CAddressBar::ShowDroppedText(const std::string& text) const {
    HWND field = edit();
    if (!field) return;
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    ::SetWindowTextA(field, line.c_str());
}

// ---- layout ----

int CAddressBar::GoButtonWidth() const {
    RECT r{};
    if (!SendMessage(TB_GETITEMRECT, kGoSlot, reinterpret_cast<LPARAM>(&r))) return 0;
    return r.right - r.left;
}

int CAddressBar::Height() const {
    RECT button{};
    SendMessage(TB_GETITEMRECT, kGoSlot, reinterpret_cast<LPARAM>(&button));
    RECT field{};
    if (box_) ::GetWindowRect(box_, &field);
    return std::max(button.bottom - button.top, static_cast<LONG>(field.bottom - field.top));
}

void CAddressBar::Layout(int width) {
    if (!created_) return;
    int boxWidth = brisova::AddressBoxWidth(width, showGo_, GoButtonWidth());
    TBBUTTONINFOA slot{};
    slot.cbSize = sizeof slot;
    slot.dwMask = TBIF_SIZE | TBIF_BYINDEX;
    slot.cx = static_cast<WORD>(boxWidth);
    SendMessage(TB_SETBUTTONINFOA, kBoxSlot, reinterpret_cast<LPARAM>(&slot));
    ::MoveWindow(box_, 0, 0, boxWidth, GetClientRect().bottom, TRUE);
    if (!::IsWindowVisible(box_)) ::ShowWindow(box_, SW_SHOWNA);
    // A field that was narrower than its text stays scrolled to the text's end; widened, it
    // shows the text from its beginning again, unless the user is typing in it.
    if (HWND field = edit(); field && ::GetFocus() != field) {
        ::SendMessageA(field, EM_SETSEL, 0, 0);
        ::SendMessageA(field, EM_SCROLLCARET, 0, 0);
    }
}

void CAddressBar::OnSize(UINT, int cx, int) {
    Default();
    Layout(cx);
}

// ---- entering and choosing addresses ----

std::span<const brisova::ShortcutEntry> CAddressBar::Shortcuts() const {
    if (!shortcuts_) return {};
    return {shortcuts_->data(), shortcuts_->size()};
}

void CAddressBar::Open(const std::string& address) const {
    if (frame_) frame_->OpenAddress(brisova::AddressSource::AddressBar, address);
}

void CAddressBar::EnterAddress(brisova::CompletionKeys keys) {
    std::optional<brisova::EnteredAddress> entered = brisova::EnterAddress(Text(), keys, Shortcuts());
    if (!entered) return;
    Open(entered->target);
    if (std::optional<std::string> addition = brisova::TypedListAddition(Items(), entered->listText))
        InsertAddressItem(box_, 0, *addition);
}

void CAddressBar::OnGo() {
    // The completion keys count as they are held when the command arrives.
    EnterAddress({::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0});
}

void CAddressBar::OnListChoice() {
    int index = static_cast<int>(::SendMessageA(box_, CB_GETCURSEL, 0, 0));
    if (index < 0) return;
    Open(brisova::ExpandShortcut(AddressItemText(box_, index), Shortcuts()));
}

void CAddressBar::OnFileOpen() {
    if (!frame_) return;
    COpenFileDialog dialog(keys_);
    if (dialog.DoModal(frame_->OwnerWindow()) != IDOK || dialog.address().empty()) return;
    // The address is opened exactly as entered: no completion, no shortcut, no list entry.
    frame_->OpenAddress(brisova::AddressSource::OpenDialog, dialog.address());
}

bool CAddressBar::PreTranslateMessage(MSG* msg) {
    if (!created_ || !frame_ || msg->hwnd != edit()) return false;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        // With its list open, the box takes Enter as the choice of the highlighted address.
        if (::SendMessageA(box_, CB_GETDROPPEDSTATE, 0, 0)) return false;
        ::SendMessageA(frame_->OwnerWindow(), WM_COMMAND, MAKEWPARAM(ID_GO, 0), 0);
        return true;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE &&
        !::SendMessageA(box_, CB_GETDROPPEDSTATE, 0, 0)) {
        CBrisovaView* view = frame_->ActiveBrowserView();
        if (addressPutBack_) {
            addressPutBack_ = false;
            if (view && view->ControlWindow()) ::SetFocus(view->ControlWindow());
        } else {
            addressPutBack_ = true;
            ShowAddress(view ? view->address() : std::string());
            ::SendMessageA(edit(), EM_SETSEL, 0, -1);
        }
        return true;
    }
    if (msg->message == WM_KEYDOWN) addressPutBack_ = false;
    if (msg->message == WM_MOUSEWHEEL) {
        ::PostMessageA(frame_->OwnerWindow(), WM_MOUSEWHEEL, msg->wParam, msg->lParam);
        return true;
    }
    return false;
}
