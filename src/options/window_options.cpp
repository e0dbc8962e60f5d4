#include "options/window_options.h"

namespace brisova {

WindowOptionValues WindowOptionsFrom(const Settings& s) {
    WindowOptionValues v;
    v.newButtonType = s.newButtonType;
    v.addressNewWindow = s.addressNewWindow;
    v.searchNewWindow = s.searchNewWindow;
    v.favNewWindow = s.favNewWindow;
    v.hisNewWindow = s.hisNewWindow;
    v.infoNewWindow = s.infoNewWindow;
    v.placement = s.activeNewWindow ? 0 : 1;
    v.mouseCloseWindow = s.mouseCloseWindow;
    v.mouseDoubleCloseWindow = s.mouseDoubleCloseWindow;
    v.enableMouseMiddle = s.enableMouseMiddle;
    v.enableMouseBack = s.enableMouseBack;
    return v;
}

Settings WithWindowOptions(Settings s, const WindowOptionValues& v) {
    if (v.newButtonType >= 0 && v.newButtonType <= 2) s.newButtonType = v.newButtonType;
    s.addressNewWindow = v.addressNewWindow;
    s.searchNewWindow = v.searchNewWindow;
    s.favNewWindow = v.favNewWindow;
    s.hisNewWindow = v.hisNewWindow;
    s.infoNewWindow = v.infoNewWindow;
    if (v.placement == 0 || v.placement == 1) s.activeNewWindow = v.placement == 0 ? 1 : 0;
    s.mouseCloseWindow = v.mouseCloseWindow;
    s.mouseDoubleCloseWindow = v.mouseDoubleCloseWindow;
    s.enableMouseMiddle = v.enableMouseMiddle;
    s.enableMouseBack = v.enableMouseBack;
    return s;
}

}  // namespace brisova
