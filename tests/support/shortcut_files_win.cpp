#include "support/shortcut_files_win.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>

#include "framework/text_win.h"
#include "platform/handles_win.h"

void WriteInternetShortcut(const std::string& path, const std::string& address) {
    std::ofstream(path, std::ios::binary) << "[InternetShortcut]\r\n" << (address.empty() ? "" : "URL=" + address + "\r\n");
}

void WriteShellLink(const std::string& path, const std::string& target) {
    OleScope ole;
    ComPtr<IShellLinkW> link;
    ASSERT_HRESULT_SUCCEEDED(
        ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid()));
    link->SetPath(WideFromNarrow(target).c_str());
    ASSERT_HRESULT_SUCCEEDED(link.As<IPersistFile>()->Save(WideFromNarrow(path).c_str(), TRUE));
}
