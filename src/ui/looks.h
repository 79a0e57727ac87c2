// Colours and pictures that must read well on whatever palette and scale the desktop uses.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace kombinator::ui {

// The contrast ratio of two colours, from 1 (same lightness) to 21 (black on white), as the
// accessibility guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);

// `wanted` when it stands out enough from `background` (4.5:1, what normal text needs);
// otherwise the same hue, lightened on a dark background or darkened on a light one, just as
// far as it must.
QColor readableOn(const QColor& wanted, const QColor& background);

// A marker picture as the grid and the legend show it: its white is transparent, so it sits on
// any background without a white box, and it is enlarged pixel by pixel to the screen's scale
// (`ratio`, 2 on a doubled screen) so that it stays sharp instead of being smeared.
QPixmap markerPixmap(const QString& path, qreal ratio);

}  // namespace kombinator::ui
