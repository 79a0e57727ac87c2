// The slip reader's class, shared by the files of its productions: slipreader.cpp reads the lines
// and the tips written on them, sliprows.cpp the rows of a table and of a printed receipt.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <deque>
#include <list>
#include <optional>
#include <vector>

#include "offer/slipparts.h"
#include "offer/slipreader.h"
#include "offer/sliptokens.h"
#include "offer/slipwords.h"

namespace kombinator::slip {

using slipwords::Column;

QString written(const EventRead& event);  // an event line the way the offer list parts it: "home - away"

// The reading of one slip: it walks the lines once, with a slot for the part of the tip due next
// (its event, its outcome, its price); each slot switches on the token of the piece in it, and
// the productions named for the tokens they take put the tip together.
class Reader {
public:
    Reader(const QStringList& lines, qsizetype enough);
    SlipReading read();

private:
    enum class Slot { Event, Outcome, Price };

    // ---- The pieces of the lines, each told once
    const Piece& pieceAt(qsizetype i);
    void forgetBefore(qsizetype i);
    bool plainBlock(qsizetype priceAt) const;
    int tipNumber() const;
    void refuse(RefusalCode code, QStringView quoted, qsizetype lastLine);
    void refuseBlock(RefusalCode code, qsizetype tip, QStringView quoted, qsizetype first, qsizetype last);
    bool unknownBetweenTips(qsizetype i, const EventRead& event);

    // ---- The parts of the tip in hand
    void takeEvent(qsizetype i, const QString& text, const EventRead& event);
    void noteMarket(const Piece& piece);
    void takeOutcome(qsizetype i, const QString& text, const OutcomeRead& outcome);
    void addPick(qsizetype i, const QString& text);
    void takePrice(qsizetype i, const QString& text, const QString& odds);
    const QString& keep(QString text);
    void refuseRemoved(qsizetype i, const QString& text);

    // ---- The slots: what each piece is where it stands. Event Pick Price is the plain block, with
    // labels and noise allowed between; each slot switches on its piece's token and hands the
    // other layouts to the productions below.
    void line(qsizetype i, const QString& text);
    void line(qsizetype i, const QString& text, const Piece& piece);
    void inSlot(qsizetype i, const QString& text, const Piece& piece);
    void eventLine(qsizetype i, const QString& text, const Piece& piece);
    void aroundTips(qsizetype i, const QString& text, const Piece& piece);
    void strayPrice(qsizetype i, const QString& text, const Piece& piece);
    void outcomeLine(qsizetype i, const QString& text, const Piece& piece);
    void notOutcome(qsizetype i, const QString& text, const Piece& piece, const OutcomeRead& outcome);
    void priceLine(qsizetype i, const QString& text, const Piece& piece);
    qsizetype outcomeAbove();

    // ---- Productions, each named for the tokens it takes
    void legOnOneLine(qsizetype i, const QStringList& pieces);                  // Leg: its pieces as lines
    bool pickEventPrice(qsizetype i, const QString& text, const Piece& piece);  // Pick Event Price
    bool eventPricePick(qsizetype i, const QString& text, const Piece& piece);  // Event Price Pick
    void eventOfferedPick(qsizetype i, const QString& text,
                          const OutcomeRead& outcome);    // Event OfferedPrices Pick
    void nameSeparatorName(qsizetype i);                  // Name Separator Name
    bool oldPricePrice(qsizetype i, const Piece& piece);  // OldPrice Price [Price]

    // A table row's cells, each told once, those that hold a price and the others.
    struct RowCells {
        QList<QStringView> cells;
        std::vector<Piece> pieces;
        QList<qsizetype> prices;
        QList<qsizetype> others;
        qsizetype n = 0;
    };

    // ---- Races: Race Runner Price [EachWayTerms], on lines or in a race's row
    void takeRace(qsizetype i, const QString& text, const QString& race);
    void takeRunner(qsizetype i, const QString& text, QStringView runner);
    bool holdTerms(const Piece& piece);
    bool lateTerms(qsizetype i, const Piece& piece);                        // Price, then EachWayTerms
    void runnerLine(qsizetype i, const QString& text, const Piece& piece);  // Race Runner
    bool racePrice(qsizetype i, const QString& text);                       // Runner Price [EachWayTerms]
    bool raceRow(qsizetype i, const QString& text, const RowCells& r);      // Row: Race Runner Price

    // ---- Table rows (sliprows.cpp): Row by its header, or by what each cell holds
    void row(qsizetype i, const QString& text);
    bool header(const QList<QStringView>& cells);
    Column columnOf(qsizetype cell, qsizetype cells) const;
    qsizetype cellOfColumn(Column column, qsizetype cells) const;
    const PriceRead& priceOf(const RowCells& r, qsizetype c) const;
    const PriceRead& duePriceOf(const RowCells& r, qsizetype c) const;
    bool offeredRow(qsizetype i, const RowCells& r);                            // Row: Event OfferedPrices
    void rowWithoutPrice(qsizetype i, const QString& text, const RowCells& r);  // Row as a line
    bool boxedPrice(qsizetype i, const RowCells& r);                            // Row, then its Price
    bool priceRow(qsizetype i, const QString& text, const RowCells& r);         // Row: Price [Noise]
    bool outcomeBesidePrice(qsizetype i, const RowCells& r);                    // Event, Row: Pick Price
    void tipRow(qsizetype i, const QString& text, const RowCells& r);           // Row: Event Pick Price
    bool rowEvent(qsizetype i, const QString& text, const RowCells& r, EventRead& event, QString& eventLine,
                  QList<qsizetype>& rest);
    qsizetype rowOutcome(qsizetype i, const QString& text, const RowCells& r, const EventRead& event,
                         const QString& eventLine, const QList<qsizetype>& rest);

    const QStringList& lines_;
    const qsizetype enough_;
    SlipReading reading_;
    Slot slot_ = Slot::Event;
    SlipTip tip_;
    qsizetype eventAt_ = 0;
    qsizetype outcomeAt_ = 0;
    qsizetype afterOutcome_ = -1;
    qsizetype blockStart_ = 0;
    qsizetype lastPriceAt_ = -1;
    bool outcomeCertain_ = false;
    bool plain_ = true;          // no line skipped, no table row
    bool eventBare_ = false;     // the event in hand was parted at a bare hyphen
    QString otherMarket_;        // the market without markers named for the tip in hand
    QString termsLine_;          // each-way terms printed for the runner in hand, before its price
    QList<OfferedPrice> offer_;  // the prices an offer shows under the event in hand
    qsizetype offerAt_ = -1;
    qsizetype unclearAt_ = -1;      // the last line of several bare hyphens
    qsizetype summaryAt_ = -1;      // the last summary's label without its value
    qsizetype next_ = 0;            // the line read next
    QList<qsizetype> skipped_;      // lines between tips that are neither noise nor a tip's part
    QList<Column> columns_;         // the last header row's columns
    QString priceHeader_;           // its word over the prices
    std::list<QString> rewritten_;  // receipt lines as rows: the tips' names are views into them
    std::deque<Piece> pieces_;      // the lines told so far, from the first a look back reaches
    qsizetype cacheFrom_ = 0;       // the line of the first of them
    std::optional<Piece> stray_;    // a line told again after it was forgotten
};

}  // namespace kombinator::slip
