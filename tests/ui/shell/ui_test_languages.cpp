#include "common/test_registry.h"
#include "common/ui_support.h"

#include "core/workspace/translation.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using vwtest::ScriptedPrompter;
using vwtest::TestWorkspace;

namespace {

// Puts the texts back as the program writes them, for the tests that follow.
struct SourceTextsAfterwards {
    ~SourceTextsAfterwards() { vw::app::installTranslation(*qApp, QStringLiteral("source"), QLocale::c()); }
};

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The window speaks the language the system's locale or --lang chooses:
    // the save question, the plane data file dialog's title, the engine power
    // chart's hints and the page captions.
    void windowShowsTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("dialogTitle");
        QTest::addColumn<QStringList>("chartHints");
        QTest::addColumn<QString>("firstPage");
        QTest::newRow("en") << QString() << "en_US" << "en" << "Save|Save changes?" << "Choose a configuration file"
                            << QStringList{"Clear the control points", "Place control points", "Normalise values (x.xxx)"}
                            << "Weapons";
        QTest::newRow("ru") << QString() << "ru_RU" << "ru" << "Выход|Сохранить изменения?"
                            << "Выберите файл конфигурации"
                            << QStringList{"Очистить контрольные точки", "Выставить контрольные точки",
                                           "Нормализовать значения (x.xxx)"}
                            << "Оружие";
        QTest::newRow("source") << "source" << "ru_RU" << "source" << "Выход|Сохранить изменения ?"
                                << "Выберите файл конфигурации"
                                << QStringList{"Очистить контрольные точки", "Выставить контрольные точки",
                                               "Нормализовать значения (x.xxx)"}
                                << "Weapons";
        QTest::newRow("option over locale") << "EN" << "ru_RU" << "en" << "Save|Save changes?"
                                            << "Choose a configuration file"
                                            << QStringList{"Clear the control points", "Place control points",
                                                           "Normalise values (x.xxx)"}
                                            << "Weapons";
    }
    void windowShowsTheChosenLanguage()
    {
        QFETCH(QString, option);
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, question);
        QFETCH(QString, dialogTitle);
        QFETCH(QStringList, chartHints);
        QFETCH(QString, firstPage);
        const SourceTextsAfterwards restore;
        QCOMPARE(vw::app::installTranslation(*qApp, option, QLocale(locale)), language);

        TestWorkspace workspace;
        ScriptedPrompter prompter;
        prompter.questionAnswers = {false};
        auto window = workspace.open(prompter);
        vwtest::named<QAction>(window.get(), QStringLiteral("WritetoBINfile1"))->trigger();
        QCOMPARE(prompter.questions, QStringList{question});
        vwtest::named<QAction>(window.get(), QStringLiteral("Loadconfig1"))->trigger();
        QCOMPARE(prompter.fileDialogTitles, QStringList{dialogTitle});
        QStringList hints;
        for (const char *name : {"SpeedButton13", "SpeedButton14", "SpeedButton16"})
            hints << vwtest::named<QToolButton>(window.get(), QLatin1String(name))->toolTip().section(QLatin1Char('\n'), 0, 0);
        QCOMPARE(hints, chartHints);
        QCOMPARE(vwtest::named<QTabWidget>(window.get(), QStringLiteral("Pages"))->tabText(0), firstPage);
        QVERIFY(prompter.errors.isEmpty());
    }

    // What the core says reaches the window in the same language: a refused
    // copy's reason in the status bar and a built-in label table (the damage
    // levels); under "source" both stay exactly as the program writes them.
    void coreMessagesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("firstLevel");
        QTest::newRow("ru") << "ru" << "В буфере копирования ячейки с 1 по 256; ячейки 300 нет." << "1 - Самый низкий";
        QTest::newRow("source") << "source" << "The copy buffer has slots 1 to 256; there is no slot 300."
                                << "1 - Lowest";
    }
    void coreMessagesFollowTheLanguage()
    {
        QFETCH(QString, option);
        QFETCH(QString, refusal);
        QFETCH(QString, firstLevel);
        const SourceTextsAfterwards restore;
        QCOMPARE(vw::app::installTranslation(*qApp, option, QLocale::c()), option);

        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        vwtest::named<QSpinBox>(window.get(), QStringLiteral("UpDown1"))->setValue(300);
        vwtest::named<QPushButton>(window.get(), QStringLiteral("Button7"))->click();
        QCOMPARE(window->statusBar()->currentMessage(), refusal);
        QCOMPARE(vwtest::named<QListWidget>(window.get(), QStringLiteral("ListBox4"))->item(0)->text(), firstLevel);
        QVERIFY(prompter.errors.isEmpty());
    }

    // The Russian window shows readme.ru.txt and FM.ru.dat (UTF-8) where they
    // lie beside readme.txt and FM.dat; other languages, and a FM.ru.dat whose
    // rows would name other fields, keep the files themselves.
    void russianWindowShowsRussianSupportFiles_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("fmRuLines"); // 0: no Russian copies
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<bool>("note");
        QTest::newRow("ru with copies") << "ru" << 171 << "Справка 1" << "Строка 1" << false;
        QTest::newRow("ru without copies") << "ru" << 0 << "Help line 1" << "Row 1" << false;
        QTest::newRow("en with copies") << "en" << 171 << "Help line 1" << "Row 1" << false;
        QTest::newRow("source with copies") << "source" << 171 << "Help line 1" << "Row 1" << false;
        QTest::newRow("ru, FM.ru.dat one line short") << "ru" << 170 << "Справка 1" << "Row 1" << true;
    }
    void russianWindowShowsRussianSupportFiles()
    {
        QFETCH(QString, option);
        QFETCH(int, fmRuLines);
        QFETCH(QString, help);
        QFETCH(QString, firstRow);
        QFETCH(bool, note);
        const SourceTextsAfterwards restore;
        QCOMPARE(vw::app::installTranslation(*qApp, option, QLocale::c()), option);
        TestWorkspace workspace;
        if (fmRuLines > 0) {
            QByteArray fm;
            for (int row = 1; row <= fmRuLines; ++row)
                fm += QStringLiteral("Строка %1\r\n").arg(row).toUtf8();
            workspace.writeFile(QStringLiteral("editor/FM.ru.dat"), fm);
            workspace.writeFile(QStringLiteral("editor/readme.ru.txt"), QStringLiteral("Справка 1\r\n").toUtf8());
        }
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QCoreApplication::processEvents(); // the start-up notes
        QCOMPARE(vwtest::named<QPlainTextEdit>(window.get(), QStringLiteral("HelpText"))->toPlainText().section('\n', 0, 0),
                 help);
        QCOMPARE(window->document().labels().FmLabels.size(), 171);
        QCOMPARE(window->document().labels().FmLabels.first(), firstRow);
        QCOMPARE(prompter.warnings.size(), note ? 1 : 0);
        if (note)
            QVERIFY2(prompter.warnings.first().contains(QStringLiteral("FM.ru.dat")), qPrintable(prompter.warnings.first()));
    }

    // An unknown language changes nothing and is reported as such.
    void unknownLanguageIsRefused()
    {
        const SourceTextsAfterwards restore;
        QCOMPARE(vw::app::installTranslation(*qApp, QStringLiteral("ru"), QLocale::c()), QStringLiteral("ru"));
        QVERIFY(vw::app::installTranslation(*qApp, QStringLiteral("de"), QLocale::c()).isEmpty());
        QCOMPARE(QCoreApplication::translate("vw::app::VNEditor", "Weapons"), QStringLiteral("Оружие"));
    }
};

VW_TEST(LanguagesTest)

#include "ui_test_languages.moc"
