// The chart of the return table: the smallest and the largest return for every number of won
// tips, and the total stake as a dashed line across, with a tick for every number of won tips and
// a legend below. Drawn on the widget itself, in the palette's colours, so that it looks the same
// on every system the program is built for.
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

namespace kombinator::ui {

class ReturnChart : public QWidget {
    Q_OBJECT
public:
    struct Line {
        QString name;
        QList<QPointF> points;  // (won tips, amount)
        QColor colour;
        bool dashed = false;  // a level to compare with, drawn without its points
    };

    ReturnChart(const QString& wonTitle, const QString& returnTitle, QWidget* parent = nullptr);
    // The lines over 0 to `tips` won tips, in place of those shown.
    void setLines(std::vector<Line> lines, int tips);
    const std::vector<Line>& lines() const { return lines_; }

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString wonTitle_;
    QString returnTitle_;
    std::vector<Line> lines_;
    int tips_ = 1;
};

}  // namespace kombinator::ui
