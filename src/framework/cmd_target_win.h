// Command targets, the command route and command state (CCmdUI).
#pragma once

#include "framework/message_map_win.h"

#include <string>

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    static const MessageMap* ThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return ThisMessageMap(); }

    // Offers a command (cmdUI null) or a state request (cmdUI set) to this target's table.
    // With probe set nothing runs: the answer only says whether a handler exists.
    virtual bool OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe);

    // Finds and runs the first entry of the table chain that matches; false when none does.
    bool Dispatch(DispatchArgs& args, UINT code, bool probe = false);
};

// The state of one command as a menu item or a tool bar button shows it.
class CCmdUI {
public:
    explicit CCmdUI(UINT id) : id_(id) {}
    virtual ~CCmdUI() = default;

    UINT id() const { return id_; }
    virtual void Enable(bool on) = 0;
    virtual void SetCheck(int state) = 0;
    virtual void SetRadio(bool on) = 0;
    virtual void SetText(const std::string& text) = 0;

    // Asks the route for the command's state. When nobody answers, a command without a
    // handler anywhere on the route shows disabled.
    void DoUpdate(CCmdTarget* route, bool disableWithoutHandler);

protected:
    bool enableChanged_ = false;

private:
    UINT id_;
};

// CCmdUI for an item of a pop-up menu, by position.
class CMenuCmdUI final : public CCmdUI {
public:
    CMenuCmdUI(HMENU menu, UINT index, UINT id) : CCmdUI(id), menu_(menu), index_(index) {}
    void Enable(bool on) override;
    void SetCheck(int state) override;
    void SetRadio(bool on) override;
    void SetText(const std::string& text) override;

private:
    HMENU menu_;
    UINT index_;
};

// CCmdUI for a tool bar button, by command id.
class CToolBarCmdUI final : public CCmdUI {
public:
    CToolBarCmdUI(HWND toolBar, UINT id) : CCmdUI(id), toolBar_(toolBar) {}
    void Enable(bool on) override;
    void SetCheck(int state) override;
    void SetRadio(bool on) override { SetCheck(on ? 1 : 0); }
    void SetText(const std::string&) override {}

private:
    HWND toolBar_;
};

// Whether the route shows the command enabled, as its menu item would be.
bool IsCommandEnabled(CCmdTarget* route, UINT id);

// Updates every button of a tool bar through the route.
void UpdateToolBarButtons(HWND toolBar, CCmdTarget* route);

// Updates every item of a pop-up menu through the route.
void UpdateMenuItems(HMENU popup, CCmdTarget* route);
