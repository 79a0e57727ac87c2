// Each-way terms: a tip staked each-way is a win bet and a place bet of the same stake, the place
// paid at a fraction of the odds for a number of places. Also the Rule 4 deduction a bookmaker
// makes from a price when another runner is withdrawn late. The terms belong to the tip, whatever
// row it stands in: they follow it to the banker grid, through a new conversion and into a saved
// selection.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kombinator {

struct PlaceTerms {
    int fraction = 0;  // a place pays 1/fraction of the odds' winnings; 0 when not each-way
    int places = 0;    // the places paid, 1 to places
    bool eachWay() const { return fraction > 0 && places > 0; }
    friend bool operator==(const PlaceTerms&, const PlaceTerms&) = default;
};

constexpr int kMinPlaceFraction = 1;   // 1/1
constexpr int kMaxPlaceFraction = 10;  // 1/10
constexpr int kMinPlaces = 1;
constexpr int kMaxPlaces = 10;
constexpr int kMinRule4 = 5;  // pence in the pound
constexpr int kMaxRule4 = 90;

// What a tip is settled by beyond its result: its place terms and a Rule 4 deduction (0: none).
struct TipTerms {
    PlaceTerms place;
    int rule4 = 0;
    bool empty() const { return !place.eachWay() && rule4 == 0; }
    friend bool operator==(const TipTerms&, const TipTerms&) = default;
};

// Whether terms lie in the ranges bookmakers offer: 1/1 to 1/10 of the odds, 1 to 10 places.
bool validPlaceTerms(const PlaceTerms& terms);

// The place terms as slips print them: "E/W 1/4 1-2-3", "Each Way: 1/5 odds, 4 places", "EW terms
// 1/4 odds 1,2,3" (letter case and blanks aside). The places are a count or every position from 1
// on; a fraction other than 1/1 to 1/10, a list with a gap, or anything else is nullopt.
std::optional<PlaceTerms> parsePlaceTerms(QStringView text);

// The terms in the short form the grids and the command line show: "1/4 1-2-3".
QString placeTermsText(const PlaceTerms& terms);

}  // namespace kombinator
