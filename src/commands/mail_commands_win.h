// CMailCommands: "Page by Email..." (32781), "Link by Email..." (32782), "&New Message..."
// (33933) and "&Read Mail" (33935), through the user's mail program.
#pragma once

#include <functional>
#include <string>

#include "commands/mail_rules.h"
#include "framework/cmd_target_win.h"
#include "platform/prompter.h"

class BrowserFrame;

class CMailCommands final : public CCmdTarget {
public:
    // Hands a file to the system's mail program as the attachment of a new message.
    using AttachmentSender = std::function<void(const std::string& path)>;
    // Starts a program with arguments.
    using ProgramStarter = std::function<void(const brisova::CommandLine& line)>;

    CMailCommands(BrowserFrame& frame, brisova::Prompter& prompter);
    CMailCommands(const CMailCommands&) = delete;
    CMailCommands& operator=(const CMailCommands&) = delete;
    DECLARE_MESSAGE_MAP()

    // Tests send and start nothing for real.
    void SetAttachmentSender(AttachmentSender sender) { sendAttachment_ = std::move(sender); }
    void SetProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }

    // Opens a new message to `mailAddress` (a "mailto:" address) in the mail program the
    // system registers for mailto addresses.
    void LaunchMail(const std::string& mailAddress) const;

private:
    void OnPageByEmail();
    void OnLinkByEmail();
    void OnNewMessage();
    void OnReadMail();
    void SendWithMapi(const std::string& path) const;

    BrowserFrame& frame_;
    brisova::Prompter& prompter_;
    AttachmentSender sendAttachment_;
    ProgramStarter startProgram_;
};
