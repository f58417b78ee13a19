#pragma once

#include <QObject>

#include <functional>
#include <vector>

namespace vwtest {

using Factory = std::function<QObject *()>;
std::vector<Factory> &registry();

struct Registration {
    explicit Registration(Factory factory) { registry().push_back(std::move(factory)); }
};

int runAll(int argc, char **argv);

} // namespace vwtest

// Registers a QtTest class with its folder's test program.
#define VW_TEST(Class) static const vwtest::Registration vwRegistration##Class([] { return new Class; });
