#include "reference_file.h"

#include "ui/common/editor_document.h"
#include "ui/common/file_change_command.h"
#include "ui/common/number_grid_model.h"
#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/number_text.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/planedata/difference_count.h"
#include "core/planedata/field_path.h"
#include "core/weapons/weapons_block.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QUndoStack>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace vw::app {

QColor referenceMarkColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base), mark = palette.color(QPalette::Highlight);
    const auto mix = [](int a, int b) { return (a * 62 + b * 38) / 100; };
    return QColor(mix(base.red(), mark.red()), mix(base.green(), mark.green()), mix(base.blue(), mark.blue()));
}

QString referenceToolTip(const QString &value)
{
    return QCoreApplication::translate("vw::app::ReferenceFile", "Reference: %1").arg(value);
}

void setReferenceMark(QWidget *widget, const std::optional<QString> &value)
{
    const bool marked = widget->property("vwReference").isValid();
    if (!value && !marked)
        return;
    if (value && marked && widget->property("vwReference").toString() == *value)
        return;
    if (!marked) {
        widget->setProperty("vwOwnToolTip", widget->toolTip());
        widget->setProperty("vwOwnAutoFill", widget->autoFillBackground());
    }
    const QString own = widget->property("vwOwnToolTip").toString();
    QString tip = own;
    if (value) {
        // The palette the widget would have without the mark decides its colour.
        QPalette palette = widget->parentWidget() ? widget->parentWidget()->palette() : widget->palette();
        const QColor colour = referenceMarkColour(palette);
        QPalette marks;
        marks.setColor(QPalette::Base, colour);
        marks.setColor(QPalette::Button, colour);
        // A check box or a group of radio buttons has no field of its own: its background shows the mark.
        const bool background = !qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget);
        if (background) {
            marks.setColor(QPalette::Window, colour);
            widget->setAutoFillBackground(true);
        }
        widget->setPalette(marks);
        widget->setProperty("vwReference", *value);
        const QString reference = referenceToolTip(*value);
        tip = own.isEmpty() ? reference : own + QLatin1Char('\n') + reference;
    } else {
        widget->setPalette(QPalette());
        widget->setAutoFillBackground(widget->property("vwOwnAutoFill").toBool());
        widget->setProperty("vwReference", QVariant());
    }
    // A field that shows an input problem keeps it; the plain tooltip comes back after it.
    if (widget->property("vwInputProblem").toBool())
        widget->setProperty("vwPlainToolTip", tip);
    else
        widget->setToolTip(tip);
}

namespace {

// A plane's blocks as the field tables read them: where each starts and how long it is.
struct Block {
    std::int64_t start = 0, length = 0;
    bool exists = false;
};

std::array<Block, 5> planeBlocks(const datafile::DataFile &file, int p)
{
    using Header = flightmodel::PlaneHeaderView;
    using Record = flightmodel::PlaneRecordView;
    using Weapons = weapons::WeaponsBlockView;
    using Map = damage::DamageMapView;
    using Profile = damage::ProfileSlotView;
    std::array<Block, 5> blocks{};
    if (p < 1 || p > file.PlaneCount())
        return blocks;
    const auto of = [](const auto &view, std::int64_t length) { return Block{view.offset(), length, view.exists()}; };
    blocks[0] = of(Header(file, p), Header::UsedSize);
    blocks[1] = of(Record(file, p), Record::Size);
    blocks[2] = of(Weapons(file, p), Weapons::Size);
    blocks[3] = of(Map(file, p), Map::Size);
    blocks[4] = of(Profile(file, p), Profile::UsedSize);
    return blocks;
}

} // namespace

ReferenceFile::ReferenceFile(EditorDocument &document, QObject *parent) : QObject(parent), document_(document)
{
    connect(document_.undoStack(), &QUndoStack::indexChanged, this, &ReferenceFile::stackChanged);
    connect(&document_, &EditorDocument::fileReplaced, this, [this] {
        recountAll();
        mark();
        repaintGrids();
    });
}

void ReferenceFile::load(const QString &path)
{
    datafile::DataFile loaded = datafile::DataFile::ReadCfg(path, true);
    file_ = std::move(loaded);
    path_ = path;
    recountAll();
    mark();
    repaintGrids();
}

void ReferenceFile::clear()
{
    file_ = datafile::DataFile();
    path_.clear();
    recountAll();
    mark();
    repaintGrids();
}

int ReferenceFile::differenceCount() const
{
    return std::accumulate(planeCounts_.begin(), planeCounts_.end(), sharedCount_);
}

void ReferenceFile::recountAll()
{
    lastIndex_ = document_.undoStack()->index();
    planeCounts_.clear();
    sharedCount_ = 0;
    if (isLoaded() && document_.isLoaded()) {
        std::set<int> planes;
        for (int p = 1; p <= std::max(document_.file().PlaneCount(), file_.PlaneCount()); ++p)
            planes.insert(p);
        recount(planes, true);
        return;
    }
    Q_EMIT changed();
}

void ReferenceFile::recount(const std::set<int> &planes, bool shared)
{
    const datafile::DataFile &ours = document_.file();
    const int count = std::max(ours.PlaneCount(), file_.PlaneCount());
    planeCounts_.resize(std::size_t(count) + 1, 0);
    for (int p : planes)
        if (p >= 1 && p <= count)
            planeCounts_[std::size_t(p)] = fields::countPlaneDifferences(ours, file_, p);
    if (shared)
        sharedCount_ = fields::countSharedDifferences(ours, file_);
    Q_EMIT changed();
}

