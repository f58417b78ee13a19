#include "core/workspace/translation.h"
#include "ui/shell/vn_editor.h"
#include "core/datafile/file_access.h"
#include "ui/weapons/more_weapons_dialog.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageWriter>
#include <QLocale>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Options {
    QCommandLineOption base{QStringLiteral("base"),
                            QStringLiteral("Work in DIR as if the editor were installed there "
                                           "(support files in DIR/editor, the data file DIR/misc.bin)."),
                            QStringLiteral("DIR")};
    QCommandLineOption page{QStringLiteral("page"),
                            QStringLiteral("Show page NAME first: its identifier (weapons, engine-power, ammunition, more-weapons) or "
                                           "its caption (Weapons, or \"Flight Model/Engine Power #1\" for a sub-page; "
                                           "\"Weapons 2\" is the second page of that name; \"More Weapons\" opens that "
                                           "dialog). An unknown name lists the pages."),
                            QStringLiteral("NAME")};
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the window to FILE once it is shown, then quit."),
                                  QStringLiteral("FILE")};
    QCommandLineOption lang{QStringLiteral("lang"),
                            QStringLiteral("Show the window in LANG: en (English), ru (Russian) or source (the texts as "
                                           "the program writes them). Without it the system's language decides."),
                            QStringLiteral("LANG")};
    QCommandLineOption reference{QStringLiteral("reference"),
                                 QStringLiteral("Compare the file with the reference file FILE (read only), as File > "
                                                "Reference file... does."),
                                 QStringLiteral("FILE")};
    // Not in --help: imports JSON patches once FILE is open, each one undo
    // step, as File > Import JSON... does (the recovery tests drive a real
    // editor with it).
    QCommandLineOption import{QStringLiteral("import"), QStringLiteral("Import PATCH once the file is open."),
                              QStringLiteral("PATCH")};
};

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QStringLiteral("Editor for the Vornwing plane data file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.base, options.page, options.screenshot, options.lang, options.reference});
    QCommandLineOption import = options.import;
    import.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(import);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A plane data file to open, as File > Load configuration does."),
        QStringLiteral("[FILE]"));
}

void setNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vornwing Editor"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(vw::app::VNEditor::EditorVersion));
}

// --help and --version answer without a window, so they work without a display.
bool asksForTextOnly(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

// Started where no window can be shown (no display, or one that cannot be
// reached), Qt gives up with several lines of advice and aborts. While the
// application is made, the window system's warnings are kept, and that end
// becomes one line naming what is missing and exit code 2.
QString windowSystemTrouble;
QtMessageHandler previousHandler = nullptr;

void startupMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        QString why = windowSystemTrouble;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            why = QStringLiteral("there is no display (DISPLAY is not set)");
        else if (why.isEmpty())
            why = QStringLiteral("the window system could not be reached");
        std::fprintf(stderr,
                     "vornwing-editor: cannot show the window: %s; start it in a desktop session "
                     "(--help and --version work without one)\n",
                     qPrintable(why));
        std::fflush(stderr);
        std::_Exit(2);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) {
        // The first says what went wrong ("could not connect to display :5").
        if (windowSystemTrouble.isEmpty())
            windowSystemTrouble = message.trimmed();
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}


} // namespace

