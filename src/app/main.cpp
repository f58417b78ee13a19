#include "app/vn_editor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

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
    parser.process(app);

    vw::app::StartupOptions options;
    if (parser.isSet(base))
        options.programDirectory = QDir(parser.value(base)).absolutePath();
    vw::app::VNEditor editor(options);
    editor.show();
    return app.exec();
}
