#include "app/vn_editor.h"

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
    QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Show page NAME first (for example Weapons or \"Flight Model\")."),
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
    if (parser.isSet(page)) {
        QTabWidget *pages = editor.pages();
        for (int i = 0; i < pages->count(); ++i)
            if (pages->tabText(i).compare(parser.value(page), Qt::CaseInsensitive) == 0) {
                pages->setCurrentIndex(i);
                break;
            }
    }
    editor.show();
    if (parser.isSet(screenshot)) {
        QTimer::singleShot(500, &editor, [&] {
            editor.grab().save(parser.value(screenshot));
            QApplication::exit(0);
        });
    }
    return app.exec();
}
