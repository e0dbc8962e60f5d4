// The eleven frame settings that the New Window, Close Window and Mouse Buttons pages edit, in
// the form their controls show them.
#pragma once

#include "shared/settings.h"

namespace brisova {

struct WindowOptionValues {
    int newButtonType = 0;  // radio index: blank page, current page, home page
    int addressNewWindow = 0;
    int searchNewWindow = 0;
    int favNewWindow = 0;
    int hisNewWindow = 0;
    int infoNewWindow = 0;
    int placement = 0;  // radio index: 0 foreground, 1 background
    int mouseCloseWindow = 1;
    int mouseDoubleCloseWindow = 1;
    int enableMouseMiddle = 1;
    int enableMouseBack = 1;
};

WindowOptionValues WindowOptionsFrom(const Settings& settings);
// The settings with the pages' values. A radio group left without a choice keeps the setting it
// had (a "NewButtonType" outside 0-2 read from the file checks no button).
Settings WithWindowOptions(Settings settings, const WindowOptionValues& values);

}  // namespace brisova
