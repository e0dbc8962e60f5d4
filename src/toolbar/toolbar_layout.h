// What a tool bar rebuild puts into the tool bar: its buttons, texts, styles and sizes, decided
// from the button sequence and the three appearance settings. The Win32 layer only applies it.
#pragma once

#include "toolbar/toolbar_items.h"

#include <optional>
#include <string>
#include <vector>

namespace brisova {

// The three values of "TextLabel". Any other stored value shows no text.
enum class TextMode { NoText = 0, Labels = 1, Selective = 2 };
TextMode ToTextMode(int textLabel);

// The appearance settings as the frame holds them ("TextLabel", "SmallToolbar", "ColorIcon").
struct ToolbarAppearance {
    int textLabel = 1;
    int smallToolbar = 0;
    int colorIcon = 1;

    bool Small() const { return smallToolbar != 0; }
    bool Color() const { return colorIcon != 0; }
};

// "Tool Bar Text Label": labels on turn off; no text and selective text both turn labels on.
int ToggledTextLabel(int textLabel);
// The menu item is checked exactly when every button shows its label.
bool TextLabelChecked(int textLabel);

// The image lists are made again only when the icon size or the colour choice changed.
bool ImageListsNeedRebuild(const ToolbarAppearance& before, const ToolbarAppearance& after);

struct ToolbarButton {
    unsigned command;  // 0 for a separator
    int image;         // -1 for a separator
    ToolbarItemKind kind;
    bool autoSize;     // sized to its own text (selective mode)
    std::string text;  // empty when the button shows no text
};

// The buttons for a sequence, in order: rows 22 and above are skipped, the first negative
// value ends the tool bar.
std::vector<ToolbarButton> BuildToolbarButtons(const std::vector<int>& sequence, int textLabel);

// Selective mode puts the text to the right of the image; the tool bar is always flat and
// transparent.
bool ToolbarUsesListStyle(int textLabel);

struct ButtonSize {
    int width = 0;
    int height = 0;
    bool Known() const { return width > 0 && height > 0; }
};

// Button sizes measured with text labels on, one per icon size, kept while the program runs.
struct RememberedButtonSizes {
    ButtonSize big;
    ButtonSize small;
};

// The button size to set before the tool bar lays itself out, or none to let it size itself.
// With labels on, a size not yet measured for this icon size is derived from the other one.
// The fixed sizes, and the step between the two icon sizes, are given at 96 DPI and scaled to
// `dpi`; remembered sizes were measured on the bar and stay as they are.
std::optional<ButtonSize> ButtonSizeToSet(int textLabel, bool smallIcons, const RememberedButtonSizes& sizes,
                                          int dpi = 96);

// After a rebuild with labels on, the tool bar's actual button size is kept for its icon size.
void RememberButtonSize(int textLabel, bool smallIcons, ButtonSize measured, RememberedButtonSizes& sizes);

struct ToolbarBandSize {
    int minWidth;
    int minHeight;
    int idealWidth;
};

// The rebar band around the tool bar: as wide as the first button (plus 2) at least, at least
// 18 high, ideally reaching the last button's right edge. Without buttons the first button's
// size counts as 0 and the right edge as 2.
ToolbarBandSize ToolbarBandFor(std::optional<ButtonSize> firstButton, std::optional<int> lastButtonRight);

}  // namespace brisova
