#include "ui/looks.h"

#include <QImage>

#include <cmath>

namespace kombinator::ui {

namespace {

double channelLuminance(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channelLuminance(rgb.redF()) + 0.7152 * channelLuminance(rgb.greenF()) +
           0.0722 * channelLuminance(rgb.blueF());
}

constexpr double kReadable = 4.5;

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background) {
    if (contrastRatio(wanted, background) >= kReadable) return wanted;
    // Mix towards white on a dark background, towards black on a light one.
    const bool darkBackground = luminance(background) < 0.18;
    const QColor end = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    const QColor from = wanted.toRgb();
    for (int step = 1; step < 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed =
            QColor::fromRgbF(static_cast<float>(from.redF() + (end.redF() - from.redF()) * t),
                             static_cast<float>(from.greenF() + (end.greenF() - from.greenF()) * t),
                             static_cast<float>(from.blueF() + (end.blueF() - from.blueF()) * t));
        if (contrastRatio(mixed, background) >= kReadable) return mixed;
    }
    return end;
}

QPixmap markerPixmap(const QString& path, qreal ratio) {
    QImage image(path);
    if (image.isNull()) return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xFF000000u) == white) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    // Whole pixels only: each picture pixel becomes a square of screen pixels, no blur between.
    const int factor = std::max(1, static_cast<int>(std::ceil(ratio - 0.01)));
    if (factor > 1)
        image = image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}

}  // namespace kombinator::ui
