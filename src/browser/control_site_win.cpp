#include "browser/control_site_win.h"

#include <cstddef>

#include <mshtml.h>

#include "browser/view_rules.h"
#include "framework/text_win.h"
#include "platform/diagnostics.h"

// {F38BC242-B950-11D1-8918-00C04FC2C836}
const GUID kDocHostCommandHandler = {0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x36}};

namespace {
constexpr DWORD kShowScriptError = 40;
constexpr DWORD kShowMessage = 41;

// Reads the "messageText" property of the current event of the document's window.
HRESULT ReadMessageText(VARIANT* in, std::string& text) {
    if (!in || in->vt != VT_UNKNOWN || !in->punkVal) return E_INVALIDARG;
    ComPtr<IHTMLDocument2> document;
    HRESULT hr = in->punkVal->QueryInterface(IID_IHTMLDocument2, document.ReceiveVoid());
    if (FAILED(hr)) return hr;
    ComPtr<IHTMLWindow2> window;
    if (FAILED(hr = document->get_parentWindow(window.Receive())) || !window) return FAILED(hr) ? hr : E_FAIL;
    ComPtr<IHTMLEventObj> event;
    if (FAILED(hr = window->get_event(event.Receive())) || !event) return FAILED(hr) ? hr : E_FAIL;
    ComPtr<IDispatch> dispatch = event.As<IDispatch>();
    if (!dispatch) return E_NOINTERFACE;
    LPOLESTR name = const_cast<LPOLESTR>(L"messageText");
    DISPID id = 0;
    if (FAILED(hr = dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return hr;
    DISPPARAMS none{};
    VARIANT value;
    ::VariantInit(&value);
    hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr);
    if (SUCCEEDED(hr) && value.vt == VT_BSTR) text = NarrowFromWide(value.bstrVal);
    ::VariantClear(&value);
    return hr;
}

void SetBool(VARIANT* out, bool value) {
    if (!out) return;
    ::VariantClear(out);
    out->vt = VT_BOOL;
    out->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}
}  // namespace

STDMETHODIMP CCustomControlSite::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IOleControlSite) *out = static_cast<IOleControlSite*>(this);
    else if (riid == IID_IOleCommandTarget) *out = static_cast<IOleCommandTarget*>(this);
    else if (riid == IID_IDocHostUIHandler) *out = static_cast<IDocHostUIHandler*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP CCustomControlSite::GetHostInfo(DOCHOSTUIINFO* info) {
    // Older controls pass the structure without its last fields.
    if (!info || info->cbSize < offsetof(DOCHOSTUIINFO, pchHostCss)) return E_INVALIDARG;
    // The program draws at the display's scale: pages must too, rather than at 96 DPI.
    info->dwFlags = DOCHOSTUIFLAG_DPI_AWARE;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    if (info->cbSize >= sizeof(DOCHOSTUIINFO)) {
        info->pchHostCss = nullptr;
        info->pchHostNS = nullptr;
    }
    return S_OK;
}

STDMETHODIMP_(ULONG) CCustomControlSite::Release() {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP CCustomControlSite::GetWindow(HWND* out) {
    if (!out) return E_POINTER;
    *out = container_;
    return container_ ? S_OK : E_FAIL;
}

STDMETHODIMP CCustomControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, RECT* pos,
                                                  RECT* clip, OLEINPLACEFRAMEINFO* info) {
    if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    ::GetClientRect(container_, pos);
    *clip = *pos;
    info->fMDIApp = FALSE;
    info->hwndFrame = container_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CCustomControlSite::SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) {
    activeObject_ = ComPtr<IOleInPlaceActiveObject>(active);
    return S_OK;
}

STDMETHODIMP CCustomControlSite::QueryStatus(const GUID*, ULONG, OLECMD[], OLECMDTEXT*) {
    return OLECMDERR_E_UNKNOWNGROUP;
}

STDMETHODIMP CCustomControlSite::Exec(const GUID* group, DWORD id, DWORD, VARIANT* in, VARIANT* out) {
    if (!group || *group != kDocHostCommandHandler) return OLECMDERR_E_UNKNOWNGROUP;
    if (id == kShowScriptError) {
        // Keep running the page's scripts, and show nothing.
        SetBool(out, true);
        return S_OK;
    }
    if (id != kShowMessage) return OLECMDERR_E_UNKNOWNGROUP;
    try {
        std::string text;
        HRESULT hr = ReadMessageText(in, text);
        if (SUCCEEDED(hr) && brisova::IsSuppressedScriptMessage(text)) {
            SetBool(out, true);
            return hr;
        }
        SetBool(out, false);
    } catch (...) {
        brisova::ReportCaughtFailure("a script error message from the control");
    }
    return OLECMDERR_E_UNKNOWNGROUP;
}
