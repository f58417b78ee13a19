#include "json_writer.h"

#include <QJsonArray>
#include <QVariant>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vw::app {

namespace {

// QJsonDocument's indented text, byte for byte: a 254-plane export holds
// about 400,000 values, and most of QJsonDocument's time goes into
// converting each of them.
class TextWriter {
public:
    std::string text;

    void object(const QJsonObject &o, int depth)
    {
        text += "{\n";
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it != o.begin())
                text += ",\n";
            indent(depth + 1);
            string(it.key());
            text += ": ";
            value(it.value(), depth + 1);
        }
        if (!o.isEmpty())
            text += '\n';
        indent(depth);
        text += '}';
    }

private:
    void array(const QJsonArray &a, int depth)
    {
        text += "[\n";
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (i > 0)
                text += ",\n";
            indent(depth + 1);
            value(a.at(i), depth + 1);
        }
        if (!a.isEmpty())
            text += '\n';
        indent(depth);
        text += ']';
    }

    void value(const QJsonValue &v, int depth)
    {
        switch (v.type()) {
        case QJsonValue::Object: return object(v.toObject(), depth);
        case QJsonValue::Array: return array(v.toArray(), depth);
        case QJsonValue::String: return string(v.toString());
        case QJsonValue::Bool: text += v.toBool() ? "true" : "false"; return;
        case QJsonValue::Double: {
            // Integers are kept apart from doubles with integral values ("6e+05").
            const QVariant n = v.toVariant();
            if (n.userType() == QMetaType::LongLong) {
                char buffer[24];
                text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, n.toLongLong()).ptr);
            } else {
                number(v.toDouble());
            }
            return;
        }
        default: text += "null"; return;
        }
    }

    void indent(int depth) { text.append(std::size_t(4 * depth), ' '); }

    // Shortest digits that read back to the same double, laid out as
    // QByteArray::number(value, 'g', FloatingPointShortest) lays them out:
    // the plain form unless the exponent form is shorter.
    void number(double value)
    {
        if (!std::isfinite(value)) {
            text += "null";
            return;
        }
        char buffer[64];
        const char *end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
        const char *p = buffer;
        if (*p == '-') {
            text += '-';
            ++p;
        }
        char digits[32];
        int n = 0;
        while (p < end && *p != 'e') {
            if (*p != '.')
                digits[n++] = *p;
            ++p;
        }
        int exponent = 0;
        if (p < end)
            std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
        if (n == 1 && digits[0] == '0') {
            text += '0';
            return;
        }
        const int point = exponent + 1; // digits before the decimal point
        const int exponentLength = n + (n > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
        const int plainLength = point <= 0 ? 2 - point + n : (point < n ? n + 1 : point);
        if (plainLength <= exponentLength) {
            if (point <= 0) {
                text += "0.";
                text.append(std::size_t(-point), '0');
                text.append(digits, std::size_t(n));
            } else if (point < n) {
                text.append(digits, std::size_t(point));
                text += '.';
                text.append(digits + point, std::size_t(n - point));
            } else {
                text.append(digits, std::size_t(n));
                text.append(std::size_t(point - n), '0');
            }
            return;
        }
        text += digits[0];
        if (n > 1) {
            text += '.';
            text.append(digits + 1, std::size_t(n - 1));
        }
        char power[16];
        std::snprintf(power, sizeof power, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text += power;
    }

    void string(const QString &s)
    {
        text += '"';
        bool ascii = true;
        for (QChar c : s)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            for (QChar c : s)
                character(char(c.unicode()));
        } else {
            for (char c : s.toUtf8())
                character(c);
        }
        text += '"';
    }

    void character(char c)
    {
        static const char hex[] = "0123456789abcdef";
        switch (c) {
        case '"': text += "\\\""; break;
        case '\\': text += "\\\\"; break;
        case '\b': text += "\\b"; break;
        case '\f': text += "\\f"; break;
        case '\n': text += "\\n"; break;
        case '\r': text += "\\r"; break;
        case '\t': text += "\\t"; break;
        default:
            if (uchar(c) < 0x20) {
                text += "\\u00";
                text += hex[uchar(c) >> 4];
                text += hex[uchar(c) & 0xf];
            } else {
                text += c;
            }
        }
    }
};

} // namespace

QByteArray jsonText(const QJsonObject &document)
{
    TextWriter writer;
    writer.text.reserve(std::size_t(1) << 20);
    writer.object(document, 0);
    writer.text += '\n';
    return QByteArray(writer.text.data(), qsizetype(writer.text.size()));
}

} // namespace vw::app
