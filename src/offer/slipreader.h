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

#include "app/placeterms.h"

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
    QString odds;  // digits with a point, thousands groups removed: "1001.00"
    // A racing tip backs a runner of a race: no teams and no markers, but the race ("14:30
    // Cheltenham") and the runner's name, and the each-way terms printed with it. A runner at
    // "SP" (starting price) has no odds until the user types them.
    QString race;
    QString runner;
    PlaceTerms eachWay;
    bool startingPrice = false;
    qsizetype firstLine = 0;  // the lines of the reading's input the tip came from
    qsizetype lastLine = 0;
};

// What stops a reading: the fault, the tip it stops at, the block of lines it names, and the
// piece of the copy it quotes. One function words it for the window and the command line.
enum class RefusalCode {
    None,
    PriceMissing,     // the tip's price is not in the copy
    PriceLow,         // its price is below 1.00
    TwoPricesInLine,  // two prices where one is due
    ExtraPrice,       // one more price after the tip's
    NoTeams,          // no event of two teams
    TeamsUnclear,     // two teams, but not where one ends
    TeamsCut,         // a team's name cut short
    Removed,          // a tip taken off the slip stands beside the tips
    UnknownLine,      // a line between two tips that the reader cannot name
    PickUnclear,      // the price stated with an offer's pick is not the offer's
    OutcomeMissing,   // no outcome
    OutcomeUnclear,   // an outcome that names no side, or two outcomes
};

struct SlipRefusal {
    RefusalCode code = RefusalCode::None;
    qsizetype tip = 0;     // counted from 1
    qsizetype first = -1;  // the block's lines in the reading's input
    qsizetype last = -1;
    QString quoted;  // the piece that stops the reading, as the copy has it
};

// The refusal in the program's words: "A(z) 2. tipp szorzója hiányzik: „Szorzó:”".
QString refusalText(const SlipRefusal& refusal);

struct SlipReading {
    QList<SlipTip> tips;
    SlipRefusal refusal;  // code None when every tip was read
    bool refused() const { return refusal.code != RefusalCode::None; }
    bool endedInsideTip = false;  // the text stops after an event or an outcome
    bool nothingRead = false;     // no line read as part of a tip
};

// Reads lines as the line walk gives them; a tab parts the cells of a table row. The tips' team
// names are views into `lines`, which must outlive the reading. The reading stops once it holds
// `enough` tips, for a caller that refuses more than it can take.
SlipReading readSlip(const QStringList& lines, qsizetype enough = std::numeric_limits<qsizetype>::max());

}  // namespace kombinator
