#include "address_bar/field_keys.h"

namespace brisova {

bool IsEditingKey(KeyPress press) {
    if (press.alt) return false;
    switch (press.key) {
    case kKeyHome: case kKeyEnd: case kKeyBackspace: case kKeyDelete: return true;
    case kKeyLeft: case kKeyRight: return press.ctrl;
    case 'A': case 'C': case 'V': case 'X': case 'Z': return press.ctrl;
    default: return false;
    }
}

bool IsAddressFieldKey(KeyPress press) {
    if (press.key == kKeyF6) return !press.ctrl && !press.shift && !press.alt;
    if (press.key == 'L') return press.ctrl && !press.shift && !press.alt;
    if (press.key == 'D') return press.alt && !press.ctrl && !press.shift;
    return false;
}

bool AsksForContextMenu(KeyPress press, bool released) {
    if (press.ctrl || press.alt) return false;
    if (press.key == kKeyApps) return released;
    return press.key == kKeyF10 && press.shift && !released;
}

}  // namespace brisova
