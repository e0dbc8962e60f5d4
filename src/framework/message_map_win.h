// Static dispatch tables. Every window class lists its handlers once, in a table of
// (message, notification code, id range) -> handler; typed adapters unpack WPARAM and LPARAM.
//
//   const MessageMap* CMainFrame::ThisMessageMap() {
//       static const MessageEntry entries[] = {
//           CreateHandler<&CMainFrame::OnCreate>(),
//           CommandHandler<&CMainFrame::OnFileNewBlank>(ID_FILE_NEW_BLANK),
//           UpdateRangeHandler<&CMainFrame::OnUpdateCommand>(0, 0xFFFF),
//       };
//       static const MessageMap map(&CMDIFrameWnd::ThisMessageMap, entries);
//       return &map;
//   }
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

class CCmdTarget;
class CCmdUI;

// Pseudo messages for the command route: a command, and a request for a command's state.
inline constexpr UINT kCommandMessage = WM_COMMAND;
inline constexpr UINT kUpdateCommandUIMessage = 0xFFFF0001;

struct DispatchArgs {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;          // command or control id
    CCmdUI* cmdUI;    // for kUpdateCommandUIMessage
    LRESULT result;
};

using DispatchFn = void (*)(CCmdTarget*, DispatchArgs&);

struct MessageEntry {
    UINT message;
    UINT code;     // notification code for control notifications; 0 for commands
    UINT idFirst;
    UINT idLast;
    DispatchFn invoke;
};

struct MessageMap {
    using BaseFn = const MessageMap* (*)();

    template <std::size_t N>
    MessageMap(BaseFn base, const MessageEntry (&table)[N]) : base(base), entries(table), count(N) {}
    MessageMap(BaseFn base) : base(base), entries(nullptr), count(0) {}

    BaseFn base;
    const MessageEntry* entries;
    std::size_t count;
};

// Declares the table of a class; the table itself is defined in the class's source file.
#define DECLARE_MESSAGE_MAP()                                         \
public:                                                               \
    static const MessageMap* ThisMessageMap();                        \
    const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

namespace dispatch_detail {
template <class F>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};
template <auto F>
using ClassOf = typename MemberOf<decltype(F)>::Class;

template <auto F>
auto* Self(CCmdTarget* target) {
    return static_cast<ClassOf<F>*>(target);
}
}  // namespace dispatch_detail

// void Handler()
template <auto F>
constexpr MessageEntry CommandHandler(UINT id) {
    return {kCommandMessage, 0, id, id,
            [](CCmdTarget* t, DispatchArgs&) { (dispatch_detail::Self<F>(t)->*F)(); }};
}

// void Handler(UINT id)
template <auto F>
constexpr MessageEntry CommandRangeHandler(UINT first, UINT last) {
    return {kCommandMessage, 0, first, last,
            [](CCmdTarget* t, DispatchArgs& a) { (dispatch_detail::Self<F>(t)->*F)(a.id); }};
}

// void Handler(CCmdUI*)
template <auto F>
constexpr MessageEntry UpdateHandler(UINT id) {
    return {kUpdateCommandUIMessage, 0, id, id,
            [](CCmdTarget* t, DispatchArgs& a) { (dispatch_detail::Self<F>(t)->*F)(a.cmdUI); }};
}

template <auto F>
constexpr MessageEntry UpdateRangeHandler(UINT first, UINT last) {
    return {kUpdateCommandUIMessage, 0, first, last,
            [](CCmdTarget* t, DispatchArgs& a) { (dispatch_detail::Self<F>(t)->*F)(a.cmdUI); }};
}

// void Handler(NMHDR*, LRESULT*)
template <auto F>
constexpr MessageEntry NotifyHandler(UINT code, UINT id) {
    return {WM_NOTIFY, code, id, id, [](CCmdTarget* t, DispatchArgs& a) {
                (dispatch_detail::Self<F>(t)->*F)(reinterpret_cast<NMHDR*>(a.lParam), &a.result);
            }};
}

template <auto F>
constexpr MessageEntry NotifyRangeHandler(UINT code, UINT first, UINT last) {
    return {WM_NOTIFY, code, first, last, [](CCmdTarget* t, DispatchArgs& a) {
                (dispatch_detail::Self<F>(t)->*F)(reinterpret_cast<NMHDR*>(a.lParam), &a.result);
            }};
}

// void Handler() for a WM_COMMAND notification from a control (e.g. CBN_SELENDOK).
template <auto F>
constexpr MessageEntry ControlHandler(UINT code, UINT id) {
    return {kCommandMessage, code, id, id,
            [](CCmdTarget* t, DispatchArgs&) { (dispatch_detail::Self<F>(t)->*F)(); }};
}

// LRESULT Handler(WPARAM, LPARAM)
template <UINT Message, auto F>
constexpr MessageEntry MessageHandler() {
    return {Message, 0, 0, 0, [](CCmdTarget* t, DispatchArgs& a) {
                a.result = (dispatch_detail::Self<F>(t)->*F)(a.wParam, a.lParam);
            }};
}

// int OnCreate(CREATESTRUCT*): -1 aborts the creation.
template <auto F>
constexpr MessageEntry CreateHandler() {
    return {WM_CREATE, 0, 0, 0, [](CCmdTarget* t, DispatchArgs& a) {
                a.result = (dispatch_detail::Self<F>(t)->*F)(reinterpret_cast<CREATESTRUCT*>(a.lParam));
            }};
}

// void OnSize(UINT type, int cx, int cy)
template <auto F>
constexpr MessageEntry SizeHandler() {
    return {WM_SIZE, 0, 0, 0, [](CCmdTarget* t, DispatchArgs& a) {
                (dispatch_detail::Self<F>(t)->*F)(static_cast<UINT>(a.wParam), LOWORD(a.lParam),
                                                  HIWORD(a.lParam));
            }};
}

// void Handler() for messages whose parameters carry nothing (WM_CLOSE, WM_DESTROY, ...).
template <UINT Message, auto F>
constexpr MessageEntry PlainHandler() {
    return {Message, 0, 0, 0, [](CCmdTarget* t, DispatchArgs&) { (dispatch_detail::Self<F>(t)->*F)(); }};
}

// void OnTimer(UINT_PTR id)
template <auto F>
constexpr MessageEntry TimerHandler() {
    return {WM_TIMER, 0, 0, 0, [](CCmdTarget* t, DispatchArgs& a) {
                (dispatch_detail::Self<F>(t)->*F)(static_cast<UINT_PTR>(a.wParam));
            }};
}
