#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/handles_win.h"

namespace {
std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

TEST(SystemModule, ComesFromTheSystemDirectoryAndNeverFromTheCurrentOne) {
    char system[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryA(system, MAX_PATH), 0u);
    ScopedModule shlwapi = LoadSystemModule("shlwapi.dll");
    ASSERT_TRUE(shlwapi);
    EXPECT_EQ(Lowered(ModulePath(shlwapi.get())).rfind(Lowered(system), 0), 0u) << ModulePath(shlwapi.get());

    // A copy of a system DLL under a name the system directory lacks, in the current directory.
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    const std::string planted = std::string(temp) + "brisova_planted.dll";
    ASSERT_TRUE(::CopyFileA(ModulePath(shlwapi.get()).c_str(), planted.c_str(), FALSE));
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryA(temp));
    EXPECT_FALSE(LoadSystemModule("brisova_planted.dll"));
    ::SetCurrentDirectoryA(previous);
    ::DeleteFileA(planted.c_str());
}
