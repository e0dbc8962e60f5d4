// What a real Windows needs of the executable: its version resource, its manifest, and the
// browser control's emulation mode named once under the user's feature-control key.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "brisova_version.h"
#include "browser/browser_emulation_win.h"
#include "platform/handles_win.h"
#include "support/app_fixture_win.h"

namespace {
std::string TestDirectory() {
    char path[MAX_PATH] = {};
    std::string full(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of('\\') + 1);
}

std::string VersionString(const std::vector<char>& info, const char* name) {
    char* text = nullptr;
    UINT size = 0;
    std::string query = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!::VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &size) || !text) return {};
    return text;
}

std::string Manifest(const std::string& exe) {
    ScopedModule module(::LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return {};
    HRSRC found = ::FindResourceA(module.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (!found) return {};
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(module.get(), found)));
    return bytes ? std::string(bytes, ::SizeofResource(module.get(), found)) : std::string();
}

// The value's type and, for a number, its data.
struct RegistryValue {
    DWORD type = REG_NONE;
    DWORD number = 0;
};

std::optional<RegistryValue> ReadValue(const std::string& key, const char* name) {
    RegistryValue value;
    DWORD size = sizeof value.number;
    BYTE data[64] = {};
    DWORD dataSize = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &value.type, data, &dataSize) != ERROR_SUCCESS)
        return std::nullopt;
    if (value.type == REG_DWORD && dataSize >= size) std::memcpy(&value.number, data, size);
    return value;
}

void WriteValue(const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, type, data, size), ERROR_SUCCESS);
}
}  // namespace

TEST(ReleaseExecutable, CarriesTheProjectVersionAndItsManifest) {
    std::string exe = TestDirectory() + "Brisova.exe";
    DWORD size = ::GetFileVersionInfoSizeA(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(::GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(BRISOVA_VERSION_MINOR, BRISOVA_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(BRISOVA_VERSION_TWEAK, BRISOVA_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(VersionString(info, "ProductVersion"), BRISOVA_VERSION_TEXT);
    EXPECT_EQ(VersionString(info, "FileVersion"), BRISOVA_VERSION_TEXT);
    EXPECT_EQ(VersionString(info, "OriginalFilename"), "Brisova.exe");

    std::string manifest = Manifest(exe);
    EXPECT_NE(manifest.find("version=\"" BRISOVA_VERSION_TEXT "\""), std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">true</longPathAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">UTF-8</activeCodePage>"), std::string::npos);
    // Drawn at each monitor's scale, not stretched as a bitmap; Windows 8.1 reads the older entry.
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
}

TEST_F(AppFixture, StartNamesTheProgramForTheBrowserControlsStandardsMode) {
    ASSERT_TRUE(Start());
    std::optional<RegistryValue> value = ReadValue(browserKeys_.browserEmulation, "Brisova.exe");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value->number, 11000u);
}

TEST_F(AppFixture, AnEmulationValueTheUserSetIsNeverReplaced) {
    DWORD chosen = 7000;
    WriteValue(browserKeys_.browserEmulation, "Brisova.exe", REG_DWORD, &chosen, sizeof chosen);
    ASSERT_TRUE(Start());
    EXPECT_EQ(ReadValue(browserKeys_.browserEmulation, "Brisova.exe")->number, 7000u);

    // Whatever its type: a text value is the user's too.
    const char text[] = "11001";
    WriteValue(browserKeys_.browserEmulation, "Brisova.exe", REG_SZ, text, sizeof text);
    EXPECT_TRUE(EnsureBrowserEmulation(HKEY_CURRENT_USER, browserKeys_.browserEmulation));
    EXPECT_EQ(ReadValue(browserKeys_.browserEmulation, "Brisova.exe")->type, static_cast<DWORD>(REG_SZ));
    // Other programs' values under the key are left alone.
    DWORD other = 9000;
    WriteValue(browserKeys_.browserEmulation, "other.exe", REG_DWORD, &other, sizeof other);
    EXPECT_TRUE(EnsureBrowserEmulation(HKEY_CURRENT_USER, browserKeys_.browserEmulation));
    EXPECT_EQ(ReadValue(browserKeys_.browserEmulation, "other.exe")->number, 9000u);
}
