#include "frame/command_state.h"

#include "resource.h"

namespace brisova {

namespace {
bool NeedsView(unsigned id) {
    switch (id) {
    case ID_FILE_NEW_CURRENT:
    case ID_FILE_SAVE_AS:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_CLOSE:
    case ID_FILE_PROPERTY:
    case ID_SEND_PAGE:
    case ID_SEND_LINK:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_FIND:
    case ID_VIEW_STOP:
    case ID_VIEW_REFRESH:
    case ID_VIEW_SOURCE:
    case ID_FAV_ADD:
    case ID_INFO_ADD:
        return true;
    default:
        return false;
    }
}
}  // namespace

CommandState QueryCommandState(unsigned id, const CommandContext& c) {
    CommandState state;
    if (NeedsView(id)) state.enabled = c.hasView;
    switch (id) {
    case ID_GO_BACK: state.enabled = c.hasView && c.canGoBack; break;
    case ID_GO_FORWARD: state.enabled = c.hasView && c.canGoForward; break;
    case ID_WORK_OFFLINE: state.checked = c.workOffline; break;
    case ID_BLOCK_POPUPS: state.checked = c.blockPopups; break;
    case ID_VIEW_TOOLBAR: state.checked = c.toolBarShown; break;
    case ID_VIEW_ADDRESSBAR: state.checked = c.addressBarShown; break;
    case ID_VIEW_TASKBAR: state.checked = c.taskBarShown; break;
    case ID_VIEW_STATUS_BAR: state.checked = c.statusBarShown; break;
    case ID_VIEW_TEXTLABEL: state.checked = c.textLabel; break;
    case ID_VIEW_FULLSCREEN: state.checked = c.fullScreen; break;
    case ID_ENCODING_AUTO:
        state.markKnown = c.autoDetect.has_value();
        state.checked = c.autoDetect.value_or(false);
        break;
    default: break;
    }
    if (id >= ID_FONT_LARGEST && id <= ID_FONT_SMALLEST) {
        state.radio = true;
        state.checked = c.textSizePosition == static_cast<int>(id - ID_FONT_LARGEST);
    }
    return state;
}

std::optional<unsigned> NewButtonCommand(int newButtonType) {
    switch (newButtonType) {
    case 0: return ID_FILE_NEW_BLANK;
    case 1: return ID_FILE_NEW_CURRENT;
    case 2: return ID_GO_START_PAGE;
    default: return std::nullopt;
    }
}

}  // namespace brisova
