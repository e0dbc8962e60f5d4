// The tool bar, the Customize Toolbar dialog and the tool bar commands under Wine.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "resource.h"
#include "toolbar/customize_toolbar_dialog_win.h"
#include "toolbar/toolbar_commands_win.h"
#include "toolbar/toolbar_sequence.h"
#include "toolbar/toolbar_win.h"
#include "toolbar_ids.h"

using Strings = std::vector<std::string>;

namespace {
const std::string kEnd(brisova::kEndItemText);

struct ShownButton {
    int command;
    int image;
    BYTE style;
    std::string text;
};

std::vector<ShownButton> Buttons(const CBrisovaToolBar& bar) {
    std::vector<ShownButton> shown;
    for (int i = 0; i < static_cast<int>(bar.SendMessage(TB_BUTTONCOUNT)); ++i) {
        char text[64] = {};
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_IMAGE | TBIF_STYLE | TBIF_TEXT;
        info.pszText = text;
        info.cchText = sizeof text;
        bar.SendMessage(TB_GETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
        shown.push_back({info.idCommand, info.iImage, info.fsStyle, text});
    }
    return shown;
}

// The texts of the buttons that are not separators.
Strings Texts(const CBrisovaToolBar& bar) {
    Strings texts;
    for (const ShownButton& b : Buttons(bar))
        if (!(b.style & BTNS_SEP)) texts.push_back(b.text);
    return texts;
}

// Whether image `index` drawn on white shows any pixel that is not a shade of grey.
bool DrawsInColour(HIMAGELIST images, int index) {
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(images, &cx, &cy);
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ScopedBitmap canvas(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HGDIOBJ old = ::SelectObject(dc, canvas.get());
    RECT all{0, 0, cx, cy};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
    bool colour = false;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            COLORREF c = ::GetPixel(dc, x, y);
            colour = colour || GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
        }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return colour;
}

// With BRISOVA_SCREENSHOT_DIR set, saves what the screen shows of a window there as a .bmp file,
// so that the bar and the dialog can be looked at.
void SaveScreenShot(HWND window, const std::string& name) {
    const char* folder = std::getenv("BRISOVA_SCREENSHOT_DIR");
    if (!folder) return;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // What a window draws reaches the screen only while its thread keeps taking messages.
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 300; ::Sleep(10)) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    RECT r{};
    ::GetWindowRect(window, &r);
    BITMAPINFOHEADER header{sizeof header, r.right - r.left, r.bottom - r.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<std::size_t>(((header.biWidth * 3 + 3) & ~3) * header.biHeight));
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    ScopedBitmap picture(::CreateCompatibleBitmap(screen, header.biWidth, header.biHeight));
    HGDIOBJ old = ::SelectObject(dc, picture.get());
    ::BitBlt(dc, 0, 0, header.biWidth, header.biHeight, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(dc, old);
    ::GetDIBits(dc, picture.get(), 0, static_cast<UINT>(header.biHeight), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

// ---- driving the modal dialog from a timer inside its own message loop ----

std::function<void(HWND)> g_dialogScript;

void CALLBACK RunDialogScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND w, LPARAM found) -> BOOL {
        char title[32] = {};
        ::GetWindowTextA(w, title, sizeof title);
        if (std::string(title) == "Customize Toolbar") *reinterpret_cast<HWND*>(found) = w;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&dialog));
    // The dialog shows itself once its loop first finds no message waiting.
    if (!dialog || !::IsWindowVisible(dialog)) return;
    ::KillTimer(nullptr, timer);
    auto script = std::move(g_dialogScript);
    script(dialog);
    // A script stopped by a failed check leaves the dialog open; an ended one is hidden.
    if (::IsWindowVisible(dialog)) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Runs `script` on the Customize Toolbar dialog shown next, once it is up.
void WhenDialogShows(std::function<void(HWND)> script) {
    g_dialogScript = std::move(script);
    ::SetTimer(nullptr, 0, 10, &RunDialogScript);
}

struct Lists {
    explicit Lists(HWND d) : available(::GetDlgItem(d, IDC_AVAILABLE_BUTTONS)), current(::GetDlgItem(d, IDC_CURRENT_BUTTONS)) {}
    HWND available;
    HWND current;
};

// Each item as its text, with "+image" when it shows one and "=data" when its data is not its
// table row's plain meaning (separators and the end item).
Strings Items(HWND list) {
    Strings items;
    for (int i = 0; i < static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); ++i) {
        char text[64] = {};
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::string shown = text;
        if (item.iImage >= 0) shown += "+image";
        if (item.lParam == brisova::kEndItem || item.lParam == brisova::kSeparatorItem)
            shown += "=" + std::to_string(item.lParam);
        items.push_back(shown);
    }
    return items;
}

int Selected(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Selects item `index` alone; -1 selects nothing.
void Select(HWND list, int index) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    if (index >= 0) ::SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
}

void Click(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void DoubleClick(HWND dialog, HWND list, int index) {
    Select(list, index);
    NMITEMACTIVATE note{};
    note.hdr = {list, static_cast<UINT_PTR>(::GetDlgCtrlID(list)), static_cast<UINT>(NM_DBLCLK)};
    note.iItem = index;
    ::SendMessageA(dialog, WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
}

void Choose(HWND dialog, int comboId, int option) {
    ::SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, static_cast<WPARAM>(option), 0);
}

// Stands in for the frame: records the commands and drop-down notifications it receives.
class RecordingHost final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()
    std::vector<UINT> commands;
    std::vector<int> dropDowns;

private:
    void OnAnyCommand(UINT id) { commands.push_back(id); }
    void OnDropDown(NMHDR* header, LRESULT* result) {
        dropDowns.push_back(reinterpret_cast<NMTOOLBARA*>(header)->iItem);
        *result = TBDDRET_DEFAULT;
    }
};

}  // namespace

