// The language of the program's texts. Hungarian is the language the texts are written in and
// the default; English comes from the translation embedded in the program. Qt's own words (the
// buttons of message boxes and dialogs, the editor's menu) come in the same language from Qt's
// catalogue, embedded too, so that a desktop without Qt's translations installed and Windows
// show "Mégse" and not "Cancel".
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace kombinator {

enum class Language { Hungarian, English };

// "hu" or "en", as --lang and the saved choice write it.
QString languageCode(Language language);
std::optional<Language> languageOfCode(const QString& code);

// The value of the option --lang ("--lang en" or "--lang=en") among `arguments`: no value when
// the option is not given; `bad` when it names no language.
struct LanguageOption {
    std::optional<Language> language;
    bool bad = false;
    QString value;
};
LanguageOption languageOption(const QStringList& arguments);

// The locale the user reads texts in: the one the environment names (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as a shell or a test sets them, on every system), else the desktop's.
QLocale interfaceLocale();

// The language to show: the one given with --lang, else the one the user chose in the window,
// else the locale's: English for English locales, Hungarian for every other (C and POSIX too).
Language chooseLanguage(const std::optional<Language>& given, const std::optional<Language>& saved,
                        const QLocale& locale);

// A choice the user made in the window, kept in the user's settings for the next runs; the
// empty text when none was made.
QString savedChoice(const QString& key);
void saveChoice(const QString& key, const QString& value);

// The choice made in the window, kept in the user's settings; nullopt when none was made.
std::optional<Language> savedLanguage();
void saveLanguage(Language language);

// The language useLanguage installed last; Hungarian before any.
Language currentLanguage();

// Installs the program's and Qt's texts in `language` into the running application, replacing
// those installed before. Returns false when a catalogue could not be loaded.
bool useLanguage(Language language);

}  // namespace kombinator
