#include "shell/default_browser.h"

#include <array>

#include "platform/ascii_case.h"

namespace brisova {

namespace {
constexpr std::string_view kClientKey = "Clients\\StartMenuInternet\\Brisova";
constexpr std::string_view kUrlAssociations = "Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\";

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string Join(std::string_view a, std::string_view b) {
    return std::string(a) + std::string(b);
}

void SetExtension(Registry& classes, std::string_view extension, std::string_view type) {
    if (classes.HasKey(extension)) classes.WriteString(extension, "", type);
}

// A command whose program is a "Brisova.exe", wherever it lies: the program registered from
// another folder before it moved is still the program.
bool NamesTheProgram(std::string_view command) {
    std::string_view program;
    if (command.starts_with('"')) {
        program = command.substr(1, command.find('"', 1) == std::string_view::npos ? std::string_view::npos
                                                                                   : command.find('"', 1) - 1);
    } else {
        program = command.substr(0, command.find(' '));
    }
    const std::string lowered = AsciiLowerCase(program);
    return lowered == "brisova.exe" || lowered.ends_with("\\brisova.exe") || lowered.ends_with("/brisova.exe");
}

// A value that is already the program's own is not a previous handler: remembering it would
// replace the handler remembered before, which could then never be put back.
void Remember(Profile& profile, const std::string& key, const std::optional<std::string>& value,
              std::string_view ours) {
    if (value && *value != ours && !NamesTheProgram(*value)) profile.WriteString(kOldBrowserSection, key, *value);
}

void RegisterKey(Registry& classes, Profile& profile, std::string_view key, const std::string& command) {
    if (!classes.HasKey(key)) return;
    Remember(profile, std::string(key), classes.ReadString(key, ""), kBrowserVerb);
    classes.WriteString(key, "", kBrowserVerb);
    const std::string open = Join(key, "\\open\\command");
    Remember(profile, open, classes.ReadString(open, ""), command);
    classes.WriteString(open, "", command);
    classes.WriteString(Join(key, "\\Brisova\\command"), "", command);
}

void RestoreKey(Registry& classes, const Profile& profile, std::string_view key) {
    if (!classes.HasKey(key)) return;
    const std::string verb = profile.ReadString(kOldBrowserSection, key, "");
    if (!verb.empty()) classes.WriteString(key, "", verb);
    const std::string open = Join(key, "\\open\\command");
    const std::string command = profile.ReadString(kOldBrowserSection, open, "");
    if (!command.empty() && classes.HasKey(open)) classes.WriteString(open, "", command);
}

// Every association the program takes, in the order it takes them; `change` registers or
// restores one key.
template <typename Change>
void ForEachAssociation(Registry& classes, Change change) {
    SetExtension(classes, ".htm", "htmlfile");
    SetExtension(classes, ".html", "htmlfile");
    change("htmlfile\\shell");
    SetExtension(classes, ".url", "InternetShortcut");
    change("InternetShortcut\\shell");
    SetExtension(classes, ".mht", "mhtmlfile");
    SetExtension(classes, ".mhtml", "mhtmlfile");
    for (std::string_view key : {"mhtmlfile\\shell", "http\\shell", "https\\shell", "file\\shell", "ftp\\shell"})
        change(key);
}

void RestoreAll(Registry& classes, const Profile& profile) {
    ForEachAssociation(classes, [&](std::string_view key) { RestoreKey(classes, profile, key); });
}

// What today's systems read to offer a browser in their default-apps choice: a document type
// of the program's own, its capabilities and the entry that lists them.
void RegisterCapabilities(Registry& classes, Registry& software, std::string_view programPath,
                          const std::string& command) {
    const std::string icon = "\"" + std::string(programPath) + "\",0";
    classes.WriteString(kBrowserProgId, "", "Brisova Document");
    classes.WriteString(Join(kBrowserProgId, "\\DefaultIcon"), "", icon);
    classes.WriteString(Join(kBrowserProgId, "\\shell\\open\\command"), "", command);

    software.WriteString(kClientKey, "", "Brisova");
    software.WriteString(Join(kClientKey, "\\DefaultIcon"), "", icon);
    software.WriteString(Join(kClientKey, "\\shell\\open\\command"), "", "\"" + std::string(programPath) + "\"");
    const std::string capabilities = Join(kClientKey, "\\Capabilities");
    software.WriteString(capabilities, "ApplicationName", "Brisova");
    software.WriteString(capabilities, "ApplicationDescription", "A tabbed web browser.");
    software.WriteString(capabilities, "ApplicationIcon", icon);
    for (std::string_view protocol : {"http", "https", "ftp"})
        software.WriteString(Join(capabilities, "\\URLAssociations"), protocol, kBrowserProgId);
    for (std::string_view extension : {".htm", ".html", ".shtml", ".mht", ".mhtml"})
        software.WriteString(Join(capabilities, "\\FileAssociations"), extension, kBrowserProgId);
    software.WriteString("RegisteredApplications", "Brisova", Join("Software\\", capabilities));
}

// The system's own per-user choice (Windows 8 and later) for a web protocol names another program.
bool SystemChoosesOther(const Registry& software) {
    for (std::string_view protocol : {"http", "https"}) {
        std::optional<std::string> progId = software.ReadString(Join(kUrlAssociations, Join(protocol, "\\UserChoice")), "ProgId");
        if (progId && !progId->empty() && !EqualsIgnoringCase(*progId, kBrowserProgId)) return true;
    }
    return false;
}
}  // namespace

std::optional<std::string> AssociationCommandLine(std::string_view programPath) {
    if (programPath.empty() || CharacterCount(programPath) > kMaxProgramPath ||
        programPath.find('"') != std::string_view::npos)
        return std::nullopt;
    return "\"" + std::string(programPath) + "\" \"%1\"";
}

bool IsDefaultBrowser(const Registry& classes) {
    std::optional<std::string> verb = classes.ReadString("htmlfile\\shell", "");
    return verb && *verb == kBrowserVerb;
}

bool ShowsAsDefaultBrowser(const Registry& classes, const Registry& software) {
    return IsDefaultBrowser(classes) && !SystemChoosesOther(software);
}

bool RestorePreviousBrowser(Registry& classes, const Profile& profile) {
    if (!IsDefaultBrowser(classes)) return false;
    RestoreAll(classes, profile);
    return true;
}

ToggleResult ToggleDefaultBrowser(Registry& classes, Registry& software, Profile& profile,
                                  std::string_view programPath) {
    if (ShowsAsDefaultBrowser(classes, software)) {
        RestoreAll(classes, profile);
        return ToggleResult::Restored;
    }
    std::optional<std::string> command = AssociationCommandLine(programPath);
    if (!command) return ToggleResult::PathTooLong;
    ForEachAssociation(classes, [&](std::string_view key) { RegisterKey(classes, profile, key, *command); });

    // Server-parsed pages are set only while registering, and only as far as the keys exist.
    for (std::string_view extension : {".shtm", ".shtml"}) {
        if (!classes.HasKey(extension)) break;
        classes.WriteString(extension, "", "htmlfile");
        classes.WriteString(extension, "Content Type", "text/html");
    }
    RegisterCapabilities(classes, software, programPath, *command);
    return SystemChoosesOther(software) ? ToggleResult::RegisteredSystemChoosesOther : ToggleResult::Registered;
}

}  // namespace brisova
