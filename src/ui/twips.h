// Control positions are kept in twips; the screen shows them at 15 twips to the pixel.
#pragma once

#include <QRect>

#include <cmath>

#include "platform/controls.h"

namespace kombinator::ui {

inline int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect pixels(const Twips& t) {
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

inline Qt::Alignment qtAlignment(Align align) {
    switch (align) {
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace kombinator::ui
