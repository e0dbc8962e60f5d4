// The two lists of the Customize Toolbar dialog and what its buttons do to them. The dialog's
// list controls mirror this model item for item; each item's data is its table row, and the
// current list always ends with the end item.
#pragma once

#include "toolbar/toolbar_layout.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace brisova {

// Item data of the end item of the current list; it is written as the sequence's end.
inline constexpr int kEndItem = -1;
inline constexpr std::string_view kEndItemText = "                 ";
inline constexpr std::string_view kSeparatorText = "Separator";

// The text and image a list item shows; separators and the end item have no image (-1).
std::string_view CustomizeItemText(int item);
int CustomizeItemImage(int item);

struct Placement {
    std::size_t inserted;  // position of the new item in the current list
    std::size_t target;    // position the target item moved to, to be scrolled into view
    bool leftAvailable;    // the entry left the available list ("Separator" never does)
};

struct Removal {
    int item;
    bool backToAvailable;  // a button goes to the end of the available list; a separator is dropped
};

class CustomizeModel {
public:
    // Builds both lists from the sequence read for the dialog: stops at a negative value, skips
    // unknown rows, shows every separator row as "Separator", and places a button only once.
    explicit CustomizeModel(const std::vector<int>& storedSequence);

    const std::vector<int>& Available() const { return available_; }
    const std::vector<int>& Current() const { return current_; }
    std::size_t EndPosition() const { return current_.size() - 1; }

    // ">>" or a double click in the available list: the selected entry goes in front of the
    // selected item of the current list, or in front of the end item. Nothing happens without
    // a selection or when the tool bar is already full.
    std::optional<Placement> Add(std::optional<std::size_t> availableSelection,
                                 std::optional<std::size_t> currentSelection);

    // "<<" or a double click in the current list. The end item cannot be removed.
    std::optional<Removal> Remove(std::optional<std::size_t> currentSelection);

    // Swap the selected item with its neighbour; the end item never moves and nothing moves
    // past it. Returns the item's new position, to be selected and scrolled into view.
    std::optional<std::size_t> MoveUp(std::optional<std::size_t> selection);
    std::optional<std::size_t> MoveDown(std::optional<std::size_t> selection);

    // The sequence to store on OK, without the end item.
    std::vector<int> Sequence() const;

private:
    std::vector<int> available_;
    std::vector<int> current_;
};

// Selections of the dialog's appearance controls: the text options and icon options lists (-1
// for no selection) and the colour check box.
struct AppearanceControls {
    int textOption;
    int iconOption;
    bool color;
};

// The controls show what the tool bar does, so a stored value out of range shows as its effect.
AppearanceControls ControlsFor(const ToolbarAppearance& appearance);
// Taken back on OK; a list without a selection keeps the frame's value.
ToolbarAppearance AppearanceFromControls(const ToolbarAppearance& before, const AppearanceControls& controls);

}  // namespace brisova
