// Modal property sheets on the system's PropertySheet: pages built from dialog resources, with
// data exchange between the pages' controls and values the page binds, OK and Cancel only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/wnd_win.h"

class CPropertySheet;

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(UINT templateId) : templateId_(templateId) {}
    DECLARE_MESSAGE_MAP()

    // Binds a value to a control: a check box to 0/1, a group of radio buttons to the index of
    // the checked one (-1 when none is), a text to an edit field or an extended combo box's field.
    void BindCheck(UINT id, int& value);
    void BindRadio(std::vector<UINT> ids, int& index);
    void BindText(UINT id, std::string& text);
    // Moves every bound value into its control, or with `save` every control into its value.
    void UpdateData(bool save);

    // The page's window has been created: the default shows the bound values.
    virtual bool OnInitDialog();
    // The user leaves the page; false keeps it open. The default takes the controls' values.
    virtual bool OnKillActive();
    // OK was pressed: the default takes the controls' values.
    virtual void OnOK();

    LRESULT DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) override { return 0; }
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    HWND Item(UINT id) const { return ::GetDlgItem(m_hWnd, static_cast<int>(id)); }

private:
    friend class CPropertySheet;
    struct Binding {
        enum class Kind { Check, Radio, Text } kind;
        std::vector<UINT> ids;
        int* number = nullptr;
        std::string* text = nullptr;
    };

    PROPSHEETPAGEA Describe();
    HWND TextWindow(UINT id) const;
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    CPropertySheet* sheet_ = nullptr;
    std::vector<Binding> bindings_;
};

class CPropertySheet {
public:
    explicit CPropertySheet(std::string caption) : caption_(std::move(caption)) {}
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // Pages show in the order they are added; the sheet opens on the first.
    void AddPage(CPropertyPage& page);
    // Runs the sheet; IDOK when it was closed with OK, IDCANCEL otherwise, -1 when it could not
    // be shown. The Apply button is switched off.
    INT_PTR DoModal(HWND owner);

    // The sheet's window while it runs, else null.
    HWND m_hWnd = nullptr;

private:
    friend class CPropertyPage;
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);

    std::string caption_;
    std::vector<CPropertyPage*> pages_;
    bool accepted_ = false;
};
