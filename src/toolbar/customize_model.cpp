#include "toolbar/customize_model.h"

#include "toolbar/toolbar_sequence.h"

#include <algorithm>
#include <utility>

namespace brisova {

std::string_view CustomizeItemText(int item) {
    if (item == kEndItem) return kEndItemText;
    if (IsSeparatorItem(item)) return kSeparatorText;
    return IsToolbarItem(item) ? kToolbarItems[static_cast<std::size_t>(item)].label : std::string_view();
}

int CustomizeItemImage(int item) {
    return IsToolbarItem(item) ? kToolbarItems[static_cast<std::size_t>(item)].image : -1;
}

CustomizeModel::CustomizeModel(const std::vector<int>& storedSequence) {
    available_.push_back(kSeparatorItem);
    for (int i = 0; i < kToolbarItemCount; ++i)
        if (!IsSeparatorItem(i)) available_.push_back(i);

    for (int item : storedSequence) {
        if (item < 0) break;
        if (!IsToolbarItem(item)) continue;
        if (static_cast<int>(current_.size()) == kMaxSequencePositions) break;
        if (IsSeparatorItem(item)) {
            current_.push_back(kSeparatorItem);
            continue;
        }
        // A button named twice would otherwise end up in both lists at once.
        auto it = std::find(available_.begin(), available_.end(), item);
        if (it == available_.end()) continue;
        available_.erase(it);
        current_.push_back(item);
    }
    current_.push_back(kEndItem);
}

std::optional<Placement> CustomizeModel::Add(std::optional<std::size_t> availableSelection,
                                             std::optional<std::size_t> currentSelection) {
    if (!availableSelection || *availableSelection >= available_.size()) return std::nullopt;
    // What is written beyond this could never be read back.
    if (static_cast<int>(EndPosition()) >= kMaxSequencePositions) return std::nullopt;
    const std::size_t target =
        currentSelection && *currentSelection < current_.size() ? *currentSelection : EndPosition();
    const int item = available_[*availableSelection];
    current_.insert(current_.begin() + static_cast<std::ptrdiff_t>(target), item);
    const bool leftAvailable = item != kSeparatorItem;
    if (leftAvailable) available_.erase(available_.begin() + static_cast<std::ptrdiff_t>(*availableSelection));
    return Placement{target, target + 1, leftAvailable};
}

std::optional<Removal> CustomizeModel::Remove(std::optional<std::size_t> currentSelection) {
    if (!currentSelection || *currentSelection >= EndPosition()) return std::nullopt;
    const int item = current_[*currentSelection];
    current_.erase(current_.begin() + static_cast<std::ptrdiff_t>(*currentSelection));
    const bool backToAvailable = item != kSeparatorItem;
    if (backToAvailable) available_.push_back(item);
    return Removal{item, backToAvailable};
}

std::optional<std::size_t> CustomizeModel::MoveUp(std::optional<std::size_t> selection) {
    if (!selection || *selection == 0 || *selection >= EndPosition()) return std::nullopt;
    std::swap(current_[*selection], current_[*selection - 1]);
    return *selection - 1;
}

std::optional<std::size_t> CustomizeModel::MoveDown(std::optional<std::size_t> selection) {
    if (!selection || *selection + 1 >= EndPosition()) return std::nullopt;
    std::swap(current_[*selection], current_[*selection + 1]);
    return *selection + 1;
}

std::vector<int> CustomizeModel::Sequence() const {
    return std::vector<int>(current_.begin(), current_.end() - 1);
}

AppearanceControls ControlsFor(const ToolbarAppearance& appearance) {
    return {static_cast<int>(ToTextMode(appearance.textLabel)), appearance.Small() ? 1 : 0, appearance.Color()};
}

ToolbarAppearance AppearanceFromControls(const ToolbarAppearance& before, const AppearanceControls& controls) {
    ToolbarAppearance after = before;
    if (controls.textOption >= 0 && controls.textOption <= 2) after.textLabel = controls.textOption;
    if (controls.iconOption >= 0 && controls.iconOption <= 1) after.smallToolbar = controls.iconOption;
    after.colorIcon = controls.color ? 1 : 0;
    return after;
}

}  // namespace brisova
