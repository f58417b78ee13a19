#include "shown_text.h"

#include <algorithm>

namespace vw::app {

namespace {

constexpr qsizetype ShownStart = 32; // characters shown of a cut text

bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f); }

template <typename Out>
void escape(char16_t c, Out &out)
{
    static const char hex[] = "0123456789abcdef";
    switch (c) {
    case '\t': out += "\\t"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    default:
        out += "\\x";
        out += hex[(c >> 4) & 0xf];
        out += hex[c & 0xf];
    }
}

QString escapedInQuotes(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '"' || c == '\\') {
            out += QLatin1Char('\\');
            out += ch;
        } else if (isControl(c)) {
            QByteArray escaped;
            escape(c, escaped);
            out += QLatin1String(escaped);
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace

bool hasControlCharacter(const QString &text)
{
    for (QChar c : text)
        if (isControl(c.unicode()))
            return true;
    return false;
}

QString escapedControls(const QString &text)
{
    if (!hasControlCharacter(text))
        return text;
    QString out;
    for (QChar ch : text) {
        if (isControl(ch.unicode())) {
            QByteArray escaped;
            escape(ch.unicode(), escaped);
            out += QLatin1String(escaped);
        } else {
            out += ch;
        }
    }
    return out;
}

QString quoted(const QString &text, qsizetype limit)
{
    if (limit < 0 || text.size() <= limit)
        return QLatin1Char('"') + escapedInQuotes(text) + QLatin1Char('"');
    // A cut never splits a surrogate pair.
    qsizetype shown = std::min(ShownStart, limit);
    if (shown > 0 && text.at(shown - 1).isHighSurrogate())
        --shown;
    return quotedStart(text.left(shown)) + QStringLiteral(" (%1 characters)").arg(text.size());
}

QString quotedStart(const QString &start)
{
    return QLatin1Char('"') + escapedInQuotes(start) + QStringLiteral("...\"");
}

QByteArray escapedControlBytes(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool lineEnd = (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ||
                             (c == '\n' && i > 0 && text[i - 1] == '\r');
        if (isControl(c) && !lineEnd)
            escape(c, out);
        else
            out += char(c);
    }
    return out;
}

} // namespace vw::app
