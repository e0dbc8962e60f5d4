// Menus, tab controls and tool tips take a single "&" for the mark of an underlined key:
// "Fish & Chips" would show as "Fish _Chips". Texts from outside, such as page titles, are
// handed to them with each "&" doubled.
#pragma once

#include <string>
#include <string_view>

namespace brisova {

std::string DoubleAmpersands(std::string_view text);
// The text such a label shows: "&&" read back as "&".
std::string SingleAmpersands(std::string_view label);

}  // namespace brisova
