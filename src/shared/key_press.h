// A key as the frame's message loop sees it: its virtual-key code and the modifiers held, so
// that the rules of which part of the program a key belongs to stay portable.
#pragma once

namespace brisova {

// Virtual-key codes the rules name.
inline constexpr unsigned kKeyBackspace = 0x08;
inline constexpr unsigned kKeyTab = 0x09;
inline constexpr unsigned kKeyPageUp = 0x21;
inline constexpr unsigned kKeyPageDown = 0x22;
inline constexpr unsigned kKeyEnd = 0x23;
inline constexpr unsigned kKeyHome = 0x24;
inline constexpr unsigned kKeyLeft = 0x25;
inline constexpr unsigned kKeyRight = 0x27;
inline constexpr unsigned kKeyDelete = 0x2E;
inline constexpr unsigned kKeyApps = 0x5D;
inline constexpr unsigned kKeyF6 = 0x75;
inline constexpr unsigned kKeyF10 = 0x79;

struct KeyPress {
    unsigned key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

}  // namespace brisova
