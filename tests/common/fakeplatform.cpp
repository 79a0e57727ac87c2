#include "fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kombinator::test {

FakePlatform::FakePlatform() : folder(dir.path()) {}

MsgAnswer FakePlatform::messageBox(const QString& text, const QString& caption, MsgIcon icon,
                                   MsgButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (buttons == MsgButtons::Ok || answers.empty()) return MsgAnswer::Ok;
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::profileString(const QString& section, const QString& key, const QString& file) {
    if (decimalSeparator && section == QLatin1String("intl") && key == QLatin1String("sdecimal") &&
        file == QLatin1String("win.ini"))
        return *decimalSeparator;
    return BasicPlatform::profileString(section, key, file);
}

void FakePlatform::setPointer(Pointer p, const QString& cursorFile) {
    pointer = p;
    pointerFile = cursorFile;
}

int FakePlatform::openAddress(const QString& address) {
    calls.append(QStringLiteral("open:") + address);
    return 42;
}

std::optional<QString> FakePlatform::openFileName(const FileDialogSetup& setup) {
    fileDialogs.push_back(setup);
    if (fileAnswers.empty()) return std::nullopt;
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
}

std::optional<int> FakePlatform::askNumber(const NumberQuestion& question) {
    numberQuestions.push_back(question);
    if (numberAnswers.empty()) return question.value;
    const std::optional<int> answer = numberAnswers.front();
    numberAnswers.pop_front();
    return answer;
}

std::optional<QString> FakePlatform::saveFileName(const FileDialogSetup& setup) {
    return openFileName(setup);
}

void FakePlatform::installResources(const QStringList& names) {
    for (const QString& n : names) {
        const QString from = QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/") + n;
        const QString to = QDir(folder).filePath(n);
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        QFile::copy(from, to);
    }
}

QString FakePlatform::writeFile(const QString& relative, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    return path;
}

}  // namespace kombinator::test
