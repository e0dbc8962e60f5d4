#include "address_bar/open_file_dialog_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "address_bar/address_box_win.h"
#include "address_ids.h"
#include "platform/window_dpi_win.h"

const MessageMap* COpenFileDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&COpenFileDialog::OnBrowse>(IDC_OPEN_BROWSE),
    };
    static const MessageMap map(&CDialog::ThisMessageMap, entries);
    return &map;
}

COpenFileDialog::COpenFileDialog(AddressRegistryKeys keys) : CDialog(IDD_OPEN_FILE), keys_(std::move(keys)) {}

HWND COpenFileDialog::Box() const {
    return ::GetDlgItem(m_hWnd, IDC_OPEN_ADDRESS);
}

bool COpenFileDialog::OnInitDialog() {
    HWND box = Box();
    images_ = LoadAddressImages(WindowDpi(m_hWnd));
    PrepareAddressBox(box, images_.get());
    ApplySystemCompletion(AddressBoxEdit(box));
    std::optional<std::vector<std::string>> typed = ReadTypedUrls(keys_);
    if (!typed) return true;
    for (std::size_t i = 0; i < typed->size(); ++i) InsertAddressItem(box, static_cast<int>(i), (*typed)[i]);
    ::SetFocus(AddressBoxEdit(box));
    return false;
}

void COpenFileDialog::OnOK() {
    HWND edit = AddressBoxEdit(Box());
    int length = ::GetWindowTextLengthA(edit);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(edit, text.data(), length + 1)));
    address_ = std::move(text);
    EndDialog(IDOK);
}

void COpenFileDialog::OnBrowse() {
    // The filter's pairs are separated by '|' in the string table; the system wants NULs.
    std::string filter = LoadResString(IDS_OPEN_FILTER);
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.push_back('\0');
    std::string path(MAX_PATH * 4, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!::GetOpenFileNameA(&ofn)) return;
    path.resize(path.find('\0'));
    ::SetWindowTextA(AddressBoxEdit(Box()), path.c_str());
}
