// The words a bookmaker's page puts around its tips, by what they are. The slip reader skips a
// line only when these words say what it is; a line they do not cover is never dropped from
// inside a tip. Compared without letter case.
#pragma once

#include <QStringView>

namespace kombinator::slipwords {

// Words that introduce a price: "Szorzó: 1,85", "Odds 2.10".
inline constexpr QStringView kPriceLabels[] = {u"Szorzó", u"Odds", u"Price", u"Árfolyam", u"Ár"};

// Marks that a page draws beside a price: trend arrows, the "at" of "@ 1.85", brackets.
inline constexpr QStringView kPriceMarks = u"▲▼△▽↑↓⬆⬇↗↘⇧⇩➚➘@()[]";

// The words that name the draw and the double chance in an outcome.
inline constexpr QStringView kDrawWords[] = {u"Döntetlen", u"Draw", u"X", u"D"};
inline constexpr QStringView kHomeCodes[] = {u"1",         u"H",       u"Hazai", u"Home", u"Hazai győzelem",
                                             u"Hazai gy.", u"Home win"};
inline constexpr QStringView kAwayCodes[] = {
    u"2", u"V", u"Vendég", u"Away", u"Vendég győzelem", u"Vendéggyőzelem", u"Vendég gy.", u"Away win"};

// The labels of the markets whose outcome the grid's markers show: who wins, or the draw. An
// outcome after any other label ("Félidő: Döntetlen", "Hendikep: Arsenal (+1)") is a tip of
// another market, shown without markers.
inline constexpr QStringView kResultLabels[] = {u"Végeredmény",
                                                u"1X2",
                                                u"Tipp",
                                                u"Tippek",
                                                u"Kétesély",
                                                u"Dupla esély",
                                                u"Mérkőzés végeredménye",
                                                u"Mérkőzés győztese",
                                                u"Mérkőzés",
                                                u"Győztes",
                                                u"Győz",
                                                u"Rendes játékidő",
                                                u"90 perc",
                                                u"Eredmény",
                                                u"Kimenet",
                                                u"Kimenetel",
                                                u"Választás",
                                                u"Az Ön tippje",
                                                u"Kiválasztva",
                                                u"Match Result",
                                                u"Full Time Result",
                                                u"Match Odds",
                                                u"Match Winner",
                                                u"Match Betting",
                                                u"To Win",
                                                u"Win-Draw-Win",
                                                u"Winner",
                                                u"Moneyline",
                                                u"Double Chance",
                                                u"Selection",
                                                u"Pick",
                                                u"Your pick",
                                                u"Result",
                                                u"Tip"};

// Labels of what a slip tells beside its tips: its number, when and where it was placed, when a
// match starts, its sport, league and market, its state and score. "Eredmény" and "Result" are
// such a label only before a score ("Eredmény: 2:1"); before an outcome they name the market.
inline constexpr QStringView kMetaLabels[] = {u"Szelvényszám", u"Szelvény azonosító",
                                              u"Azonosító",    u"Ticket",
                                              u"Ticket ID",    u"Bet ID",
                                              u"Terminál",     u"Terminal",
                                              u"Leadva",       u"Placed",
                                              u"Kezdés",       u"Kick-off",
                                              u"Dátum",        u"Date",
                                              u"Időpont",      u"Time",
                                              u"Sport",        u"Sportág",
                                              u"Liga",         u"League",
                                              u"Bajnokság",    u"Competition",
                                              u"Piac",         u"Market",
                                              u"Státusz",      u"Status",
                                              u"Score",        u"Állás"};
inline constexpr QStringView kScoreLabels[] = {u"Eredmény", u"Result"};
// The labels that name a tip's market on a line of their own ("Piac: 1. félidő eredménye").
inline constexpr QStringView kMarketLabels[] = {u"Piac", u"Market", u"Fogadási típus", u"Bet type"};
// What the heading over a tip calls it: "2. tipp", "1. selection".
inline constexpr QStringView kTipWords[] = {u"tipp", u"esemény",   u"választás", u"fogadás",
                                            u"tip",  u"selection", u"leg"};

// Words that a slip shows beside a tip taken off it: the copy cannot tell which tip they belong
// to, so a slip that shows them is read by nobody with certainty.
inline constexpr QStringView kRemovedMarks[] = {u"Törölve", u"Visszaállít", u"Eltávolítva", u"Removed",
                                                u"Undo"};
inline constexpr QStringView kOrWords[] = {u" vagy ", u" or ", u"/"};

// Separators between the two teams of an event, besides a dash with a blank on each side.
inline constexpr QStringView kVersusWords[] = {u" vs. ", u" vs ", u" v "};

// Market names, alone on a line or in a cell of their own: they name the bet, not the outcome.
inline constexpr QStringView kMarkets[] = {u"Végeredmény",
                                           u"1X2",
                                           u"Kétesély",
                                           u"Dupla esély",
                                           u"Mérkőzés végeredménye",
                                           u"Mérkőzés győztese",
                                           u"Győztes",
                                           u"Rendes játékidő",
                                           u"90 perc",
                                           u"Fogadási típus",
                                           u"Piac",
                                           u"Match Result",
                                           u"Full Time Result",
                                           u"Match Odds",
                                           u"Match Winner",
                                           u"Match Betting",
                                           u"To Win",
                                           u"Win-Draw-Win",
                                           u"Double Chance",
                                           u"Moneyline",
                                           u"Winner",
                                           u"Market"};

// The words of a table's header row, and what their column holds.
enum class Column { Other, Event, Home, Away, Outcome, Price };
struct HeaderWord {
    QStringView word;
    Column column;
};
inline constexpr HeaderWord kHeaderWords[] = {{u"Esemény", Column::Event},
                                              {u"Mérkőzés", Column::Event},
                                              {u"Meccs", Column::Event},
                                              {u"Párosítás", Column::Event},
                                              {u"Event", Column::Event},
                                              {u"Match", Column::Event},
                                              {u"Fixture", Column::Event},
                                              {u"Hazai", Column::Home},
                                              {u"Home", Column::Home},
                                              {u"Vendég", Column::Away},
                                              {u"Away", Column::Away},
                                              {u"Tipp", Column::Outcome},
                                              {u"Tippek", Column::Outcome},
                                              {u"Kimenet", Column::Outcome},
                                              {u"Kimenetel", Column::Outcome},
                                              {u"Választás", Column::Outcome},
                                              {u"Selection", Column::Outcome},
                                              {u"Pick", Column::Outcome},
                                              {u"Tip", Column::Outcome},
                                              {u"Outcome", Column::Outcome},
                                              {u"Szorzó", Column::Price},
                                              {u"Szorzók", Column::Price},
                                              {u"Odds", Column::Price},
                                              {u"Price", Column::Price},
                                              {u"Idő", Column::Other},
                                              {u"Időpont", Column::Other},
                                              {u"Kezdés", Column::Other},
                                              {u"Dátum", Column::Other},
                                              {u"Nap", Column::Other},
                                              {u"Date", Column::Other},
                                              {u"Time", Column::Other},
                                              {u"Kick-off", Column::Other},
                                              {u"Sport", Column::Other},
                                              {u"Sportág", Column::Other},
                                              {u"Liga", Column::Other},
                                              {u"Bajnokság", Column::Other},
                                              {u"League", Column::Other},
                                              {u"Competition", Column::Other},
                                              {u"Piac", Column::Other},
                                              {u"Market", Column::Other},
                                              {u"Fogadás", Column::Other},
                                              {u"Típus", Column::Other},
                                              {u"#", Column::Other},
                                              {u"Sorszám", Column::Other},
                                              {u"Kód", Column::Other},
                                              {u"Code", Column::Other},
                                              {u"Ország", Column::Other},
                                              {u"Country", Column::Other},
                                              {u"Státusz", Column::Other},
                                              {u"Status", Column::Other},
                                              {u"Tét", Column::Other},
                                              {u"Stake", Column::Other},
                                              {u"Returns", Column::Other},
                                              {u"To Return", Column::Other},
                                              {u"Potential Returns", Column::Other},
                                              {u"Est. Returns", Column::Other},
                                              {u"Nyeremény", Column::Other}};

// The marks and codes of money beside an amount ("£5.00", "500 Ft"): a stake or a return, never a price.
inline constexpr QStringView kCurrencyMarks = u"£$€¥";
inline constexpr QStringView kCurrencyCodes[] = {u"Ft", u"HUF", u"EUR", u"GBP", u"USD"};

// Lines that begin with these words sum the slip up: combined odds, stake, possible return.
inline constexpr QStringView kSummaries[] = {
    u"Eredő szorzó", u"Össz. szorzó", u"Összes szorzó", u"Összszorzó", u"Teljes szorzó", u"Kombinált szorzó",
    u"Össz.", u"Összesen", u"Tét", u"Tét/kötés", u"Befizetés", u"Lehetséges nyeremény", u"Várható nyeremény",
    u"Lehetséges kifizetés", u"Nyeremény", u"Kifizetés", u"Kötések száma", u"Fogadások száma",
    u"Tippek száma", u"Bónusz", u"Egyszeres", u"Kombináció", u"Kombinált", u"Rendszerfogadás", u"Total odds",
    u"Total stake", u"Stake", u"Potential win", u"Potential winnings", u"Potential return",
    u"Potential returns", u"Potential payout", u"Est. returns", u"Estimated returns", u"Possible win",
    u"Returns", u"To return", u"To win", u"Payout", u"Bonus",
    // What the bookmaker would pay for the bet now: "Cash Out £4.20".
    u"Cash out"};

// Buttons, badges and titles of a slip, each alone on its line.
inline constexpr QStringView kButtons[] = {
    u"×", u"✕", u"✖", u"✗", u"✘", u"⨯", u"Törlés", u"Töröl", u"Összes törlése", u"Mind törlése", u"Elfogad",
    u"Elfogadás", u"Elfogadom", u"Változások elfogadása", u"Fogadás leadása", u"Fogadok", u"Megtesz",
    u"Mentés", u"Mégse", u"Tovább", u"Vissza", u"Megosztás", u"Élő", u"Új", u"Boost", u"Top", u"Kiemelt",
    u"Népszerű", u"Szelvény", u"Fogadószelvény", u"Szelvényem", u"Saját szelvény", u"Fogadásaim", u"Kombi",
    u"Kötés", u"Szimpla", u"Rendszer", u"Ajánlat", u"Sportfogadás", u"A szorzó megváltozott", u"Remove",
    u"Delete", u"Clear", u"Clear all", u"Place bet", u"Accept", u"Accept changes", u"Cancel", u"Share",
    u"Live", u"New", u"Popular", u"Bet slip", u"Betslip", u"My bets", u"Single", u"Singles", u"Multiple",
    u"Accumulator", u"System", u"Offer", u"Each way", u"E/W",
    // The state of a placed tip, in a list of the bettor's slips.
    u"Nyert", u"Vesztett", u"Folyamatban", u"Függőben", u"Lezárva", u"Visszatérítve", u"Won", u"Lost",
    u"Open", u"Pending", u"Void", u"Settled", u"Cash out available", u"Készpénzes kivezetés",
    u"Készpénzes kivezetés elérhető", u"Receipt", u"Sports betting", u"Nyugta", u"Szuperszorzó",
    u"Super odds"};

// Words of sports, leagues and countries: a line made only of them, of dates and of times is a
// heading ("Labdarúgás · NB I · szo 12.12. 20:00").
inline constexpr QStringView kSports[] = {
    u"Labdarúgás", u"Foci",          u"Futball",   u"Football",  u"Soccer",   u"Kosárlabda", u"Basketball",
    u"Tenisz",     u"Tennis",        u"Jégkorong", u"Hoki",      u"Hockey",   u"Kézilabda",  u"Handball",
    u"Röplabda",   u"Volleyball",    u"Vízilabda", u"Baseball",  u"Rögbi",    u"Rugby",      u"Darts",
    u"Snooker",    u"E-sport",       u"Esport",    u"Ökölvívás", u"Boxing",   u"MMA",        u"Golf",
    u"Futsal",     u"Asztalitenisz", u"Krikett",   u"Cricket",   u"Lóverseny"};
inline constexpr QStringView kLeagueWords[] = {u"Liga",
                                               u"Ligája",
                                               u"Lig",
                                               u"League",
                                               u"Ligue",
                                               u"Bundesliga",
                                               u"Serie",
                                               u"NB",
                                               u"Division",
                                               u"Divízió",
                                               u"Championship",
                                               u"Kupa",
                                               u"Kupája",
                                               u"Cup",
                                               u"Trophy",
                                               u"Eredivisie",
                                               u"Premiership",
                                               u"Primera",
                                               u"Primeira",
                                               u"Superliga",
                                               u"Bajnokság",
                                               u"Bajnokok",
                                               u"Forduló",
                                               u"Round",
                                               u"Matchday",
                                               u"Csoport",
                                               u"Group",
                                               u"Torna",
                                               u"Tournament",
                                               u"ATP",
                                               u"WTA",
                                               u"NBA",
                                               u"NHL",
                                               u"NFL",
                                               u"MLB",
                                               u"Euroliga",
                                               u"EuroLeague",
                                               u"MLS",
                                               u"Ekstraklasa",
                                               u"Allsvenskan",
                                               u"Eliteserien",
                                               u"Selejtező",
                                               u"Qualifiers",
                                               u"Qualification",
                                               u"Rájátszás",
                                               u"Playoff",
                                               u"Döntő",
                                               u"Elődöntő",
                                               u"Negyeddöntő",
                                               u"Final",
                                               u"Nyolcaddöntő",
                                               u"Pokal",
                                               u"Matchplay",
                                               u"Masters",
                                               u"Grand Slam",
                                               u"Grand Prix",
                                               u"Championships",
                                               u"Coupe",
                                               u"Copa",
                                               u"Coppa",
                                               u"Taça",
                                               u"LaLiga",
                                               u"Konferencialiga",
                                               u"Konferencia",
                                               u"Szuperkupa",
                                               u"Supercup",
                                               u"Superliga"};
inline constexpr QStringView kCountries[] = {
    u"Anglia",       u"England",     u"Spanyolország", u"Spain",      u"Németország",   u"Germany",
    u"Olaszország",  u"Italy",       u"Franciaország", u"France",     u"Magyarország",  u"Hungary",
    u"Hollandia",    u"Netherlands", u"Portugália",    u"Portugal",   u"Skócia",        u"Scotland",
    u"Törökország",  u"Turkey",      u"Belgium",       u"Ausztria",   u"Austria",       u"Svájc",
    u"Switzerland",  u"Európa",      u"Europe",        u"Nemzetközi", u"International", u"Világ",
    u"World",        u"USA",         u"Brazília",      u"Brazil",     u"Argentína",     u"Argentina",
    u"Görögország",  u"Greece",      u"Lengyelország", u"Poland",     u"Csehország",    u"Czechia",
    u"Horvátország", u"Croatia"};
// Days named from today: alone on a line they tell a kick-off, as a date does ("Tomorrow").
inline constexpr QStringView kRelativeDays[] = {u"Ma",    u"Holnap",   u"Tegnap",
                                                u"Today", u"Tomorrow", u"Tonight"};
// Days and months, and the words of a kick-off: "szo 12.12. 20:00", "Ma 18:30", "Kezdés: 20:45".
inline constexpr QStringView kDayWords[] = {
    u"Hétfő",   u"Kedd",      u"Szerda",     u"Csütörtök", u"Péntek",   u"Szombat",  u"Vasárnap", u"H",
    u"K",       u"Sze",       u"Cs",         u"P",         u"Szo",      u"V",        u"Kezdés",   u"Kezdés:",
    u"Mon",     u"Tue",       u"Wed",        u"Thu",       u"Fri",      u"Sat",      u"Sun",      u"Monday",
    u"Tuesday", u"Wednesday", u"Thursday",   u"Friday",    u"Saturday", u"Sunday",   u"Jan",      u"Febr",
    u"Feb",     u"Márc",      u"Mar",        u"Ápr",       u"Apr",      u"Máj",      u"May",      u"Jún",
    u"Jun",     u"Júl",       u"Jul",        u"Aug",       u"Szept",    u"Sep",      u"Okt",      u"Oct",
    u"Nov",     u"Dec",       u"Január",     u"Február",   u"Március",  u"Április",  u"Május",    u"Június",
    u"Július",  u"Augusztus", u"Szeptember", u"Október",   u"November", u"December", u"Kick-off", u"Kickoff"};

}  // namespace kombinator::slipwords
