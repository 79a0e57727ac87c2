#include "app/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include <memory>

#include "platform/programfolder.h"

namespace kombinator {

namespace {

// The catalogues embedded in the program.
constexpr const char* kProgramCatalogue = ":/i18n/kombinator_en.qm";
// Qt's own words are written in English: only Hungarian needs its catalogue.
constexpr const char* kQtHungarian = ":/i18n/qtbase_hu.qm";

QSettings settings() {
    const QString name = QString::fromLatin1(kProgramName);
    return QSettings(name, name);
}

const QString kLanguageKey = QStringLiteral("nyelv");

}  // namespace

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("hu");
}

std::optional<Language> languageOfCode(const QString& code) {
    if (code == QLatin1String("hu")) return Language::Hungarian;
    if (code == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

LanguageOption languageOption(const QStringList& arguments) {
    LanguageOption option;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--lang")) {
            option.value = arguments.value(i + 1);
            ++i;
        } else if (arg.startsWith(QLatin1String("--lang="))) {
            option.value = arg.mid(7);
        } else {
            continue;
        }
        option.language = languageOfCode(option.value);
        option.bad = !option.language;
    }
    return option;
}

QLocale interfaceLocale() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        // "en_GB.UTF-8", "en_GB:en", "C.UTF-8": the first name, without its code set.
        const QString value = qEnvironmentVariable(name).section(u':', 0, 0).section(u'.', 0, 0);
        if (!value.isEmpty()) return QLocale(value);
    }
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::c() : QLocale(languages.first());
}

Language chooseLanguage(const std::optional<Language>& given, const std::optional<Language>& saved,
                        const QLocale& locale) {
    if (given) return *given;
    if (saved) return *saved;
    return locale.language() == QLocale::English ? Language::English : Language::Hungarian;
}

QString savedChoice(const QString& key) {
    return settings().value(key).toString();
}

void saveChoice(const QString& key, const QString& value) {
    QSettings saved = settings();
    saved.setValue(key, value);
}

std::optional<Language> savedLanguage() {
    return languageOfCode(savedChoice(kLanguageKey));
}

void saveLanguage(Language language) {
    saveChoice(kLanguageKey, languageCode(language));
}

namespace {
Language current = Language::Hungarian;
}  // namespace

Language currentLanguage() {
    return current;
}

bool useLanguage(Language language) {
    current = language;
    // The translators live as long as the program; a new language replaces them.
    static std::unique_ptr<QTranslator> program;
    static std::unique_ptr<QTranslator> qt;
    for (std::unique_ptr<QTranslator>* installed : {&program, &qt}) {
        if (*installed) QCoreApplication::removeTranslator(installed->get());
        installed->reset();
    }
    bool loaded = true;
    const auto install = [&loaded](std::unique_ptr<QTranslator>& slot, const char* catalogue) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromLatin1(catalogue))) {
            loaded = false;
            return;
        }
        QCoreApplication::installTranslator(translator.get());
        slot = std::move(translator);
    };
    if (language == Language::English) {
        install(program, kProgramCatalogue);
    } else {
        install(qt, kQtHungarian);
    }
    return loaded;
}

}  // namespace kombinator
