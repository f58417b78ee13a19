#include "common/test_registry.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return vwtest::runAll(argc, argv);
}