int main(int argc, char **argv)
{
    const Options options;
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        setNames();
        QCommandLineParser parser;
        setUp(parser, options);
        parser.process(app); // prints and exits
        return 0;
    }

    previousHandler = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    setNames();
    // The installed menu entry's icon, and the name that ties the window to that entry.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vornwing-editor-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("vornwing-editor"));
    QCommandLineParser parser;
    setUp(parser, options);
    parser.process(app);

    if (vw::app::installTranslation(app, parser.value(options.lang), QLocale::system()).isEmpty()) {
        std::fprintf(stderr, "vornwing-editor: there is no language \"%s\"; the languages are: %s\n",
                     qPrintable(parser.value(options.lang)), qPrintable(vw::app::languageOptions().join(QStringLiteral(", "))));
        return 2;
    }

    // Names on the command line mean what they mean in the folder the editor
    // was started in, whatever folder it works in afterwards.
    const QDir started = QDir::current();
    const auto resolved = [&started](const QString &name) {
        return name.isEmpty() ? name : started.absoluteFilePath(name);
    };
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "vornwing-editor: one FILE at most can be opened, not %d (%s); see --help\n",
                     int(files.size()), qPrintable(files.join(QStringLiteral(", "))));
        return 2;
    }
    QStringList patches;
    for (const QString &patch : parser.values(options.import))
        patches << resolved(patch);

    const QString picture = resolved(parser.value(options.screenshot));
    const QByteArray pictureFormat = QFileInfo(picture).suffix().toLower().toLatin1();
    if (parser.isSet(options.screenshot)) {
        // The picture is written as every file is: a FIFO, a device, a folder
        // or a link loop is refused before the window opens, not waited on.
        QString problem;
        try {
            vw::datafile::checkReplaceable(picture);
        } catch (const vw::datafile::FileError &e) {
            problem = e.reason();
        }
        if (problem.isEmpty() && !QImageWriter::supportedImageFormats().contains(pictureFormat))
            problem = QStringLiteral("the name does not end in a picture format (such as .png)");
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "vornwing-editor: %s: %s\n", qPrintable(picture), qPrintable(problem));
            return 2;
        }
    }

    vw::app::StartupOptions startup;
    if (parser.isSet(options.base))
        startup.programDirectory = started.absoluteFilePath(parser.value(options.base));
    vw::app::VNEditor editor(startup);
    // The page to show first; "More Weapons" opens that dialog over the Weapons page.
    const vw::app::PageRegistry &registry = editor.document().pages();
    std::optional<vw::app::PageId> firstPage;
    if (parser.isSet(options.page)) {
        firstPage = registry.find(parser.value(options.page));
        if (!firstPage) {
            std::fprintf(stderr, "vornwing-editor: there is no page \"%s\"; the pages are:\n  %s\n",
                         qPrintable(parser.value(options.page)), qPrintable(registry.names().join(QStringLiteral("\n  "))));
            return 2;
        }
    }
    const bool moreWeapons = firstPage == vw::app::PageId::MoreWeapons;
    if (firstPage && !moreWeapons)
        registry.show(*firstPage);
    editor.show();
    const QString opened = resolved(files.value(0));
    // The reference comes once the file is open, and is remembered for it.
    const QString reference = resolved(parser.value(options.reference));
    if (!opened.isEmpty() || !reference.isEmpty())
        QTimer::singleShot(0, &editor, [&editor, opened, reference] {
            if (!opened.isEmpty() && !editor.openFromCommandLine(opened))
                return;
            if (!reference.isEmpty())
                editor.setReferenceFile(reference, true);
        });
    // Queued on their own, the imports also run while the "loaded" message
    // waits for an answer; only onto the file named, once it is open.
    if (!patches.isEmpty())
        QTimer::singleShot(0, &editor, [&editor, opened, patches] {
            if (!opened.isEmpty() && editor.document().currentPath() != opened)
                return;
            for (const QString &patch : patches)
                if (!editor.importPatchFile(patch))
                    return;
        });
    if (moreWeapons) {
        registry.show(vw::app::PageId::Weapons);
        registry.show(vw::app::PageId::MoreWeapons);
    }
    if (parser.isSet(options.screenshot)) {
        QTimer::singleShot(500, &editor, [&] {
            // With the More Weapons dialog open, the picture is of the dialog.
            QWidget *shown = moreWeapons ? static_cast<QWidget *>(editor.moreGun()) : &editor;
            QBuffer bytes;
            bytes.open(QIODevice::WriteOnly);
            QImageWriter writer(&bytes, pictureFormat);
            QString problem;
            if (!writer.write(shown->grab().toImage())) {
                problem = writer.errorString();
            } else {
                try {
                    vw::datafile::writeFileAtomically(picture, bytes.data());
                } catch (const vw::datafile::FileError &e) {
                    problem = e.reason();
                }
            }
            if (!problem.isEmpty()) {
                std::fprintf(stderr, "vornwing-editor: %s: the picture could not be saved: %s\n", qPrintable(picture),
                             qPrintable(problem));
                QApplication::exit(1);
                return;
            }
            QApplication::exit(0);
        });
    }
    return app.exec();
}
