#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QSet>
#include <QString>

#include <cstdint>
#include <vector>

namespace vw::app {

class PatchTree;

namespace patch_tree {
enum class Type : std::uint8_t { Null, False, True, Number, String, Array, Object };
struct Item {
    Type type = Type::Null;
    bool negativeZero = false;
    bool owned = false;      // a text in the tree's own pool rather than in the text read
    std::uint32_t first = 0; // a text's offset; a container's first child
    std::uint32_t size = 0;  // a text's bytes; entries or members
    double number = 0;
};
// The value of a hex digit of either case, or -1.
int hexDigit(char c);
} // namespace patch_tree

// One value of a patch's tree; an absent one (a member the object lacks, an
// index behind the array's end) is undefined. Cheap to copy.
class PatchValue {
public:
    PatchValue() = default;

    bool isUndefined() const { return tree_ == nullptr; }
    bool isNull() const;
    bool isBool() const;
    bool isDouble() const;
    bool isString() const;
    bool isArray() const;
    bool isObject() const;

    bool toBool() const;
    // A number as the parser holds it: a zero is 0 even where it was written -0.
    double toDouble() const;
    // True for a number written as a negative zero (-0, -0.0, -0e5).
    bool isNegativeZero() const;
    QString toString() const;
    // A text's UTF-8 bytes, valid while the tree lives.
    QByteArrayView utf8() const;

    // Arrays: entries; objects: members.
    qsizetype size() const;
    PatchValue at(qsizetype i) const;
    // An object's i-th member, in the order of the text.
    QByteArrayView keyAt(qsizetype i) const;
    PatchValue valueAt(qsizetype i) const;
    // The member of that key, or an undefined value.
    PatchValue value(QLatin1StringView key) const;

private:
    friend class PatchTree;
    PatchValue(const PatchTree *tree, std::uint32_t item) : tree_(tree), item_(item) {}
    const patch_tree::Item &item() const;
    bool is(patch_tree::Type type) const { return tree_ && item().type == type; }
    const PatchTree *tree_ = nullptr;
    std::uint32_t item_ = 0;
};

// A patch's JSON as a compact tree, read in one pass over its text. The
// reader takes only plain JSON it can vouch for: where a text has anything
// else (a key given twice, a text longer than any field, a number the parser
// would not take exactly, an escaped lone surrogate, a control character,
// nesting deeper than the import goes, or an error) it gives up, and the
// patch is read by Qt's parser instead and handed over with fromDocument().
class PatchTree {
public:
    // False where the text is not plain JSON of an object or an array.
    bool read(const QByteArray &text);
    // The tree of a parsed document; `negativeZeros` are the places
    // ("planes[0].primary.rows[3]") of numbers written as -0.
    void fromDocument(const QJsonValue &root, const QSet<QString> &negativeZeros = {});

    PatchValue root() const { return items_.empty() ? PatchValue() : PatchValue(this, 0); }

private:
    friend class PatchValue;
    using Type = patch_tree::Type;
    using Item = patch_tree::Item;

    class Reader;
    void fromValue(const QJsonValue &value, const QString &place, const QSet<QString> &negativeZeros);
    std::uint32_t addText(const QString &text);

    QByteArray text_;
    QByteArray pool_; // texts decoded from escapes, or taken from a document
    std::vector<Item> items_;
    // The children of each container, together: an object's as key, value.
    std::vector<std::uint32_t> children_;
};

// The values' accessors, inline: an import calls them some ten million times.

inline const patch_tree::Item &PatchValue::item() const { return tree_->items_[item_]; }

inline bool PatchValue::isNull() const { return is(patch_tree::Type::Null); }
inline bool PatchValue::isBool() const { return is(patch_tree::Type::True) || is(patch_tree::Type::False); }
inline bool PatchValue::isDouble() const { return is(patch_tree::Type::Number); }
inline bool PatchValue::isString() const { return is(patch_tree::Type::String); }
inline bool PatchValue::isArray() const { return is(patch_tree::Type::Array); }
inline bool PatchValue::isObject() const { return is(patch_tree::Type::Object); }
inline bool PatchValue::toBool() const { return is(patch_tree::Type::True); }
inline double PatchValue::toDouble() const { return isDouble() ? item().number : 0; }
inline bool PatchValue::isNegativeZero() const { return isDouble() && item().negativeZero; }

inline QByteArrayView PatchValue::utf8() const
{
    if (!isString())
        return {};
    const patch_tree::Item &it = item();
    const QByteArray &from = it.owned ? tree_->pool_ : tree_->text_;
    return QByteArrayView(from.constData() + it.first, qsizetype(it.size));
}

inline QString PatchValue::toString() const { return QString::fromUtf8(utf8()); }

inline qsizetype PatchValue::size() const { return isArray() || isObject() ? qsizetype(item().size) : 0; }

inline PatchValue PatchValue::at(qsizetype i) const
{
    if (!isArray() || i < 0 || i >= qsizetype(item().size))
        return {};
    return PatchValue(tree_, tree_->children_[item().first + std::size_t(i)]);
}

inline QByteArrayView PatchValue::keyAt(qsizetype i) const
{
    return PatchValue(tree_, tree_->children_[item().first + 2 * std::size_t(i)]).utf8();
}

inline PatchValue PatchValue::valueAt(qsizetype i) const
{
    return PatchValue(tree_, tree_->children_[item().first + 2 * std::size_t(i) + 1]);
}

} // namespace vw::app
