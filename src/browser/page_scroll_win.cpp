#include "browser/page_scroll_win.h"

#include <mshtml.h>

#include "browser/browser_control_win.h"
#include "platform/handles_win.h"

bool ScrollPageForWheel(BrowserControl* control, int wheelDelta) {
    if (!control) return false;
    ComPtr<IDispatch> document;
    *document.Receive() = control->Document();
    ComPtr<IHTMLDocument2> html = document.As<IHTMLDocument2>();
    if (!html) return false;
    ComPtr<IHTMLWindow2> window;
    if (FAILED(html->get_parentWindow(window.Receive())) || !window) return false;
    int direction = wheelDelta <= 0 ? 1 : -1;
    window->scrollBy(0, 20 * direction);
    window->scrollBy(0, 30 * direction);
    return true;
}
