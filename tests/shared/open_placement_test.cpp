#include "shared/open_placement.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(OpenSourceRules, WithoutAWindowANewOneComesForwardExceptFromHistory) {
    Settings s;
    s.activeNewWindow = 0;
    for (AddressSource src : {AddressSource::AddressBar, AddressSource::Favorites, AddressSource::Library,
                              AddressSource::Search, AddressSource::LibraryPage, AddressSource::OpenDialog,
                              AddressSource::ShopAndTravel, AddressSource::VendorPage}) {
        EXPECT_EQ(PlaceOpenedAddress(src, false, s), (OpenPlacement{true, true}));
    }
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::History, false, s), (OpenPlacement{true, false}));
}

TEST(OpenSourceRules, EachSourceFollowsItsOwnFlagAndSearchAlwaysComesForward) {
    Settings s;
    s.activeNewWindow = 0;
    s.favNewWindow = 1;
    s.searchNewWindow = 1;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::AddressBar, true, s), (OpenPlacement{false, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Favorites, true, s), (OpenPlacement{true, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Search, true, s), (OpenPlacement{true, true}));
    s.activeNewWindow = 1;
    s.hisNewWindow = 1;
    s.infoNewWindow = 1;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::History, true, s), (OpenPlacement{true, true}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Library, true, s), (OpenPlacement{true, true}));
}

TEST(OpenSourceRules, LibraryPagesStayInTheWindowOnlyTheViewCommandObeysTheSetting) {
    Settings s;
    s.infoNewWindow = 0;
    s.activeNewWindow = 1;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::LibraryPage, true, s), (OpenPlacement{false, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Library, true, s), (OpenPlacement{false, false}));
    s.infoNewWindow = 1;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::LibraryPage, true, s), (OpenPlacement{false, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Library, true, s), (OpenPlacement{true, true}));
    s.activeNewWindow = 0;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Library, true, s), (OpenPlacement{true, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Library, false, s), (OpenPlacement{true, true}));
}

TEST(OpenSourceRules, ShopEntriesUseTheActiveWindowAndTheVendorsPagesAlwaysANewOneInFront) {
    Settings s;
    s.activeNewWindow = 0;
    s.addressNewWindow = s.favNewWindow = s.searchNewWindow = s.hisNewWindow = s.infoNewWindow = 1;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::ShopAndTravel, true, s), (OpenPlacement{false, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::OpenDialog, true, s), (OpenPlacement{false, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::VendorPage, true, s), (OpenPlacement{true, true}));
}
