// The user's tool bar button sequence in section "ToolBar": "B0", "B1", ... each the index of a
// row of the tool bar item table, ended by -1.
#pragma once

#include "platform/profile.h"

#include <string>
#include <string_view>
#include <vector>

namespace brisova {

inline constexpr std::string_view kToolbarSection = "ToolBar";
inline constexpr int kSequenceEnd = -1;
// No more positions than this are read, and the Customize Toolbar dialog places no more.
inline constexpr int kMaxSequencePositions = 50;

// "B" followed by the decimal position.
std::string ToolbarSequenceKey(int position);

// The sequence the tool bar is built from: the whole table when "B0" is absent, otherwise the
// stored values up to the first absent key or -1, at most 50. Values are returned as stored;
// the tool bar skips unknown rows and ends at a negative value when it makes its buttons.
std::vector<int> ReadToolbarSequence(const Profile& profile);

// The sequence the Customize Toolbar dialog starts from. An absent key stands for its own
// position and from then on no position past 21 is read; -1 ends the reading.
std::vector<int> ReadCustomizeSequence(const Profile& profile);

// Writes the items as "B0", "B1", ... followed by the -1 end. Keys left behind the end from an
// earlier, longer sequence stay and are never read.
void WriteToolbarSequence(Profile& profile, const std::vector<int>& items);

}  // namespace brisova
