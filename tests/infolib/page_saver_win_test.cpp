// Saving a document's HTML into a page directory, with a document object that serialises itself
// the way the browser's does, and what the page loads fetched from a server in the test's process.
#include "infolib/page_saver_win.h"

#include "infolib/resource_fetcher_win.h"
#include "support/loopback_http_server_win.h"

#include <gtest/gtest.h>

#include <ocidl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

using namespace std::chrono_literals;
using Stall = LoopbackHttpServer::Stall;

namespace {

class FakeDocument final : public IDispatch, public IPersistStreamInit {
public:
    explicit FakeDocument(std::string html, bool persists = true)
        : html_(std::move(html)), persists_(persists) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) *out = static_cast<IDispatch*>(this);
        else if (persists_ && (iid == IID_IPersistStreamInit || iid == IID_IPersist))
            *out = static_cast<IPersistStreamInit*>(this);
        else return *out = nullptr, E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(IStream*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override {
        clearedDirty = clearDirty != FALSE;
        ULONG written = 0;
        return stream->Write(html_.data(), static_cast<ULONG>(html_.size()), &written);
    }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitNew() override { return E_NOTIMPL; }

    ULONG references = 1;
    bool clearedDirty = false;

private:
    std::string html_;
    bool persists_;
};

class PageSaving : public ::testing::Test {
protected:
    PageSaving()
        : directory_(std::filesystem::temp_directory_path() /
                     ("brisova-page-" + std::to_string(::GetCurrentProcessId()))) {
        std::filesystem::create_directories(directory_);
    }
    ~PageSaving() override {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(directory_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The line a saved page starts with: where it came from.
    static std::string Mark(const std::string& address) {
        std::string length = std::to_string(address.size());
        return "<!-- saved from url=(" + std::string(4 - length.size(), '0') + length + ")" + address + " -->\r\n";
    }
    std::vector<std::string> Files(const std::string& folder = {}) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory_ / folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path directory_;
    DocumentPageSaver saver_;
};

}  // namespace

TEST_F(PageSaving, DocumentHtmlGoesIntoOneFileNamedAfterTheTitle) {
    std::string html = "<HTML><BODY>" + std::string(100000, 'x') + "</BODY></HTML>";
    FakeDocument document(html);
    ASSERT_TRUE(saver_.SaveDocument(&document, "A/B", "http://site.test/", directory_.string()));
    EXPECT_EQ(Files(), std::vector<std::string>{"A_B.htm"});
    EXPECT_EQ(Read("A_B.htm"), Mark("http://site.test/") + html);
    // The page in the window stays as it was: not marked as saved, no reference kept.
    EXPECT_FALSE(document.clearedDirty);
    EXPECT_EQ(document.references, 1u);
}

TEST_F(PageSaving, ADocumentThatCannotSerialiseWritesNothing) {
    FakeDocument empty("");
    FakeDocument foreign("<html></html>", false);
    EXPECT_FALSE(saver_.SaveDocument(&empty, "Empty", "http://site.test/", directory_.string()));
    EXPECT_FALSE(saver_.SaveDocument(&foreign, "Foreign", "http://site.test/", directory_.string()));
    EXPECT_TRUE(Files().empty());
}

TEST_F(PageSaving, WhatThePageLoadsIsFetchedIntoTheCompanionFolder) {
    LoopbackHttpServer server;
    ASSERT_TRUE(server.listening());
    const std::string png = "\x89PNG\r\n\x1a\npicture";
    server.Serve("/img/logo.png", png);
    server.Serve("/dir/style.css", "body { color: red }");
    const std::string page = "http://" + server.authority() + "/dir/page.html";
    FakeDocument document("<html><head><link rel=\"stylesheet\" href=\"style.css\"></head>"
                          "<body><img src=\"../img/logo.png\"><img src='gone.png'></body></html>");

    ASSERT_TRUE(saver_.SaveDocument(&document, "News", page, directory_.string()));
    EXPECT_EQ(Files(), (std::vector<std::string>{"News.htm", "News_files"}));
    EXPECT_EQ(Files("News_files"), (std::vector<std::string>{"logo.png", "style.css"}));
    EXPECT_EQ(Read("News_files/logo.png"), png);
    EXPECT_EQ(Read("News_files/style.css"), "body { color: red }");
    EXPECT_EQ(Read("News.htm"), Mark(page) + "<html><head><link rel=\"stylesheet\" href=\"News_files/style.css\"></head>"
                                "<body><img src=\"News_files/logo.png\"><img src='http://" +
                                    server.authority() + "/dir/gone.png'></body></html>");
    EXPECT_EQ(server.CountOf("/dir/gone.png"), 1u);
    // The server hears the page as the referrer, as from the browser.
    std::vector<LoopbackHttpServer::Request> requests = server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_NE(requests[0].head.find("Referer: " + page), std::string::npos) << requests[0].head;
}

// A visible window that counts the times it is painted.
struct PaintCounter {
    PaintCounter() {
        WNDCLASSA type{};
        type.lpfnWndProc = &Procedure;
        type.hInstance = ::GetModuleHandleA(nullptr);
        type.lpszClassName = "BrisovaPaintCounter";
        ::RegisterClassA(&type);
        hwnd = ::CreateWindowExA(0, type.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 type.hInstance, this);
        // The first paint, before the wait.
        ::UpdateWindow(hwnd);
        paints = 0;
    }
    ~PaintCounter() { ::DestroyWindow(hwnd); }
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        } else if (message == WM_PAINT) {
            if (auto* self = reinterpret_cast<PaintCounter*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA))) ++self->paints;
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND hwnd = nullptr;
    int paints = 0;
};

TEST_F(PageSaving, AServerThatDoesNotAnswerCostsOnlyTheTimeAllowed) {
    LoopbackHttpServer server;
    ASSERT_TRUE(server.listening());
    for (const char* path : {"/a.png", "/b.png", "/c.png"}) server.Serve(path, {200, "x", Stall::BeforeHeaders});
    server.Serve("/d.png", {200, "x", Stall::InBody});
    DocumentPageSaver saver([](const std::string& address) {
        return std::make_unique<WinInetResourceFetcher>(address, WinInetResourceFetcher::Limits{400, 1000});
    });
    const std::string site = "http://" + server.authority();
    FakeDocument document("<img src=/d.png><img src=/a.png><img src=/b.png><img src=/c.png>");

    // A window uncovered while the user waits is painted meanwhile.
    PaintCounter window;
    ::InvalidateRect(window.hwnd, nullptr, TRUE);

    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(saver.SaveDocument(&document, "Slow", site + "/", directory_.string()));
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(window.paints, 1);
    EXPECT_LT(took, 3s);
    EXPECT_GE(took, 900ms);
    EXPECT_EQ(Files(), std::vector<std::string>{"Slow.htm"});
    EXPECT_EQ(Read("Slow.htm"), Mark(site + "/") + "<img src=" + site + "/d.png><img src=" + site + "/a.png><img src=" + site +
                                    "/b.png><img src=" + site + "/c.png>");
    // Once the page's time is spent nothing more is asked.
    EXPECT_EQ(server.CountOf("/c.png"), 0u);
}
