#pragma once

#include "core/planedata/page_id.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

class QTabWidget;
class QWidget;

namespace vw::app {

// The pages of the window, found by identifier rather than by tab position or
// caption, so that a page is reached the same way however the tabs are ordered.
// A page keeps its place when it is wrapped in a scroll area or its tab moves.
class PageRegistry {
public:
    // Every identifier, in the window's order.
    static QList<PageId> all();
    // The identifier --page accepts: "weapons", "engine-power", "more-weapons".
    static QString key(PageId id);
    // The page that shows a section of the plane data ("weapons", "engine",
    // "damage_map") or a shared table ("wings", "ammunition").
    static std::optional<PageId> forSection(QStringView section);

    // The page control whose captions name pages ("Flight Model/Engine Power #1").
    void setTabs(QTabWidget *tabs) { tabs_ = tabs; }
    // `page` is shown in a tab (perhaps of a sub-page control).
    void add(PageId id, QWidget *page);
    // A page that opens as a window of its own beside the pages; `title` is
    // its untranslated title, which names it as well as the title it shows.
    void addWindow(PageId id, QWidget *window, const QString &title, std::function<void()> open);

    QWidget *page(PageId id) const;
    // Shows the page: its tab, and the tab of every page control above it; a
    // window page opens, the pages staying as they are. False for a page not added.
    bool show(PageId id) const;
    // Selects the page in its own row of tabs only, leaving the pages above.
    void selectInTabs(PageId id) const;
    // True when the page is the one shown at every level (a window: open).
    bool isShown(PageId id) const;

    // The page that a name means: an identifier, or captions as the tabs show
    // them in either language, sub-pages as "Page/Sub-page" and "Weapons 2"
    // for the second page of that caption.
    std::optional<PageId> find(const QString &name) const;
    // The names find() accepts, one per page: "Caption path  [identifier]".
    QStringList names() const;

private:
    struct Entry {
        PageId id;
        QWidget *page;
        bool window;
        QString title;
        std::function<void()> open;
    };
    const Entry *entry(PageId id) const;
    std::optional<PageId> idOfTab(const QWidget *tab) const;
    void listNames(const QTabWidget *tabs, const QString &prefix, QStringList &names) const;

    QTabWidget *tabs_ = nullptr;
    std::vector<Entry> entries_;
};

} // namespace vw::app
