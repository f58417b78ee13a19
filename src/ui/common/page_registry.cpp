#include "page_registry.h"

#include "core/planedata/field_table.h"

#include <QCoreApplication>
#include <QStackedWidget>
#include <QTabWidget>

namespace vw::app {

namespace {

// Where a widget sits in a page control: the control, and the widget in its
// tab (the page itself, or the scroll area around it).
struct Place {
    QTabWidget *tabs = nullptr;
    QWidget *tab = nullptr;
};

Place placeOf(const QWidget *widget)
{
    for (QWidget *w = const_cast<QWidget *>(widget); w; w = w->parentWidget()) {
        QWidget *stack = w->parentWidget();
        if (stack && qobject_cast<QStackedWidget *>(stack))
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()); tabs && tabs->indexOf(w) >= 0)
                return {tabs, w};
    }
    return {};
}

// A tab shows `name` when its caption is the name in any letter case, or the
// name in the window's language (so the documented page names work whatever
// the language).
bool captionIs(const QString &caption, const QString &name)
{
    return caption.compare(name, Qt::CaseInsensitive) == 0
           || caption == QCoreApplication::translate("vw::app::VNEditor", name.toUtf8().constData());
}

} // namespace

QList<PageId> PageRegistry::all()
{
    return allPages();
}

QString PageRegistry::key(PageId id)
{
    return pageKey(id);
}

std::optional<PageId> PageRegistry::forSection(QStringView section)
{
    // The parts of a plane, and the shared tables, as the field tables place them.
    const fields::Node &document = fields::document();
    for (const fields::Node *parent : {&document.member(QLatin1String("planes"))->element(), &document})
        for (const fields::Node &part : parent->members)
            if (part.page && !part.planes && section == QLatin1String(part.key))
                return part.page;
    return std::nullopt;
}

void PageRegistry::add(PageId id, QWidget *page)
{
    entries_.push_back({id, page, false, {}, {}});
}

void PageRegistry::addWindow(PageId id, QWidget *window, const QString &title, std::function<void()> open)
{
    entries_.push_back({id, window, true, title, std::move(open)});
}

const PageRegistry::Entry *PageRegistry::entry(PageId id) const
{
    for (const Entry &e : entries_)
        if (e.id == id)
            return &e;
    return nullptr;
}

QWidget *PageRegistry::page(PageId id) const
{
    const Entry *e = entry(id);
    return e ? e->page : nullptr;
}

bool PageRegistry::show(PageId id) const
{
    const Entry *e = entry(id);
    if (!e)
        return false;
    if (e->window) {
        if (e->open)
            e->open();
        return true;
    }
    for (Place place = placeOf(e->page); place.tabs; place = placeOf(place.tabs))
        place.tabs->setCurrentWidget(place.tab);
    return true;
}

void PageRegistry::selectInTabs(PageId id) const
{
    if (const Entry *e = entry(id))
        if (const Place place = placeOf(e->page); place.tabs)
            place.tabs->setCurrentWidget(place.tab);
}

bool PageRegistry::isShown(PageId id) const
{
    const Entry *e = entry(id);
    if (!e)
        return false;
    if (e->window)
        return e->page->isVisible();
    Place place = placeOf(e->page);
    if (!place.tabs)
        return false;
    for (; place.tabs; place = placeOf(place.tabs))
        if (place.tabs->currentWidget() != place.tab)
            return false;
    return true;
}

std::optional<PageId> PageRegistry::idOfTab(const QWidget *tab) const
{
    for (const Entry &e : entries_)
        if (!e.window && placeOf(e.page).tab == tab)
            return e.id;
    return std::nullopt;
}

std::optional<PageId> PageRegistry::find(const QString &name) const
{
    for (PageId id : allPages())
        if (name.compare(pageKey(id), Qt::CaseInsensitive) == 0 && entry(id))
            return id;
    for (const Entry &e : entries_)
        if (e.window && (name.compare(e.title, Qt::CaseInsensitive) == 0
                       || name.compare(e.page->windowTitle(), Qt::CaseInsensitive) == 0))
            return e.id;
    const QTabWidget *tabs = tabs_;
    const QWidget *found = nullptr;
    for (const QString &part : name.split(QLatin1Char('/'))) {
        if (!tabs)
            return std::nullopt;
        // "Weapons 2": the second page captioned "Weapons" (the ammunition
        // table), unless a page has the whole name.
        QString caption = part;
        int occurrence = 1;
        bool exact = false;
        for (int i = 0; i < tabs->count(); ++i)
            exact = exact || captionIs(tabs->tabText(i), part);
        const qsizetype blank = part.lastIndexOf(QLatin1Char(' '));
        bool numbered = false;
        const int number = blank > 0 ? part.mid(blank + 1).toInt(&numbered) : 0;
        if (!exact && numbered && number > 0) {
            caption = part.left(blank);
            occurrence = number;
        }
        found = nullptr;
        for (int i = 0; i < tabs->count() && !found; ++i)
            if (captionIs(tabs->tabText(i), caption) && --occurrence == 0)
                found = tabs->widget(i);
        if (!found)
            return std::nullopt;
        tabs = qobject_cast<const QTabWidget *>(found);
    }
    return found ? idOfTab(found) : std::nullopt;
}

void PageRegistry::listNames(const QTabWidget *tabs, const QString &prefix, QStringList &names) const
{
    for (int i = 0; i < tabs->count(); ++i) {
        const QString name = prefix + tabs->tabText(i);
        const std::optional<PageId> id = idOfTab(tabs->widget(i));
        names << (id ? name + QStringLiteral("  [") + key(*id) + QLatin1Char(']') : name);
        if (const auto *sub = qobject_cast<const QTabWidget *>(tabs->widget(i)))
            listNames(sub, name + QLatin1Char('/'), names);
    }
}

QStringList PageRegistry::names() const
{
    QStringList list;
    if (tabs_)
        listNames(tabs_, QString(), list);
    for (const Entry &e : entries_)
        if (e.window)
            list << e.page->windowTitle() + QStringLiteral("  [") + key(e.id) + QLatin1Char(']');
    return list;
}

} // namespace vw::app
