// The window "Nyereménytábla": what every number of won tips pays for the bet list as it stood
// when the window was asked for, for the stake per bet the bettor names ("Tét / kötés"). The
// table, the two pay-back lines and a chart of the smallest and largest return against the
// total stake. Modeless and on top, so it can stay beside the main window.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointF>
#include <QStringList>

#include <functional>
#include <vector>

#include "results/returntable.h"
#include "ui/returnchart.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace kombinator::ui {

class ReturnTableDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReturnTableDialog(QWidget* parent = nullptr);

    // Shows the table of `bets` for the stake per bet in the window, in place of whatever was shown.
    void showBets(const results::ReturnBets& bets);
    // Shows `table` in place of whatever was shown.
    void showTable(const results::ReturnTable& table);
    // Shows the each-way table of `bets`: a row for every number of won and of other placed tips.
    void showEachWayBets(const results::EachWayBets& bets);

    // The table as "Másolás" copies it: tab-separated lines, each ended by a line feed.
    QString tableText() const;

    // The chart's lines as drawn: legend name and points (won tips, amount).
    using ChartLine = ReturnChart::Line;
    const std::vector<ChartLine>& chartLines() const;

private:
    void showChart(const results::ReturnTable& table);
    void showEachWayTable(const results::EachWayTable& table);
    // The table's header and its rows, each row's cells as `cellsOfRow` gives them.
    void fillTable(const QStringList& header, int rows, const std::function<QStringList(int)>& cellsOfRow);
    void copyTable();
    void stakeEdited(const QString& text);

    QStringList lines_;
    QTableWidget* table_;
    QLabel* somePaysBack_;
    QLabel* everyPaysBack_;
    ReturnChart* chart_ = nullptr;
    results::ReturnBets bets_;
    std::optional<results::EachWayBets> eachWay_;  // the bets shown when the list is each-way
    qint64 stakePerBet_ = results::kUnitStake;     // in hundredths
    QLineEdit* stake_;
    QLabel* totalStake_;
};

}  // namespace kombinator::ui
