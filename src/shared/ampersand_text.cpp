#include "shared/ampersand_text.h"

namespace brisova {

std::string DoubleAmpersands(std::string_view text) {
    std::string label;
    label.reserve(text.size());
    for (char c : text) {
        if (c == '&') label += '&';
        label += c;
    }
    return label;
}

std::string SingleAmpersands(std::string_view label) {
    std::string text;
    text.reserve(label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&') ++i;
        text += label[i];
    }
    return text;
}

}  // namespace brisova
