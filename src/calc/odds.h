// Odds in the three forms bookmakers write them: decimal ("2.50", the return per unit staked),
// fractional ("3/2", the winnings per unit staked; "Evens" for 1/1) and American ("+150", the
// winnings on 100 staked; "-200", the stake that wins 100). The grids keep a price in the form
// it was read in, so that a fractional price is settled from its exact fraction (100/30 is
// 4.3333..., not 4.33); the user chooses the form the grids show, or keeps each price as read.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace kombinator::calc {

// AsRead shows every price in the form it was read in.
enum class OddsFormat { AsRead, Decimal, Fractional, American };
// The forms' names where the user types one (the command line), in the enum's order.
constexpr const char* kOddsFormatNames[] = {"asread", "decimal", "fractional", "american"};
std::optional<OddsFormat> oddsFormatNamed(QStringView name);

// Decimal odds as an exact fraction in lowest terms.
struct OddsRatio {
    qint64 num = 0;
    qint64 den = 1;
};

// A price written as a fraction ("5/2", "100/30"), as evens ("Evens", "EVS", "Evs") or as American
// odds ("+250", "-150", at least 100 either way), in the form the grids keep it: "a/b", "1/1",
// "+250". nullopt for any other text, decimal odds included.
std::optional<QString> otherOddsForm(QStringView text);

// The decimal odds of a grid's odds text in any of the forms, exactly; nullopt for other text.
std::optional<OddsRatio> oddsRatio(QStringView text);

// A grid's odds text as the grids show it in `format`. A price shows as it stands in the form it
// was read in, a fraction as the bookmaker wrote it (100/30, not 10/3) and 1/1 as "Evens". Turned
// into another form: decimals with two places; a fraction as the traditional price of the
// bookmakers' ladder it stands for (2.375 and 2.38 are 11/8, 2.5 is 6/4), else in lowest terms;
// American odds as a whole number.
QString shownOdds(const QString& text, OddsFormat format);

// The form the grids show odds in, as the user chose it; as read until then.
OddsFormat oddsFormat();
void setOddsFormat(OddsFormat format);

}  // namespace kombinator::calc
