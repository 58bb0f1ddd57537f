#pragma once
// Test classes register themselves; the shared main() runs every registered class in turn.

#include <QObject>
#include <functional>
#include <memory>

using TTestFactory = std::function<std::unique_ptr<QObject>()>;
int RegisterTest(const char* name, TTestFactory factory);

#define EDOMER_TEST(Class)                                                                         \
    static const int Class##Registered =                                                           \
        RegisterTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
