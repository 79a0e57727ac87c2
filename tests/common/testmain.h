// Every folder of tests/ builds one test executable from its tst_*.cpp files; each file registers
// its test classes here and the shared main runs them all.
#pragma once

#include <QObject>

#include <QStringList>

#include <functional>
#include <memory>

namespace kombinator::test {
bool registerTestClass(const char* name, std::function<std::unique_ptr<QObject>()> make);

// A part of a test that must run as a process of its own (a program that has to end, an owner of
// the clipboard): `tst_x --child NAME ARGS...` runs the child NAME with ARGS instead of the tests
// and exits with its result. `tst_x --class NAME` runs the test class NAME alone.
bool registerChild(const char* name, std::function<int(const QStringList& args)> run);
}  // namespace kombinator::test

#define KOMBINATOR_TEST(Class)                                                    \
    static const bool Class##_registered = ::kombinator::test::registerTestClass( \
        #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>().release()); })