const MessageMap* RecordingHost::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandRangeHandler<&RecordingHost::OnAnyCommand>(1, 0xFFFF),
        NotifyHandler<&RecordingHost::OnDropDown>(TBN_DROPDOWN, ID_BAR_TOOLBARS),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

class ToolbarWin : public ::testing::Test {
protected:
    ToolbarWin() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&controls);
        const char* hostClass = RegisterFrameworkClass("BrisovaToolbarTestHost", 0, nullptr, nullptr,
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        host_.CreateEx(0, hostClass, "Tool bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 1260,
                       100, nullptr, 0);
        rebar_ = ::CreateWindowExA(0, REBARCLASSNAMEA, "",
                                   WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | RBS_VARHEIGHT | CCS_NODIVIDER, 0, 0,
                                   1240, 0, host_.m_hWnd, nullptr, nullptr, nullptr);
        EXPECT_TRUE(toolBar_.Create(host_.m_hWnd));
        EXPECT_TRUE(toolBar_.AddToRebar(rebar_));
    }

    void Rebuild(int textLabel, int smallToolbar = 0, int colorIcon = 1, bool recreate = false) {
        toolBar_.Rebuild(recreate, {textLabel, smallToolbar, colorIcon}, profile_);
    }
    void Shot(const std::string& name) { SaveScreenShot(host_.m_hWnd, name); }
    Strings Stored() const {
        Strings values;
        for (int i = 0; profile_.Has(brisova::kToolbarSection, brisova::ToolbarSequenceKey(i)); ++i)
            values.push_back(profile_.ReadString(brisova::kToolbarSection, brisova::ToolbarSequenceKey(i), ""));
        return values;
    }

    RecordingHost host_;
    HWND rebar_ = nullptr;
    CBrisovaToolBar toolBar_;
    brisova::MemoryProfile profile_;
};

TEST_F(ToolbarWin, NothingStoredShowsTheWholeTableInABandThatFitsIt) {
    Rebuild(1);
    std::vector<ShownButton> shown = Buttons(toolBar_);
    ASSERT_EQ(shown.size(), 22u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const brisova::ToolbarItem& item = brisova::kToolbarItems[i];
        SCOPED_TRACE(i);
        EXPECT_EQ((shown[i].style & BTNS_SEP) != 0, item.kind == brisova::ToolbarItemKind::Separator);
        if (item.kind == brisova::ToolbarItemKind::Separator) continue;
        EXPECT_EQ(shown[i].command, static_cast<int>(item.command));
        EXPECT_EQ(shown[i].image, item.image);
        EXPECT_EQ((shown[i].style & BTNS_DROPDOWN) != 0, item.kind == brisova::ToolbarItemKind::DropDown);
    }

    RECT first{}, last{};
    toolBar_.SendMessage(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    toolBar_.SendMessage(TB_GETITEMRECT, 21, reinterpret_cast<LPARAM>(&last));
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
    ::SendMessageA(rebar_, RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));
    EXPECT_TRUE(band.fStyle & RBBS_NOGRIPPER);
    EXPECT_EQ(band.cxMinChild, static_cast<UINT>(first.right - first.left + 2));
    EXPECT_EQ(band.cyMinChild, static_cast<UINT>(first.bottom - first.top));
    EXPECT_EQ(band.cxIdeal, static_cast<UINT>(last.right));

    int layouts = 0;
    toolBar_.onLayoutChanged = [&] { ++layouts; };
    profile_.WriteInt(brisova::kToolbarSection, "B0", -1);
    Rebuild(1);
    EXPECT_EQ(layouts, 1);
    ::SendMessageA(rebar_, RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));
    EXPECT_EQ(toolBar_.SendMessage(TB_BUTTONCOUNT), 0);
    EXPECT_EQ(band.cyMinChild, 18u);
    EXPECT_EQ(band.cxIdeal, 2u);
}

