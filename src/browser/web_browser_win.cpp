#include "browser/web_browser_win.h"

#include <exdispid.h>
#include <mshtml.h>
#include <servprov.h>
#include <tlogstg.h>

#include "framework/text_win.h"
#include "platform/diagnostics.h"

namespace {
// Unwraps VT_BYREF|VT_VARIANT, the form the control uses for most event arguments.
const VARIANT& Deref(const VARIANT& v) {
    if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal) return *v.pvarVal;
    return v;
}

std::string StringArg(const VARIANT& raw) {
    const VARIANT& v = Deref(raw);
    if (v.vt == VT_BSTR) return NarrowFromWide(v.bstrVal);
    if (v.vt == (VT_BYREF | VT_BSTR) && v.pbstrVal) return NarrowFromWide(*v.pbstrVal);
    return {};
}

long LongArg(const VARIANT& raw) {
    const VARIANT& v = Deref(raw);
    VARIANT copy;
    ::VariantInit(&copy);
    long value = 0;
    if (SUCCEEDED(::VariantChangeType(&copy, const_cast<VARIANT*>(&v), 0, VT_I4))) value = copy.lVal;
    ::VariantClear(&copy);
    return value;
}

// The object identity of a page or frame: its IUnknown.
const void* FrameIdentity(const VARIANT& raw) {
    const VARIANT& v = Deref(raw);
    IUnknown* unknown = (v.vt == VT_DISPATCH) ? v.pdispVal : (v.vt == VT_UNKNOWN ? v.punkVal : nullptr);
    if (!unknown) return nullptr;
    ComPtr<IUnknown> identity;
    unknown->QueryInterface(IID_IUnknown, identity.ReceiveVoid());
    return identity.get();  // the pointer is only compared, never used
}

std::vector<BYTE> BytesArg(const VARIANT& raw) {
    const VARIANT& v = Deref(raw);
    std::vector<BYTE> bytes;
    if ((v.vt & VT_ARRAY) && v.parray) {
        void* data = nullptr;
        LONG low = 0, high = -1;
        ::SafeArrayGetLBound(v.parray, 1, &low);
        ::SafeArrayGetUBound(v.parray, 1, &high);
        if (high >= low && SUCCEEDED(::SafeArrayAccessData(v.parray, &data))) {
            const BYTE* b = static_cast<const BYTE*>(data);
            bytes.assign(b, b + (high - low + 1));
            ::SafeArrayUnaccessData(v.parray);
        }
    }
    return bytes;
}

void SetBoolOut(const VARIANT& v, bool value) {
    if (v.vt == (VT_BYREF | VT_BOOL) && v.pboolVal) *v.pboolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}
}  // namespace

// Receives DWebBrowserEvents2 and passes them to the view, converted.
class CWebBrowser2::EventSink final : public IDispatch {
public:
    explicit EventSink(BrowserEvents* events) : events_(events) {}
    void Detach() { events_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        if (!events_ || !params) return S_OK;
        try {
            Dispatch(id, params->rgvarg, params->cArgs);
        } catch (...) {
            // An event handler's failure stays inside the handler.
            brisova::ReportCaughtFailure("a browser control event");
        }
        return S_OK;
    }

private:
    ~EventSink() = default;

    // Arguments arrive last first: a[n - 1] is the first.
    void Dispatch(DISPID id, VARIANT* a, UINT n) {
        switch (id) {
        case DISPID_STATUSTEXTCHANGE:
            if (n >= 1) events_->StatusTextChange(StringArg(a[0]));
            break;
        case DISPID_PROGRESSCHANGE:
            if (n >= 2) events_->ProgressChange(LongArg(a[1]), LongArg(a[0]));
            break;
        case DISPID_COMMANDSTATECHANGE:
            if (n >= 2) events_->CommandStateChange(LongArg(a[1]), LongArg(a[0]) != 0);
            break;
        case DISPID_TITLECHANGE:
            if (n >= 1) events_->TitleChange(StringArg(a[0]));
            break;
        case DISPID_BEFORENAVIGATE2:
            if (n >= 7) {
                bool cancel = false;
                events_->BeforeNavigate2(FrameIdentity(a[6]), StringArg(a[5]), LongArg(a[4]), StringArg(a[3]),
                                         BytesArg(a[2]), StringArg(a[1]), cancel);
                SetBoolOut(a[0], cancel);
            }
            break;
        case DISPID_NEWWINDOW2:
            if (n >= 2 && a[1].vt == (VT_BYREF | VT_DISPATCH) && a[1].ppdispVal) {
                bool cancel = false;
                IDispatch* control = nullptr;
                events_->NewWindow2(&control, cancel);
                *a[1].ppdispVal = control;
                SetBoolOut(a[0], cancel);
            }
            break;
        case DISPID_DOCUMENTCOMPLETE:
            if (n >= 2) events_->DocumentComplete(FrameIdentity(a[1]), StringArg(a[0]));
            break;
        case DISPID_WINDOWCLOSING:
            if (n >= 2) {
                bool cancel = false;
                events_->WindowClosing(LongArg(a[1]) != 0, cancel);
                SetBoolOut(a[0], cancel);
            }
            break;
        default:
            break;
        }
    }

