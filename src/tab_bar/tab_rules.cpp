#include "tab_bar/tab_rules.h"

#include "platform/display_scale.h"
#include "platform/utf8_text.h"

namespace brisova {

std::string TabText(std::string_view title, std::string_view address) {
    std::string_view text = title.empty() ? address : title;
    return std::string(Utf8Prefix(text, kMaxTabText));
}

int TabBandHeight(int firstTabHeight, int rowCount, int dpi) {
    int rowHeight = firstTabHeight == 0 ? ScaleToDpi(20, dpi) : firstTabHeight;
    int rows = rowCount < 1 ? 1 : rowCount;
    if (rows >= 2) rowHeight += ScaleToDpi(3, dpi);
    return rows * rowHeight;
}

}  // namespace brisova
