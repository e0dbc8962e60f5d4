// Enable and check state of every command, as one function of what the frame knows. Menus and
// tool bars both ask it, so they can never disagree.
#pragma once

#include <optional>

namespace brisova {

struct CommandContext {
    bool hasView = false;
    bool canGoBack = false;
    bool canGoForward = false;
    bool workOffline = false;
    bool blockPopups = true;
    bool toolBarShown = true;
    bool addressBarShown = true;
    bool taskBarShown = true;
    bool statusBarShown = true;
    bool textLabel = true;
    bool fullScreen = false;
    // Position of the text size last chosen in "Fo&nts"; none before the first choice.
    std::optional<int> textSizePosition;
    // "AutoDetect" of the system's browser; none when its key cannot be opened.
    std::optional<bool> autoDetect;
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
    // The mark is a radio bullet rather than a check mark.
    bool radio = false;
    // False when the item's mark is to be left as it is.
    bool markKnown = true;
};

CommandState QueryCommandState(unsigned commandId, const CommandContext& context);

// The command the New button runs for a "NewButtonType"; none for an unknown type.
std::optional<unsigned> NewButtonCommand(int newButtonType);

}  // namespace brisova
