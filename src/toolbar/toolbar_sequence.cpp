#include "toolbar/toolbar_sequence.h"

#include "toolbar/toolbar_items.h"

#include <climits>
#include <optional>

namespace brisova {

namespace {
// The profile reports an absent key only by returning the fallback, so a value equal to the
// first fallback is asked again with a different one.
std::optional<int> ReadStoredValue(const Profile& profile, int position) {
    const std::string key = ToolbarSequenceKey(position);
    int value = profile.ReadInt(kToolbarSection, key, INT_MIN);
    if (value != INT_MIN) return value;
    value = profile.ReadInt(kToolbarSection, key, 0);
    if (value == 0) return std::nullopt;
    return value;
}

std::vector<int> WholeTable() {
    std::vector<int> all;
    for (int i = 0; i < kToolbarItemCount; ++i) all.push_back(i);
    return all;
}
}  // namespace

std::string ToolbarSequenceKey(int position) {
    return "B" + std::to_string(position);
}

std::vector<int> ReadToolbarSequence(const Profile& profile) {
    if (!ReadStoredValue(profile, 0)) return WholeTable();
    std::vector<int> sequence;
    for (int position = 0; position < kMaxSequencePositions; ++position) {
        std::optional<int> value = ReadStoredValue(profile, position);
        if (!value || *value == kSequenceEnd) break;
        sequence.push_back(*value);
    }
    return sequence;
}

std::vector<int> ReadCustomizeSequence(const Profile& profile) {
    int limit = ReadStoredValue(profile, 0) ? kMaxSequencePositions : kToolbarItemCount;
    std::vector<int> sequence;
    for (int position = 0; position < limit; ++position) {
        std::optional<int> value = ReadStoredValue(profile, position);
        if (!value) {
            value = position;
            limit = kToolbarItemCount;
        }
        if (*value == kSequenceEnd) break;
        sequence.push_back(*value);
    }
    return sequence;
}

void WriteToolbarSequence(Profile& profile, const std::vector<int>& items) {
    int position = 0;
    for (int item : items) profile.WriteInt(kToolbarSection, ToolbarSequenceKey(position++), item);
    profile.WriteInt(kToolbarSection, ToolbarSequenceKey(position), kSequenceEnd);
}

}  // namespace brisova
