#include "common/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>
#include <QTest>

#include <memory>

namespace vwtest {

std::vector<Factory> &registry()
{
    static std::vector<Factory> factories;
    return factories;
}

namespace {

// Options of QtTest that take a value in the next argument.
bool takesValue(const QString &option)
{
    static const QStringList withValue = {QStringLiteral("-o"), QStringLiteral("-maxwarnings"),
                                          QStringLiteral("-eventdelay"), QStringLiteral("-keydelay"),
                                          QStringLiteral("-mousedelay"), QStringLiteral("-seed"),
                                          QStringLiteral("-platform")};
    return withValue.contains(option);
}

bool hasTestFunction(const QObject *test, const QString &name)
{
    const QByteArray function = name.section(QLatin1Char(':'), 0, 0).toLatin1();
    const QMetaObject *meta = test->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).name() == function)
            return true;
    return false;
}

} // namespace

// Runs every registered class. Test function names on the command line go
// only to the class that has them (a class with none of them is left out),
// and an output file given with -o gets the class name, so that the classes
// do not write over each other's results.
int runAll(int argc, char **argv)
{
    QStringList options, functions;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1Char('-'))) {
            options << arg;
            if (takesValue(arg) && i + 1 < argc)
                options << QString::fromLocal8Bit(argv[++i]);
        } else {
            functions << arg;
        }
    }
    int failures = 0;
    const bool several = registry().size() > 1;
    for (const Factory &factory : registry()) {
        std::unique_ptr<QObject> test(factory());
        QStringList args = {QString::fromLocal8Bit(argv[0])};
        for (int i = 0; i < options.size(); ++i) {
            args << options[i];
            if (options[i] == QLatin1String("-o") && i + 1 < options.size()) {
                QString target = options[++i];
                const QString file = target.section(QLatin1Char(','), 0, 0);
                if (several && file != QLatin1String("-")) {
                    const QFileInfo info(file);
                    const QString named = info.dir().filePath(info.completeBaseName() + QLatin1Char('-')
                                                              + QString::fromLatin1(test->metaObject()->className())
                                                              + (info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix()));
                    target.replace(0, file.size(), named);
                }
                args << target;
            }
        }
        if (!functions.isEmpty()) {
            QStringList mine;
            for (const QString &function : functions)
                if (hasTestFunction(test.get(), function))
                    mine << function;
            if (mine.isEmpty())
                continue;
            args << mine;
        }
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace vwtest
