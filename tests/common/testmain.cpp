#include "testmain.h"

#include <QTest>
#include <vector>
#ifdef KOMBINATOR_GUI_TESTS
#include <QApplication>
#else
#include <QCoreApplication>
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
}  // namespace

bool registerTestClass(const char* name, std::function<std::unique_ptr<QObject>()> make) {
    registry().push_back({name, std::move(make)});
    return true;
}
}  // namespace kombinator::test

int main(int argc, char** argv) {
#ifdef KOMBINATOR_GUI_TESTS
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    int failures = 0;
    for (const auto& entry : kombinator::test::registry()) {
        std::unique_ptr<QObject> tests = entry.make();
        failures += QTest::qExec(tests.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
