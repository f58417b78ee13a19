#include "common/test_registry.h"

#include <QTest>

#include <memory>

namespace vwtest {

std::vector<Factory> &registry()
{
    static std::vector<Factory> factories;
    return factories;
}

int runAll(int argc, char **argv)
{
    int failures = 0;
    for (const Factory &factory : registry()) {
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace vwtest
