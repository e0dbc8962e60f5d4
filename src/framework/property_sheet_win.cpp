#include "framework/property_sheet_win.h"

#include <utility>

#include "framework/dialog_win.h"

namespace {
// The sheet being created on this thread: the system's callback carries no pointer of ours.
thread_local CPropertySheet* t_startingSheet = nullptr;

std::string WindowText(HWND hwnd) {
    int length = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(hwnd, text.data(), length + 1)));
    return text;
}
}  // namespace

const MessageMap* CPropertyPage::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

void CPropertyPage::BindCheck(UINT id, int& value) {
    bindings_.push_back({Binding::Kind::Check, {id}, &value, nullptr});
}

void CPropertyPage::BindRadio(std::vector<UINT> ids, int& index) {
    bindings_.push_back({Binding::Kind::Radio, std::move(ids), &index, nullptr});
}

void CPropertyPage::BindText(UINT id, std::string& text) {
    bindings_.push_back({Binding::Kind::Text, {id}, nullptr, &text});
}

HWND CPropertyPage::TextWindow(UINT id) const {
    HWND control = Item(id);
    char className[32] = {};
    ::GetClassNameA(control, className, sizeof className);
    // An extended combo box keeps its text in an edit field of its own.
    if (lstrcmpiA(className, WC_COMBOBOXEXA) == 0) {
        if (auto edit = reinterpret_cast<HWND>(::SendMessageA(control, CBEM_GETEDITCONTROL, 0, 0))) return edit;
    }
    return control;
}

void CPropertyPage::UpdateData(bool save) {
    if (!m_hWnd) return;
    for (const Binding& b : bindings_) {
        switch (b.kind) {
        case Binding::Kind::Check:
            if (save) *b.number = ::IsDlgButtonChecked(m_hWnd, static_cast<int>(b.ids[0])) == BST_CHECKED ? 1 : 0;
            else ::CheckDlgButton(m_hWnd, static_cast<int>(b.ids[0]), *b.number ? BST_CHECKED : BST_UNCHECKED);
            break;
        case Binding::Kind::Radio:
            if (save) *b.number = -1;
            for (std::size_t i = 0; i < b.ids.size(); ++i) {
                const int id = static_cast<int>(b.ids[i]);
                if (!save) ::CheckDlgButton(m_hWnd, id, *b.number == static_cast<int>(i) ? BST_CHECKED : BST_UNCHECKED);
                else if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED && *b.number < 0)
                    *b.number = static_cast<int>(i);
            }
            break;
        case Binding::Kind::Text:
            if (save) *b.text = WindowText(TextWindow(b.ids[0]));
            else ::SetWindowTextA(TextWindow(b.ids[0]), b.text->c_str());
            break;
        }
    }
}

bool CPropertyPage::OnInitDialog() {
    UpdateData(false);
    return true;
}

bool CPropertyPage::OnKillActive() {
    UpdateData(true);
    return true;
}

void CPropertyPage::OnOK() {
    UpdateData(true);
}

bool CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom != ::GetParent(m_hWnd)) return CWnd::OnNotify(wParam, lParam, result);
    switch (header->code) {
    case PSN_KILLACTIVE:
        // TRUE keeps the user on this page.
        *result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        OnOK();
        if (sheet_) sheet_->accepted_ = true;
        *result = PSNRET_NOERROR;
        return true;
    default:
        return CWnd::OnNotify(wParam, lParam, result);
    }
}

PROPSHEETPAGEA CPropertyPage::Describe() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = ResourceInstance();
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pfnDlgProc = &CPropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        page->Attach(hwnd);
        try {
            return page->OnInitDialog();
        } catch (...) {
            return TRUE;
        }
    }
    auto* page = dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(hwnd));
    if (!page) return FALSE;
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = page->OnWndMsg(message, wParam, lParam, &result);
    } catch (...) {
        handled = true;
    }
    if (message == WM_NCDESTROY) page->Detach();
    return DialogReply(hwnd, message, handled, result);
}

void CPropertySheet::AddPage(CPropertyPage& page) {
    page.sheet_ = this;
    pages_.push_back(&page);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && t_startingSheet) t_startingSheet->m_hWnd = hwnd;
    return 0;
}

INT_PTR CPropertySheet::DoModal(HWND owner) {
    std::vector<PROPSHEETPAGEA> described;
    for (CPropertyPage* page : pages_) described.push_back(page->Describe());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = ResourceInstance();
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(described.size());
    header.ppsp = described.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;

    accepted_ = false;
    CPropertySheet* outer = std::exchange(t_startingSheet, this);
    INT_PTR shown = ::PropertySheetA(&header);
    t_startingSheet = outer;
    m_hWnd = nullptr;
    if (shown < 0) return -1;
    return accepted_ ? IDOK : IDCANCEL;
}
