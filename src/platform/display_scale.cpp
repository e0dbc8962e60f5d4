#include "platform/display_scale.h"

namespace brisova {

int RescaleDpi(int size, int fromDpi, int toDpi) {
    if (fromDpi <= 0) fromDpi = kBaseDpi;
    if (toDpi <= 0) toDpi = kBaseDpi;
    const long long scaled = static_cast<long long>(size) * toDpi;
    const long long half = fromDpi / 2;
    long long rounded = scaled >= 0 ? (scaled + half) / fromDpi : -((-scaled + half) / fromDpi);
    if (rounded == 0 && size != 0) rounded = size > 0 ? 1 : -1;
    return static_cast<int>(rounded);
}

int ScaleToDpi(int at96, int dpi) {
    // Zero pixels at 96 are nothing at any scale; everything else scales like any other size.
    return at96 == 0 ? 0 : RescaleDpi(at96, kBaseDpi, dpi);
}

int PageZoomPercent(int dpi, int systemDpi) {
    const int percent = RescaleDpi(100, systemDpi, dpi);
    return percent < 10 ? 10 : percent > 1000 ? 1000 : percent;
}

}  // namespace brisova
