#include "ui/returnchart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kombinator::ui {

namespace {

// A step of 1, 2, 2.5 or 5 times a power of ten that parts `range` into about five.
double niceStep(double range) {
    const double rough = range / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 2.5, 5.0})
        if (m * magnitude >= rough) return m * magnitude;
    return 10.0 * magnitude;
}

// The decimals a step's multiples need to be written exactly (at most three).
int decimalsOf(double step) {
    int decimals = 0;
    for (double scaled = step; decimals < 3 && std::abs(scaled - std::round(scaled)) > 1e-9; scaled *= 10)
        ++decimals;
    return decimals;
}

}  // namespace

ReturnChart::ReturnChart(const QString& wonTitle, const QString& returnTitle, QWidget* parent)
    : QWidget(parent), wonTitle_(wonTitle), returnTitle_(returnTitle) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ReturnChart::setLines(std::vector<Line> lines, int tips) {
    lines_ = std::move(lines);
    tips_ = std::max(tips, 1);
    update();
}

QSize ReturnChart::minimumSizeHint() const {
    return {320, 12 * fontMetrics().height()};
}

void ReturnChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const QColor text = palette().color(QPalette::Text);
    QColor grid = text;
    grid.setAlpha(40);

    double top = 0;
    for (const Line& line : lines_)
        for (const QPointF& point : line.points)
            top = std::max(top, point.y());
    const double step = niceStep(top > 0 ? top * 1.05 : 1.0);
    const double highest = step * std::ceil((top > 0 ? top * 1.05 : 1.0) / step);
    const int decimals = decimalsOf(step);
    const int steps = static_cast<int>(std::lround(highest / step));

    int labelWidth = 0;
    for (int i = 0; i <= steps; ++i)
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(QString::number(i * step, 'f', decimals)));
    // Room for the return's title turned upright, its labels, the won tips' labels and title, and
    // the legend at the foot.
    const QRect plot =
        rect().adjusted(lineHeight + 8 + labelWidth + 6, lineHeight / 2,
                        -metrics.horizontalAdvance(QStringLiteral("00")), -(4 * lineHeight + 12));
    if (plot.width() < 20 || plot.height() < 20) return;
    const auto at = [&](const QPointF& p) {
        return QPointF(plot.left() + p.x() / tips_ * plot.width(),
                       plot.bottom() - p.y() / highest * plot.height());
    };

    painter.setPen(text);
    for (int i = 0; i <= steps; ++i) {
        const int y = static_cast<int>(std::lround(at({0, i * step}).y()));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(text);
        painter.drawText(QRect(plot.left() - labelWidth - 6, y - lineHeight / 2, labelWidth, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(i * step, 'f', decimals));
    }
    // A tick for every number of won tips while they fit; every second one beyond.
    const int every = tips_ <= 12 ? 1 : 2;
    for (int won = 0; won <= tips_; won += every) {
        const int x = static_cast<int>(std::lround(at({double(won), 0}).x()));
        painter.setPen(grid);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(text);
        painter.drawText(QRect(x - 20, plot.bottom() + 4, 40, lineHeight), Qt::AlignCenter,
                         QString::number(won));
    }
    painter.drawRect(plot);
    painter.drawText(QRect(plot.left(), plot.bottom() + 4 + lineHeight, plot.width(), lineHeight),
                     Qt::AlignCenter, wonTitle_);
    painter.save();
    painter.translate(4, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), lineHeight), Qt::AlignCenter, returnTitle_);
    painter.restore();

    painter.save();
    painter.setClipRect(plot.adjusted(-4, -4, 4, 4));
    for (const Line& line : lines_) {
        QPen pen(line.colour, 2.0, line.dashed ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(pen);
        QPainterPath path;
        for (qsizetype i = 0; i < line.points.size(); ++i) {
            const QPointF p = at(line.points.at(i));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        painter.drawPath(path);
        if (line.dashed) continue;
        painter.setBrush(line.colour);
        for (const QPointF& point : line.points)
            painter.drawEllipse(at(point), 3.0, 3.0);
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();

    // The legend: a piece of each line and its name, side by side under the chart.
    constexpr int kSample = 24;
    constexpr int kGap = 16;
    int width = 0;
    for (const Line& line : lines_)
        width += kSample + 6 + metrics.horizontalAdvance(line.name) + kGap;
    int x = std::max(0, (this->width() - width + kGap) / 2);
    const int y = height() - lineHeight - 4;
    for (const Line& line : lines_) {
        painter.setPen(QPen(line.colour, 2.0, line.dashed ? Qt::DashLine : Qt::SolidLine));
        painter.drawLine(x, y + lineHeight / 2, x + kSample, y + lineHeight / 2);
        x += kSample + 6;
        painter.setPen(text);
        painter.drawText(QRect(x, y, metrics.horizontalAdvance(line.name) + 1, lineHeight), Qt::AlignVCenter,
                         line.name);
        x += metrics.horizontalAdvance(line.name) + kGap;
    }
}

}  // namespace kombinator::ui
