// Making the program the browser the shell starts for web pages, Internet shortcuts, web
// archives and the "http", "https", "ftp" and "file" protocols, and putting the previous handlers
// back. The handlers it replaces are remembered in section "OldBrowser" of the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "platform/registry.h"

namespace brisova {

inline constexpr std::string_view kBrowserVerb = "Brisova";
inline constexpr std::string_view kOldBrowserSection = "OldBrowser";
// The document type the program offers to the system's default-apps choice.
inline constexpr std::string_view kBrowserProgId = "BrisovaHTML";
// The longest program path an association command may name, in characters.
inline constexpr std::size_t kMaxProgramPath = 260;

// "\"<path>\" \"%1\"", or nothing when the path is longer than kMaxProgramPath characters or
// cannot be quoted, so that no association ever names a cut or broken command.
std::optional<std::string> AssociationCommandLine(std::string_view programPath);

// True exactly when the default verb of "htmlfile\shell" is "Brisova".
bool IsDefaultBrowser(const Registry& classes);
// What the menu's check mark shows: the program holds the associations, and the system's own
// per-user choice for "http" and "https" (Windows 8 and later) names no other program.
bool ShowsAsDefaultBrowser(const Registry& classes, const Registry& software);

// Puts the remembered handlers back where the program holds the associations (the
// uninstaller's "/unregister"); false when it holds none.
bool RestorePreviousBrowser(Registry& classes, const Profile& profile);

enum class ToggleResult {
    Registered,
    // Registered, but the system keeps its own choice of another program for "http".
    RegisteredSystemChoosesOther,
    Restored,
    // The program's path cannot be named in a command: nothing was changed.
    PathTooLong,
};

// Registers the program when the mark shows it is not the default browser (registering again
// where the system's own choice names another program), else puts the remembered handlers
// back. `classes` holds the association and extension keys; `software` the current user's
// "Software" key, where the program registers itself as a browser the system can offer.
ToggleResult ToggleDefaultBrowser(Registry& classes, Registry& software, Profile& profile,
                                  std::string_view programPath);

}  // namespace brisova
