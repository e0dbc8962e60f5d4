// The program's jump list on its taskbar button. Behind an interface so that tests see what the
// list would offer.
#pragma once

#include "platform/jump_list.h"

class JumpListWriter {
public:
    virtual ~JumpListWriter() = default;
    // Replaces the whole list.
    virtual void Write(const brisova::JumpList& list) = 0;
};

// The system's custom destination list. Where the system keeps none (before Windows 7, or
// without a shell) the button offers nothing and nothing fails.
class SystemJumpList final : public JumpListWriter {
public:
    void Write(const brisova::JumpList& list) override;
};
