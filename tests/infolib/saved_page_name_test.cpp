#include "infolib/saved_page_name.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(SavedPageName, TitleBecomesAFileNameThatWindowsAndLinksAccept) {
    EXPECT_EQ(SavedPageFileName(L"Weather report"), L"Weather report.htm");
    EXPECT_EQ(SavedPageFileName(L"a\\b/c:d*e?f\"g<h>i|j#k%l"), L"a_b_c_d_e_f_g_h_i_j_k_l.htm");
    EXPECT_EQ(SavedPageFileName(L"tab\there\x7F"), L"tab_here_.htm");
    EXPECT_EQ(SavedPageFileName(L"  ..Dots and blanks..  "), L"Dots and blanks.htm");
    EXPECT_EQ(SavedPageFileName(L"Caf\u00E9 \u65E5\u672C"), L"Caf\u00E9 \u65E5\u672C.htm");
}

TEST(SavedPageName, NothingUsableOrADeviceNameStillGivesAPlainFile) {
    EXPECT_EQ(SavedPageFileName(L""), L"page.htm");
    EXPECT_EQ(SavedPageFileName(L" . . "), L"page.htm");
    EXPECT_EQ(SavedPageFileName(L"con"), L"_con.htm");
    EXPECT_EQ(SavedPageFileName(L"LPT1"), L"_LPT1.htm");
    // Whatever follows the first dot, the name still opens the device.
    EXPECT_EQ(SavedPageFileName(L"Nul.report"), L"_Nul.report.htm");
    EXPECT_EQ(SavedPageFileName(L"COM0"), L"COM0.htm");
    EXPECT_EQ(SavedPageFileName(L"Console"), L"Console.htm");
}

TEST(SavedPageName, LongTitlesAreCutWithoutSplittingACharacterOrLeavingATrailingDot) {
    std::wstring longTitle(300, L'x');
    EXPECT_EQ(SavedPageFileName(longTitle), std::wstring(kMaxSavedPageStem, L'x') + L".htm");

    std::wstring dotAtCut = std::wstring(kMaxSavedPageStem - 2, L'y') + L". more";
    EXPECT_EQ(SavedPageFileName(dotAtCut), std::wstring(kMaxSavedPageStem - 2, L'y') + L".htm");

    std::wstring pairAtCut = std::wstring(kMaxSavedPageStem - 1, L'z');
    pairAtCut += static_cast<wchar_t>(0xD83D);
    pairAtCut += static_cast<wchar_t>(0xDE00);
    pairAtCut += L"tail";
    EXPECT_EQ(SavedPageFileName(pairAtCut), std::wstring(kMaxSavedPageStem - 1, L'z') + L".htm");
}
