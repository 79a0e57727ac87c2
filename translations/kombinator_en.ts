<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu">
<context>
    <name>calc</name>
    <message>
        <source>2-es kötések</source>
        <translation>2-fold bets (doubles)</translation>
    </message>
    <message>
        <source>3-as kötések</source>
        <translation>3-fold bets (trebles)</translation>
    </message>
    <message>
        <source>4-es kötések</source>
        <translation>4-fold bets</translation>
    </message>
    <message>
        <source>5-ös kötések</source>
        <translation>5-fold bets</translation>
    </message>
    <message>
        <source>6-os kötések</source>
        <translation>6-fold bets</translation>
    </message>
    <message>
        <source>7-es kötések</source>
        <translation>7-fold bets</translation>
    </message>
    <message>
        <source>8-as kötések</source>
        <translation>8-fold bets</translation>
    </message>
    <message>
        <source>9-es kötések</source>
        <translation>9-fold bets</translation>
    </message>
    <message>
        <source>10-es kötések</source>
        <translation>10-fold bets</translation>
    </message>
    <message>
        <source>11-es kötések</source>
        <translation>11-fold bets</translation>
    </message>
    <message>
        <source>12-es kötések</source>
        <translation>12-fold bets</translation>
    </message>
    <message>
        <source>13-as kötések</source>
        <translation>13-fold bets</translation>
    </message>
    <message>
        <source>%1: %2 tipp, %3 fogadás</source>
        <translation>%1: %2 tips, %3 bets</translation>
    </message>
    <message>
        <source>Össz.: </source>
        <extracomment>The total of a bet list&apos;s amounts, written right before it.</extracomment>
        <translation>Total: </translation>
    </message>
    <message>
        <source>Ny/s.: </source>
        <extracomment>The mean amount per bet of a bet list, written right before it.</extracomment>
        <translation>Per bet: </translation>
    </message>
    <message>
        <source>%1: %2 vagy több tipp, páronként %3 fogadás</source>
        <extracomment>An any-to-come bet over every pair of the tips: its name, its fewest tips, its bets per pair.</extracomment>
        <translation>%1: %2 or more tips, %3 bets per pair</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A kimenet nem írható.</source>
        <translation>The output cannot be written.</translation>
    </message>
    <message>
        <source>A szelvény nem olvasható: %1</source>
        <translation>The coupon cannot be read: %1</translation>
    </message>
    <message>
        <source>Ilyen kulcs nem készíthető: %1 (2 &lt;= KK &lt;= 6, KK &lt;= MM &lt; NN, NN legfeljebb %2, kettes kötésekre %3)</source>
        <translation>No such key can be made: %1 (2 &lt;= KK &lt;= 6, KK &lt;= MM &lt; NN, NN at most %2, for doubles %3)</translation>
    </message>
    <message>
        <source>A kulcs nem állta ki az ellenőrzést: %1</source>
        <translation>The key failed the check: %1</translation>
    </message>
    <message>
        <source>A kulcsfájl nem írható: %1</source>
        <translation>The key file cannot be written: %1</translation>
    </message>
    <message>
        <source>Nem kulcs legfeljebb %1 eseményre: %2</source>
        <translation>Not a key for at most %1 events: %2</translation>
    </message>
    <message>
        <source>törölt</source>
        <translation>void</translation>
    </message>
    <message>
        <source>félig nyert</source>
        <translation>half won</translation>
    </message>
    <message>
        <source>félig vesztett</source>
        <translation>half lost</translation>
    </message>
    <message>
        <source>holtversenyes</source>
        <translation>a dead heat</translation>
    </message>
    <message>
        <source>Hiányzik a %1 értéke.</source>
        <translation>The value of %1 is missing.</translation>
    </message>
    <message>
        <source>Hibás tipplista: %1</source>
        <translation>Invalid tip list: %1</translation>
    </message>
    <message>
        <source>Ismeretlen rendszer: %1</source>
        <translation>Unknown system: %1</translation>
    </message>
    <message>
        <source>Az F%1 fix tipp nem lehet egyszerre %2 és %3.</source>
        <translation>Banker F%1 cannot be both %2 and %3.</translation>
    </message>
    <message>
        <source>A %1. tipp nem lehet egyszerre %2 és %3.</source>
        <translation>Tip %1 cannot be both %2 and %3.</translation>
    </message>
    <message>
        <source>nyertes</source>
        <translation>won</translation>
    </message>
    <message>
        <source>SZELVÉNY</source>
        <translation>COUPON</translation>
    </message>
    <message>
        <source>a bemásolt szelvény szövegfájlja, vagy - a szabványos bemenethez</source>
        <translation>the text file of the copied coupon, or - for standard input</translation>
    </message>
    <message>
        <source>az N. tipp fix lesz (többször is megadható, a megadás sorrendjében)</source>
        <translation>tip N becomes a banker (can be repeated; taken in the order given)</translation>
    </message>
    <message>
        <source>--key FÁJL</source>
        <translation>--key FILE</translation>
    </message>
    <message>
        <source>kulcs behelyettesítése (a fájlnév 4-5. karaktere az események száma)</source>
        <translation>substitute a key (characters 4-5 of its file name: the number of events)</translation>
    </message>
    <message>
        <source>a fogadások árazása az aktuális oddsokkal</source>
        <translation>price the bets with the current odds</translation>
    </message>
    <message>
        <source>--won LISTA</source>
        <translation>--won LIST</translation>
    </message>
    <message>
        <source>nyertes tippek (pl. 1,3,4), majd az eredmény kiértékelése</source>
        <translation>won tips (e.g. 1,3,4), then settle the results</translation>
    </message>
    <message>
        <source>nyereménytábla a nyertes tippek száma szerint</source>
        <translation>return table by the number of won tips</translation>
    </message>
    <message>
        <source>--void LISTA</source>
        <translation>--void LIST</translation>
    </message>
    <message>
        <source>törölt (1,00-s szorzóval elszámolt) tippek (pl. 2,5), F1 az 1. fix tipp;
