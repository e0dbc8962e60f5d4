// Where the history bar finds the shell's History folder: the shell's own in the program, a
// folder of a test's making in the tests.
#pragma once

#include "platform/handles_win.h"

class HistoryFolderSource {
public:
    virtual ~HistoryFolderSource() = default;
    // The folder's absolute item list; null when there is none.
    virtual ScopedItemList Location() = 0;
};

// The shell's special folder "History".
class ShellHistoryFolder final : public HistoryFolderSource {
public:
    ScopedItemList Location() override;
};