    ULONG refs_ = 1;
    BrowserEvents* events_;
};

const MessageMap* CWebBrowser2::ThisMessageMap() {
    static const MessageEntry entries[] = {
        SizeHandler<&CWebBrowser2::OnSize>(),
        PlainHandler<WM_DESTROY, &CWebBrowser2::OnDestroy>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

CWebBrowser2::~CWebBrowser2() {
    Release();
}

bool CWebBrowser2::Create(HWND parent, const RECT& rect, UINT id, BrowserEvents* events) {
    events_ = events;
    const char* cls = RegisterFrameworkClass("BrisovaBrowserHost", 0, nullptr, nullptr, nullptr);
    if (!CreateEx(0, cls, "Browser", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, rect, parent, id))
        return false;
    if (!Embed()) {
        Release();
        DestroyWindow();
        return false;
    }
    return true;
}

bool CWebBrowser2::Embed() {
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  object_.ReceiveVoid())))
        return false;
    site_ = new CCustomControlSite(m_hWnd);
    DWORD status = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &status);
    object_->SetClientSite(site_);
    if (auto init = object_.As<IPersistStreamInit>()) init->InitNew();
    RECT client = GetClientRect();
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, m_hWnd, &client))) return false;
    browser_ = object_.As<IWebBrowser2>();
    if (!browser_) return false;

    sink_ = new EventSink(events_);
    if (auto container = object_.As<IConnectionPointContainer>()) {
        ComPtr<IConnectionPoint> point;
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Receive())))
            point->Advise(sink_, &adviseCookie_);
    }
    browser_->put_RegisterAsBrowser(VARIANT_TRUE);
    browser_->put_RegisterAsDropTarget(VARIANT_TRUE);
    return true;
}

void CWebBrowser2::Release() {
    if (object_ && adviseCookie_) {
        if (auto container = object_.As<IConnectionPointContainer>()) {
            ComPtr<IConnectionPoint> point;
            if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Receive())))
                point->Unadvise(adviseCookie_);
        }
    }
    adviseCookie_ = 0;
    if (sink_) {
        sink_->Detach();
        sink_->Release();
        sink_ = nullptr;
    }
    browser_.Reset();
    if (object_) {
        if (auto inPlace = object_.As<IOleInPlaceObject>()) inPlace->InPlaceDeactivate();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
    if (site_) {
        site_->Detach();
        site_->Release();
        site_ = nullptr;
    }
}

void CWebBrowser2::OnSize(UINT, int cx, int cy) {
    if (!object_) return;
    if (auto inPlace = object_.As<IOleInPlaceObject>()) {
        RECT r{0, 0, cx, cy};
        inPlace->SetObjectRects(&r, &r);
    }
}

void CWebBrowser2::OnDestroy() {
    Release();
    Default();
}

void CWebBrowser2::Navigate(const std::string& address) {
    if (!browser_) return;
    ScopedBstr url(address);
    VARIANT empty;
    ::VariantInit(&empty);
    browser_->Navigate(url.get(), &empty, &empty, &empty, &empty);
}

void CWebBrowser2::GoHome() {
    if (browser_) browser_->GoHome();
}

void CWebBrowser2::GoInHistory(int delta) {
    IDispatch* raw = Document();
    if (!raw) return;
    ComPtr<IHTMLDocument2> document;
    raw->QueryInterface(IID_IHTMLDocument2, document.ReceiveVoid());
    raw->Release();
    if (!document) return;
    ComPtr<IHTMLWindow2> window;
    if (FAILED(document->get_parentWindow(window.Receive())) || !window) return;
    ComPtr<IOmHistory> history;
    if (FAILED(window->get_history(history.Receive())) || !history) return;
    VARIANT steps;
    ::VariantInit(&steps);
    steps.vt = VT_I4;
    steps.lVal = delta;
    history->go(&steps);
}

void CWebBrowser2::GoBack(int steps) {
    if (!browser_) return;
    if (steps == 1) browser_->GoBack();
    else if (steps > 1) GoInHistory(-steps);
}

void CWebBrowser2::GoForward(int steps) {
    if (!browser_) return;
    if (steps == 1) browser_->GoForward();
    else if (steps > 1) GoInHistory(steps);
}

void CWebBrowser2::Stop() {
    if (browser_) browser_->Stop();
}

void CWebBrowser2::Refresh() {
    if (browser_) browser_->Refresh();
}

