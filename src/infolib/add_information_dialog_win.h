// The Add Information dialog (153): the user names the page and picks, creates or deletes the
// folder it goes into. The dialog works on its own library object over the library's files;
// whatever it changed reaches the tree file when the dialog closes, OK or Cancel.
#pragma once

#include <memory>
#include <string>

#include "framework/dialog_win.h"
#include "infolib/info_library_win.h"
#include "platform/prompter.h"

inline constexpr const char* kDeleteFolderQuestion = "Are you sure you want to delete the folder?";
inline constexpr const char* kDeleteFolderCaption = "Delete Folder";
inline constexpr const char* kPageNotSavedMessage = "The page could not be saved in your ZaDededorizev.";

class CAddInformationDialog final : public CDialog {
public:
    // `save` writes the page into the page directory it is given.
    CAddInformationDialog(std::string libraryRoot, std::string pageTitle, brisova::Prompter& prompter,
                          CInfoLibrary::PageWriter save);
    DECLARE_MESSAGE_MAP()

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The page was added to the library.
    bool saved() const { return saved_; }

private:
    HWND Tree() const;
    void OnNewFolder();
    void OnDeleteFolder();
    void OnNameChange();
    void OnSelectionChanged(NMHDR* header, LRESULT* result);
    void UpdateButtons() const;
    // Asks with the dialog disabled, since the question's window is not owned by the dialog.
    brisova::PromptAnswer Ask(const std::string& text, const std::string& caption, brisova::PromptButtons buttons);
    // Writes the tree file when the dialog changed it.
    void CloseLibrary() { library_.reset(); }

    std::string libraryRoot_;
    std::string pageTitle_;
    brisova::Prompter& prompter_;
    CInfoLibrary::PageWriter save_;
    std::unique_ptr<CInfoLibrary> library_;
    bool saved_ = false;
};
