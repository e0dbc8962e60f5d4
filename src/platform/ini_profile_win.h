// The profile on an INI file, through the system's private-profile functions.
#pragma once

#include "platform/profile.h"

class IniFileProfile final : public brisova::Profile {
public:
    explicit IniFileProfile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view text) override;

private:
    std::string path_;
};
