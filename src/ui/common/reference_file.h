#pragma once

#include "ui/common/plane_view.h"
#include "core/datafile/data_file.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

class QPalette;
class QColor;
class QWidget;

namespace vw::app {

class EditorDocument;
class NumberGridModel;

// The colour that marks a field whose value differs from the reference file:
// the palette's highlight blended into the field's background, so the text
// keeps its contrast in light and dark palettes alike.
QColor referenceMarkColour(const QPalette &palette);
// "Reference: <value>", the tooltip of a marked field.
QString referenceToolTip(const QString &value);
// Marks `widget` with the reference's value, or takes the mark off (none).
// The widget's own tooltip comes back when the mark goes; a field that shows
// an input problem keeps it as its tooltip until the problem is gone.
void setReferenceMark(QWidget *widget, const std::optional<QString> &value);

// The reference file of the window: a second plane data file, read only,
// that every page compares its fields with. It counts the fields that differ
// (as the diff counts them) and keeps the count up to date with every edit,
// undo and redo by counting again only the planes the step touched. It marks
// the fields registered with addField() and the grids given to addGrid().
class ReferenceFile : public QObject, public PlaneView {
    Q_OBJECT
public:
    // The field a widget shows: its canonical path for the selection as it is
    // now ("planes[7].weapons.configurations[2].weapons[3].ammo"); empty for none.
    using PathOf = std::function<QString()>;

    explicit ReferenceFile(EditorDocument &document, QObject *parent = nullptr);

    bool isLoaded() const { return file_.isLoaded(); }
    const QString &path() const { return path_; }
    const datafile::DataFile &file() const { return file_; }
    // Reads the file (throws datafile errors), counts and marks.
    void load(const QString &path);
    void clear();

    // Fields that differ between the document and the reference (0 without one).
    int differenceCount() const;

    // The widget shows the field `path` names; it is marked when the field differs.
    void addField(QWidget *widget, PathOf path);
    // The grid's cells are marked when their bytes differ from the reference's.
    void addGrid(NumberGridModel *grid);
    // The field the widget shows now, as its canonical path; empty for none.
    QString fieldPath(const QWidget *widget) const;
    // Marks every registered field again.
    void mark();

    // Where the reference holds the bytes at `offset` of the document: the
    // same place in the same block of the current plane, or of a shared
    // table. Nothing without a reference or outside those blocks.
    std::optional<std::int64_t> referenceOffset(std::int64_t offset, std::int64_t length) const;
    // The reference value of a grid cell whose bytes differ, as the cell shows values; empty otherwise.
    QString cellReference(int kind, std::int64_t offset) const;

    // PlaneView: the last step of a refresh marks the pages shown.
    void configurationShown() override { mark(); }

Q_SIGNALS:
    // The count or the reference changed.
    void changed();

private:
    void recountAll();
    void repaintGrids();
    void stackChanged(int index);
    void recount(const std::set<int> &planes, bool shared);

    EditorDocument &document_;
    datafile::DataFile file_;
    QString path_;
    std::vector<int> planeCounts_; // differences of plane p at [p]
    int sharedCount_ = 0;
    int lastIndex_ = 0;
    struct Field {
        QPointer<QWidget> widget;
        PathOf path;
    };
    std::vector<Field> fields_;
    std::vector<QPointer<NumberGridModel>> grids_;
};

} // namespace vw::app
