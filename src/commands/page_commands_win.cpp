#include "commands/page_commands_win.h"

#include <docobj.h>

#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "resource.h"

const MessageMap* CPageCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandRangeHandler<&CPageCommands::OnControlCommand>(ID_FILE_SAVE_AS, ID_FILE_SAVE_AS),
        CommandRangeHandler<&CPageCommands::OnControlCommand>(ID_EDIT_COPY, ID_EDIT_CUT),
        CommandRangeHandler<&CPageCommands::OnControlCommand>(ID_EDIT_PASTE, ID_EDIT_PASTE),
        CommandRangeHandler<&CPageCommands::OnControlCommand>(ID_EDIT_SELECT_ALL, ID_EDIT_SELECT_ALL),
        CommandRangeHandler<&CPageCommands::OnDocumentCommand>(ID_FILE_PRINT, ID_FILE_PRINT),
        CommandRangeHandler<&CPageCommands::OnDocumentCommand>(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW),
        CommandRangeHandler<&CPageCommands::OnDocumentCommand>(ID_FILE_PROPERTY, ID_FILE_PROPERTY),
        CommandRangeHandler<&CPageCommands::OnDocumentCommand>(ID_EDIT_FIND, ID_EDIT_FIND),
        CommandRangeHandler<&CPageCommands::OnDocumentCommand>(ID_VIEW_SOURCE, ID_VIEW_SOURCE),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

void CPageCommands::OnControlCommand(UINT id) {
    CBrisovaView* view = frame_.ActiveBrowserView();
    if (!view) return;
    switch (id) {
    case ID_FILE_SAVE_AS: view->ExecCommand(OLECMDID_SAVEAS, OLECMDEXECOPT_DODEFAULT); break;
    case ID_EDIT_CUT: view->ExecCommand(OLECMDID_CUT, OLECMDEXECOPT_DONTPROMPTUSER); break;
    case ID_EDIT_COPY: view->ExecCommand(OLECMDID_COPY, OLECMDEXECOPT_DONTPROMPTUSER); break;
    case ID_EDIT_PASTE: view->ExecCommand(OLECMDID_PASTE, OLECMDEXECOPT_DONTPROMPTUSER); break;
    case ID_EDIT_SELECT_ALL: view->ExecCommand(OLECMDID_SELECTALL, OLECMDEXECOPT_DONTPROMPTUSER); break;
    default: break;
    }
}

void CPageCommands::OnDocumentCommand(UINT id) {
    CBrisovaView* view = frame_.ActiveBrowserView();
    if (!view || view->closing() || !view->control()) return;
    BrowserControl& control = *view->control();
    switch (id) {
    case ID_FILE_PRINT: control.ExecDocumentCommand(nullptr, OLECMDID_PRINT, OLECMDEXECOPT_DODEFAULT); break;
    case ID_FILE_PRINT_PREVIEW:
        control.ExecDocumentCommand(nullptr, OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_DODEFAULT);
        break;
    case ID_FILE_PROPERTY: control.ExecDocumentCommand(nullptr, OLECMDID_PROPERTIES, OLECMDEXECOPT_DODEFAULT); break;
    case ID_EDIT_FIND: control.ExecDocumentCommand(&kBrowserCommandGroup, kBrowserFind, 0); break;
    case ID_VIEW_SOURCE: control.ExecDocumentCommand(&kBrowserCommandGroup, kBrowserViewSource, 0); break;
    default: break;
    }
}