void ReferenceFile::stackChanged(int index)
{
    const QUndoStack *stack = document_.undoStack();
    // The steps between the index before and now changed the file; a merged
    // keystroke changed the step below the index.
    int from = std::min(lastIndex_, index), to = std::max(lastIndex_, index);
    if (from == to && index > 0)
        from = index - 1;
    lastIndex_ = index;
    if (!isLoaded() || !document_.isLoaded())
        return;
    const datafile::DataFile &ours = document_.file();
    // Every plane block of the document, by where it starts, to find the planes a step wrote.
    struct Span {
        std::int64_t start, end;
        int plane;
    };
    std::vector<Span> spans;
    for (int p = 1; p <= ours.PlaneCount(); ++p)
        for (const Block &b : planeBlocks(ours, p))
            if (b.exists)
                spans.push_back({b.start, b.start + b.length, p});
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.start < b.start; });
    std::set<int> planes;
    bool shared = false;
    for (int i = from; i < to; ++i) {
        const auto *command = dynamic_cast<const FileChangeCommand *>(stack->command(i));
        if (!command) {
            recountAll();
            mark();
            return;
        }
        for (const datafile::ChangeSet::Step &step : command->changes().steps) {
            if (step.kind != datafile::ChangeSet::Step::Bytes) {
                recountAll(); // the file's shape changed: every block may have moved
                mark();
                return;
            }
            const std::int64_t end = step.offset + std::max<std::int64_t>(1, step.after.size());
            bool inPlane = false;
            // Blocks may overlap (the weapons lie within the record): look at every one that starts before the end.
            auto it = std::upper_bound(spans.begin(), spans.end(), end,
                                       [](std::int64_t at, const Span &s) { return at <= s.start; });
            for (auto s = spans.begin(); s != it; ++s)
                if (s->end > step.offset) {
                    planes.insert(s->plane);
                    inPlane = true;
                }
            shared = shared || !inPlane;
        }
    }
    recount(planes, shared);
    mark();
}

void ReferenceFile::addField(QWidget *widget, PathOf path)
{
    fields_.push_back({widget, std::move(path)});
}

void ReferenceFile::addGrid(NumberGridModel *grid)
{
    grids_.push_back(grid);
    grid->setReference([this](const GridCell &cell) { return cellReference(int(cell.kind), cell.offset); });
}

QString ReferenceFile::fieldPath(const QWidget *widget) const
{
    for (const Field &f : fields_)
        if (f.widget == widget)
            return f.path();
    return {};
}

void ReferenceFile::mark()
{
    const bool comparing = isLoaded() && document_.isLoaded();
    for (const Field &f : fields_) {
        if (!f.widget)
            continue;
        std::optional<QString> value;
        const QString text = comparing ? f.path() : QString();
        if (!text.isEmpty()) {
            try {
                const fields::FieldPath path = fields::parsePath(text);
                const std::optional<fields::Match> ours = fields::resolve(document_.file(), path);
                const std::optional<fields::Match> theirs = fields::resolve(file_, path);
                if (ours && theirs) {
                    const fields::Value x = fields::read(*ours), y = fields::read(*theirs);
                    if (!fields::sameValue(*path.leaf(), x, y))
                        value = fields::valueText(*path.leaf(), y);
                } else if (ours) {
                    value = QCoreApplication::translate("vw::app::ReferenceFile", "none");
                }
            } catch (const fields::PathError &) {
            } catch (const std::exception &) {
            }
        }
        setReferenceMark(f.widget, value);
    }
}

void ReferenceFile::repaintGrids()
{
    // The cells read their marks when painted: the pages' refresh and the
    // grids' own edits repaint them, a new reference or none needs this.
    for (const QPointer<NumberGridModel> &grid : grids_)
        if (grid)
            grid->reload();
}

std::optional<std::int64_t> ReferenceFile::referenceOffset(std::int64_t offset, std::int64_t length) const
{
    if (!isLoaded() || !document_.isLoaded())
        return std::nullopt;
    const datafile::DataFile &ours = document_.file();
    const int p = document_.selection().CurrentPlane;
    const auto mine = planeBlocks(ours, p), theirs = planeBlocks(file_, p);
    for (std::size_t k = 0; k < mine.size(); ++k)
        if (mine[k].exists && offset >= mine[k].start && offset + length <= mine[k].start + mine[k].length)
            return theirs[k].exists ? std::optional<std::int64_t>(theirs[k].start + (offset - mine[k].start))
                                    : std::nullopt;
    // The shared tables: the same place from the table's start.
    std::int64_t start = 0, theirStart = 0;
    for (const auto &[a, b] : {std::pair<std::int64_t, std::int64_t>{ours.WingsTableStart(), file_.WingsTableStart()},
                               {ours.AmmoTableStart(), file_.AmmoTableStart()}})
        if (a > 0 && b > 0 && a <= offset && a > start) {
            start = a;
            theirStart = b;
        }
    if (start == 0)
        return std::nullopt;
    return theirStart + (offset - start);
}

QString ReferenceFile::cellReference(int kind, std::int64_t offset) const
{
    std::int64_t length = 0;
    switch (GridCell::Kind(kind)) {
    case GridCell::Number:
        length = 8;
        break;
    case GridCell::Speed:
        length = 4;
        break;
    case GridCell::Int16:
        length = 2;
        break;
    default:
        return {};
    }
    const datafile::DataFile &ours = document_.file();
    const std::optional<std::int64_t> at = referenceOffset(offset, length);
    if (!at || !ours.contains(offset, length) || !file_.contains(*at, length)
        || std::memcmp(ours.data() + offset, file_.data() + *at, std::size_t(length)) == 0)
        return {};
    switch (GridCell::Kind(kind)) {
    case GridCell::Number:
        return datafile::formatNumber(file_.f64(*at), document_.decimalSeparator());
    case GridCell::Speed:
        return QString::number(file_.i32(*at));
    default:
        return QString::number(file_.i16(*at));
    }
}

} // namespace vw::app
