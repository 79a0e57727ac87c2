// The window "Kulcskészítő": a reduction key made to order. The user gives the tips per bet, the
// number of events and the guarantee; the search runs on a worker thread with the best size so
// far and a progress bar, "Mégse" stops it keeping the best key, "Tovább javítom" goes on
// improving the key until stopped, and only a key the exhaustive check has proven is shown with
// what it pays and can be saved into the library.
#pragma once

#include <QDialog>

#include <memory>
#include <vector>

#include "keys/keymaker.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kombinator {
class Form1;
}

namespace kombinator::ui {

class KeyMakerDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyMakerDialog(Form1& form, QWidget* parent = nullptr);
    ~KeyMakerDialog() override;

    // The search of the shape entered ("Keresés"), stopping it ("Mégse") and saving the proven key
    // ("Mentés a könyvtárba").
    void startSearch();
    // "Tovább javítom": searches on from the key on offer, without a budget, until stopped.
    void improveFurther();
    void stopSearch();
    void saveKey();

    keys::KeyShape shape() const;
    void setShape(keys::KeyShape shape);
    bool isSearching() const { return job_ && job_->isRunning(); }
    // The key on offer: found, proven, not yet saved or saved. Empty while none is.
    const std::vector<keys::Bet>& key() const { return key_; }

signals:
    // A search ended and its key was checked.
    void searchFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Escape is this window's own key, before any shortcut of the main window it belongs to.
    bool event(QEvent* event) override;

private:
    void limitInputs();
    void showShape();
    void showProgress(qulonglong bestSize, int percent, double seconds, qulonglong trying,
                      qlonglong uncovered, qlonglong uncoveredAtStart);
    void showChecking();
    void takeResult();
    void setSearching(bool searching);
    void runJob(keys::SearchEffort effort, std::vector<std::vector<keys::Bet>> starts);
    void showProfile(const std::vector<keys::ProfileRow>& rows);

    Form1& form_;
    QSpinBox* tipsPerBet_;
    QSpinBox* events_;
    QSpinBox* guarantee_;
    QLabel* promise_;
    QLabel* bound_;
    QLabel* found_;
    QLabel* best_;
    QLabel* standing_;
    QLabel* status_;
    QProgressBar* progress_;
    QTableWidget* profile_;
    QPushButton* search_;
    QPushButton* improve_;
    QPushButton* cancel_;
    QPushButton* save_;
    QPushButton* close_;
    std::unique_ptr<keys::KeySearchJob> job_;
    keys::KeyProfileJob profileJob_;
    keys::KeyShape keyShape_;
    std::vector<keys::Bet> key_;
    bool saved_ = false;
    bool improving_ = false;  // "Tovább javítom" runs: no budget to show, but the sets left uncovered
    int rounds_ = 0;          // "Tovább javítom" rounds of this key: each searches with a seed of its own
};

}  // namespace kombinator::ui
