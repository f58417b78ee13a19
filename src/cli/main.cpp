#include "cli/cli_commands.h"
#include "core/datafile/errors.h"
#include "core/datafile/file_access.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstdio>

namespace {

// Standard output as the commands write it: every write is checked (a full
// disk, a closed pipe), and the first failure is kept to be reported.
class CheckedOutput : public QIODevice {
public:
    CheckedOutput() { open(QIODevice::WriteOnly); }
    const QString &failure() const { return failure_; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (!failure_.isEmpty())
            return -1;
        try {
            vw::datafile::writeStream(1, QStringLiteral("standard output"), QByteArray::fromRawData(data, qsizetype(size)));
        } catch (const vw::datafile::FileError &e) {
            failure_ = e.reason();
            return -1;
        }
        return size;
    }

private:
    QString failure_;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CheckedOutput standardOutput;
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    int code = vw::cli::run(arguments, out, err);
    // What is still buffered goes out now; output that did not all arrive is a failure.
    out.flush();
    if (!standardOutput.failure().isEmpty() || out.status() != QTextStream::Ok) {
        // The system's reason in the tool's style: a lower-case first word.
        QString reason = standardOutput.failure().isEmpty() ? QStringLiteral("the output could not be written")
                                                            : standardOutput.failure();
        if (reason.size() > 1 && reason[0].isUpper() && !reason[1].isUpper())
            reason[0] = reason[0].toLower();
        err << "vornwing-cli: standard output: " << reason << '\n';
        code = 1;
    }
    return code;
}
