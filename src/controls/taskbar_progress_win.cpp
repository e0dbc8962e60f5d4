#include "controls/taskbar_progress_win.h"

void SystemTaskbarProgress::Show(HWND window, int percent) {
    const int wanted = percent >= 0 && percent < 100 ? percent : -1;
    if (wanted == shown_ || !window) return;
    if (!tried_) {
        tried_ = true;
        if (SUCCEEDED(::CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, __uuidof(ITaskbarList3),
                                         list_.ReceiveVoid())) &&
            list_ && FAILED(list_->HrInit()))
            list_ = ComPtr<ITaskbarList3>();
    }
    if (!list_) return;
    shown_ = wanted;
    if (wanted < 0) {
        list_->SetProgressState(window, TBPF_NOPROGRESS);
        return;
    }
    list_->SetProgressState(window, TBPF_NORMAL);
    list_->SetProgressValue(window, static_cast<ULONGLONG>(wanted), 100);
}
