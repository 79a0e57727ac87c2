// The slip reader: what a copied coupon or offer says, tip by tip. Every line (or table cell) is
// taken for what it holds: a price, an event of two teams, an outcome, or a heading, date,
// button or summary around them. A tip is an event, then its outcome, then its price; the reader
// takes one only when every part of it is certain, and otherwise names the tip and the line that
// stops it.
#pragma once

#include <limits>

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kombinator {

// What a tip's outcome shows in a team's cell of the tip grid.
enum class OutcomeMarker { None, Win, Draw, WinOrDraw };

struct SlipTip {
    // The tip block as the offer list shows it: event line, outcome line, price line.
    QString eventLine;
    QString outcomeLine;
    QString priceLine;
    QStringView home;  // the teams as the lines the reading read write them
    QStringView away;
    OutcomeMarker homeMarker = OutcomeMarker::None;
    OutcomeMarker awayMarker = OutcomeMarker::None;
    QString odds;             // digits with a point, thousands groups removed: "1001.00"
    qsizetype firstLine = 0;  // the lines of the reading's input the tip came from
    qsizetype lastLine = 0;
};

struct SlipReading {
    QList<SlipTip> tips;
    QString refusal;              // empty when every tip was read
    qsizetype refusedFirst = -1;  // the lines of the refused block
    qsizetype refusedLast = -1;
    bool endedInsideTip = false;  // the text stops after an event or an outcome
    bool nothingRead = false;     // no line read as part of a tip
};

// Reads lines as the line walk gives them; a tab parts the cells of a table row. The tips' team
// names are views into `lines`, which must outlive the reading. The reading stops once it holds
// `enough` tips, for a caller that refuses more than it can take.
SlipReading readSlip(const QStringList& lines, qsizetype enough = std::numeric_limits<qsizetype>::max());

}  // namespace kombinator
