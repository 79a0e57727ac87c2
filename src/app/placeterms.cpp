#include "app/placeterms.h"

#include <QRegularExpression>
#include <QStringList>

namespace kombinator {

bool validPlaceTerms(const PlaceTerms& terms) {
    return terms.fraction >= kMinPlaceFraction && terms.fraction <= kMaxPlaceFraction &&
           terms.places >= kMinPlaces && terms.places <= kMaxPlaces;
}

std::optional<PlaceTerms> parsePlaceTerms(QStringView text) {
    // The words before the fraction, the fraction with an optional "odds", then the places as a
    // count ("4 places") or as the positions paid ("1-2-3", "1,2,3").
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:e\s*/\s*w|ew|each[\s-]*way)(?:\s+terms)?\s*:?\s*)"
                       R"((\d{1,2})\s*/\s*(\d{1,2})(?:\s+odds)?\s*,?\s*)"
                       R"((?:(\d{1,2})\s+places?|(\d{1,2}(?:\s*[-,]\s*\d{1,2})*))\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text.toString());
    if (!match.hasMatch()) return std::nullopt;
    if (match.captured(1).toInt() != 1) return std::nullopt;
    PlaceTerms terms;
    terms.fraction = match.captured(2).toInt();
    if (match.hasCaptured(3)) {
        terms.places = match.captured(3).toInt();
    } else {
        // Every position from 1 on, in order: a list with a gap is no terms anyone offers.
        static const QRegularExpression separator(QStringLiteral(R"(\s*[-,]\s*)"));
        const QStringList positions = match.captured(4).split(separator);
        for (qsizetype i = 0; i < positions.size(); ++i) {
            if (positions.at(i).toInt() != i + 1) return std::nullopt;
        }
        terms.places = static_cast<int>(positions.size());
    }
    if (!validPlaceTerms(terms)) return std::nullopt;
    return terms;
}

QString placeTermsText(const PlaceTerms& terms) {
    QStringList positions;
    for (int p = 1; p <= terms.places; ++p)
        positions.append(QString::number(p));
    return QStringLiteral("1/%1 %2").arg(terms.fraction).arg(positions.join(u'-'));
}

}  // namespace kombinator
