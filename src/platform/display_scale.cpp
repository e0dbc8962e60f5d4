#include "platform/display_scale.h"

namespace brisova {

int ScaleToDpi(int at96, int dpi) {
    if (dpi <= 0) dpi = kBaseDpi;
    const long long scaled = static_cast<long long>(at96) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kBaseDpi : -((-scaled + half) / kBaseDpi));
}

}  // namespace brisova
