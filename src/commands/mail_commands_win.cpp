#include "commands/mail_commands_win.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <fstream>
#include <vector>

#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "platform/registry_win.h"
#include "resource.h"

const MessageMap* CMailCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CMailCommands::OnPageByEmail>(ID_SEND_PAGE),
        CommandHandler<&CMailCommands::OnLinkByEmail>(ID_SEND_LINK),
        CommandHandler<&CMailCommands::OnNewMessage>(ID_MAIL_NEW),
        CommandHandler<&CMailCommands::OnReadMail>(ID_MAIL_READ),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

namespace {
void StartWithShell(const brisova::CommandLine& line) {
    ::ShellExecuteA(nullptr, "open", line.program.c_str(), line.arguments.empty() ? nullptr : line.arguments.c_str(),
                    ".", SW_SHOWNORMAL);
}

std::string ExpandEnvironment(const std::string& text) {
    DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::string expanded(needed, '\0');
    DWORD written = ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    expanded.resize(written - 1);
    return expanded;
}

// A directory of its own under the system's temporary directory for one message's attachment,
// so that the attachment keeps the page's name and nothing else there is touched. The directory
// and whatever was put into it go when this ends.
class AttachmentDirectory {
public:
    AttachmentDirectory() {
        char base[MAX_PATH + 1] = {};
        DWORD length = ::GetTempPathA(sizeof base, base);
        if (length == 0 || length > MAX_PATH) return;
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            std::string candidate = std::string(base) + "Brisova-mail-" + std::to_string(::GetCurrentProcessId()) +
                                    "-" + std::to_string(++counter);
            if (::CreateDirectoryA(candidate.c_str(), nullptr)) path_ = candidate + "\\";
        }
    }
    ~AttachmentDirectory() {
        if (path_.empty()) return;
        for (const std::string& file : files_) ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(path_.c_str());
    }
    AttachmentDirectory(const AttachmentDirectory&) = delete;
    AttachmentDirectory& operator=(const AttachmentDirectory&) = delete;

    bool ok() const { return !path_.empty(); }
    // A file in the directory, deleted with it.
    std::string File(const std::string& name) {
        files_.push_back(path_ + name);
        return files_.back();
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

// The page as saved, line by line, after a line that makes its relative links work.
bool WriteAttachment(const std::string& saved, const std::string& attachment, const std::string& address) {
    std::ifstream in(saved, std::ios::binary);
    std::ofstream out(attachment);
    if (!in || !out) return false;
    out << brisova::BaseHrefLine(address);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out << line << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}
}  // namespace

CMailCommands::CMailCommands(BrowserFrame& frame, brisova::Prompter& prompter)
    : frame_(frame),
      prompter_(prompter),
      sendAttachment_([this](const std::string& path) { SendWithMapi(path); }),
      startProgram_(&StartWithShell) {}

void CMailCommands::SendWithMapi(const std::string& path) const {
    using SendDocuments = ULONG(WINAPI*)(ULONG_PTR, LPSTR, LPSTR, LPSTR, ULONG);
    ScopedModule mapi = LoadSystemModule("mapi32.dll");
    auto send = mapi ? reinterpret_cast<SendDocuments>(::GetProcAddress(mapi.get(), "MAPISendDocuments")) : nullptr;
    if (!send) {
        prompter_.Ask("This function need MAPI", brisova::PromptButtons::Ok);
        return;
    }
    char delimiter[] = ";";
    char names[] = "";
    std::string paths = path;
    send(0, delimiter, paths.data(), names, 0);
}

void CMailCommands::OnPageByEmail() {
    CBrisovaView* view = frame_.ActiveBrowserView();
    if (!view) return;
    const std::string address = view->address();
    if (std::optional<std::string> local = brisova::LocalAttachmentPath(address)) {
        sendAttachment_(*local);
        return;
    }
    if (view->closing() || !view->control()) return;
    AttachmentDirectory directory;
    if (!directory.ok()) return;
    const std::string name = brisova::SafeAttachmentName(view->title());
    const std::string saved = directory.File(name + ".htm0");
    const std::string attachment = directory.File(name + ".html");
    if (!view->control()->SaveDocument(saved) || !WriteAttachment(saved, attachment, address)) return;
    ::DeleteFileA(saved.c_str());
    sendAttachment_(attachment);
}

void CMailCommands::OnLinkByEmail() {
    if (CBrisovaView* view = frame_.ActiveBrowserView())
        LaunchMail(brisova::LinkMailAddress(view->address(), view->title()));
}

void CMailCommands::OnNewMessage() {
    LaunchMail("mailto:");
}

void CMailCommands::LaunchMail(const std::string& mailAddress) const {
    if (!OpenRegistryKey(HKEY_CLASSES_ROOT, "mailto\\shell", KEY_QUERY_VALUE)) {
        prompter_.Ask("mail client not found\n", brisova::PromptButtons::Ok);
        return;
    }
    std::string verb = ReadRegistryString(HKEY_CLASSES_ROOT, "mailto\\shell", "").value_or("");
    if (verb.empty()) verb = "open";
    std::optional<std::string> command =
        ReadRegistryString(HKEY_CLASSES_ROOT, ("mailto\\shell\\" + verb + "\\command").c_str(), "");
    if (!command || command->empty()) return;
    startProgram_(brisova::MailCommandLine(ExpandEnvironment(*command), mailAddress));
}

void CMailCommands::OnReadMail() {
    std::optional<std::string> client = ReadRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail", "");
    if (!client || client->empty()) return;
    std::optional<std::string> command = ReadRegistryString(
        HKEY_LOCAL_MACHINE, ("SOFTWARE\\Clients\\Mail\\" + *client + "\\Shell\\open\\command").c_str(), "");
    if (!command || command->empty()) return;
    startProgram_(brisova::SplitCommandLine(ExpandEnvironment(*command)));
}
