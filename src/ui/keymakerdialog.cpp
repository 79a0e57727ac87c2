#include "ui/keymakerdialog.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/form1.h"

namespace kombinator::ui {

namespace {

QString betCount(std::int64_t count) {
    return QStringLiteral("%1 fogadás").arg(count);
}

}  // namespace

KeyMakerDialog::KeyMakerDialog(Form1& form, QWidget* parent) : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("Kulcskeszito"));
    setWindowTitle(QStringLiteral("Kulcskészítő"));
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
    inputs->addRow(QStringLiteral("Tippek egy kötésben (KK):"), tipsPerBet_);
    inputs->addRow(QStringLiteral("Események száma (NN):"), events_);
    inputs->addRow(QStringLiteral("Garancia: bejövő tippek (MM):"), guarantee_);

    promise_ = new QLabel(this);
    promise_->setObjectName(QStringLiteral("promise"));
    promise_->setWordWrap(true);
    bound_ = new QLabel(this);
    bound_->setObjectName(QStringLiteral("bound"));
    found_ = new QLabel(this);
    found_->setObjectName(QStringLiteral("found"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(QStringLiteral("Talált kulcs:"), this), 0, 0);
    sizes->addWidget(found_, 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("Bizonyított alsó korlát:"), this), 1, 0);
    sizes->addWidget(bound_, 1, 1);
    sizes->setColumnStretch(1, 1);

    search_ = new QPushButton(QStringLiteral("Keresés"), this);
    search_->setObjectName(QStringLiteral("search"));
    search_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Mégse"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    save_ = new QPushButton(QStringLiteral("Mentés a könyvtárba"), this);
    save_->setObjectName(QStringLiteral("save"));
    close_ = new QPushButton(QStringLiteral("Bezárás"), this);
    close_->setObjectName(QStringLiteral("close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(promise_);
    layout->addLayout(sizes);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    for (QSpinBox* box : {tipsPerBet_, events_, guarantee_})
        connect(box, &QSpinBox::valueChanged, this, [this] {
            limitInputs();
            showShape();
        });
    connect(search_, &QPushButton::clicked, this, &KeyMakerDialog::startSearch);
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
    promise_->setText(QStringLiteral("Ha a %1 esemény közül legalább %2 tipp bejön, legalább egy %3 tippes "
                                     "kötés nyer.")
                          .arg(s.n)
                          .arg(s.m)
                          .arg(s.k));
    bound_->setText(betCount(keys::lowerBound(s)));
    if (!isSearching()) {
        found_->setText(QStringLiteral("–"));
        progress_->setValue(0);
        status_->clear();
        key_.clear();
        save_->setEnabled(false);
    }
}

void KeyMakerDialog::startSearch() {
    if (isSearching()) return;
    keyShape_ = shape();
    key_.clear();
    job_ = std::make_unique<keys::KeySearchJob>(keyShape_);
    connect(job_.get(), &keys::KeySearchJob::progress, this, &KeyMakerDialog::showProgress);
    connect(job_.get(), &keys::KeySearchJob::checking, this, &KeyMakerDialog::showChecking);
    connect(job_.get(), &keys::KeySearchJob::finished, this, &KeyMakerDialog::takeResult);
    found_->setText(QStringLiteral("–"));
    progress_->setValue(0);
    status_->setText(QStringLiteral("Keresés…"));
    setSearching(true);
    job_->start();
}

void KeyMakerDialog::stopSearch() {
    if (!isSearching()) return;
    status_->setText(QStringLiteral("Leállítás: a legjobb eddigi kulcs ellenőrzése…"));
    job_->cancel();
}

void KeyMakerDialog::showProgress(qulonglong bestSize, int percent) {
    found_->setText(betCount(static_cast<std::int64_t>(bestSize)));
    progress_->setValue(percent);
}

void KeyMakerDialog::showChecking() {
    status_->setText(QStringLiteral("Kimerítő ellenőrzés…"));
}

void KeyMakerDialog::takeResult() {
    setSearching(false);
    if (!job_) return;
    progress_->setValue(100);
    const keys::KeyShape s = job_->shape();
    if (!job_->proven()) {
        // Never offered: a key the check rejects would promise what it cannot keep.
        status_->setText(QStringLiteral("A talált kulcs nem állta ki az ellenőrzést, nem menthető."));
        save_->setEnabled(false);
        emit searchFinished();
        return;
    }
    key_ = job_->bets();
    found_->setText(betCount(static_cast<std::int64_t>(key_.size())));
    const std::int64_t bound = keys::lowerBound(s);
    QString verdict =
        QStringLiteral("Ellenőrizve: a %1 esemény bármely %2 tippje tartalmaz egy kötést.").arg(s.n).arg(s.m);
    if (static_cast<std::int64_t>(key_.size()) == bound)
        verdict += QStringLiteral(" Ennél kevesebb fogadással nem lehet.");
    else if (const auto known = keys::bestKnownSize(s);
             known && static_cast<std::int64_t>(key_.size()) <= *known)
        verdict += QStringLiteral(" Ez a legjobb ismert méret.");
    if (job_->wasCancelled()) verdict = QStringLiteral("Leállítva. ") + verdict;
    status_->setText(verdict);
    save_->setEnabled(true);
    emit searchFinished();
}

void KeyMakerDialog::saveKey() {
    if (key_.empty() || isSearching()) return;
    const std::optional<QString> line = keys::saveKeyToLibrary(form_, keyShape_, key_);
    if (!line) {
        status_->setText(QStringLiteral("A kulcs nem menthető: a kulcsmappa vagy a könyvtár nem írható."));
        return;
    }
    status_->setText(QStringLiteral("Mentve: %1").arg(*line));
    save_->setEnabled(false);
}

void KeyMakerDialog::setSearching(bool searching) {
    search_->setEnabled(!searching);
    cancel_->setEnabled(searching);
    for (QSpinBox* box : {tipsPerBet_, events_, guarantee_})
        box->setEnabled(!searching);
    if (searching) save_->setEnabled(false);
}

void KeyMakerDialog::closeEvent(QCloseEvent* event) {
    // Closing stops the search; its thread is waited for when the job goes.
    if (job_) job_->cancel();
    job_.reset();
    setSearching(false);
    QDialog::closeEvent(event);
}

void KeyMakerDialog::reject() {
    // Escape stops a running search first, as "Mégse" does; otherwise it closes the window.
    if (isSearching()) return stopSearch();
    QDialog::reject();
}

}  // namespace kombinator::ui