IDispatch* CWebBrowser2::Application() {
    IDispatch* app = nullptr;
    if (browser_) browser_->get_Application(&app);
    return app;
}

IDispatch* CWebBrowser2::Document() {
    IDispatch* document = nullptr;
    if (browser_) browser_->get_Document(&document);
    return document;
}

bool CWebBrowser2::TranslateAccelerator(MSG* msg) {
    IOleInPlaceActiveObject* active = site_ ? site_->activeObject() : nullptr;
    return active && active->TranslateAccelerator(msg) == S_OK;
}

namespace {
// The travel log is offered as the service named by its own interface id.
ComPtr<ITravelLogStg> TravelLogOf(IWebBrowser2* browser) {
    ComPtr<ITravelLogStg> log;
    ComPtr<IServiceProvider> services;
    if (browser && SUCCEEDED(browser->QueryInterface(__uuidof(IServiceProvider), services.ReceiveVoid())) && services)
        services->QueryService(__uuidof(ITravelLogStg), __uuidof(ITravelLogStg), log.ReceiveVoid());
    return log;
}

// The title or the address of each entry behind or ahead of the current page, nearest first.
std::vector<std::string> TravelLogTexts(IWebBrowser2* browser, bool back, bool addresses) {
    std::vector<std::string> texts;
    ComPtr<ITravelLogStg> log = TravelLogOf(browser);
    ComPtr<IEnumTravelLogEntry> entries;
    if (!log || FAILED(log->EnumEntries(back ? TLEF_RELATIVE_BACK : TLEF_RELATIVE_FORE, entries.Receive())) || !entries)
        return texts;
    ComPtr<ITravelLogEntry> entry;
    while (entries->Next(1, entry.Receive(), nullptr) == S_OK && entry) {
        LPWSTR text = nullptr;
        if (SUCCEEDED(addresses ? entry->GetURL(&text) : entry->GetTitle(&text)) && text) {
            texts.push_back(NarrowFromWide(text));
            ::CoTaskMemFree(text);
        }
    }
    return texts;
}
}  // namespace

std::vector<std::string> CWebBrowser2::TravelLogTitles(bool back) {
    return TravelLogTexts(browser_.get(), back, false);
}

std::vector<std::string> CWebBrowser2::TravelLogAddresses(bool back) {
    return TravelLogTexts(browser_.get(), back, true);
}

bool CWebBrowser2::RestoreTravelLog(const std::vector<std::string>& back, const std::vector<std::string>& forward) {
    ComPtr<ITravelLogStg> log = TravelLogOf(browser_.get());
    if (!log) return false;
    // Each entry goes beside the one made before it: back ones before, forward ones after,
    // starting from the current page.
    for (bool before : {true, false}) {
        ComPtr<ITravelLogEntry> previous;
        for (const std::string& address : before ? back : forward) {
            const std::wstring url = WideFromNarrow(address);
            ComPtr<ITravelLogEntry> created;
            if (FAILED(log->CreateEntry(url.c_str(), url.c_str(), previous.get(), before ? TRUE : FALSE,
                                        created.Receive())) ||
                !created)
                return false;
            previous = std::move(created);
        }
    }
    return true;
}

bool CWebBrowser2::ExecCommand(long command, long option, VARIANT* argument) {
    return browser_ && SUCCEEDED(browser_->ExecWB(static_cast<OLECMDID>(command),
                                                  static_cast<OLECMDEXECOPT>(option), argument, nullptr));
}

namespace {
template <class Interface>
ComPtr<Interface> DocumentAs(IDispatch* raw) {
    ComPtr<Interface> document;
    if (!raw) return document;
    raw->QueryInterface(__uuidof(Interface), document.ReceiveVoid());
    raw->Release();
    return document;
}
}  // namespace

bool CWebBrowser2::ExecDocumentCommand(const GUID* group, unsigned long command, unsigned long option) {
    auto target = DocumentAs<IOleCommandTarget>(Document());
    return target && SUCCEEDED(target->Exec(group, command, option, nullptr, nullptr));
}

bool CWebBrowser2::SetCharset(const std::string& charset) {
    auto document = DocumentAs<IHTMLDocument2>(Document());
    if (!document) return false;
    ScopedBstr name(charset);
    return SUCCEEDED(document->put_charset(name.get()));
}

void CWebBrowser2::RefreshAtLevel(long level) {
    if (!browser_) return;
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = level;
    browser_->Refresh2(&value);
}

bool CWebBrowser2::SaveDocument(const std::string& path) {
    auto file = DocumentAs<IPersistFile>(Document());
    return file && SUCCEEDED(file->Save(WideFromNarrow(path).c_str(), FALSE));
}

std::unique_ptr<BrowserControl> CreateWebBrowser2() {
    return std::make_unique<CWebBrowser2>();
}
