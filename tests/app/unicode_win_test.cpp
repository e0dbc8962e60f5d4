// Text outside the ANSI code page, and records longer than one read of the settings file. The
// fixture's program directory has a Cyrillic name, so every test here also runs from there.
#include "support/app_fixture_win.h"

#include "address_bar/address_bar_win.h"
#include "framework/text_win.h"
#include "shared/startup_rules.h"

using Strings = std::vector<std::string>;

namespace {
std::vector<std::string> Record(const std::string& encoded) {
    std::optional<brisova::Bytes> bytes = brisova::DecodeProfileBinary(encoded);
    return bytes ? brisova::DecodeWindowRecord(*bytes) : Strings{};
}

std::wstring TypedUrl(const AddressRegistryKeys& keys, const std::string& name) {
    wchar_t text[512] = {};
    DWORD size = sizeof text;
    ::RegGetValueW(HKEY_CURRENT_USER, WideFromNarrow(keys.typedUrls).c_str(), WideFromNarrow(name).c_str(),
                   RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}
}  // namespace

TEST_F(AppFixture, ARecordOfFortyWindowsComesBackWhole) {
    WriteSetting("EnableHomePage", "0");
    Strings addresses;
    for (int i = 0; i < 40; ++i) {
        std::string address = "http://site" + std::to_string(i) + ".example/";
        address.resize(90, 'p');
        addresses.push_back(address);
    }
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(brisova::EncodeWindowRecord(addresses)));
    prompter_.Queue(brisova::PromptAnswer::Yes);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Addresses(), addresses);
    EXPECT_EQ(Record(ReadSetting("lastvisit")), addresses);
}

TEST_F(AppFixture, CyrillicAndCjkAddressesKeepEveryCharacter) {
    const std::string cyrillic = "http://u.example/Привет";
    const std::string cjk = "http://u.example/中文/ページ";
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start({cyrillic}));
    frame().OpenWindow(false, &cjk, true);
    PumpPending();
    EXPECT_EQ(TabTexts(), (Strings{cyrillic, cjk}));
    EXPECT_EQ(frame().addressText(), cjk);
    EXPECT_EQ(Record(ReadSetting("lastvisit")), (Strings{cyrillic, cjk}));

    CAddressBar& bar = frame().addressBar();
    ::SetWindowTextW(bar.edit(), L"http://u.example/Привет");
    ::PostMessageA(bar.edit(), WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(BrowserOf(ActiveWindow())->calls.back(), "navigate " + cyrillic);
    ASSERT_TRUE(bar.SaveTypedUrls());
    EXPECT_EQ(TypedUrl(browserKeys_, "url1"), L"http://u.example/Привет");

    // Settings written from a Cyrillic program directory land in its Brisova.ini.
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("lastvisit"), "");
    EXPECT_NE(ReadSetting("EnableAutoFilter"), "<absent>");
}
