#pragma once

#include <QString>
#include <stdexcept>

namespace vw::datafile {

// A file that cannot be opened, read or written. Carries the path and the
// system's reason so that one error box can say what failed and why.
class FileError : public std::runtime_error {
public:
    FileError(QString path, QString reason)
        : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString()),
          path_(std::move(path)), reason_(std::move(reason)) {}
    const QString &path() const { return path_; }
    const QString &reason() const { return reason_; }

private:
    QString path_;
    QString reason_;
};

// Content that cannot be a plane data file, or an operation that would leave
// the data model (a field outside the file, a count beyond its table).
class FormatError : public std::runtime_error {
public:
    explicit FormatError(const QString &reason)
        : std::runtime_error(reason.toStdString()), reason_(reason) {}
    const QString &reason() const { return reason_; }

private:
    QString reason_;
};

} // namespace vw::datafile
