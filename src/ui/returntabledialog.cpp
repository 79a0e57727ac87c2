#include "ui/returntabledialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <functional>

namespace kombinator::ui {

namespace {

// A pay-back line of the formatted table ("Van megtérülő kimenet:\t2 nyertes tipptől") as one
// line of text.
QString shownLine(const QString& line) {
    QString text = line;
    text.replace(u'\t', u' ');
    return text;
}

// The chart's lines, as its legend names them; translated when the chart is made, since these
// are set up before any catalogue is installed.
constexpr const char* kMinReturnLine = QT_TRANSLATE_NOOP("returntable", "Legkisebb visszatérés");
constexpr const char* kMaxReturnLine = QT_TRANSLATE_NOOP("returntable", "Legnagyobb visszatérés");
constexpr const char* kStakeLine = QT_TRANSLATE_NOOP("returntable", "Tét");

QString lineName(const char* line) {
    return QCoreApplication::translate("returntable", line);
}

// Lets into the stake field only what the return table's stake rule can still take; what may
// still become a stake ("", "0", "2,") is unfinished. Left unfinished, the field shows the stake
// of the table again.
class StakeValidator : public QValidator {
public:
    StakeValidator(std::function<qint64()> shownStake, QObject* parent)
        : QValidator(parent), shownStake_(std::move(shownStake)) {}
    State validate(QString& input, int&) const override {
        if (!results::stakeTypable(input)) return Invalid;
        return results::parseStake(input) ? Acceptable : Intermediate;
    }
    void fixup(QString& input) const override { input = results::formatStake(shownStake_()); }

private:
    std::function<qint64()> shownStake_;
};

}  // namespace

ReturnTableDialog::ReturnTableDialog(QWidget* parent)
    : QDialog(parent),
      table_(new QTableWidget(this)),
      somePaysBack_(new QLabel(this)),
      everyPaysBack_(new QLabel(this)),
      stake_(new QLineEdit(this)),
      totalStake_(new QLabel(this)) {
    setObjectName(QStringLiteral("ReturnTable"));
    setWindowTitle(tr("Nyereménytábla"));
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    table_->setObjectName(QStringLiteral("table"));
    table_->setAccessibleName(tr("Nyereménytábla"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    // Rows as high as a line of text, so that a table of ten or more tips shows at a glance.
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Every heading whole: the columns take their headings' widths, and the window is as wide as
    // the table then needs.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setWordWrap(false);

    somePaysBack_->setObjectName(QStringLiteral("somePaysBack"));
    everyPaysBack_->setObjectName(QStringLiteral("everyPaysBack"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(tr("Másolás"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    copy->setAutoDefault(false);
    QPushButton* close = buttons->addButton(tr("Bezár"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &ReturnTableDialog::copyTable);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The stake per bet; the table follows every valid stake as it is typed.
    auto* stakeLabel = new QLabel(tr("Tét / kötés:"), this);
    stake_->setObjectName(QStringLiteral("stake"));
    stake_->setAccessibleName(tr("Tét / kötés"));
    stake_->setValidator(new StakeValidator([this] { return stakePerBet_; }, stake_));
    stake_->setAlignment(Qt::AlignRight);
    stake_->setMaximumWidth(stake_->fontMetrics().horizontalAdvance(QStringLiteral("99999999.99")) + 16);
    stake_->setText(results::formatStake(stakePerBet_));
    stakeLabel->setBuddy(stake_);
    totalStake_->setObjectName(QStringLiteral("totalStake"));
    connect(stake_, &QLineEdit::textEdited, this, &ReturnTableDialog::stakeEdited);
    // A stake left unfinished ("", "0") goes back to the one the table shows.
    connect(stake_, &QLineEdit::editingFinished, this,
            [this] { stake_->setText(results::formatStake(stakePerBet_)); });
    auto* stakeRow = new QHBoxLayout;
    stakeRow->addWidget(stakeLabel);
    stakeRow->addWidget(stake_);
    stakeRow->addSpacing(16);
    stakeRow->addWidget(totalStake_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stakeRow);
    layout->addWidget(table_, 3);
    layout->addWidget(somePaysBack_);
    layout->addWidget(everyPaysBack_);
    chart_ = new ReturnChart(tr("Nyertes tippek száma"), tr("Visszatérés"), this);
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setAccessibleName(tr("Visszatérés a nyertes tippek száma szerint"));
    layout->addWidget(chart_, 4);
    resize(760, 720);
    layout->addWidget(buttons);
}

void ReturnTableDialog::showBets(const results::ReturnBets& bets) {
    bets_ = bets;
    eachWay_.reset();
    showTable(results::computeReturnTable(bets_.tips, bets_.bets, stakePerBet_));
}

void ReturnTableDialog::showEachWayBets(const results::EachWayBets& bets) {
    eachWay_ = bets;
    showEachWayTable(results::computeEachWayTable(bets.tips, bets.bets, stakePerBet_));
}

void ReturnTableDialog::stakeEdited(const QString& text) {
    const std::optional<qint64> stake = results::parseStake(text);
    if (!stake || *stake == stakePerBet_) return;
    stakePerBet_ = *stake;
    if (eachWay_)
        return showEachWayTable(results::computeEachWayTable(eachWay_->tips, eachWay_->bets, stakePerBet_));
    showTable(results::computeReturnTable(bets_.tips, bets_.bets, stakePerBet_));
}

void ReturnTableDialog::fillTable(const QStringList& header, int rows,
                                  const std::function<QStringList(int)>& cellsOfRow) {
    table_->clear();
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = cellsOfRow(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);  // owned by the table
        }
    }
    table_->setCurrentCell(-1, -1);
}

void ReturnTableDialog::showEachWayTable(const results::EachWayTable& table) {
    // The formatted table's own texts: its header, a line per row, then the two stake lines.
    lines_ = results::formatEachWayTable(table);
    const int rows = static_cast<int>(table.rows.size());
    fillTable(lines_.value(0).split(u'\t'), rows, [this](int r) { return lines_.value(r + 1).split(u'\t'); });
    somePaysBack_->setText(shownLine(lines_.value(rows + 1)));
    everyPaysBack_->setText(shownLine(lines_.value(rows + 2)));
    totalStake_->setText(results::eachWayStakeText(table.bets));
    chart_->setVisible(false);
}

void ReturnTableDialog::showTable(const results::ReturnTable& table) {
    // The texts are the formatted table's, so the window, the copy and the command line agree.
    lines_ = results::formatReturnTable(table);
    fillTable(results::returnTableTitles(), static_cast<int>(table.rows.size()),
              [&table](int r) { return results::returnRowCells(table.rows[static_cast<size_t>(r)]); });
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumWidth(table_->horizontalHeader()->length() +
                            table_->verticalScrollBar()->sizeHint().width() + frame);
    const QStringList paysBack = results::paysBackLines(table);
    somePaysBack_->setText(shownLine(paysBack.value(0)));
    everyPaysBack_->setText(shownLine(paysBack.value(1)));
    totalStake_->setText(results::totalStakeText(table));
    chart_->setVisible(true);
    showChart(table);
}

void ReturnTableDialog::showChart(const results::ReturnTable& table) {
    QList<QPointF> lows;
    QList<QPointF> highs;
    const double stake = table.totalStake();
    for (const results::ReturnRow& row : table.rows) {
        lows.append(QPointF(row.won, row.minReturn));
        highs.append(QPointF(row.won, row.maxReturn));
    }
    const int tips = std::max(table.tips, 1);
    chart_->setLines(
        {{lineName(kMinReturnLine), lows, QColor(0xc0, 0x39, 0x2b)},
         {lineName(kMaxReturnLine), highs, QColor(0x1f, 0x6f, 0xb4)},
         {lineName(kStakeLine), {QPointF(0, stake), QPointF(tips, stake)}, QColor(0x70, 0x70, 0x70), true}},
        tips);
}

QString ReturnTableDialog::tableText() const {
    return lines_.isEmpty() ? QString() : lines_.join(u'\n') + u'\n';
}

const std::vector<ReturnTableDialog::ChartLine>& ReturnTableDialog::chartLines() const {
    return chart_->lines();
}

void ReturnTableDialog::copyTable() {
    QApplication::clipboard()->setText(tableText());
}

}  // namespace kombinator::ui
