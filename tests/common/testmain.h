// Every folder of tests/ builds one test executable from its tst_*.cpp files; each file registers
// its test classes here and the shared main runs them all.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace kombinator::test {
bool registerTestClass(const char* name, std::function<std::unique_ptr<QObject>()> make);
}

#define KOMBINATOR_TEST(Class)                                                    \
    static const bool Class##_registered = ::kombinator::test::registerTestClass( \
        #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>().release()); })
