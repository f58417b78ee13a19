#include "patch_scan.h"

#include "core/planedata/shown_text.h"
#include "core/datafile/data_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vw::app {

namespace {

constexpr int NestingLimit = 1024; // as deep as the parser goes
constexpr qsizetype ShownBytes = 160; // of a long text, enough for its shown start
constexpr qsizetype ShownCharacters = 32;
constexpr std::size_t KeysBeforeSet = 16; // an object's keys are compared one by one up to this many

// The text of a JSON string's body (without its quotes) as the parser reads it.
QString decoded(std::string_view raw)
{
    QString out;
    std::size_t i = 0;
    while (i < raw.size()) {
        const std::size_t escape = raw.find('\\', i);
        const std::size_t runEnd = escape == std::string_view::npos ? raw.size() : escape;
        out += QString::fromUtf8(raw.data() + i, qsizetype(runEnd - i));
        if (escape == std::string_view::npos || escape + 1 >= raw.size())
            break;
        const char e = raw[escape + 1];
        i = escape + 2;
        switch (e) {
        case 'b': out += QLatin1Char('\b'); break;
        case 'f': out += QLatin1Char('\f'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'u': {
            if (i + 4 > raw.size())
                return out;
            bool ok = false;
            const uint unit = QByteArray(raw.data() + i, 4).toUInt(&ok, 16);
            if (!ok)
                return out;
            out += QChar(char16_t(unit));
            i += 4;
            break;
        }
        default: out += QLatin1Char(e); break; // \" \\ \/
        }
    }
    return out;
}

// A text's first bytes, never ending inside a UTF-8 sequence or an escape.
std::string_view startOf(std::string_view raw)
{
    if (raw.size() <= std::size_t(ShownBytes))
        return raw;
    std::size_t n = std::size_t(ShownBytes);
    while (n > 0 && (static_cast<unsigned char>(raw[n]) & 0xc0) == 0x80)
        --n;
    const std::size_t escape = raw.rfind('\\', n);
    if (escape != std::string_view::npos && n - escape < 6)
        n = escape;
    return raw.substr(0, n);
}

class Scanner {
public:
    explicit Scanner(const QByteArray &text) : p_(text.constData()), end_(text.constData() + text.size()) {}

    PatchTextFacts facts;

    void run()
    {
        skipSpace();
        if (!value())
            return;
        while (depth_ > 0) {
            skipSpace();
            if (p_ == end_)
                return;
            Level &level = levels_[depth_ - 1];
            const char c = *p_++;
            if (level.object) {
                if (c == '}') {
                    --depth_;
                    continue;
                }
                if (c != ',' || !key())
                    return;
            } else {
                if (c == ']') {
                    --depth_;
                    continue;
                }
                if (c != ',')
                    return;
                ++level.index;
            }
            if (!value())
                return;
        }
    }

private:
    struct Level {
        bool object = false;
        qsizetype index = 0;
        std::string_view key; // the key of the value being read (decoded when it has escapes)
        std::vector<std::string_view> keys;
        std::unordered_set<std::string_view> manyKeys;
    };

    const char *p_;
    const char *end_;
    std::vector<Level> levels_;
    std::size_t depth_ = 0;
    std::deque<std::string> decodedKeys_;

    void skipSpace()
    {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t'))
            ++p_;
    }

    // Where the value being read is, as the import names places; with
    // `levels` below the depth, where the enclosing object or array is.
    QString place(std::size_t levels = std::size_t(-1)) const
    {
        QString where;
        for (std::size_t i = 0; i < std::min(levels, depth_); ++i) {
            const Level &level = levels_[i];
            if (!level.object) {
                where += QStringLiteral("[%1]").arg(level.index);
                continue;
            }
            const QString key = placeKey(QString::fromUtf8(level.key.data(), qsizetype(level.key.size())));
            where = where.isEmpty() ? key : where + QLatin1Char('.') + key;
        }
        return where;
    }

    [[noreturn]] void refuse(const QString &where, const QString &reason) const
    {
        throw datafile::FormatError(where.isEmpty() ? reason : where + QStringLiteral(": ") + reason);
    }

    // A string's body: its bytes up to the closing quote, and whether it has escapes.
    bool string(std::string_view *body, bool *escaped)
    {
        const char *start = p_;
        *escaped = false;
        while (p_ != end_ && *p_ != '"') {
            if (*p_ == '\\') {
                *escaped = true;
                if (++p_ == end_)
                    return false;
            }
            ++p_;
        }
        if (p_ == end_)
            return false;
        *body = std::string_view(start, std::size_t(p_ - start));
        ++p_;
        return true;
    }

    // A text too long for any field is refused before the parser copies it.
    void checkLength(std::string_view body, bool isKey) const
    {
        if (qsizetype(body.size()) <= LongestPatchText)
            return;
        const QString start = quotedStart(decoded(startOf(body)).left(ShownCharacters));
        if (isKey)
            refuse(place(depth_ - 1), QCoreApplication::translate("vw::app", "the key %1 (%2 bytes) is not a field here")
                                .arg(start, QString::number(body.size())));
        refuse(place(), QCoreApplication::translate("vw::app", "%1 (%2 bytes) is longer than any field holds")
                            .arg(start, QString::number(body.size())));
    }

    bool key()
    {
        skipSpace();
        if (p_ == end_ || *p_ != '"')
            return false;
        ++p_;
        std::string_view body;
        bool escaped = false;
        if (!string(&body, &escaped))
            return false;
        checkLength(body, true);
        if (escaped) {
            decodedKeys_.push_back(decoded(body).toStdString());
            body = decodedKeys_.back();
        }
        Level &level = levels_[depth_ - 1];
        level.key = body;
        bool seen = false;
        if (level.keys.size() < KeysBeforeSet) {
            for (std::string_view k : level.keys)
                seen = seen || k == body;
            level.keys.push_back(body);
            if (level.keys.size() == KeysBeforeSet)
                level.manyKeys.insert(level.keys.begin(), level.keys.end());
        } else {
            seen = !level.manyKeys.insert(body).second;
        }
        if (seen)
            refuse(place(), QCoreApplication::translate("vw::app", "is given twice"));
        skipSpace();
        if (p_ == end_ || *p_ != ':')
            return false;
        ++p_;
        return true;
    }

    bool open(bool object)
    {
        if (depth_ >= std::size_t(NestingLimit))
            return false;
        if (depth_ == levels_.size())
            levels_.emplace_back();
        Level &level = levels_[depth_++];
        level.object = object;
        level.index = 0;
        level.key = {};
        level.keys.clear();
        if (!level.manyKeys.empty())
            level.manyKeys = {};
        return true;
    }

    // One value; an object or array is opened, its members follow in run().
    bool value()
    {
        skipSpace();
        if (p_ == end_)
            return false;
        const char c = *p_;
        if (c == '{' || c == '[') {
            ++p_;
            if (!open(c == '{'))
                return false;
            skipSpace();
            if (p_ != end_ && *p_ == (c == '{' ? '}' : ']')) {
                ++p_;
                --depth_;
                return true;
            }
            return c == '{' ? key() && value() : value();
        }
        if (c == '"') {
            ++p_;
            std::string_view body;
            bool escaped = false;
            if (!string(&body, &escaped))
                return false;
            checkLength(body, false);
            return true;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            number();
            return true;
        }
        if (c >= 'a' && c <= 'z') {
            while (p_ != end_ && *p_ >= 'a' && *p_ <= 'z')
                ++p_;
            return true;
        }
        return false;
    }

    // A negative zero is noted: the parser reads every zero as a plain 0.
    void number()
    {
        const bool negative = *p_ == '-';
        bool zero = true;
        bool mantissa = true;
        for (; p_ != end_; ++p_) {
            const char c = *p_;
            if (c >= '0' && c <= '9') {
                zero = zero && (!mantissa || c == '0');
            } else if (c == 'e' || c == 'E') {
                mantissa = false;
            } else if (c != '.' && c != '-' && c != '+') {
                break;
            }
        }
        if (negative && zero && depth_ > 0)
            facts.negativeZeros.insert(place());
    }
};

} // namespace

PatchTextFacts scanPatchText(const QByteArray &text)
{
    Scanner scanner(text);
    scanner.run();
    return std::move(scanner.facts);
}

QString placeKey(const QString &key)
{
    constexpr qsizetype PlainLength = 40;
    bool plain = !key.isEmpty() && key.size() <= PlainLength && !hasControlCharacter(key);
    for (QChar c : key)
        plain = plain && c != QLatin1Char('.') && c != QLatin1Char('[') && c != QLatin1Char('"') && c != QLatin1Char('\\');
    return plain ? key : quoted(key, PlainLength);
}

} // namespace vw::app
