#include "toolbar/toolbar_layout.h"

#include "platform/display_scale.h"

#include <algorithm>

namespace brisova {

namespace {
constexpr ButtonSize kSmallFixedSize{20, 18};
constexpr ButtonSize kBigFixedSize{24, 22};
// Small and big images differ by this much in height; the width comes from the text.
constexpr int kIconHeightStep = 4;
constexpr int kMinBandHeight = 18;
}  // namespace

TextMode ToTextMode(int textLabel) {
    switch (textLabel) {
    case 1: return TextMode::Labels;
    case 2: return TextMode::Selective;
    default: return TextMode::NoText;
    }
}

int ToggledTextLabel(int textLabel) {
    return textLabel == 1 ? 0 : 1;
}

bool TextLabelChecked(int textLabel) {
    return textLabel == 1;
}

bool ImageListsNeedRebuild(const ToolbarAppearance& before, const ToolbarAppearance& after) {
    return before.Small() != after.Small() || before.Color() != after.Color();
}

std::vector<ToolbarButton> BuildToolbarButtons(const std::vector<int>& sequence, int textLabel) {
    const TextMode mode = ToTextMode(textLabel);
    std::vector<ToolbarButton> buttons;
    for (int index : sequence) {
        if (index < 0) break;
        if (!IsToolbarItem(index)) continue;
        const ToolbarItem& item = kToolbarItems[static_cast<std::size_t>(index)];
        const bool separator = item.kind == ToolbarItemKind::Separator;
        const bool showsText =
            !separator && (mode == TextMode::Labels || (mode == TextMode::Selective && item.textWhenSelective));
        buttons.push_back({item.command, item.image, item.kind, !separator && mode == TextMode::Selective,
                           showsText ? std::string(item.label) : std::string()});
    }
    return buttons;
}

bool ToolbarUsesListStyle(int textLabel) {
    return ToTextMode(textLabel) == TextMode::Selective;
}

std::optional<ButtonSize> ButtonSizeToSet(int textLabel, bool smallIcons, const RememberedButtonSizes& sizes,
                                          int dpi) {
    if (ToTextMode(textLabel) != TextMode::Labels) {
        const ButtonSize fixed = smallIcons ? kSmallFixedSize : kBigFixedSize;
        return ButtonSize{ScaleToDpi(fixed.width, dpi), ScaleToDpi(fixed.height, dpi)};
    }
    ButtonSize size = smallIcons ? sizes.small : sizes.big;
    if (!size.Known()) {
        const ButtonSize& other = smallIcons ? sizes.big : sizes.small;
        if (other.Known())
            size = {other.width, other.height + ScaleToDpi(smallIcons ? -kIconHeightStep : kIconHeightStep, dpi)};
    }
    if (!size.Known()) return std::nullopt;
    return size;
}

void RememberButtonSize(int textLabel, bool smallIcons, ButtonSize measured, RememberedButtonSizes& sizes) {
    if (ToTextMode(textLabel) != TextMode::Labels || !measured.Known()) return;
    (smallIcons ? sizes.small : sizes.big) = measured;
}

ToolbarBandSize ToolbarBandFor(std::optional<ButtonSize> firstButton, std::optional<int> lastButtonRight) {
    const ButtonSize first = firstButton.value_or(ButtonSize{});
    return {first.width + 2, std::max(first.height, kMinBandHeight), lastButtonRight.value_or(2)};
}

}  // namespace brisova
