// Start-up decisions that need no window: the command line, the hand-off block, the record of
// open windows and the start-up page list.
#pragma once

#include "platform/profile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

// The address given on the command line: the first plain argument, unless a shell verb
// (print, DDE, automation, registration switches) asks for something else.
std::string StartAddressFromArguments(const std::vector<std::string>& arguments);

// True when the text names an Internet shortcut file (".url", any case).
bool IsInternetShortcutPath(std::string_view path);

inline constexpr std::size_t kHandOffBlockSize = 2560;

// The bytes a second instance writes into the shared block: the address and its NUL. An
// address too long for the block is not handed off at all, since a cut address would open a
// different page.
std::optional<std::string> HandOffPayload(std::string_view address);

// Reads the address out of a hand-off block; stops at the first NUL or at the block's end.
std::string ReadHandOffBlock(const char* block, std::size_t size);

// The record of open windows: each address followed by "\n", then one NUL byte.
Bytes EncodeWindowRecord(const std::vector<std::string>& addresses);
// Only a record of more than 5 bytes is worth offering to restore.
bool ShouldOfferRestore(const std::optional<Bytes>& record);
// The addresses of a record, in order; empty pieces are skipped, reading stops at a NUL.
std::vector<std::string> DecodeWindowRecord(const Bytes& record);

// The lines of data\startup with their line ends removed; blank lines open nothing.
std::vector<std::string> StartupPages(std::string_view fileText);

}  // namespace brisova
