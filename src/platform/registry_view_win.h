// The system's registry as a brisova::Registry: reads under one base key and writes under
// another, so that associations can be read through the merged classes root and written into
// the current user's own classes.
#pragma once

#include <windows.h>

#include <string>

#include "platform/registry.h"

class RegistryView final : public brisova::Registry {
public:
    RegistryView(HKEY root, std::string base) : RegistryView(root, base, root, base) {}
    RegistryView(HKEY readRoot, std::string readBase, HKEY writeRoot, std::string writeBase)
        : readRoot_(readRoot), readBase_(std::move(readBase)), writeRoot_(writeRoot), writeBase_(std::move(writeBase)) {}

    bool HasKey(std::string_view path) const override;
    std::optional<std::string> ReadString(std::string_view path, std::string_view name) const override;
    bool WriteString(std::string_view path, std::string_view name, std::string_view value) override;

private:
    HKEY readRoot_;
    std::string readBase_;
    HKEY writeRoot_;
    std::string writeBase_;
};
