#include "browser/view_rules.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(Progress, IntegerArithmeticOfTheControl) {
    EXPECT_EQ(ProgressPercent(50, 99), -1);  // 99 / 100 is 0
    EXPECT_EQ(ProgressPercent(5000, 1000), 100);
    EXPECT_EQ(ProgressPercent(250, 1000), 25);
    EXPECT_EQ(ProgressPercent(-1, 1000), -1);
    EXPECT_EQ(ProgressPercent(10, 0), -1);
    EXPECT_EQ(ProgressPercent(0, 10000), 0);
}

TEST(Secure, OnlyLowerCaseHttpsPrefix) {
    EXPECT_TRUE(IsSecureAddress("https://bank/"));
    EXPECT_FALSE(IsSecureAddress("HTTPS://bank/"));
    EXPECT_FALSE(IsSecureAddress("http://bank/"));
    EXPECT_FALSE(IsSecureAddress("http"));
}

TEST(PseudoAddress, ThreeLibraryActionsCaseSensitive) {
    EXPECT_TRUE(IsLibraryPseudoAddress("http://$I12"));
    EXPECT_TRUE(IsLibraryPseudoAddress("http://$S?x"));
    EXPECT_TRUE(IsLibraryPseudoAddress("http://$D3"));
    EXPECT_FALSE(IsLibraryPseudoAddress("http://$i12"));
    EXPECT_FALSE(IsLibraryPseudoAddress("https://$I12"));
}

TEST(ScriptMessage, ActiveXBetweenBlanksIsSilenced) {
    EXPECT_TRUE(IsSuppressedScriptMessage("This page uses an ActiveX control"));
    EXPECT_FALSE(IsSuppressedScriptMessage("Needs ActiveX."));
    EXPECT_FALSE(IsSuppressedScriptMessage("ActiveX here"));
}

TEST(Keys, EditingKeysAndTabGoToThePage) {
    EXPECT_EQ(RouteViewKey(0x09, false), KeyRoute::OfferToControl);  // Tab
    EXPECT_EQ(RouteViewKey('C', true), KeyRoute::OfferToControl);
    EXPECT_EQ(RouteViewKey(kVkInsert, true), KeyRoute::OfferToControl);
    EXPECT_EQ(RouteViewKey(kVkReturn, false), KeyRoute::Dispatch);
    EXPECT_EQ(RouteViewKey('N', true), KeyRoute::Dispatch);  // Ctrl+N is the frame's
    EXPECT_EQ(RouteViewKey(kVkEscape, false), KeyRoute::Dispatch);
    EXPECT_EQ(RouteViewKey(0x74, false), KeyRoute::Dispatch);  // F5
}

TEST(Navigation, FrameNavigationLeavesTheAddressAndTheSecureFlag) {
    NavigationState s;
    EXPECT_TRUE(s.BeginNavigation("http://a/", true));
    EXPECT_FALSE(s.BeginNavigation("https://ads/", false));
    EXPECT_EQ(s.address(), "http://a/");
    EXPECT_FALSE(s.secure());
    EXPECT_TRUE(s.BeginNavigation("https://a/", true));
    EXPECT_FALSE(s.BeginNavigation("http://ads/", false));
    EXPECT_TRUE(s.secure());
    EXPECT_FALSE(s.BeginNavigation("https://a/", true));
    EXPECT_TRUE(s.secure());
}

TEST(Navigation, CompletionReportsOnlyChanges) {
    NavigationState s;
    s.SetAddress("http://a/");
    EXPECT_FALSE(s.CompleteDocument("http://a/"));
    EXPECT_TRUE(s.CompleteDocument("http://a/redirected"));
    EXPECT_EQ(s.address(), "http://a/redirected");
}

TEST(Navigation, BackAndForwardFollowTheirCommands) {
    NavigationState s;
    s.SetCommandState(2, true);
    s.SetCommandState(-1, false);
    EXPECT_TRUE(s.canGoBack());
    EXPECT_FALSE(s.canGoForward());
    s.SetCommandState(1, true);
    EXPECT_TRUE(s.canGoForward());
}