majd az eredmény kiértékelése</source>
        <translation>void tips (settled at odds of 1.00), e.g. 2,5; F1 is the 1st banker;
then settle the results</translation>
    </message>
    <message>
        <source>--half-won LISTA</source>
        <translation>--half-won LIST</translation>
    </message>
    <message>
        <source>félig nyert tippek (a tét fele az oddson nyer, a fele visszajár),
pl. 2,F1; majd az eredmény kiértékelése</source>
        <translation>half won tips (half the stake wins at the odds, half is returned),
e.g. 2,F1; then settle the results</translation>
    </message>
    <message>
        <source>--half-lost LISTA</source>
        <translation>--half-lost LIST</translation>
    </message>
    <message>
        <source>félig vesztett tippek (a tét fele visszajár, a fele elvész), pl. 3;
majd az eredmény kiértékelése</source>
        <translation>half lost tips (half the stake is returned, half is lost), e.g. 3;
then settle the results</translation>
    </message>
    <message>
        <source>a nyereménytábla téte fogadásonként (pl. 100 vagy 2,50; alapértelmezés 1)</source>
        <translation>the return table&apos;s stake per bet (e.g. 100 or 2.50; default 1)</translation>
    </message>
    <message>
        <source>szelvény helyett kulcs készítése: KK tippes kötések, NN esemény, MM találat
esetén legalább egy nyerő kötés</source>
        <translation>make a key instead of a coupon: bets of KK tips over NN events,
at least one winning bet whenever MM of them win</translation>
    </message>
    <message>
        <source>--out FÁJL</source>
        <translation>--out FILE</translation>
    </message>
    <message>
        <source>a --make-key kulcsfájlja ide kerül (alapértelmezés: szabványos kimenet)</source>
        <translation>where --make-key writes its key file (default: standard output)</translation>
    </message>
    <message>
        <source>--key-profile FÁJL</source>
        <translation>--key-profile FILE</translation>
    </message>
    <message>
        <source>szelvény helyett a kulcs nyerési táblája: a bejövő tippek számára
a legkevesebb és a legtöbb nyerő kötés</source>
        <translation>the key&apos;s winning table instead of a coupon: for each number of
winning tips, the fewest and the most winning bets</translation>
    </message>
    <message>
        <source>--lang NYELV</source>
        <translation>--lang LANGUAGE</translation>
    </message>
    <message>
        <source>a szövegek nyelve: hu (magyar) vagy en (angol); alapértelmezés a
környezet nyelve (angol az en_* nyelvi környezetben, különben magyar)</source>
        <translation>the language of the texts: hu (Hungarian) or en (English); by default
the environment&apos;s (English in an en_* locale, Hungarian otherwise)</translation>
    </message>
    <message>
        <source>ez a súgó</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>a program neve és változata</source>
        <translation>the program&apos;s name and version</translation>
    </message>
    <message>
        <source>rendszer: 1 … %1, vagy</source>
        <translation>system: 1 … %1, or</translation>
    </message>
    <message>
        <source>Hibás sorszám: %1</source>
        <translation>Invalid tip number: %1</translation>
    </message>
    <message>
        <source>Hibás tét: %1</source>
        <translation>Invalid stake: %1</translation>
    </message>
    <message>
        <source>A --make-key értéke KK_NN_MM alakú: %1</source>
        <translation>The value of --make-key has the form KK_NN_MM: %1</translation>
    </message>
    <message>
        <source>Ismeretlen nyelv: %1 (hu vagy en)</source>
        <translation>Unknown language: %1 (hu or en)</translation>
    </message>
    <message>
        <source>Ismeretlen kapcsoló: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Csak egy szelvény adható meg.</source>
        <translation>Only one coupon can be given.</translation>
    </message>
    <message>
        <source>A --make-key és a --key-profile együtt nem adható meg.</source>
        <translation>--make-key and --key-profile cannot be given together.</translation>
    </message>
    <message>
        <source>A %1 mellé nem kell szelvény.</source>
        <translation>%1 takes no coupon.</translation>
    </message>
    <message>
        <source>A %1 mellett csak a kulcsfájl adható meg.</source>
        <translation>Only the key file can be given with %1.</translation>
    </message>
    <message>
        <source>Hiányzik a szelvény.</source>
        <translation>The coupon is missing.</translation>
    </message>
    <message>
        <source>A --stake csak a --table mellett adható meg.</source>
        <translation>--stake can only be given with --table.</translation>
    </message>
    <message>
        <source>A --system és a --key együtt nem adható meg.</source>
        <translation>--system and --key cannot be given together.</translation>
    </message>
    <message>
        <source>Nincs %1. fix tipp.</source>
        <translation>There is no banker %1.</translation>
    </message>
    <message>
        <source>Nincs %1. tipp.</source>
        <translation>There is no tip %1.</translation>
    </message>
    <message>
        <source>A kulcsfájl nem olvasható: %1</source>
        <translation>The key file cannot be read: %1</translation>
    </message>
    <message>
        <source>A(z) „%1” rendszer %2 tippre nem választható.</source>
        <translation>The system “%1” cannot be chosen with %2 tips in hand.</translation>
    </message>
    <message>
        <source>helyezett</source>
        <translation>placed</translation>
    </message>
    <message>
        <source>Rule 4 levonásos</source>
        <translation>with a Rule 4 deduction</translation>
    </message>
    <message>
        <source>holtverseny: az N. tipp K-ad magával végzett holtversenyben (K 2 és 20
között; a tét K-ad része nyer az oddson) a P. helyért (alapértelmezés 1;
each-way tippnél), pl. 4:3,F1:2,2:2@3; majd kiértékelés</source>
        <translation>dead heat: tip N finished in a dead heat of K (K from 2 to 20;
1/K of the stake wins at the odds) for place P (1 when not given;
for an each-way tip), e.g. 4:3,F1:2,2:2@3; then settle</translation>
    </message>
    <message>
        <source>each-way fogadás: minden tipp győztesre és helyezésre is, a helyezés az odds
