// The Open File dialog of "&Open...": an address typed or picked from the saved typed-address
// list, or a file found with Browse.
#pragma once

#include <string>

#include "address_bar/address_registry_win.h"
#include "framework/dialog_win.h"
#include "platform/handles_win.h"

class COpenFileDialog final : public CDialog {
public:
    explicit COpenFileDialog(AddressRegistryKeys keys);
    DECLARE_MESSAGE_MAP()

    // What the box held when the user chose OK.
    const std::string& address() const { return address_; }

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnBrowse();
    HWND Box() const;

    AddressRegistryKeys keys_;
    ScopedImageList images_;
    std::string address_;
};