TEST_F(ToolbarWin, TextModesDecideTextsAndStyles) {
    Rebuild(1);
    Strings labels = Texts(toolBar_);
    EXPECT_EQ(labels.front(), "New");
    EXPECT_EQ(labels.back(), "Find");
    EXPECT_FALSE(toolBar_.SendMessage(TB_GETSTYLE) & TBSTYLE_LIST);
    Shot("toolbar-labels-big");

    Rebuild(0);
    EXPECT_EQ(Texts(toolBar_), Strings(18, " "));
    Shot("toolbar-notext-big");

    Rebuild(2);
    Strings selective = Texts(toolBar_);
    EXPECT_EQ((Strings{selective[1], selective[6], selective[7]}), (Strings{"Back", "Search", "History"}));
    EXPECT_EQ(std::count(selective.begin(), selective.end(), " "), 15);
    const auto style = static_cast<DWORD>(toolBar_.SendMessage(TB_GETSTYLE));
    EXPECT_EQ(style & (TBSTYLE_LIST | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT),
              DWORD{TBSTYLE_LIST | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT});
    for (const ShownButton& b : Buttons(toolBar_)) EXPECT_EQ((b.style & BTNS_AUTOSIZE) != 0, !(b.style & BTNS_SEP));
    Shot("toolbar-selective-big");

    Rebuild(1);
    EXPECT_EQ(Texts(toolBar_), labels);
    EXPECT_FALSE(toolBar_.SendMessage(TB_GETSTYLE) & TBSTYLE_LIST);
}

TEST_F(ToolbarWin, IconSizeAndColourChooseTheStripsAndLabelSizesAreRemembered) {
    Rebuild(1);
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(toolBar_.normalImages(), &cx, &cy);
    EXPECT_EQ(cx * 100 + cy, 2121);
    EXPECT_GE(::ImageList_GetImageCount(toolBar_.normalImages()), brisova::kToolbarImageCount);
    const brisova::ButtonSize big = toolBar_.rememberedSizes().big;
    EXPECT_EQ(static_cast<DWORD>(toolBar_.SendMessage(TB_GETBUTTONSIZE)), MAKELONG(big.width, big.height));

    Rebuild(0, 1, 0, true);
    ::ImageList_GetIconSize(toolBar_.normalImages(), &cx, &cy);
    EXPECT_EQ(cx * 100 + cy, 1616);
    EXPECT_LT(HIWORD(toolBar_.SendMessage(TB_GETBUTTONSIZE)), big.height);
    EXPECT_EQ(toolBar_.SendMessage(TB_GETIMAGELIST), reinterpret_cast<LRESULT>(toolBar_.normalImages()));
    EXPECT_EQ(toolBar_.SendMessage(TB_GETHOTIMAGELIST), reinterpret_cast<LRESULT>(toolBar_.hotImages()));
    // Grey normal images; the hot ones stay in colour.
    EXPECT_FALSE(DrawsInColour(toolBar_.normalImages(), 0));
    EXPECT_TRUE(DrawsInColour(toolBar_.hotImages(), 0));
    Shot("toolbar-notext-small-grey");

    // Labels with small icons start from the size measured with big ones.
    Rebuild(1, 1, 1, true);
    EXPECT_TRUE(DrawsInColour(toolBar_.normalImages(), 0));
    EXPECT_EQ(toolBar_.rememberedSizes().small.width, big.width);
    EXPECT_EQ(toolBar_.rememberedSizes().small.height, big.height - 4);
    Shot("toolbar-labels-small");
    Rebuild(2, 1);
    Shot("toolbar-selective-small");
}

