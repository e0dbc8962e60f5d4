#include "history/bar_place.h"

#include <algorithm>
#include <charconv>

namespace brisova {

namespace {

constexpr int kMinimumExtent = 40;
constexpr int kMaximumExtent = 8192;
constexpr int kCoordinateBound = 30000;

bool NextNumber(std::string_view& text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || (rest != end && *rest != ' ')) return false;
    text.remove_prefix(static_cast<size_t>(rest - text.data()));
    return true;
}

}  // namespace

std::string FormatBarPlace(const BarPlace& place) {
    const int side = place.side == DockSide::Right ? 1 : place.side == DockSide::Floating ? 2 : 0;
    return std::to_string(side) + ' ' + std::to_string(place.dockedWidth) + ' ' + std::to_string(place.floatLeft) +
           ' ' + std::to_string(place.floatTop) + ' ' + std::to_string(place.floatWidth) + ' ' +
           std::to_string(place.floatHeight) + ' ' + (place.shown ? '1' : '0');
}

BarPlace ParseBarPlace(std::string_view text) {
    int fields[7];
    for (int& field : fields)
        if (!NextNumber(text, field)) return {};
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const auto [side, width, left, top, floatWidth, floatHeight, shown] = fields;
    if (!text.empty() || side < 0 || side > 2 || shown < 0 || shown > 1) return {};
    BarPlace place;
    place.side = side == 1 ? DockSide::Right : side == 2 ? DockSide::Floating : DockSide::Left;
    place.dockedWidth = std::clamp(width, kMinimumExtent, kMaximumExtent);
    place.floatLeft = std::clamp(left, -kCoordinateBound, kCoordinateBound);
    place.floatTop = std::clamp(top, -kCoordinateBound, kCoordinateBound);
    place.floatWidth = std::clamp(floatWidth, kMinimumExtent, kMaximumExtent);
    place.floatHeight = std::clamp(floatHeight, kMinimumExtent, kMaximumExtent);
    place.shown = shown == 1;
    return place;
}

}  // namespace brisova