F részét fizeti P helyig (pl. 1/4:3); tippenként N=F:P,... (pl.
1=1/4:3,F1=1/5:2)</source>
        <translation>each-way: every tip to win and to place, the place paying the fraction F
of the odds for P places (e.g. 1/4:3); tip by tip N=F:P,... (e.g.
1=1/4:3,F1=1/5:2)</translation>
    </message>
    <message>
        <source>--placed LISTA</source>
        <translation>--placed LIST</translation>
    </message>
    <message>
        <source>helyezett (nem nyertes) tippek, pl. 2,F1; majd kiértékelés</source>
        <translation>placed (not won) tips, e.g. 2,F1; then settle</translation>
    </message>
    <message>
        <source>Rule 4 levonás: az N. tipp nyereményéből fontonként R penny (5-90),
pl. 3:25; majd kiértékelés</source>
        <translation>Rule 4 deduction: R pence in the pound (5-90) off the winnings of tip N,
e.g. 3:25; then settle</translation>
    </message>
    <message>
        <source>Lucky 15/31/63 bónusz: egyetlen nyertes tipp szólója M-szeres nyereménnyel
(1-3), minden tipp nyer: B % bónusz a győztes sorokra (pl. 2:10)</source>
        <translation>Lucky 15/31/63 bonuses: a sole winner&apos;s single pays M times its winnings
(1-3); every tip won: a bonus of B % on the win lines (e.g. 2:10)</translation>
    </message>
    <message>
        <source>Hibás holtverseny: %1 (N:K vagy N:K@P alakú, K 2 és 20, P 1 és 10 között)</source>
        <translation>Bad dead heat: %1 (N:K or N:K@P, K from 2 to 20, P from 1 to 10)</translation>
    </message>
    <message>
        <source>Hibás Rule 4: %1 (N:R alakú, R 5 és 90 között)</source>
        <translation>Bad Rule 4: %1 (N:R, R from 5 to 90)</translation>
    </message>
    <message>
        <source>Hibás each-way feltétel: %1 (F:P vagy N=F:P,... alakú, pl. 1/4:3; F 1/1 és 1/10, P 1 és 10 között)</source>
        <translation>Bad each-way terms: %1 (F:P or N=F:P,..., e.g. 1/4:3; F from 1/1 to 1/10, P from 1 to 10)</translation>
    </message>
    <message>
        <source>Hibás Lucky bónusz: %1 (M:B alakú, M 1 és 3, B 0 és 100 között)</source>
        <translation>Bad Lucky bonus: %1 (M:B, M from 1 to 3, B from 0 to 100)</translation>
    </message>
    <message>
        <source>Az F%1 fix tipp csak %2 helyig fizet: nincs holtverseny a %3. helyért.</source>
        <translation>Banker F%1 pays only %2 places: there is no dead heat for place %3.</translation>
    </message>
    <message>
        <source>A %1. tipp csak %2 helyig fizet: nincs holtverseny a %3. helyért.</source>
        <translation>Tip %1 pays only %2 places: there is no dead heat for place %3.</translation>
    </message>
    <message>
        <source>A szelvény HTML-je nem olvasható: nagyobb %1 MB-nál, vagy %2 szintnél mélyebben ágyazott.</source>
        <translation>The coupon&apos;s HTML cannot be read: it is larger than %1 MB or nested deeper than %2 levels.</translation>
    </message>
    <message>
        <source>a szelvény egy oldal HTML-je (mentett oldal vagy a vágólap HTML-je);
a címkével kezdődő szelvényt enélkül is így olvassa</source>
        <translation>the coupon is a page&apos;s HTML (a saved page or the clipboard&apos;s HTML);
a coupon that begins with a tag is read so without it</translation>
    </message>
    <message>
        <source>A %1 csak a --make-key mellett adható meg.</source>
        <translation>%1 can only be given with --make-key.</translation>
    </message>
    <message>
        <source>a --make-key keresése legfeljebb N másodperc processzoridő (alapértelmezés 10);
