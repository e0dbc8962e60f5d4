// The address box as a drop target: text dragged onto it lands in its field, except a script
// address, which is refused.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <optional>
#include <string>

class AddressDropTarget final : public IDropTarget {
public:
    using TextHandler = std::function<void(const std::string& text)>;
    explicit AddressDropTarget(TextHandler onText) : onText_(std::move(onText)) {}

    // The box is going away: later drops are still answered but change nothing.
    void Detach() { onText_ = nullptr; }

    // The text of a data object in the plain text format; nothing when it has none.
    static std::optional<std::string> TextOf(IDataObject* data);

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    ~AddressDropTarget() = default;

    ULONG refs_ = 1;
    TextHandler onText_;
};
