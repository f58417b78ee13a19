#include "app/vn_editor.h"
#include "weapons/more_weapons_dialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornwing Editor"));
    QApplication::setApplicationVersion(QString::fromLatin1(vw::app::VNEditor::EditorVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for the Vornwing plane data file."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption base(QStringLiteral("base"),
                            QStringLiteral("Work in DIR as if the editor were installed there "
                                           "(support files in DIR/editor, the data file DIR/misc.bin)."),
                            QStringLiteral("DIR"));
    parser.addOption(base);
    QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Show page NAME first (for example Weapons, or \"Flight Model/Engine Power #1\" for a sub-page; "
                                           "\"Weapons 2\" is the second page of that name; \"More Weapons\" opens that dialog)."),
                            QStringLiteral("NAME"));
    parser.addOption(page);
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the window to FILE once it is shown, then quit."),
                                  QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);

    vw::app::StartupOptions options;
    if (parser.isSet(base))
        options.programDirectory = QDir(parser.value(base)).absolutePath();
    vw::app::VNEditor editor(options);
    const bool moreWeapons = parser.value(page).compare(QStringLiteral("More Weapons"), Qt::CaseInsensitive) == 0;
    if (parser.isSet(page) && !moreWeapons) {
        // "Flight Model/Engine Power #1" picks a sub-page too.
        QTabWidget *tabs = editor.pages();
        for (const QString &name : parser.value(page).split(QLatin1Char('/'))) {
            QTabWidget *next = nullptr;
            // "Weapons 2": the second page captioned "Weapons" (the ammunition table).
            QString caption = name;
            int occurrence = 1;
            bool numbered = false;
            const qsizetype blank = name.lastIndexOf(QLatin1Char(' '));
            const int number = blank > 0 ? name.mid(blank + 1).toInt(&numbered) : 0;
            bool exact = false;
            for (int i = 0; tabs && i < tabs->count(); ++i)
                exact = exact || tabs->tabText(i).compare(name, Qt::CaseInsensitive) == 0;
            if (!exact && numbered && number > 0) {
                caption = name.left(blank);
                occurrence = number;
            }
            for (int i = 0; tabs && i < tabs->count(); ++i)
                if (tabs->tabText(i).compare(caption, Qt::CaseInsensitive) == 0 && --occurrence == 0) {
                    tabs->setCurrentIndex(i);
                    next = qobject_cast<QTabWidget *>(tabs->widget(i));
                    break;
                }
            tabs = next;
        }
    }
    editor.show();
    if (moreWeapons) {
        editor.pages()->setCurrentIndex(0);
        editor.moreGun()->openBesideMainWindow();
    }
    if (parser.isSet(screenshot)) {
        QTimer::singleShot(500, &editor, [&] {
            // With the More Weapons dialog open, the picture is of the dialog.
            QWidget *shown = moreWeapons ? static_cast<QWidget *>(editor.moreGun()) : &editor;
            shown->grab().save(parser.value(screenshot));
            QApplication::exit(0);
        });
    }
    return app.exec();
}