előbb megáll, ha eléri a legjobb ismert méretet vagy a bizonyított korlátot</source>
        <translation>the --make-key search takes at most N seconds of processor time (10 when not
given); it stops sooner at the best known size or the proven bound</translation>
    </message>
    <message>
        <source>Ismeretlen oddsalak: %1 (asread, decimal, fractional vagy american)</source>
        <translation>Unknown odds format: %1 (asread, decimal, fractional or american)</translation>
    </message>
    <message>
        <source>A --seconds értéke 1 és %1 közötti egész szám: %2</source>
        <translation>--seconds takes a whole number from 1 to %1: %2</translation>
    </message>
    <message>
        <source>A %1 mellett csak a --seconds és a --out adható meg.</source>
        <translation>Only --seconds and --out can be given with %1.</translation>
    </message>
    <message>
        <source>a tippek listája a fogadások előtt, az oddsok F alakjában: asread (ahogy
beolvasta), decimal (2.50), fractional (3/2) vagy american (+150)</source>
        <translation>the tips listed before the bets, their odds in form F: asread (as read),
decimal (2.50), fractional (3/2) or american (+150)</translation>
    </message>
    <message>
        <source>Használat: kombinator-cli [--bank N]... [--system S | --key FÁJL] [--odds] [--won LISTA] [--table]
          [--void LISTA] [--half-won LISTA] [--half-lost LISTA] [--dead-heat N:K[@P],...]
          [--each-way F:P | --each-way N=F:P,...] [--placed LISTA] [--rule4 N:R,...]
          [--lucky-bonus M:B] [--stake X] [--odds-format F] [--lang NYELV] [--html] SZELVÉNY
          kombinator-cli --make-key KK_NN_MM [--seconds N] [--out FÁJL]
          kombinator-cli --key-profile FÁJL
</source>
        <translation>Usage: kombinator-cli [--bank N]... [--system S | --key FILE] [--odds] [--won LIST] [--table]
       [--void LIST] [--half-won LIST] [--half-lost LIST] [--dead-heat N:K[@P],...]
       [--each-way F:P | --each-way N=F:P,...] [--placed LIST] [--rule4 N:R,...]
       [--lucky-bonus M:B] [--stake X] [--odds-format F] [--lang LANGUAGE] [--html] COUPON
       kombinator-cli --make-key KK_NN_MM [--seconds N] [--out FILE]
       kombinator-cli --key-profile FILE
</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>A fájl túl nagy: %1</source>
        <translation>The file is too large: %1</translation>
    </message>
    <message>
        <source>Nem fájl: %1</source>
        <translation>Not a file: %1</translation>
    </message>
</context>
<context>
    <name>keymaker</name>
    <message numerus="yes">
        <source>%n fogadás</source>
        <translation>
            <numerusform>%n bet</numerusform>
            <numerusform>%n bets</numerusform>
        </translation>
    </message>
    <message>
        <source>Ha a %1 esemény közül legalább %2 tipp bejön, legalább egy %3 tippes kötés nyer.</source>
        <translation>If at least %2 of the tips on the %1 events win, at least one %3-tip bet wins.</translation>
    </message>
    <message>
        <source>A talált kulcs nem állta ki az ellenőrzést, nem menthető.</source>
        <translation>The key found failed the check and cannot be saved.</translation>
    </message>
    <message>
        <source>Ellenőrizve: a %1 esemény bármely %2 tippje tartalmaz egy kötést.</source>
        <translation>Checked: any %2 of the tips on the %1 events include a whole bet.</translation>
    </message>
    <message>
        <source> Ennél kevesebb fogadással nem lehet.</source>
        <translation> It cannot be done with fewer bets.</translation>
    </message>
    <message>
        <source>Leállítva. </source>
        <translation>Stopped. </translation>
    </message>
    <message>
        <source>Bejövő tippek</source>
        <translation>Winning tips</translation>
    </message>
    <message>
        <source>Legkevesebb nyerő kötés</source>
        <translation>Fewest winning bets</translation>
    </message>
    <message>
        <source>Legtöbb nyerő kötés</source>
        <translation>Most winning bets</translation>
    </message>
    <message>
        <source>Nyerő kötések a bejövő tippek szerint</source>
        <translation>Winning bets by number of winning tips</translation>
    </message>
    <message>
        <source>%1, a legjobb ismert: %2, bizonyított alsó korlát: %3</source>
        <translation>%1, best known: %2, proven lower bound: %3</translation>
    </message>
    <message>
        <source>nincs közölt érték</source>
        <translation>none published</translation>
    </message>
    <message>
        <source> – egyenlő a legjobb ismerttel</source>
        <translation> – equal to the best known</translation>
    </message>
    <message numerus="yes">
        <source> – %n fogadással több a legjobb ismertnél</source>
        <translation>
            <numerusform> – %n bet more than the best known</numerusform>
            <numerusform> – %n bets more than the best known</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> – %n fogadással kevesebb a legjobb ismertnél</source>
        <translation>
            <numerusform> – %n bet fewer than the best known</numerusform>
            <numerusform> – %n bets fewer than the best known</numerusform>
        </translation>
    </message>
    <message>
        <source>A kulcs nem menthető: a kulcsmappa vagy a könyvtár nem írható.</source>
        <translation>The key cannot be saved: the key folder or the library cannot be written to.</translation>
    </message>
    <message numerus="yes">
        <source>Most: %n fogadás próbája</source>
        <translation>
            <numerusform>Now trying %n bet</numerusform>
            <numerusform>Now trying %n bets</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 s</source>
        <translation>, %1 s</translation>
    </message>
    <message numerus="yes">
        <source>%n fedetlen nyerő tippsor</source>
        <translation>
            <numerusform>%n winning set uncovered</numerusform>
            <numerusform>%n winning sets uncovered</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>A kulcs nem felel meg az esemény számnak, ami %1 !</source>
        <translation>The key does not fit the number of events, which is %1!</translation>
    </message>
    <message>
        <source>Nincs kulcs kiválasztva !</source>
        <translation>No key selected!</translation>
    </message>
    <message numerus="yes">
        <source>%n fogadás – %1-es kötések, %2 esemény: ha legalább %3 tipp bejön, legalább egy kötés nyer</source>
        <translation>
            <numerusform>%n bet – %1-folds, %2 events: if at least %3 tips win, at least one bet wins</numerusform>
            <numerusform>%n bets – %1-folds, %2 events: if at least %3 tips win, at least one bet wins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kombinator</name>
    <message>
        <source>--lang NYELV</source>
        <translation>--lang LANGUAGE</translation>
    </message>
    <message>
        <source>a szövegek nyelve: hu vagy en (az ablakban is megadható)</source>
        <translation>language of the texts: hu or en (can also be set in the window)</translation>
    </message>
    <message>
        <source>ez a súgó</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>a program neve és változata</source>
        <translation>the program&apos;s name and version</translation>
    </message>
    <message>
        <source>Használat: kombinator [KAPCSOLÓ]
