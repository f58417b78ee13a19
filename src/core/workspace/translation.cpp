#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vw::app {

namespace {

const char TranslatorName[] = "vwTranslator";
QString chosenLanguage = QStringLiteral("source");

void removeInstalled(QCoreApplication &app)
{
    const QList<QTranslator *> installed = app.findChildren<QTranslator *>(QLatin1String(TranslatorName),
                                                                          Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Loads and installs one translation; a missing one leaves the texts as they are.
bool install(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(TranslatorName));
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QStringList languageOptions()
{
    return {QStringLiteral("en"), QStringLiteral("ru"), QStringLiteral("source")};
}

QString installTranslation(QCoreApplication &app, const QString &option, const QLocale &locale)
{
    QString language = option.trimmed().toLower();
    if (language.isEmpty())
        language = locale.language() == QLocale::Russian ? QStringLiteral("ru") : QStringLiteral("en");
    if (!languageOptions().contains(language))
        return QString();
    removeInstalled(app);
    chosenLanguage = language;
    if (language == QLatin1String("source"))
        return language;
    install(app, QStringLiteral("vornwing_") + language, QStringLiteral(":/translations"));
    if (language == QLatin1String("ru"))
        install(app, QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

QString installedLanguage()
{
    return chosenLanguage;
}

} // namespace vw::app
