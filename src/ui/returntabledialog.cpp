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

#ifdef KOMBINATOR_CHARTS
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#endif

#include <algorithm>

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

#ifdef KOMBINATOR_CHARTS
QLineSeries* addLine(QChart* chart, const QString& name, const QColor& colour, Qt::PenStyle style) {
    auto* series = new QLineSeries(chart);
    series->setName(name);
    QPen pen(colour);
    pen.setWidthF(2.0);
    pen.setStyle(style);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}
#endif

// Lets into the stake field only what the return table's stake rule can still take.
class StakeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return results::stakeTypable(input) ? Acceptable : Invalid;
    }
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
    stake_->setValidator(new StakeValidator(stake_));
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
#ifdef KOMBINATOR_CHARTS
    layout->addWidget(makeChart(), 4);
    resize(760, 720);
#else
    resize(760, 460);
#endif
    layout->addWidget(buttons);
}

#ifdef KOMBINATOR_CHARTS
QWidget* ReturnTableDialog::makeChart() {
    chartView_ = new QChartView(this);
    chartView_->setObjectName(QStringLiteral("chart"));
    chartView_->setAccessibleName(tr("Visszatérés a nyertes tippek száma szerint"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(260);
    QChart* chart = chartView_->chart();  // owned by the view
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    minReturn_ = addLine(chart, lineName(kMinReturnLine), QColor(0xc0, 0x39, 0x2b), Qt::SolidLine);
    maxReturn_ = addLine(chart, lineName(kMaxReturnLine), QColor(0x1f, 0x6f, 0xb4), Qt::SolidLine);
    stakeLine_ = addLine(chart, lineName(kStakeLine), QColor(0x70, 0x70, 0x70), Qt::DashLine);
    minReturn_->setPointsVisible(true);
    maxReturn_->setPointsVisible(true);

    wonAxis_ = new QValueAxis(chart);
    wonAxis_->setTitleText(tr("Nyertes tippek száma"));
    wonAxis_->setLabelFormat(QStringLiteral("%d"));
    wonAxis_->setTickType(QValueAxis::TicksDynamic);
    wonAxis_->setTickAnchor(0);
    wonAxis_->setMinorTickCount(0);
    returnAxis_ = new QValueAxis(chart);
    returnAxis_->setTitleText(tr("Visszatérés"));
    chart->addAxis(wonAxis_, Qt::AlignBottom);
    chart->addAxis(returnAxis_, Qt::AlignLeft);
    for (QLineSeries* series : {minReturn_, maxReturn_, stakeLine_}) {
        series->attachAxis(wonAxis_);
        series->attachAxis(returnAxis_);
    }

    return chartView_;
}
#endif

void ReturnTableDialog::showBets(const results::ReturnBets& bets) {
    bets_ = bets;
    showTable(results::computeReturnTable(bets_.tips, bets_.bets, stakePerBet_));
}

void ReturnTableDialog::stakeEdited(const QString& text) {
    const std::optional<qint64> stake = results::parseStake(text);
    if (!stake || *stake == stakePerBet_) return;
    stakePerBet_ = *stake;
    showTable(results::computeReturnTable(bets_.tips, bets_.bets, stakePerBet_));
}

void ReturnTableDialog::showTable(const results::ReturnTable& table) {
    // The texts are the formatted table's, so the window, the copy and the command line agree.
    lines_ = results::formatReturnTable(table);
    const QStringList header = lines_.value(0).split(u'\t');
    const int rows = static_cast<int>(table.rows.size());
    table_->clear();
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = lines_.value(r + 1).split(u'\t');
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);  // owned by the table
        }
    }
    table_->setCurrentCell(-1, -1);
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumWidth(table_->horizontalHeader()->length() +
                            table_->verticalScrollBar()->sizeHint().width() + frame);
    somePaysBack_->setText(shownLine(lines_.value(rows + 1)));
    everyPaysBack_->setText(shownLine(lines_.value(rows + 2)));
    totalStake_->setText(results::totalStakeText(table));
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
    chartLines_ = {{lineName(kMinReturnLine), lows},
                   {lineName(kMaxReturnLine), highs},
                   {lineName(kStakeLine), QList<QPointF>{QPointF(0, stake), QPointF(tips, stake)}}};
#ifdef KOMBINATOR_CHARTS
    minReturn_->replace(chartLines_[0].points);
    maxReturn_->replace(chartLines_[1].points);
    stakeLine_->replace(chartLines_[2].points);
    double top = stake;
    for (const results::ReturnRow& row : table.rows)
        top = std::max(top, row.maxReturn);

    wonAxis_->setRange(0, tips);
    // A tick for every number of won tips while they fit; every second one beyond.
    wonAxis_->setTickInterval(tips <= 12 ? 1 : 2);
    returnAxis_->setRange(0, top > 0 ? top * 1.05 : 1.0);
    returnAxis_->applyNiceNumbers();
    returnAxis_->setLabelFormat(returnAxis_->max() >= 20 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
#endif
}

QString ReturnTableDialog::tableText() const {
    return lines_.isEmpty() ? QString() : lines_.join(u'\n') + u'\n';
}

std::vector<ReturnTableDialog::ChartLine> ReturnTableDialog::chartLines() const {
    return chartLines_;
}

void ReturnTableDialog::copyTable() {
    QApplication::clipboard()->setText(tableText());
}

}  // namespace kombinator::ui