A Kombinátor rendszerfogadás-kalkulátor ablaka; kapcsoló nélkül elindítja a programot.
</source>
        <translation>Usage: kombinator [OPTION]
The window of the Kombinátor system bet calculator; without an option it starts the program.
</translation>
    </message>
    <message>
        <source>A Qt szokásos kapcsolói (pl. -platform, -style) is megadhatók.
</source>
        <translation>Qt&apos;s usual options (such as -platform, -style) can be given as well.
</translation>
    </message>
    <message>
        <source>Ismeretlen kapcsoló: %1
</source>
        <translation>Unknown option: %1
</translation>
    </message>
    <message>
        <source>Ismeretlen nyelv: %1 (hu vagy en)
</source>
        <translation>Unknown language: %1 (hu or en)
</translation>
    </message>
</context>
<context>
    <name>kombinator::Form1</name>
    <message>
        <source>Tippek</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Fix tippek</source>
        <translation>Bankers</translation>
    </message>
    <message>
        <source>Nyert</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Félig nyert</source>
        <translation>Half won</translation>
    </message>
    <message>
        <source>Félig vesztett</source>
        <translation>Half lost</translation>
    </message>
    <message>
        <source>Holtverseny…</source>
        <translation>Dead heat…</translation>
    </message>
    <message>
        <source>Törölt (1,00)</source>
        <translation>Void (1.00)</translation>
    </message>
    <message>
        <source>Nincs eredmény</source>
        <translation>No result</translation>
    </message>
    <message>
        <source>Fogadás</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Kulcs</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Klikk</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Fülek</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Ajánlat</source>
        <translation>Offer</translation>
    </message>
    <message>
        <source>Fogadások</source>
        <translation>Bets</translation>
    </message>
    <message>
        <source>Nyer</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Döntetlen</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Nyer vagy döntetlen</source>
        <translation>Win or draw</translation>
    </message>
    <message>
        <source>Nyer jele</source>
        <translation>Win marker</translation>
    </message>
    <message>
        <source>Döntetlen jele</source>
        <translation>Draw marker</translation>
    </message>
    <message>
        <source>Nyer vagy döntetlen jele</source>
        <translation>Win or draw marker</translation>
    </message>
    <message>
        <source>Összegek</source>
        <translation>Amounts</translation>
    </message>
    <message>
        <source>Darabszám</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Kötés</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Az oddsokra történő klikkeléssel megadhatjuk a valós /  feltételezett eredményeket! </source>
        <translation>Click on the odds to enter the actual / assumed results! </translation>
    </message>
    <message>
        <source>Kézikönyv</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>A Kombinátor kézikönyve</source>
        <translation>The Kombinátor user guide</translation>
    </message>
    <message>
        <source>Tájékoztató</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Üdvözöljük a Kombinátorban!
Másolja a szelvényt vagy az ajánlatot a vágólapra, töltse be, majd konvertálja tippekké. Minden tipp három sor: esemény, kimenet, odds.</source>
        <translation>Welcome to Kombinátor!
