// Start-up decisions that need no window: the command line, the hand-off block, the record of
// open windows and the start-up page list.
#pragma once

#include "platform/profile.h"
#include "shared/window_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

// The address given on the command line: the first plain argument, unless a shell verb
// (print, DDE, automation, registration switches) asks for something else.
std::string StartAddressFromArguments(const std::vector<std::string>& arguments);

// True when the arguments hold "/unregister" (or "-unregister", any case): the uninstaller asks
// the program to give web pages back to the previous browser and to end.
bool AsksToUnregister(const std::vector<std::string>& arguments);

// The switch the program registers for the system's restart after an update: Windows starts
// it again with this when the session it ended comes back.
inline constexpr const wchar_t* kRestartSwitch = L"/restart";
// True when the arguments hold "/restart" (or "-restart", any case): the windows of the ended
// session are restored without asking.
bool StartedBySystemRestart(const std::vector<std::string>& arguments);

// True when the text names an Internet shortcut file (".url", any case).
bool IsInternetShortcutPath(std::string_view path);

inline constexpr std::size_t kHandOffBlockSize = 2560;
// The block's last bytes: a mark and the number of the message that announces the block.
inline constexpr std::size_t kHandOffTagSize = 8;

// The whole block a second instance writes before it sends the message numbered `number`: the
// address and its NUL from the start, the tag at the end. Nothing for an address too long for
// the block, since a cut address would open a different page.
std::optional<std::string> HandOffBlock(std::string_view address, std::uint32_t number);

// The address in a block, when the block was written for message `number`. A message that
// arrives after its sender gave up finds no block, an empty one or another sender's: nothing.
std::optional<std::string> ReadHandOffBlock(std::string_view block, std::uint32_t number);

// The lines of data\startup with their line ends removed; blank lines open nothing.
std::vector<std::string> StartupPages(std::string_view fileText);

}  // namespace brisova
