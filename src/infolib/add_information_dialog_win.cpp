#include "infolib/add_information_dialog_win.h"

#include <commctrl.h>

#include "infolib/dialog_text_win.h"
#include "infolib/new_folder_dialog_win.h"
#include "infolib_ids.h"

const MessageMap* CAddInformationDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CAddInformationDialog::OnNewFolder>(IDC_INFO_NEW_FOLDER),
        CommandHandler<&CAddInformationDialog::OnDeleteFolder>(IDC_INFO_DELETE_FOLDER),
        ControlHandler<&CAddInformationDialog::OnNameChange>(EN_CHANGE, IDC_INFO_NAME),
        NotifyHandler<&CAddInformationDialog::OnSelectionChanged>(TVN_SELCHANGEDA, IDC_INFO_TREE),
        NotifyHandler<&CAddInformationDialog::OnSelectionChanged>(TVN_SELCHANGEDW, IDC_INFO_TREE),
    };
    static const MessageMap map(&CDialog::ThisMessageMap, entries);
    return &map;
}

CAddInformationDialog::CAddInformationDialog(std::string libraryRoot, std::string pageTitle,
                                             brisova::Prompter& prompter, CInfoLibrary::PageWriter save)
    : CDialog(IDD_ADD_INFORMATION),
      libraryRoot_(std::move(libraryRoot)),
      pageTitle_(std::move(pageTitle)),
      prompter_(prompter),
      save_(std::move(save)) {}

HWND CAddInformationDialog::Tree() const {
    return ::GetDlgItem(m_hWnd, IDC_INFO_TREE);
}

bool CAddInformationDialog::OnInitDialog() {
    library_ = std::make_unique<CInfoLibrary>(libraryRoot_);
    library_->LoadIntoTree(Tree());
    HWND name = ::GetDlgItem(m_hWnd, IDC_INFO_NAME);
    ::SendMessageA(name, EM_LIMITTEXT, kMaxNameLength, 0);
    ::SetWindowTextA(name, pageTitle_.c_str());
    UpdateButtons();
    ::SetFocus(name);
    ::SendMessageA(name, EM_SETSEL, 0, -1);
    return false;
}

void CAddInformationDialog::UpdateButtons() const {
    if (!library_) return;
    const brisova::InfoNode* folder = library_->SelectedFolder(Tree());
    bool named = !TrimmedItemText(m_hWnd, IDC_INFO_NAME).empty();
    ::EnableWindow(::GetDlgItem(m_hWnd, IDOK), folder && named);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_INFO_NEW_FOLDER), folder != nullptr);
    bool deletable = folder && folder != library_->store().root();
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_INFO_DELETE_FOLDER), deletable);
}

void CAddInformationDialog::OnNameChange() {
    UpdateButtons();
}

void CAddInformationDialog::OnSelectionChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    UpdateButtons();
}

brisova::PromptAnswer CAddInformationDialog::Ask(const std::string& text, const std::string& caption,
                                                 brisova::PromptButtons buttons) {
    ::EnableWindow(m_hWnd, FALSE);
    brisova::PromptAnswer answer = prompter_.Ask(text, caption, buttons);
    ::EnableWindow(m_hWnd, TRUE);
    ::SetActiveWindow(m_hWnd);
    return answer;
}

void CAddInformationDialog::OnNewFolder() {
    if (!library_ || !library_->SelectedFolder(Tree())) return;
    CNewFolderDialog ask;
    if (ask.DoModal(m_hWnd) != IDOK || ask.name().empty()) return;
    if (brisova::InfoNode* folder = library_->AddFolder(Tree(), ask.name())) {
        // The new folder is where the page is most likely meant to go.
        auto item = static_cast<HTREEITEM>(folder->treeItem);
        ::SendMessageA(Tree(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        ::SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
    UpdateButtons();
}

void CAddInformationDialog::OnDeleteFolder() {
    if (!library_) return;
    const brisova::InfoNode* folder = library_->SelectedFolder(Tree());
    if (!folder || folder == library_->store().root()) return;
    if (Ask(kDeleteFolderQuestion, kDeleteFolderCaption, brisova::PromptButtons::YesNo) != brisova::PromptAnswer::Yes) {
        return;
    }
    library_->DeleteSelectedFolder(Tree());
    UpdateButtons();
}

void CAddInformationDialog::OnOK() {
    if (!library_) return;
    std::string name = TrimmedItemText(m_hWnd, IDC_INFO_NAME);
    // Enter reaches here even while the OK button is disabled.
    if (name.empty() || !library_->SelectedFolder(Tree())) return;
    saved_ = library_->SavePage(Tree(), name, save_);
    CloseLibrary();
    if (!saved_) Ask(kPageNotSavedMessage, brisova::kProgramCaption, brisova::PromptButtons::Ok);
    EndDialog(saved_ ? IDOK : IDCANCEL);
}

void CAddInformationDialog::OnCancel() {
    CloseLibrary();
    EndDialog(IDCANCEL);
}
