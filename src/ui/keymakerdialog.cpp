#include "ui/keymakerdialog.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/form1.h"
#include "keys/keyverdict.h"
#include "ui/keyprofileview.h"

namespace kombinator::ui {

using keys::betCountText;

KeyMakerDialog::KeyMakerDialog(Form1& form, QWidget* parent) : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("Kulcskeszito"));
    setWindowTitle(tr("Kulcskészítő"));
    // The key dialog it is opened from stays on top; this window must not hide behind it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    tipsPerBet_ = new QSpinBox(this);
    tipsPerBet_->setObjectName(QStringLiteral("tipsPerBet"));
    tipsPerBet_->setRange(keys::kMinTipsPerBet, keys::kMaxTipsPerBet);
    tipsPerBet_->setValue(4);
    events_ = new QSpinBox(this);
    events_->setObjectName(QStringLiteral("events"));
    events_->setValue(18);
    guarantee_ = new QSpinBox(this);
    guarantee_->setObjectName(QStringLiteral("guarantee"));
    guarantee_->setValue(8);

    auto* inputs = new QFormLayout;
    inputs->addRow(tr("Tippek egy kötésben (KK):"), tipsPerBet_);
    inputs->addRow(tr("Események száma (NN):"), events_);
    inputs->addRow(tr("Garancia: bejövő tippek (MM):"), guarantee_);

    promise_ = new QLabel(this);
    promise_->setObjectName(QStringLiteral("promise"));
    promise_->setWordWrap(true);
    bound_ = new QLabel(this);
    bound_->setObjectName(QStringLiteral("bound"));
    found_ = new QLabel(this);
    found_->setObjectName(QStringLiteral("found"));
    best_ = new QLabel(this);
    best_->setObjectName(QStringLiteral("best"));
    standing_ = new QLabel(this);
    standing_->setObjectName(QStringLiteral("standing"));
    standing_->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(tr("Talált kulcs:"), this), 0, 0);
    sizes->addWidget(found_, 0, 1);
    sizes->addWidget(new QLabel(tr("A legjobb ismert:"), this), 1, 0);
    sizes->addWidget(best_, 1, 1);
    sizes->addWidget(new QLabel(tr("Bizonyított alsó korlát:"), this), 2, 0);
    sizes->addWidget(bound_, 2, 1);
    sizes->setColumnStretch(1, 1);

    profile_ = newKeyProfileTable(this);

    search_ = new QPushButton(tr("Keresés"), this);
    search_->setObjectName(QStringLiteral("search"));
    search_->setDefault(true);
    improve_ = new QPushButton(tr("Tovább javítom"), this);
    improve_->setObjectName(QStringLiteral("improve"));
    cancel_ = new QPushButton(tr("Mégse"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    save_ = new QPushButton(tr("Mentés a könyvtárba"), this);
    save_->setObjectName(QStringLiteral("save"));
    close_ = new QPushButton(tr("Bezárás"), this);
    close_->setObjectName(QStringLiteral("close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_);
    buttons->addWidget(improve_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(promise_);
    layout->addLayout(sizes);
    layout->addWidget(standing_);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(profile_, 1);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    for (QSpinBox* box : {tipsPerBet_, events_, guarantee_})
        connect(box, &QSpinBox::valueChanged, this, [this] {
            limitInputs();
            showShape();
        });
    connect(search_, &QPushButton::clicked, this, &KeyMakerDialog::startSearch);
    connect(improve_, &QPushButton::clicked, this, &KeyMakerDialog::improveFurther);
    connect(&profileJob_, &keys::KeyProfileJob::finished, this, &KeyMakerDialog::showProfile);
    connect(cancel_, &QPushButton::clicked, this, &KeyMakerDialog::stopSearch);
    connect(save_, &QPushButton::clicked, this, &KeyMakerDialog::saveKey);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    limitInputs();
    showShape();
    setSearching(false);
}

KeyMakerDialog::~KeyMakerDialog() = default;

keys::KeyShape KeyMakerDialog::shape() const {
    return {tipsPerBet_->value(), events_->value(), guarantee_->value()};
}

void KeyMakerDialog::setShape(keys::KeyShape shape) {
    tipsPerBet_->setValue(shape.k);
    limitInputs();
    events_->setValue(shape.n);
    limitInputs();
    guarantee_->setValue(shape.m);
}

void KeyMakerDialog::limitInputs() {
    // KK <= MM < NN; doubles go up to 50 events, bigger bets to 24.
    const int k = tipsPerBet_->value();
    events_->setRange(k + 1, k == 2 ? keys::kMaxEventsForDoubles : keys::kMaxEvents);
    guarantee_->setRange(k, events_->value() - 1);
}

void KeyMakerDialog::showShape() {
    const keys::KeyShape s = shape();
    promise_->setText(keys::keyPromise(s));
    bound_->setText(betCountText(keys::lowerBound(s)));
    best_->setText(keys::bestKnownText(s));
    if (!isSearching()) {
        found_->setText(QStringLiteral("–"));
        standing_->clear();
        progress_->setValue(0);
        status_->clear();
        key_.clear();
        showKeyProfile(*profile_, {});
        setSearching(false);
    }
}

void KeyMakerDialog::startSearch() {
    if (isSearching()) return;
    keyShape_ = shape();
    key_.clear();
    rounds_ = 0;
    showKeyProfile(*profile_, {});
    runJob(keys::kInteractiveEffort, {});
}

void KeyMakerDialog::improveFurther() {
    if (isSearching() || key_.empty()) return;
    keys::SearchEffort effort = keys::kEndlessEffort;
    effort.seed += static_cast<std::uint64_t>(++rounds_);
    runJob(effort, {key_});
    // No budget to measure against: the bar shows that the search runs until a smaller size is
    // tried, then the winner sets that size still leaves uncovered.
    progress_->setRange(0, 0);
    found_->setText(betCountText(static_cast<std::int64_t>(key_.size())));
}

void KeyMakerDialog::runJob(keys::SearchEffort effort, std::vector<std::vector<keys::Bet>> starts) {
    const QString folder = form_.programFile(QStringLiteral("\\tkulcs")).value_or(QString());
    job_ = std::make_unique<keys::KeySearchJob>(keyShape_, effort, folder, std::move(starts));
    connect(job_.get(), &keys::KeySearchJob::progress, this, &KeyMakerDialog::showProgress);
    improving_ = effort.cpuSeconds <= 0;
    connect(job_.get(), &keys::KeySearchJob::checking, this, &KeyMakerDialog::showChecking);
    connect(job_.get(), &keys::KeySearchJob::finished, this, &KeyMakerDialog::takeResult);
    found_->setText(QStringLiteral("–"));
    standing_->clear();
    progress_->setValue(0);
    status_->setText(tr("Keresés…"));
    setSearching(true);
    job_->start();
}

void KeyMakerDialog::stopSearch() {
    if (!isSearching()) return;
    status_->setText(tr("Leállítás: a legjobb eddigi kulcs ellenőrzése…"));
    job_->cancel();
}

void KeyMakerDialog::showProgress(qulonglong bestSize, int percent, double seconds, qulonglong trying,
                                  qlonglong uncovered, qlonglong uncoveredAtStart) {
    found_->setText(betCountText(static_cast<std::int64_t>(bestSize)));
    if (trying > 0) status_->setText(keys::improvingText(trying, seconds));
    if (!improving_) {
        progress_->setValue(percent);
    } else if (trying > 0 && uncoveredAtStart > 0) {
        // The bar fills as the sets the smaller size leaves uncovered get covered.
        progress_->setRange(0, static_cast<int>(uncoveredAtStart));
        progress_->setValue(static_cast<int>(std::max<qlonglong>(0, uncoveredAtStart - uncovered)));
        progress_->setFormat(keys::uncoveredText(uncovered));
    }
}

void KeyMakerDialog::showChecking() {
    status_->setText(tr("Kimerítő ellenőrzés…"));
}

void KeyMakerDialog::takeResult() {
    setSearching(false);
    if (!job_) return;
    progress_->setValue(100);
    const keys::KeyShape s = job_->shape();
    const bool proven = job_->proven();
    if (keys::replacesOfferedKey(proven, key_.size(), job_->bets().size())) {
        key_ = job_->bets();
        saved_ = false;
        profileJob_.request(s.n, key_);
    }
    if (!key_.empty()) {
        found_->setText(betCountText(static_cast<std::int64_t>(key_.size())));
        standing_->setText(keys::keyStanding(s, key_.size()));
    }
    status_->setText(keys::keyVerdict(s, key_.size(), proven, job_->wasCancelled()));
    setSearching(false);
    emit searchFinished();
}

void KeyMakerDialog::saveKey() {
    if (key_.empty() || isSearching()) return;
    const std::optional<QString> line = keys::saveKeyToLibrary(form_, keyShape_, key_);
    if (!line) {
        status_->setText(keys::saveFailedText());
        return;
    }
    status_->setText(tr("Mentve: %1").arg(*line));
    saved_ = true;
    setSearching(false);
}

void KeyMakerDialog::showProfile(const std::vector<keys::ProfileRow>& rows) {
    showKeyProfile(*profile_, rows);
}

void KeyMakerDialog::setSearching(bool searching) {
    if (!searching) {
        progress_->setRange(0, 100);
        progress_->resetFormat();
    }
    search_->setEnabled(!searching);
    improve_->setEnabled(keys::mayImproveKey(keyShape_, searching, key_.size()));
    cancel_->setEnabled(searching);
    for (QSpinBox* box : {tipsPerBet_, events_, guarantee_})
        box->setEnabled(!searching);
    save_->setEnabled(keys::maySaveKey(!key_.empty(), searching, saved_, key_.size()));
}

void KeyMakerDialog::closeEvent(QCloseEvent* event) {
    // Closing stops the search; its thread is waited for when the job goes.
    if (job_) job_->cancel();
    job_.reset();
    setSearching(false);
    QDialog::closeEvent(event);
}

bool KeyMakerDialog::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void KeyMakerDialog::reject() {
    // Escape stops a running search first, as "Mégse" does; otherwise it closes the window.
    if (isSearching()) return stopSearch();
    QDialog::reject();
}

}  // namespace kombinator::ui
