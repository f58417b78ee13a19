#include "common/test_registry.h"

#include "core/planedata/field_table.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"

#include <QTest>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

using namespace vw::app;
using fields::At;
using fields::Node;

namespace {

// Every leaf of a file, with where it is.
class Leaves : public fields::Visitor {
public:
    struct Leaf {
        const Node *node;
        At at;
        QString where;
    };
    std::vector<Leaf> found;

    void beginObject(const Node &, const At &) override {}
    void endObject(const Node &) override { pop(); }
    void beginList(const Node &, const At &) override {}
    void endList(const Node &) override { pop(); }
    void null(const Node &) override { pop(); }
    void key(const Node &node, int number) override
    {
        path_.push_back(node.key ? QLatin1Char('.') + QString::fromLatin1(node.key) : QStringLiteral("[%1]").arg(number));
    }
    void leaf(const Node &node, const At &at, const fields::Value &) override
    {
        found.push_back({&node, at, path_.join(QString()).mid(1)});
        pop();
    }

private:
    void pop()
    {
        if (!path_.isEmpty())
            path_.removeLast();
    }
    QStringList path_;
};

// The value changed as little as the field lets it.
fields::Value changed(const Node &leaf, fields::Value v)
{
    switch (leaf.kind) {
    case fields::Kind::Integer:
        v.integer = v.integer < leaf.max ? v.integer + 1 : v.integer - 1;
        break;
    case fields::Kind::Number:
        v.number = v.number + 1.5;
        break;
    case fields::Kind::Text:
        v.text = v.text.isEmpty() || v.text[0] != QLatin1Char('Q') ? QStringLiteral("Q") + v.text.mid(1) : QStringLiteral("R");
        break;
    case fields::Kind::Bytes:
        v.bytes[0] = char(v.bytes[0] ^ 1);
        break;
    case fields::Kind::Flag:
        v.flag = !v.flag;
        break;
    }
    return v;
}

} // namespace

class FieldTableTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each byte a field writes is named by that field only, unless the tables
    // record the two names as one field (an alias).
    void everyByteHasOneNameOrAnAlias_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("63 planes") << 0;
        QTest::newRow("256 planes") << 2;
    }
    void everyByteHasOneNameOrAnAlias()
    {
        QFETCH(int, layout);
        vw::datafile::SampleOptions o;
        o.layout = layout;
        o.planes = 1;
        const QByteArray image = vw::datafile::buildSamplePlainImage(o);
        const auto file = vw::datafile::DataFile::fromBytes(image, false);
        Leaves leaves;
        fields::walk(file, {}, leaves);
        std::map<qsizetype, const Leaves::Leaf *> owner;
        auto copy = vw::datafile::DataFile::fromBytes(image, false);
        const auto *before = reinterpret_cast<const std::uint8_t *>(image.constData());
        const std::uint8_t *after = copy.data();
        int written = 0;
        for (const Leaves::Leaf &leaf : leaves.found) {
            if (!leaf.node->write)
                continue;
            At at = leaf.at;
            at.file = &copy;
            leaf.node->write(copy, at, changed(*leaf.node, leaf.node->read(at)));
            // The bytes the write changed, found a block at a time.
            constexpr qsizetype Block = 4096;
            qsizetype first = image.size(), last = -1;
            for (qsizetype b = 0; b < image.size(); b += Block) {
                const qsizetype n = std::min(Block, image.size() - b);
                if (std::memcmp(before + b, after + b, std::size_t(n)) == 0)
                    continue;
                for (qsizetype i = b; i < b + n; ++i) {
                    if (after[i] == before[i])
                        continue;
                    first = std::min(first, i);
                    last = i;
                    ++written;
                    const auto [it, added] = owner.emplace(i, &leaf);
                    const Node &other = *it->second->node;
                    const bool twins = (leaf.node->alias && other.aliased) || (leaf.node->aliased && other.alias);
                    QVERIFY2(added || twins,
                             qPrintable(QStringLiteral("byte %1: %2 and %3").arg(i).arg(it->second->where, leaf.where)));
                }
            }
            if (first <= last)
                copy.write(first, image.constData() + first, last - first + 1);
        }
        QVERIFY(written > 10000);
    }
};

VW_TEST(FieldTableTest)
#include "test_field_table.moc"
