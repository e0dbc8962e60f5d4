// Saving a document's HTML into a page directory, with a document object that serialises itself
// the way the browser's does.
#include "infolib/page_saver_win.h"

#include <gtest/gtest.h>

#include <ocidl.h>

#include <filesystem>
#include <fstream>

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
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    std::filesystem::path directory_;
    DocumentPageSaver saver_;
};

}  // namespace

TEST_F(PageSaving, DocumentHtmlGoesIntoOneFileNamedAfterTheTitle) {
    std::string html = "<HTML><BODY>" + std::string(100000, 'x') + "</BODY></HTML>";
    FakeDocument document(html);
    ASSERT_TRUE(saver_.SaveDocument(&document, "A/B", directory_.string()));
    EXPECT_EQ(Files(), std::vector<std::string>{"A_B.htm"});
    EXPECT_EQ(Read("A_B.htm"), html);
    // The page in the window stays as it was: not marked as saved, no reference kept.
    EXPECT_FALSE(document.clearedDirty);
    EXPECT_EQ(document.references, 1u);
}

TEST_F(PageSaving, ADocumentThatCannotSerialiseWritesNothing) {
    FakeDocument empty("");
    FakeDocument foreign("<html></html>", false);
    EXPECT_FALSE(saver_.SaveDocument(&empty, "Empty", directory_.string()));
    EXPECT_FALSE(saver_.SaveDocument(&foreign, "Foreign", directory_.string()));
    EXPECT_TRUE(Files().empty());
}