Copy the coupon or the offer to the clipboard, load it, then convert it into tips. Every tip is three lines: event, outcome, odds.</translation>
    </message>
    <message>
        <source>Rendszert a jobb oldali gombokkal választhat, az eredményt az oddsokra kattintva adja meg.</source>
        <translation>Choose a system with the buttons on the right; enter the results by clicking on the odds.</translation>
    </message>
    <message>
        <source>%1 (Enter vagy Escape: a tájékoztató eltűnik.)</source>
        <translation>%1 (Enter or Escape: the information disappears.)</translation>
    </message>
    <message>
        <source>Tudnivaló</source>
        <translation>Good to know</translation>
    </message>
    <message>
        <source> Klikkelésre eltűnik! </source>
        <translation> Disappears when clicked! </translation>
    </message>
    <message>
        <source>Vágólap betöltése</source>
        <translation>Load clipboard</translation>
    </message>
    <message>
        <source>Fix megadása</source>
        <translation>Set banker</translation>
    </message>
    <message>
        <source>Sor töröl</source>
        <translation>Delete lines</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Konvertálás</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Kulcs behelyettesítés</source>
        <translation>Substitute key</translation>
    </message>
    <message>
        <source>Eredményt megadva </source>
        <translation>Settle results </translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Vissza tölt</source>
        <translation>Load back</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Odds</translation>
    </message>
    <message>
        <source>Kilép</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Fájl név megadás</source>
        <translation>Choose file name</translation>
    </message>
    <message>
        <source>Törli a kulcs és az odds listát</source>
        <translation>Clears the key and odds lists</translation>
    </message>
    <message>
        <source>A fájl nem írható: %1</source>
        <translation>The file cannot be written: %1</translation>
    </message>
    <message>
        <source>%1 márt fut ! </source>
        <translation>%1 is already running! </translation>
    </message>
    <message>
        <source>hazai</source>
        <translation>home</translation>
    </message>
    <message>
        <source>vendég</source>
        <translation>away</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>odds</translation>
    </message>
    <message>
        <source> Ssz.</source>
        <translation> No.</translation>
    </message>
    <message>
        <source>     A tizedes pont nem PONT (.) !<byte value="xd"/>Az oddsok megadása nem fog jól működni !</source>
        <translation>     The decimal separator is not a POINT (.)!<byte value="xd"/>Entering odds will not work properly!</translation>
    </message>
    <message>
        <source>1-es kötések (szimplák)</source>
        <translation>1-fold bets (singles)</translation>
    </message>
    <message>
        <source>Hiba a *Vágólap* megnyitásakor</source>
        <translation>Error opening the *Clipboard*</translation>
    </message>
    <message>
        <source>\kezikonyv.html</source>
        <translation>\guide.html</translation>
    </message>
    <message>
        <source>Az oddsok alakja</source>
        <translation>Odds format</translation>
    </message>
    <message>
        <source>Helyezett</source>
        <translation>Placed</translation>
    </message>
    <message>
        <source>Nem indult</source>
        <translation>Non-runner</translation>
    </message>
    <message>
        <source>Rule 4 levonás…</source>
        <translation>Rule 4 deduction…</translation>
    </message>
    <message>
        <source>Each-way feltételek…</source>
        <translation>Each-way terms…</translation>
    </message>
    <message>
        <source>Each-way minden tippre…</source>
        <translation>Each-way for every tip…</translation>
    </message>
    <message>
        <source>Lucky bónusz…</source>
        <translation>Lucky bonus…</translation>
    </message>
    <message>
        <source>eredeti</source>
        <translation>as read</translation>
    </message>
    <message>
        <source>Egyéb fogadások</source>
        <translation>Other bets</translation>
    </message>
    <message>
        <source>Menü: további fogadások, mindegyik a tippjei és a fogadásai számával</source>
        <translation>Menu: further bets, each with its tips and its bets</translation>
    </message>
</context>
<context>
    <name>kombinator::Form2</name>
    <message>
        <source>Tipplista</source>
        <translation>Tip list</translation>
    </message>
    <message>
        <source>Kész</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tipplista szerkesztése.</source>
        <translation>Edit tip list.</translation>
    </message>
</context>
<context>
    <name>kombinator::gyari</name>
    <message>
        <source> Eddigi beépített kulcsok !</source>
        <translation> Built-in keys so far!</translation>
    </message>
    <message>
        <source>Kulcsok</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Kulcsok események szerint</source>
        <translation>Keys by events</translation>
    </message>
    <message>
        <source>Típus</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Esemény</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Kulcsok száma</source>
        <translation>Number of keys</translation>
    </message>
    <message>
        <source>Töröl</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Hozzáad</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Kiválaszt</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Kilép</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Kulcskészítő…</source>
        <translation>Key maker…</translation>
    </message>
    <message>
        <source>Kulcsleírás</source>
        <translation>Key description</translation>
    </message>
    <message>
        <source>Nincs listasor kiválasztva </source>
        <translation>No line is selected in the list </translation>
    </message>
    <message>
        <source>Biztos, hogy törölni akarja a kiválasztott kulcsleírást ?</source>
        <translation>Are you sure you want to delete the selected key description?</translation>
    </message>
    <message>
        <source>Biztos, hogy új kulcsleírást akar megadni ?</source>
        <translation>Are you sure you want to add a new key description?</translation>
    </message>
</context>
<context>
    <name>kombinator::ui::FindBar</name>
    <message>
        <source>Keresés</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Keresett szöveg</source>
        <translation>Text to find</translation>
    </message>
    <message>
        <source>Előző találat (Shift+F3)</source>
        <translation>Previous match (Shift+F3)</translation>
    </message>
    <message>
        <source>Következő találat (F3)</source>
        <translation>Next match (F3)</translation>
    </message>
    <message>
        <source>Bezárás (Esc)</source>
        <translation>Close (Esc)</translation>
    </message>
    <message>
        <source>A keresés bezárása</source>
        <translation>Close the find bar</translation>
    </message>
    <message>
        <source>Nincs találat</source>
        <translation>Not found</translation>
    </message>
