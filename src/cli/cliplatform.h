// The platform of the command-line front end: the coupon is the clipboard, messages go to
// standard error, and there are no windows to place.
#pragma once

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
    // The number the command line gave for the next number question (a dead heat's tied count).
    std::optional<int> askNumber(const NumberQuestion& question) override {
        return numberAnswer.value_or(question.value);
    }
    std::optional<int> numberAnswer;

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
