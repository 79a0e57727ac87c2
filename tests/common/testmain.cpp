#include "testmain.h"

#include <QTest>

#include <cstring>
#include <map>
#include <string>
#include <vector>
#ifdef KOMBINATOR_GUI_TESTS
#include <QApplication>
#else
#include <QCoreApplication>
#include <QTemporaryDir>
#endif

namespace kombinator::test {
namespace {
struct Entry {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};
std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}
std::map<std::string, std::function<int(const QStringList&)>>& children() {
    static std::map<std::string, std::function<int(const QStringList&)>> entries;
    return entries;
}
}  // namespace

bool registerTestClass(const char* name, std::function<std::unique_ptr<QObject>()> make) {
    registry().push_back({name, std::move(make)});
    return true;
}

bool registerChild(const char* name, std::function<int(const QStringList& args)> run) {
    children()[name] = std::move(run);
    return true;
}
}  // namespace kombinator::test

int main(int argc, char** argv) {
    // The programs speak the locale's language; the tests read their Hungarian texts, so the
    // programs they start run in the C locale whatever the machine's is.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "C.UTF-8");
    // Choices the programs remember (the language) go to a folder of the run's own, never the
    // user's.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
#ifdef KOMBINATOR_GUI_TESTS
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    std::vector<char*> args(argv, argv + argc);
    const char* onlyClass = nullptr;
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        const auto& children = kombinator::test::children();
        const auto child = children.find(argv[2]);
        if (child == children.end()) return 2;
        return child->second(QCoreApplication::arguments().mid(3));
    }
    if (argc >= 3 && std::strcmp(argv[1], "--class") == 0) {
        onlyClass = argv[2];
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    int failures = 0;
    for (const auto& entry : kombinator::test::registry()) {
        if (onlyClass && std::strcmp(entry.name, onlyClass) != 0) continue;
        std::unique_ptr<QObject> tests = entry.make();
        failures += QTest::qExec(tests.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
