// The platform of the command-line front end: the coupon is the clipboard, messages go to
// standard error, and there are no windows to place.
#pragma once

#include <deque>

#include "platform/basicplatform.h"

namespace kombinator::cli {

class CliPlatform : public BasicPlatform {
public:
    explicit CliPlatform(QString clipboard, std::optional<QString> html = std::nullopt)
        : clipboard_(std::move(clipboard)), html_(std::move(html)) {}

    MsgAnswer messageBox(const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> clipboardText() override { return clipboard_; }
    std::optional<QString> clipboardHtml() override { return html_; }
    QString programFolder() override;
    QString programName() override { return QStringLiteral("kombinator-cli"); }
    // The numbers the command line gave for the next number questions, in order (a dead heat's
    // tied count and place, a Rule 4's pence, place terms); the value shown when none is left.
    std::optional<int> askNumber(const NumberQuestion& question) override {
        if (numberAnswers.empty()) return question.value;
        const int answer = numberAnswers.front();
        numberAnswers.pop_front();
        return answer;
    }
    std::deque<int> numberAnswers;

    // A refusal (a message with the stop icon) was shown since the last call.
    bool takeRefusal() {
        const bool refused = refused_;
        refused_ = false;
        return refused;
    }

private:
    QString clipboard_;
    std::optional<QString> html_;
    QString folder_;
    bool refused_ = false;
};

}  // namespace kombinator::cli
