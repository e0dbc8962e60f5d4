#include "framework/cmd_target_win.h"

const MessageMap* CCmdTarget::ThisMessageMap() {
    static const MessageMap map(nullptr);
    return &map;
}

bool CCmdTarget::Dispatch(DispatchArgs& args, UINT code, bool probe) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& e = map->entries[i];
            if (e.message != args.message) continue;
            bool idMatters = e.message == kCommandMessage || e.message == kUpdateCommandUIMessage ||
                             e.message == WM_NOTIFY;
            if (idMatters && (e.code != code || args.id < e.idFirst || args.id > e.idLast)) continue;
            if (!probe) e.invoke(this, args);
            return true;
        }
    }
    return false;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) {
    DispatchArgs args{cmdUI ? kUpdateCommandUIMessage : kCommandMessage, 0, 0, id, cmdUI, 0};
    return Dispatch(args, cmdUI ? 0 : code, probe);
}

void CCmdUI::DoUpdate(CCmdTarget* route, bool disableWithoutHandler) {
    enableChanged_ = false;
    if (route->OnCmdMsg(id_, 0, this, false) && enableChanged_) return;
    if (disableWithoutHandler && !route->OnCmdMsg(id_, 0, nullptr, true)) Enable(false);
}

void CMenuCmdUI::Enable(bool on) {
    enableChanged_ = true;
    ::EnableMenuItem(menu_, index_, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void CMenuCmdUI::SetCheck(int state) {
    ::CheckMenuItem(menu_, index_, MF_BYPOSITION | (state ? MF_CHECKED : MF_UNCHECKED));
}

void CMenuCmdUI::SetRadio(bool on) {
    if (on) ::CheckMenuRadioItem(menu_, index_, index_, index_, MF_BYPOSITION);
    else ::CheckMenuItem(menu_, index_, MF_BYPOSITION | MF_UNCHECKED);
}

void CMenuCmdUI::SetText(const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    ::SetMenuItemInfoA(menu_, index_, TRUE, &info);
}

namespace {
class EnableProbe final : public CCmdUI {
public:
    using CCmdUI::CCmdUI;
    void Enable(bool on) override {
        enableChanged_ = true;
        enabled = on;
    }
    void SetCheck(int) override {}
    void SetRadio(bool) override {}
    void SetText(const std::string&) override {}
    bool enabled = true;
};
}  // namespace

bool IsCommandEnabled(CCmdTarget* route, UINT id) {
    EnableProbe probe(id);
    probe.DoUpdate(route, true);
    return probe.enabled;
}

void UpdateMenuItems(HMENU popup, CCmdTarget* route) {
    int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or sub-menu
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (::GetMenuItemInfoA(popup, i, TRUE, &info) && (info.fType & MFT_SEPARATOR)) continue;
        CMenuCmdUI ui(popup, static_cast<UINT>(i), id);
        ui.DoUpdate(route, true);
    }
}

void CToolBarCmdUI::Enable(bool on) {
    enableChanged_ = true;
    UINT state = static_cast<UINT>(::SendMessageA(toolBar_, TB_GETSTATE, id(), 0));
    UINT wanted = on ? (state | TBSTATE_ENABLED) : (state & ~TBSTATE_ENABLED);
    if (wanted != state) ::SendMessageA(toolBar_, TB_SETSTATE, id(), MAKELPARAM(wanted, 0));
}

void CToolBarCmdUI::SetCheck(int state) {
    bool checked = ::SendMessageA(toolBar_, TB_ISBUTTONCHECKED, id(), 0) != 0;
    if (checked != (state != 0)) ::SendMessageA(toolBar_, TB_CHECKBUTTON, id(), state != 0);
}

void UpdateToolBarButtons(HWND toolBar, CCmdTarget* route) {
    int count = static_cast<int>(::SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!::SendMessageA(toolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
        if ((button.fsStyle & BTNS_SEP) || button.idCommand == 0) continue;
        CToolBarCmdUI ui(toolBar, static_cast<UINT>(button.idCommand));
        ui.DoUpdate(route, false);
    }
}
