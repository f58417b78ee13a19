#include "number_grid_model.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/reference_file.h"
#include "core/datafile/number_text.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

#include <cmath>
#include <cstring>
#include <limits>

namespace vw::app {

NumberGridModel::NumberGridModel(EditorDocument &document, const QString &gridName, Binding binding, QObject *parent)
    : QAbstractTableModel(parent), document_(document), gridName_(gridName), binding_(std::move(binding))
{
}

void NumberGridModel::setShape(int colCount, int rowCount)
{
    if (colCount == colCount_ && rowCount == rowCount_)
        return;
    // Rows and columns come and go at the end, so the current cell stays where it is.
    if (rowCount < rowCount_) {
        beginRemoveRows({}, rowCount, rowCount_ - 1);
        rowCount_ = rowCount;
        endRemoveRows();
    } else if (rowCount > rowCount_) {
        beginInsertRows({}, rowCount_, rowCount - 1);
        rowCount_ = rowCount;
        endInsertRows();
    }
    if (colCount < colCount_) {
        beginRemoveColumns({}, colCount, colCount_ - 1);
        colCount_ = colCount;
        endRemoveColumns();
    } else if (colCount > colCount_) {
        beginInsertColumns({}, colCount_, colCount - 1);
        colCount_ = colCount;
        endInsertColumns();
    }
}

void NumberGridModel::setActive(bool active)
{
    active_ = active;
}

void NumberGridModel::reload()
{
    if (rowCount_ > 0 && colCount_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount_ - 1, colCount_ - 1));
}

QVariant NumberGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const GridCell c = cell(index.column(), index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (c.kind) {
        case GridCell::Heading:
            return c.text;
        // A cell whose field lies outside the file shows empty: painting never throws.
        case GridCell::Number:
            if (!document_.file().contains(c.offset, 8))
                return QString();
            return datafile::formatNumber(document_.file().f64(c.offset), document_.decimalSeparator());
        case GridCell::Speed:
            if (!document_.file().contains(c.offset, 4))
                return QString();
            return QString::number(document_.file().i32(c.offset));
        case GridCell::Int16:
            if (!document_.file().contains(c.offset, 2))
                return QString();
            return QString::number(document_.file().i16(c.offset));
        case GridCell::Empty:
            break;
        }
        return QString();
    case Qt::BackgroundRole:
        if (c.kind == GridCell::Heading)
            return QApplication::palette().button();
        if (c.editable() && reference_ && !reference_(c).isEmpty())
            return QBrush(referenceMarkColour(QApplication::palette()));
        return {};
    case Qt::ToolTipRole:
    case ReferenceRole:
        if (c.editable() && reference_) {
            const QString value = reference_(c);
            if (!value.isEmpty())
                return role == ReferenceRole ? value : referenceToolTip(value);
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags NumberGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const GridCell c = cell(index.column(), index.row());
    if (c.editable())
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled;
}

QVariant NumberGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridCell c = orientation == Qt::Horizontal ? binding_(section, 0) : binding_(0, section);
    return c.kind == GridCell::Heading ? QVariant(c.text) : QVariant(QString());
}

void NumberGridModel::setFieldNames(const QString &pageCaption, FieldName name)
{
    pageCaption_ = pageCaption;
    fieldName_ = std::move(name);
}

QString NumberGridModel::fieldName(int col, int row) const
{
    if (fieldName_) {
        const QString named = fieldName_(col, row);
        if (!named.isEmpty())
            return named;
    }
    const GridCell rowHeading = binding_(0, row);
    const GridCell colHeading = binding_(col, 0);
    const QString rowText = rowHeading.kind == GridCell::Heading && !rowHeading.text.trimmed().isEmpty()
                                ? rowHeading.text.trimmed()
                                : tr("row %1").arg(row);
    if (colCount_ <= 2)
        return rowText;
    const QString colText = colHeading.kind == GridCell::Heading && !colHeading.text.trimmed().isEmpty()
                                ? colHeading.text.trimmed()
                                : tr("column %1").arg(col);
    return rowText + QStringLiteral(", ") + colText;
}

bool NumberGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    return setEditText(index.column(), index.row(), value.toString());
}

bool NumberGridModel::setEditText(int col, int row, const QString &text)
{
    if (!active_ || document_.refreshing() || col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        return false;
    const GridCell c = cell(col, row);
    if (!c.editable())
        return false;
    const double v = datafile::readNumber(text, document_.decimalSeparator());
    datafile::DataFile &file = document_.file();
    const std::uint64_t before = file.revision();
    const MergeKey key = MergeKey::forCell(gridName_, document_.selection().CurrentPlane, col, row);
    const QString field = fieldName(col, row);
    document_.edit(field, key, [&] {
        if (c.kind == GridCell::Number) {
            file.writeF64(c.offset, v); // an equal value writes nothing
            return;
        }
        if (c.kind == GridCell::Int16) {
            const double whole = std::floor(v);
            if (!(whole >= -32768 && whole <= 32767))
                throw datafile::FormatError(
                    tr("This cell holds -32768 to 32767; %1 was not stored.").arg(text.trimmed()));
            file.writeI16(c.offset, std::int16_t(whole));
            return;
        }
        const double mph = std::floor(v);
        if (!(mph >= std::numeric_limits<std::int32_t>::min() && mph <= std::numeric_limits<std::int32_t>::max()))
            throw datafile::FormatError(tr("Integer overflow: a speed point holds -2147483648 to "
                                           "2147483647 mph; %1 was not stored.")
                                            .arg(text.trimmed()));
        file.writeI32(c.offset, std::int32_t(mph));
    });
    // A cell has no frame to mark: the status bar says how a text that is not a number was read.
    const QString problem = numberInputProblem(pageCaption_.isEmpty() ? field : pageCaption_ + QStringLiteral(", ") + field,
                                               text, document_.decimalSeparator(), v);
    if (!problem.isEmpty())
        document_.showStatus(problem);
    if (file.revision() == before)
        return false;
    const QModelIndex changed = index(row, col);
    Q_EMIT dataChanged(changed, changed);
    Q_EMIT cellStored(col, row);
    return true;
}

} // namespace vw::app