TEST_F(ToolbarWin, ClicksReachTheFrameFromInsideTheRebarAndTipsComeFromTheStringTable) {
    Rebuild(0);
    ASSERT_EQ(toolBar_.GetParent(), rebar_);
    auto click = [&](int index, bool onArrow) {
        RECT r{};
        toolBar_.SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        LPARAM at = MAKELPARAM(onArrow ? r.right - 3 : r.left + 6, (r.top + r.bottom) / 2);
        toolBar_.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        toolBar_.SendMessage(WM_LBUTTONUP, 0, at);
    };
    click(4, false);  // Stop
    click(2, true);   // the arrow of Back
    EXPECT_EQ(host_.commands, std::vector<UINT>{ID_VIEW_STOP});
    EXPECT_EQ(host_.dropDowns, std::vector<int>{ID_GO_BACK});

    EXPECT_NE(toolBar_.SendMessage(TB_GETTOOLTIPS), 0);
    NMTTDISPINFOW tip{};
    tip.hdr = {nullptr, ID_INFO_ADD, static_cast<UINT>(TTN_GETDISPINFOW)};
    toolBar_.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(tip.lpszText, L"Add to...");
}

TEST_F(ToolbarWin, DialogStartsWithEverythingPlacedAndTheEndItemSelected) {
    CCustomizeToolbarDialog dialog(profile_, {2, 1, 0});
    WhenDialogShows([&](HWND d) {
        Lists lists(d);
        EXPECT_EQ(Items(lists.available), Strings{"Separator=1"});
        Strings placed = Items(lists.current);
        ASSERT_EQ(placed.size(), 23u);
        EXPECT_EQ((Strings{placed[0], placed[1], placed[22]}), (Strings{"New+image", "Separator=1", kEnd + "=-1"}));
        EXPECT_EQ(Selected(lists.current), 22);
        EXPECT_EQ(::SendDlgItemMessageA(d, IDC_TEXT_OPTIONS, CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(::SendDlgItemMessageA(d, IDC_ICON_OPTIONS, CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(::IsDlgButtonChecked(d, IDC_COLOR_ICONS), UINT{BST_UNCHECKED});
        SaveScreenShot(d, "customize-dialog-all-placed");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(host_.m_hWnd), IDCANCEL);
    EXPECT_TRUE(Stored().empty());
}

TEST_F(ToolbarWin, DialogButtonsEditTheListsAndOkStoresThem) {
    profile_.WriteInt(brisova::kToolbarSection, "B0", 2);
    profile_.WriteInt(brisova::kToolbarSection, "B1", 3);
    profile_.WriteInt(brisova::kToolbarSection, "B2", -1);
    CCustomizeToolbarDialog dialog(profile_, {1, 0, 1});
    WhenDialogShows([&](HWND d) {
        Lists lists(d);
        auto current = [&] {
            Strings texts = Items(lists.current);
            for (std::string& t : texts) t = t.substr(0, t.find_first_of("+="));
            return texts;
        };
        Select(lists.available, -1);
        Click(d, IDC_ADD_BUTTON);
        ASSERT_EQ(current(), (Strings{"Back", "Forward", kEnd}));

        // Two separators go in front of the selected "Forward"; "Separator" stays available.
        Select(lists.current, 1);
        Select(lists.available, 0);
        Click(d, IDC_ADD_BUTTON);
        DoubleClick(d, lists.available, 0);
        // Without a selection in the current list "Stop" goes in front of the end item.
        Select(lists.current, -1);
        DoubleClick(d, lists.available, 2);
        EXPECT_EQ(current(), (Strings{"Back", "Separator", "Separator", "Forward", "Stop", kEnd}));
        EXPECT_EQ(Items(lists.available)[2], "Refresh+image");

        // The end item neither leaves nor moves; nothing moves past it or above the top.
        Select(lists.current, 5);
        Click(d, IDC_REMOVE_BUTTON);
        Click(d, IDC_MOVE_UP);
        Select(lists.current, 4);
        Click(d, IDC_MOVE_DOWN);
        Select(lists.current, 0);
        Click(d, IDC_MOVE_UP);
        EXPECT_EQ(current(), (Strings{"Back", "Separator", "Separator", "Forward", "Stop", kEnd}));
        Select(lists.current, 0);
        Click(d, IDC_MOVE_DOWN);
        EXPECT_EQ(Selected(lists.current), 1);
        EXPECT_EQ(::GetFocus(), lists.current);

        // A removed separator goes nowhere, a removed button to the end of the available list.
        DoubleClick(d, lists.current, 0);
        Select(lists.current, 2);
        Click(d, IDC_REMOVE_BUTTON);
        EXPECT_EQ(current(), (Strings{"Back", "Separator", "Stop", kEnd}));
        Strings offered = Items(lists.available);
        EXPECT_EQ(offered.back(), "Forward+image");
        EXPECT_EQ(std::count(offered.begin(), offered.end(), "Separator=1"), 1);

        Choose(d, IDC_TEXT_OPTIONS, 2);
        Choose(d, IDC_ICON_OPTIONS, 1);
        ::CheckDlgButton(d, IDC_COLOR_ICONS, BST_UNCHECKED);
        SaveScreenShot(d, "customize-dialog-edited");
        Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(host_.m_hWnd), IDOK);
    EXPECT_EQ(Stored(), (Strings{"2", "1", "4", "-1"}));
    EXPECT_EQ(dialog.appearance().textLabel, 2);
    EXPECT_EQ(dialog.appearance().smallToolbar, 1);
    EXPECT_EQ(dialog.appearance().colorIcon, 0);
}

class ToolbarCommandsWin : public ToolbarWin {
protected:
    void Command(UINT id) { commands_.OnCmdMsg(id, 0, nullptr, false); }
    // The mark the frame's rule gives "Tool &Bar Text Label" for the setting the command left.
    bool Checked() const { return brisova::TextLabelChecked(settings_.textLabel); }

    brisova::Settings settings_;
    CToolbarCommands commands_{toolBar_, profile_, settings_};
};

TEST_F(ToolbarCommandsWin, TextLabelTurnsLabelsOffAndEveryOtherModeOn) {
    commands_.RebuildToolbar(false);
    EXPECT_TRUE(Checked());
    Command(ID_VIEW_TEXTLABEL);
    EXPECT_EQ(settings_.textLabel, 0);
    EXPECT_FALSE(Checked());
    EXPECT_EQ(Texts(toolBar_).front(), " ");
    Command(ID_VIEW_TEXTLABEL);
    EXPECT_EQ(settings_.textLabel, 1);
    EXPECT_EQ(Texts(toolBar_).front(), "New");

    settings_.textLabel = 2;
    commands_.RebuildToolbar(false);
    Command(ID_VIEW_TEXTLABEL);
    EXPECT_EQ(settings_.textLabel, 1);
    EXPECT_TRUE(Checked());
    EXPECT_FALSE(toolBar_.SendMessage(TB_GETSTYLE) & TBSTYLE_LIST);
}

TEST_F(ToolbarCommandsWin, CustomizeRebuildsAndRemakesImagesOnlyForSizeOrColour) {
    commands_.RebuildToolbar(false);
    HIMAGELIST normal = toolBar_.normalImages();
    HIMAGELIST hot = toolBar_.hotImages();
    WhenDialogShows([](HWND d) {
        Choose(d, IDC_TEXT_OPTIONS, 0);
        Click(d, IDOK);
    });
    Command(ID_VIEW_CUSTOMIZE);
    EXPECT_EQ(settings_.textLabel, 0);
    EXPECT_EQ(Texts(toolBar_).front(), " ");
    EXPECT_EQ(toolBar_.normalImages(), normal);
    EXPECT_EQ(toolBar_.hotImages(), hot);
    EXPECT_EQ(Stored().size(), 23u);
    EXPECT_EQ(Stored().back(), "-1");

    WhenDialogShows([](HWND d) {
        ::CheckDlgButton(d, IDC_COLOR_ICONS, BST_UNCHECKED);
        Click(d, IDOK);
    });
    Command(ID_VIEW_CUSTOMIZE);
    EXPECT_EQ(settings_.colorIcon, 0);
    EXPECT_NE(toolBar_.normalImages(), normal);
    EXPECT_NE(toolBar_.hotImages(), hot);
    EXPECT_FALSE(DrawsInColour(toolBar_.normalImages(), 0));

    normal = toolBar_.normalImages();
    WhenDialogShows([](HWND d) {
        Lists lists(d);
        Select(lists.current, 0);
        Click(d, IDC_REMOVE_BUTTON);
        Choose(d, IDC_ICON_OPTIONS, 1);
        Click(d, IDCANCEL);
    });
    Command(ID_VIEW_CUSTOMIZE);
    EXPECT_EQ(settings_.smallToolbar, 0);
    EXPECT_EQ(toolBar_.normalImages(), normal);
    EXPECT_EQ(Texts(toolBar_).size(), 18u);
}
