// Counts the times a window gets one message, as the window's own code would see it, and can
// keep the message from the window (a context menu that would open and wait for the user).
#pragma once

#include <windows.h>
#include <commctrl.h>

class MessageSpy {
public:
    enum class Then { PassOn, Swallow };
    MessageSpy(HWND window, UINT message, Then then = Then::PassOn) : window_(window), message_(message), then_(then) {
        ::SetWindowSubclass(window_, &Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
    }
    ~MessageSpy() { ::RemoveWindowSubclass(window_, &Proc, reinterpret_cast<UINT_PTR>(this)); }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    int count = 0;
    LPARAM lastLParam = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<MessageSpy*>(data);
        if (message == self->message_) {
            ++self->count;
            self->lastLParam = lParam;
            if (self->then_ == Then::Swallow) return 0;
        }
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }

    HWND window_;
    UINT message_;
    Then then_;
};