</context>
<context>
    <name>kombinator::ui::KeyMakerDialog</name>
    <message>
        <source>Kulcskészítő</source>
        <translation>Key maker</translation>
    </message>
    <message>
        <source>Tippek egy kötésben (KK):</source>
        <translation>Tips per bet (KK):</translation>
    </message>
    <message>
        <source>Események száma (NN):</source>
        <translation>Number of events (NN):</translation>
    </message>
    <message>
        <source>Garancia: bejövő tippek (MM):</source>
        <translation>Guarantee: winning tips (MM):</translation>
    </message>
    <message>
        <source>Talált kulcs:</source>
        <translation>Key found:</translation>
    </message>
    <message>
        <source>Bizonyított alsó korlát:</source>
        <translation>Proven lower bound:</translation>
    </message>
    <message>
        <source>Keresés</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Tovább javítom</source>
        <translation>Keep improving</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mentés a könyvtárba</source>
        <translation>Save to library</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Keresés…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Leállítás: a legjobb eddigi kulcs ellenőrzése…</source>
        <translation>Stopping: checking the best key so far…</translation>
    </message>
    <message>
        <source>Kimerítő ellenőrzés…</source>
        <translation>Checking exhaustively…</translation>
    </message>
    <message>
        <source>Mentve: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>A legjobb ismert:</source>
        <translation>Best known:</translation>
    </message>
</context>
<context>
    <name>kombinator::ui::MainWindow</name>
    <message>
        <source>Nyereménytábla…</source>
        <translation>Return table…</translation>
    </message>
</context>
<context>
    <name>kombinator::ui::ReturnTableDialog</name>
    <message>
        <source>Nyereménytábla</source>
        <translation>Return table</translation>
    </message>
    <message>
        <source>Másolás</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tét / kötés:</source>
        <translation>Stake / bet:</translation>
    </message>
    <message>
        <source>Tét / kötés</source>
        <translation>Stake per bet</translation>
    </message>
    <message>
        <source>Visszatérés a nyertes tippek száma szerint</source>
        <translation>Return by number of winning tips</translation>
    </message>
    <message>
        <source>Nyertes tippek száma</source>
        <translation>Number of winning tips</translation>
    </message>
    <message>
        <source>Visszatérés</source>
        <translation>Return</translation>
    </message>
