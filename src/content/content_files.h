// The installation's content files under "data": the numbered tips, the donation text and its
// choices, the shop and travel entries, and the vendor's addresses. The distributor writes them;
// the program only reads them, as UTF-8 text, and never trusts their size or shape.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

// Whatever the files hold, the dialogs and menus never take more than this.
inline constexpr std::size_t kMaxTipBytes = 64 * 1024;
inline constexpr std::size_t kMaxDonationChoices = 10;
inline constexpr std::size_t kMaxShopEntries = 100;

struct DonationChoice {
    std::string label;
    std::string address;
};

struct ShopEntry {
    std::string label;
    std::string address;
    std::string key;  // typed as a host name in the address bar, it stands for the address
};

struct ShopMenu {
    std::vector<ShopEntry> shop;
    std::vector<ShopEntry> travel;
};

struct VendorLinks {
    std::string homePage = "http://www.brisova.example/";
    std::string comments = "comments@brisova.example";
};

// The number of tips: the first line of "info" read as a decimal integer; 0 when it is not a
// number or not positive.
int ParseTipCount(std::string_view infoText);

// A tip or the donation text as a dialog shows it: at most kMaxTipBytes, cut before a
// character that would not fit whole, and up to the first NUL.
std::string BoundedText(std::string_view fileText);

// Text for a multi-line edit control, which breaks lines only at "\r\n": a bare "\n" gets its
// "\r".
std::string EditControlText(std::string_view text);

// Label and address lines in pairs, until the end, a label of 4 characters or fewer, or
// kMaxDonationChoices pairs.
std::vector<DonationChoice> ParseDonationChoices(std::string_view text);

// Groups of label, address and key lines, until the end, a label of 4 characters or fewer, or
// `room` entries.
std::vector<ShopEntry> ParseShopEntries(std::string_view text, std::size_t room);

// "HomePage=" and "Comments=" lines; a key that is absent or empty keeps its default.
VendorLinks ParseVendorLinks(std::string_view text);

// The address a comments mail goes to: "mailto:" in front unless it is there already.
std::string CommentsMailAddress(const VendorLinks& links);

// The content files of one installation, by its program directory (with a trailing separator).
class ContentFiles {
public:
    explicit ContentFiles(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {}

    int TipCount() const;
    // Tip `index` ("data\mosttips\t<index>"); empty when its file is missing.
    std::string Tip(int index) const;
    // Donation is offered exactly when "data\donate\data" can be read.
    bool DonationOffered() const;
    // None when "data\donate\info" is missing.
    std::optional<std::string> DonationText() const;
    std::vector<DonationChoice> DonationChoices() const;
    // "data\shop" then "data\travel", at most kMaxShopEntries together.
    ShopMenu ShopAndTravel() const;
    VendorLinks Vendor() const;

private:
    std::string Path(std::initializer_list<std::string_view> parts) const;

    std::string programDirectory_;
};

}  // namespace brisova
