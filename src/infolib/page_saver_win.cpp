#include "infolib/page_saver_win.h"

#include <mshtml.h>
#include <ocidl.h>
#include <objidl.h>

#include "browser/brisova_view_win.h"
#include "framework/text_win.h"
#include "infolib/resource_fetcher_win.h"
#include "infolib/saved_page_name.h"
#include "platform/handles_win.h"

namespace {

// The document's HTML as it serialises itself; empty when it cannot.
std::string DocumentBytes(IDispatch* document) {
    ComPtr<IPersistStreamInit> persist;
    document->QueryInterface(IID_IPersistStreamInit, persist.ReceiveVoid());
    if (!persist) return {};
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())) || !stream) return {};
    if (FAILED(persist->Save(stream.get(), FALSE))) return {};
    STATSTG stat{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
    if (FAILED(::GetHGlobalFromStream(stream.get(), &memory))) return {};
    const void* bytes = ::GlobalLock(memory);
    if (!bytes) return {};
    std::string text(static_cast<const char*>(bytes), static_cast<std::size_t>(stat.cbSize.QuadPart));
    ::GlobalUnlock(memory);
    return text;
}

// The address of the document being saved, as UTF-8 (which is how the browser escapes what is
// not ASCII); `fallback` when the document does not say. The view's address may already be the
// next page's while that loads.
std::string DocumentAddress(IDispatch* document, const std::string& fallback) {
    ComPtr<IHTMLDocument2> html;
    document->QueryInterface(IID_IHTMLDocument2, html.ReceiveVoid());
    BSTR url = nullptr;
    if (!html || FAILED(html->get_URL(&url)) || !url) return fallback;
    std::string address = NarrowFromWide(url, static_cast<int>(::SysStringLen(url)));
    ::SysFreeString(url);
    return address.empty() ? fallback : address;
}

class NothingFetched final : public brisova::ResourceFetcher {
public:
    std::optional<std::string> Fetch(const std::string&) override { return std::nullopt; }
};

}  // namespace

std::string SavedPageFileNameFor(const std::string& title) {
    std::wstring wide = brisova::SavedPageFileName(WideFromNarrow(title));
    return NarrowFromWide(wide.c_str(), static_cast<int>(wide.size()));
}

DocumentPageSaver::DocumentPageSaver(FetcherFactory makeFetcher) : makeFetcher_(std::move(makeFetcher)) {
    if (!makeFetcher_) {
        makeFetcher_ = [](const std::string& pageAddress) {
            return std::make_unique<WinInetResourceFetcher>(pageAddress);
        };
    }
}

bool DocumentPageSaver::Save(CBrisovaView& view, const std::string& directory) {
    BrowserControl* control = view.control();
    if (!control) return false;
    IDispatch* document = control->Document();
    if (!document) return false;
    bool saved = SaveDocument(document, view.title(), view.address(), directory);
    document->Release();
    return saved;
}

bool DocumentPageSaver::SaveDocument(IDispatch* document, const std::string& title, const std::string& address,
                                     const std::string& directory) {
    std::string bytes = DocumentBytes(document);
    if (bytes.empty()) return false;
    std::string pageAddress = DocumentAddress(document, address);
    // Fetching may take a few seconds, with the program waiting.
    HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    std::unique_ptr<brisova::ResourceFetcher> fetcher = makeFetcher_(pageAddress);
    NothingFetched nothing;
    bool saved = brisova::SaveCompletePage(files_, fetcher ? *fetcher : nothing, bytes, pageAddress, directory,
                                           SavedPageFileNameFor(title));
    ::SetCursor(previous);
    return saved;
}