</context>
<context>
    <name>numberdialog</name>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>offer</name>
    <message>
        <source>Hibás kijelölés (nem 3 sor fogadásonként)!</source>
        <translation>Invalid selection (not 3 lines per bet)!</translation>
    </message>
    <message>
        <source>Maximum 50 esemény választható ki!</source>
        <translation>At most 50 events can be selected!</translation>
    </message>
    <message>
        <source>A(z) %1. tipp szorzója hiányzik: „%2”</source>
        <translation>Tip %1: the odds are missing: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp szorzója 1.00 alatt van: „%2”</source>
        <translation>Tip %1: the odds are below 1.00: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp: két szorzó egy sorban: „%2”</source>
        <translation>Tip %1: two odds on one line: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp után még egy szorzó áll: „%2”</source>
        <translation>Tip %1 is followed by further odds: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp eseményében nincs két csapat: „%2”</source>
        <translation>Tip %1: the event does not name two teams: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp eseményében nem egyértelmű, hol válik el a két csapat: „%2”</source>
        <translation>Tip %1: it is unclear where the event parts the two teams: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp eseményében csonka a csapat neve: „%2”</source>
        <translation>Tip %1: a team name in the event is cut short: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp mellett törölt tipp is áll: „%2”</source>
        <translation>Tip %1 comes with a removed tip: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp előtt ismeretlen sor áll: „%2”</source>
        <translation>An unknown line comes before tip %1: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp választott szorzója nem egyezik: „%2”</source>
        <translation>Tip %1: the chosen odds do not match: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp kimenete hiányzik: „%2”</source>
        <translation>Tip %1: the outcome is missing: “%2”</translation>
    </message>
    <message>
        <source>A(z) %1. tipp kimenete nem egyértelmű: „%2”</source>
        <translation>Tip %1: the outcome is unclear: “%2”</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>nyert</source>
        <translation>won</translation>
    </message>
    <message>
        <source>törölt</source>
        <translation>void</translation>
    </message>
    <message>
        <source>félig nyert</source>
        <translation>half won</translation>
    </message>
    <message>
        <source>félig vesztett</source>
        <translation>half lost</translation>
    </message>
    <message>
        <source>holtverseny (%1)</source>
        <extracomment>A dead heat&apos;s result; %1 is the number tied.</extracomment>
        <translation>dead heat (%1)</translation>
    </message>
    <message>
        <source>Hányan végeztek holtversenyben?</source>
        <translation>How many finished in the dead heat?</translation>
    </message>
    <message>
        <source>Holtverseny</source>
        <translation>Dead heat</translation>
    </message>
    <message>
        <source>hazai nyer</source>
        <translation>home win</translation>
    </message>
    <message>
        <source>vendég nyer</source>
        <translation>away win</translation>
    </message>
    <message>
        <source>döntetlen</source>
        <translation>draw</translation>
    </message>
    <message>
        <source>hazai nyer vagy döntetlen</source>
        <translation>home win or draw</translation>
    </message>
    <message>
        <source>vendég nyer vagy döntetlen</source>
        <translation>away win or draw</translation>
    </message>
    <message>
        <source>Nyertes tippek</source>
        <translation>Won tips</translation>
    </message>
    <message>
        <source>Min. visszatérés</source>
        <translation>Min. return</translation>
    </message>
    <message>
        <source>Max. visszatérés</source>
        <translation>Max. return</translation>
    </message>
    <message>
        <source>Min. nyertes fogadás</source>
        <translation>Min. winning bets</translation>
    </message>
    <message>
        <source>Max. nyertes fogadás</source>
        <translation>Max. winning bets</translation>
    </message>
    <message>
        <source>Min. nyereség</source>
        <translation>Min. profit</translation>
    </message>
    <message>
        <source>Max. nyereség</source>
        <translation>Max. profit</translation>
    </message>
    <message>
        <source>A nyereménytábla legfeljebb 20 tippre számítható.</source>
        <translation>The return table can be worked out for at most 20 tips.</translation>
    </message>
    <message>
        <source>%1 nyertes tipptől</source>
        <translation>from %1 won tips</translation>
    </message>
    <message>
        <source>Van megtérülő kimenet:</source>
        <translation>Some outcome pays back:</translation>
    </message>
    <message>
        <source>Minden kimenet megtérül:</source>
        <translation>Every outcome pays back:</translation>
    </message>
    <message>
        <source>Tét / kötés:</source>
        <translation>Stake / bet:</translation>
    </message>
    <message>
        <source>Össztét:</source>
        <translation>Total stake:</translation>
    </message>
    <message>
        <source>Össztét: %1 (%2 fogadás × %3)</source>
        <translation>Total stake: %1 (%2 bets × %3)</translation>
    </message>
    <message>
        <source>Győztes: %1 + helyezés: %2</source>
        <extracomment>The two parts of an each-way bet&apos;s return: its win line and its place line.</extracomment>
        <translation>Win: %1 + place: %2</translation>
    </message>
    <message>
        <source>helyezett</source>
        <translation>placed</translation>
    </message>
    <message>
        <source>nem indult</source>
        <translation>non-runner</translation>
    </message>
    <message>
        <source>holtverseny (%1) a %2. helyért</source>
        <extracomment>A dead heat for a lower place; %1 is the number tied, %2 the place.</extracomment>
        <translation>dead heat (%1) for place %2</translation>
    </message>
    <message>
        <source>Rule 4: %1p</source>
        <extracomment>A Rule 4 deduction on a tip&apos;s price; %1 is the pence in the pound.</extracomment>
        <translation>Rule 4: %1p</translation>
    </message>
    <message>
        <source>Hányadik helyért?</source>
        <translation>For which place?</translation>
    </message>
    <message>
        <source>Rule 4 levonás fontonként, pennyben (5-90):</source>
        <translation>Rule 4 deduction, pence in the pound (5-90):</translation>
    </message>
    <message>
        <source>Rule 4 levonás</source>
        <translation>Rule 4 deduction</translation>
    </message>
    <message>
        <source>Each-way feltételek</source>
        <translation>Each-way terms</translation>
    </message>
    <message>
        <source>A helyezés az odds hányadát fizeti? (1/N, N 1-10)</source>
        <translation>What fraction of the odds does a place pay? (1/N, N 1-10)</translation>
    </message>
    <message>
        <source>Hány helyezés fizet? (0: csak győztesre)</source>
        <translation>How many places are paid? (0: to win only)</translation>
    </message>
    <message>
        <source>Tét: %1 fogadás × 2 sor = %2 egység</source>
        <extracomment>The stake of an each-way bet list: every bet a win line and a place line of one unit.</extracomment>
        <translation>Stake: %1 bets × 2 lines = %2 units</translation>
    </message>
    <message>
        <source>A helyezéses nyereménytábla legfeljebb 12 tippre számítható.</source>
        <translation>The each-way return table can be worked out for at most 12 tips.</translation>
    </message>
    <message>
        <source>Helyezett tippek</source>
        <translation>Placed tips</translation>
    </message>
    <message>
        <source>Lucky bónusz</source>
        <translation>Lucky bonus</translation>
    </message>
    <message>
        <source>Egyetlen nyertes szólója hányszoros nyereményt fizet? (1: nincs bónusz)</source>
        <translation>How many times its winnings does a sole winner&apos;s single pay? (1: no bonus)</translation>
    </message>
    <message>
        <source>Hány % bónusz jár, ha minden tipp nyer? (0: nincs)</source>
        <translation>What bonus in % when every tip wins? (0: none)</translation>
    </message>
    <message>
        <source>A(z) %1. tipp szorzója még nincs megadva (SP): %2</source>
        <translation>Tip %1 has no price yet (SP): %2</translation>
    </message>
    <message>
        <source>A(z) F%1 fix tipp szorzója még nincs megadva (SP): %2</source>
        <translation>Banker F%1 has no price yet (SP): %2</translation>
    </message>
</context>
<context>
    <name>returntable</name>
    <message>
        <source>Legkisebb visszatérés</source>
        <translation>Lowest return</translation>
    </message>
    <message>
        <source>Legnagyobb visszatérés</source>
        <translation>Highest return</translation>
    </message>
    <message>
        <source>Tét</source>
        <translation>Stake</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Minden(*.*)|*.*|Text(*.txt)|*.txt</source>
        <extracomment>The file dialog&apos;s filters: a name and its pattern in brackets, then the pattern again, each part parted from the next by |. Only the names are words.</extracomment>
        <translation>All(*.*)|*.*|Text(*.txt)|*.txt</translation>
    </message>
</context>
</TS>
