#pragma once

// A window on a generated 254-plane file in a temporary workspace, for the
// benchmarks that switch planes or edit through the window.

#include "ui/common/prompter_dialog.h"
#include "ui/shell/vn_editor.h"
#include "core/datafile/sample_builder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace vwbench {

// Message boxes would stop the run: the benchmark answers none.
class SilentPrompter : public vw::app::Prompter {
public:
    void information(QWidget *, const QString &) override {}
    void warning(QWidget *, const QString &) override {}
    void error(QWidget *, const QString &) override {}
};

struct Editor {
    QTemporaryDir dir;
    SilentPrompter prompter;
    std::unique_ptr<vw::app::VNEditor> window;

    Editor()
    {
        QDir(dir.path()).mkpath(QStringLiteral("editor"));
        vw::datafile::SampleOptions options;
        options.layout = vw::datafile::Openhall256Layout;
        options.planes = 254;
        write(QStringLiteral("misc.bin"), vw::datafile::buildSampleFile(options));
        QByteArray fm;
        for (int row = 1; row <= 171; ++row)
            fm += "Row " + QByteArray::number(row) + "\r\n";
        write(QStringLiteral("editor/FM.dat"), fm);
        write(QStringLiteral("editor/editor.ini"), "0\r\n1\r\n\r\n\r\n1\r\n\r\n.\r\n");
        write(QStringLiteral("editor/planes.dat"), QByteArray("Plane\r\n").repeated(4 * 254));
        write(QStringLiteral("editor/readme.txt"), "Help\r\n");
        vw::app::StartupOptions startup;
        startup.programDirectory = dir.path();
        startup.prompter = &prompter;
        window = std::make_unique<vw::app::VNEditor>(startup);
        window->show();
        window->pages()->setCurrentIndex(2);
        window->flightModelPages()->setCurrentIndex(1);
        QCoreApplication::processEvents();
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};

} // namespace vwbench
