#include "platform/Scale.h"

#include <algorithm>
#include <cmath>

namespace {
int scale_ = 1;

// What the desktop adds around a client area: a title bar and borders, at the desktop's own scale.
constexpr QSize FrameAllowance(16, 48);

QSize outer(QSize clientTw, int scale) {
    return QSize(clientTw.width() * scale / TwipsPerPixel, clientTw.height() * scale / TwipsPerPixel) +
           FrameAllowance;
}

bool fits(QSize outer, QSize available) {
    return outer.width() <= available.width() && outer.height() <= available.height();
}
} // namespace

int FormScale() {
    return scale_;
}

int FittingScale(QSize available, double desktopRatio, int pictureScales, QSize mainTw, QSize largestTw) {
    for (int s = LargestFormScale; s > 1; --s) {
        const bool exact = desktopRatio * s <= pictureScales + 0.01;
        const bool readable = outer(mainTw, s).height() * 3 <= available.height() * 2;
        if (exact && readable && fits(outer(mainTw, s), available) && fits(outer(largestTw, s), available))
            return s;
    }
    return 1;
}

int RoomyScale(QSize available, QSize largestTw) {
    for (int s = LargestFormScale; s > 1; --s)
        if (fits(outer(largestTw, s), available)) return s;
    return 1;
}

void SetScaleValue(int scale) {
    scale_ = scale;
}
