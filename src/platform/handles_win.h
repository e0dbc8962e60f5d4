// Owners for the handles and interfaces the program acquires: each releases on every path.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shtypes.h>
#include <unknwn.h>

#include <memory>
#include <utility>

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return h_; }
    explicit operator bool() const { return Traits::IsValid(h_); }
    Handle release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(Handle h = Traits::Invalid()) {
        if (Traits::IsValid(h_)) Traits::Close(h_);
        h_ = h;
    }

private:
    Handle h_ = Traits::Invalid();
};

template <class H, auto CloseFn>
struct NullIsInvalid {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { CloseFn(h); }
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

struct ChangeNotificationTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(Handle h) { ::FindCloseChangeNotification(h); }
};

inline void CloseMappedView(void* view) { ::UnmapViewOfFile(view); }
inline void DeleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void DestroyImageList(HIMAGELIST h) { ::ImageList_Destroy(h); }

using ScopedHandle = UniqueHandle<NullIsInvalid<HANDLE, ::CloseHandle>>;
using ScopedFile = UniqueHandle<FileHandleTraits>;
using ScopedChangeNotification = UniqueHandle<ChangeNotificationTraits>;
using ScopedKey = UniqueHandle<NullIsInvalid<HKEY, ::RegCloseKey>>;
using ScopedMenu = UniqueHandle<NullIsInvalid<HMENU, ::DestroyMenu>>;
using ScopedIcon = UniqueHandle<NullIsInvalid<HICON, ::DestroyIcon>>;
using ScopedBitmap = UniqueHandle<NullIsInvalid<HBITMAP, DeleteGdiObject>>;
using ScopedFont = UniqueHandle<NullIsInvalid<HFONT, DeleteGdiObject>>;
using ScopedPen = UniqueHandle<NullIsInvalid<HPEN, DeleteGdiObject>>;
using ScopedImageList = UniqueHandle<NullIsInvalid<HIMAGELIST, DestroyImageList>>;
using ScopedMappedView = UniqueHandle<NullIsInvalid<void*, CloseMappedView>>;
using ScopedModule = UniqueHandle<NullIsInvalid<HMODULE, ::FreeLibrary>>;

// A DLL of the system, from the system directory only: a copy of the program run from a
// downloads folder must not load a DLL of the same name planted beside it.
inline ScopedModule LoadSystemModule(const char* name) {
    return ScopedModule(::LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

// An item list the shell allocated.
struct ItemListDeleter {
    void operator()(ITEMIDLIST* list) const { ::CoTaskMemFree(list); }
};
using ScopedItemList = std::unique_ptr<ITEMIDLIST, ItemListDeleter>;

// A counted reference to a COM interface.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // For out-parameters that hand over a reference.
    T** Receive() {
        Reset();
        return &p_;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    template <class U>
    ComPtr<U> As() const {
        ComPtr<U> out;
        if (p_) p_->QueryInterface(__uuidof(U), out.ReceiveVoid());
        return out;
    }

private:
    T* p_ = nullptr;
};

// OleInitialize/OleUninitialize for the life of the object.
class OleScope {
public:
    OleScope() : ok_(SUCCEEDED(::OleInitialize(nullptr))) {}
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;
    ~OleScope() {
        if (ok_) ::OleUninitialize();
    }

private:
    bool ok_;
};
