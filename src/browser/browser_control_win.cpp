#include "browser/browser_control_win.h"

namespace {
BrowserControlFactory& Factory() {
    static BrowserControlFactory factory;
    return factory;
}
}  // namespace

void InstallBrowserControlFactory(BrowserControlFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<BrowserControl> CreateBrowserControl() {
    return Factory() ? Factory()() : nullptr;
}
