#include "commands/view_commands_win.h"

#include <docobj.h>

#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "browser/child_frame_win.h"
#include "commands/page_command_rules.h"
#include "platform/registry_win.h"
#include "resource.h"
#include "tab_bar/tab_bar_win.h"

const MessageMap* CViewCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandRangeHandler<&CViewCommands::OnTextSize>(ID_FONT_LARGEST, ID_FONT_SMALLEST),
        CommandRangeHandler<&CViewCommands::OnCharset>(ID_ENCODING_FIRST, ID_ENCODING_LAST),
        CommandHandler<&CViewCommands::OnAutoSelect>(ID_ENCODING_AUTO),
        CommandHandler<&CViewCommands::OnSearch>(ID_VIEW_SEARCH),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

void CViewCommands::OnTextSize(UINT id) {
    std::optional<brisova::TextSize> size = brisova::TextSizeFor(id);
    if (!size) return;
    textSizePosition_ = size->radioPosition;
    CBrisovaView* view = frame_.ActiveBrowserView();
    if (!view) return;
    VARIANT zoom;
    ::VariantInit(&zoom);
    zoom.vt = VT_I4;
    zoom.lVal = size->zoom;
    view->ExecCommand(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom);
}

void CViewCommands::OnCharset(UINT id) {
    CBrisovaView* view = frame_.ActiveBrowserView();
    const char* charset = brisova::CharsetFor(id);
    if (!view || view->closing() || !view->control() || !charset) return;
    if (view->control()->SetCharset(charset)) view->RefreshIfExpired();
}

std::optional<bool> CViewCommands::ReadAutoDetect() const {
    ScopedKey key = OpenRegistryKey(keys_.root, keys_.international, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    std::optional<std::uint32_t> value = ReadDwordValue(key.get(), "AutoDetect");
    return value && *value != 0;
}

void CViewCommands::OnAutoSelect() {
    ScopedKey key = OpenRegistryKey(keys_.root, keys_.international, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key) return;
    DWORD value = brisova::ToggledAutoDetect(ReadDwordValue(key.get(), "AutoDetect"));
    WriteDwordValue(key.get(), "AutoDetect", value);
    for (int i = 0; i < windows_.Count(); ++i) {
        CChildFrame* window = windows_.WindowAt(i);
        if (CBrisovaView* view = window ? window->view() : nullptr) view->RefreshIfExpired();
    }
}

void CViewCommands::OnSearch() {
    frame_.OpenAddress(brisova::AddressSource::Search, brisova::SearchPageAddress(programDirectory_));
}
