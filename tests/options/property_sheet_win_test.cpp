// The framework's property sheet: data exchange, OK and Cancel, and replies that must reach
// the system through the dialog's result.
#include "framework/property_sheet_win.h"

#include <gtest/gtest.h>

#include "options/sheet_script_win.h"
#include "options_ids.h"

namespace {
// A page that colours its static texts and may refuse to be left.
class ColourPage final : public CPropertyPage {
public:
    explicit ColourPage(int& check) : CPropertyPage(IDD_SET_MOUSE), brush_(::CreateSolidBrush(RGB(1, 2, 3))) {
        BindCheck(IDC_ENABLE_MOUSE_MIDDLE, check);
    }
    ~ColourPage() override { ::DeleteObject(brush_); }
    DECLARE_MESSAGE_MAP()

    bool OnKillActive() override { return !refuse && CPropertyPage::OnKillActive(); }
    LRESULT OnColourStatic(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(brush_); }
    HBRUSH brush() const { return brush_; }

    bool refuse = false;

private:
    HBRUSH brush_;
};

const MessageMap* ColourPage::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_CTLCOLORSTATIC, &ColourPage::OnColourStatic>(),
    };
    static const MessageMap map(&CPropertyPage::ThisMessageMap, entries);
    return &map;
}

class RadioPage final : public CPropertyPage {
public:
    RadioPage(int& choice, std::string& text) : CPropertyPage(IDD_SET_HOME_PAGE) {
        BindRadio({IDC_ENABLE_HOME_PAGE, IDC_ENABLE_STARTUP}, choice);
        BindText(IDC_HOME_PAGE, text);
    }
};
}  // namespace

TEST(PropertySheets, ExchangesDataKeepsARefusingPageAndRepliesThroughTheDialogResult) {
    using namespace sheet_script;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_USEREX_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    int check = 1;
    int choice = 1;
    std::string text = "first";
    ColourPage colours(check);
    RadioPage radios(choice, text);
    CPropertySheet sheet("Sheet Test");
    sheet.AddPage(colours);
    sheet.AddPage(radios);

    Arm([&] { return sheet.m_hWnd; },
        [&](HWND hwnd) {
            HWND page = Page(hwnd);
            EXPECT_EQ(page, colours.m_hWnd);
            EXPECT_TRUE(Checked(page, IDC_ENABLE_MOUSE_MIDDLE));
            // A colour reply is the dialog procedure's own return value.
            HDC dc = ::GetDC(page);
            EXPECT_EQ(reinterpret_cast<HBRUSH>(::SendMessageA(page, WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(::GetDlgItem(page, -1)))),
                      colours.brush());
            ::ReleaseDC(page, dc);
            HWND apply = ::GetDlgItem(hwnd, 0x3021);
            EXPECT_TRUE(!apply || !::IsWindowVisible(apply));

            Click(page, IDC_ENABLE_MOUSE_MIDDLE);
            // A page that refuses to be left keeps the user: its reply went through DWLP_MSGRESULT.
            colours.refuse = true;
            Select(hwnd, 1);
            EXPECT_EQ(Page(hwnd), colours.m_hWnd);
            colours.refuse = false;
            Select(hwnd, 1);
            HWND second = Page(hwnd);
            EXPECT_EQ(second, radios.m_hWnd);
            EXPECT_TRUE(Checked(second, IDC_ENABLE_STARTUP));
            HWND edit = reinterpret_cast<HWND>(::SendMessageA(::GetDlgItem(second, IDC_HOME_PAGE), CBEM_GETEDITCONTROL, 0, 0));
            EXPECT_EQ(Text(edit), "first");
            Click(second, IDC_ENABLE_HOME_PAGE);
            ::SetWindowTextA(edit, "second \xC3\xA9");
            Press(hwnd, PSBTN_OK);
        });
    EXPECT_EQ(sheet.DoModal(nullptr), IDOK);
    EXPECT_TRUE(t_ran);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(check, 0);
    EXPECT_EQ(choice, 0);
    EXPECT_EQ(text, "second \xC3\xA9");

    Arm([&] { return sheet.m_hWnd; }, [&](HWND hwnd) {
        Click(Page(hwnd), IDC_ENABLE_MOUSE_MIDDLE);
        Press(hwnd, PSBTN_CANCEL);
    });
    EXPECT_EQ(sheet.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(t_ran);
    EXPECT_EQ(check, 0);
}
