// The command line of kombinator-cli and the run of the window's commands it asks for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "app/form1.h"
#include "calc/odds.h"

namespace kombinator::cli {

class CliPlatform;

// A settled result given on the command line for a tip or a banker: the entry of the odds cell's
// menu that gives it, and a dead heat's number tied.
struct ResultMark {
    int row = 0;
    bool banker = false;  // "F2": the second banker
    int choice = 0;       // a Form1::ResultChoice
    int tied = 0;
    int position = 1;  // the place a dead heat was for
    int pence = 0;     // a Rule 4 deduction
};

// Each-way terms given on the command line: for every tip and banker, or for one.
struct EachWayTerms {
    bool all = false;
    int row = 0;
    bool banker = false;
    PlaceTerms terms;
};

struct Options {
    std::vector<int> banks;  // tip rows fixed as bankers, in the order given
    QString system;          // a calculator's caption ("2", "Lucky 15"), empty for none
    QString keyFile;         // a key file to substitute, empty for none
    bool odds = false;
    std::vector<int> won;  // tip rows marked as won
    bool hasWon = false;
    // --void, --half-won, --half-lost, --dead-heat, --placed and --rule4, in order
    std::vector<ResultMark> marks;
    std::vector<EachWayTerms> eachWay;            // --each-way
    std::optional<Form1::LuckyBonus> luckyBonus;  // --lucky-bonus
    // Whether the bet list is settled against the results given.
    bool settles() const { return hasWon || !marks.empty(); }
    // --odds-format F: the tips are listed before the bets, their odds in that form.
    std::optional<calc::OddsFormat> oddsFormat;
    bool table = false;
    qint64 stake = 100;  // the table's stake per bet, in hundredths
    QString coupon;      // a file, or "-" for standard input
    // --html: the coupon is a page's HTML (a saved page, a clipboard's HTML flavour), read as the
    // window reads a copy's HTML. Without it a coupon that begins with a tag is taken for one too.
    bool html = false;

    // --make-key KK_NN_MM [--seconds N] [--out FILE]: a key made to order instead of a coupon's
    // bets, searched for at most N seconds of processor time.
    QString makeKey;     // empty for none
    QString keyOut;      // empty for standard output
    int keySeconds = 0;  // 0: the key maker's own budget
    // --key-profile FILE: what the key pays, instead of a coupon's bets.
    QString keyProfile;  // empty for none
};

// The longest search --seconds asks for: a day.
constexpr int kMaxKeySeconds = 86400;

struct ParseResult {
    std::optional<Options> options;
    QString error;
    bool help = false;     // --help or -h: print the usage
    bool version = false;  // --version: print the name and version
};

ParseResult parseArguments(const QStringList& arguments);
// The synopsis, then one line per option of the option table.
QString usage();
// "kombinator-cli 1.0.0"
QString versionText();

// The calculator button a --system value names: 0 for "1", 1 to 12 for "2" to "13", 13 to 22
// for "Trixie 4" to "Goliath 247", then the named bets from 23 on ("SSA" to "Alphabet"); nullopt
// when it names none.
std::optional<int> calculatorIndex(const QString& system);

// The refusal of a --system whose calculator button the window keeps disabled for the tips in
// hand; empty when the window would let it be pressed.
QString systemRefusal(Form1& form, const QString& system);

// Writes `line` and a line feed to standard error, where every refusal of the command line goes.
void writeError(const QString& line);

// The bytes of an input file, or of standard input; nullopt when it was not read, after telling
// why on standard error: too large, no file, or else the message `unreadable`.
std::optional<QByteArray> readInput(const QString& name, bool standardInput, const QString& unreadable);
// "A kulcsfájl nem olvasható: <name>": a key file given on the command line that was not read.
QString unreadableKeyFile(const QString& name);

// Runs the commands on the window's models; 0, or 1 when the program refused something.
int run(Form1& form, CliPlatform& platform, const Options& options);

}  // namespace kombinator::cli
