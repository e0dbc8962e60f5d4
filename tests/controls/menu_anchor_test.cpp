#include "controls/menu_anchor.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(ButtonMenuAnchor, UnderTheButtonTheChevronOrTheTopOfTheScreen) {
    const DockRect bar{100, 30, 400, 52}, work{0, 0, 1280, 994};
    EXPECT_EQ(AnchorButtonMenu({120, 30, 160, 52}, bar, work), (MenuAnchor{120, 53, false}));
    // A button at the bar's very end is still whole.
    EXPECT_EQ(AnchorButtonMenu({360, 30, 400, 52}, bar, work), (MenuAnchor{360, 53, false}));
    // Cut off, or wholly past the end: at the chevron.
    EXPECT_EQ(AnchorButtonMenu({380, 30, 420, 52}, bar, work), (MenuAnchor{400, 52, true}));
    EXPECT_EQ(AnchorButtonMenu({900, 30, 940, 52}, bar, work), (MenuAnchor{400, 52, true}));
    // The bar hidden: the top of the work area, which need not start at 0.
    EXPECT_EQ(AnchorButtonMenu({120, 30, 160, 52}, {}, {0, 40, 1280, 1024}), (MenuAnchor{0, 40, false}));
}
