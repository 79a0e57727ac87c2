// The words every language writes alike: codes, separators, currencies, buttons drawn as signs, leagues.
#pragma once

#include "offer/slipwordroles.h"

namespace kombinator::slipwords {

inline constexpr Word kEveryLanguage[] = {
    {u"X", Draw},
    {u"1", Home},
    {u"2", Away},
    {u"1X2", ResultLabel | Market},
    {u"Handicap", Market},
    {u"Liga", MetaLabel | HeaderOther | League},
    {u"/", Or},
    {u" vs. ", Versus},
    {u" vs ", Versus},
    {u" v ", Versus},
    {u"#", HeaderOther},
    {u"HUF", Currency},
    {u"EUR", Currency},
    {u"GBP", Currency},
    {u"USD", Currency},
    {u"×", Button},
    {u"✕", Button},
    {u"✖", Button},
    {u"✗", Button},
    {u"✘", Button},
    {u"⨯", Button},
    {u"Lig", League},
    {u"Ligue", League},
    {u"Bundesliga", League},
    {u"Serie", League},
    {u"Eredivisie", League},
    {u"Primera", League},
    {u"Primeira", League},
    {u"Superliga", League},
    {u"ATP", League},
    {u"WTA", League},
    {u"NBA", League},
    {u"NHL", League},
    {u"NFL", League},
    {u"MLB", League},
    {u"Euroliga", League},
    {u"EuroLeague", League},
    {u"MLS", League},
    {u"Ekstraklasa", League},
    {u"Allsvenskan", League},
    {u"Eliteserien", League},
    {u"Pokal", League},
    {u"Coupe", League},
    {u"Copa", League},
    {u"Coppa", League},
    {u"Taça", League},
    {u"LaLiga", League},
};

}  // namespace kombinator::slipwords
