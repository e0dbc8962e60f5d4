#include "address_bar/address_drop_target_win.h"

#include <cstring>

#include "address_bar/address_rules.h"

std::optional<std::string> AddressDropTarget::TextOf(IDataObject* data) {
    if (!data) return std::nullopt;
    FORMATETC format{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return std::nullopt;
    std::optional<std::string> text;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        SIZE_T size = ::GlobalSize(medium.hGlobal);
        if (const char* bytes = static_cast<const char*>(::GlobalLock(medium.hGlobal))) {
            // The text ends at its NUL, or at the end of the block when the source forgot it.
            text.emplace(bytes, ::strnlen(bytes, size));
            ::GlobalUnlock(medium.hGlobal);
        }
    }
    ::ReleaseStgMedium(&medium);
    return text;
}

STDMETHODIMP AddressDropTarget::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *out = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) AddressDropTarget::Release() {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP AddressDropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) {
    *effect = DROPEFFECT_COPY;
    return S_OK;
}

STDMETHODIMP AddressDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = DROPEFFECT_COPY;
    return S_OK;
}

STDMETHODIMP AddressDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    std::optional<std::string> text = TextOf(data);
    if (!text || !brisova::AcceptsDroppedText(*text)) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    *effect = DROPEFFECT_COPY;
    if (onText_) onText_(*text);
    return S_OK;
}
