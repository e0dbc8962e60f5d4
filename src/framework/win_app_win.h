// The application object: start-up hook, the message loop with its pre-translation walk, and
// idle-time command state updates.
#pragma once

#include "framework/frame_wnd_win.h"

#include <chrono>
#include <functional>

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    DECLARE_MESSAGE_MAP()

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
    // Runs the message loop until WM_QUIT; returns ExitInstance's code.
    int Run();

    // One message through pre-translation and dispatch.
    void PumpMessage(MSG& msg);
    // Processes messages until `done` answers true or the deadline passes; true when done.
    // The loop of tests and of waits that must keep the windows alive.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    virtual void OnIdle();

    CWnd* m_pMainWnd = nullptr;

protected:
    virtual bool PreTranslateMessage(MSG* msg);
};

CWinApp* AfxGetApp();
