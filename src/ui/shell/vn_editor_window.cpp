#include "vn_editor.h"

#include "ui/overview/planes_overview.h"

#include <QTableView>

#include "core/workspace/workspace.h"
#include "ui/weapons/more_weapons_dialog.h"
#include "core/datafile/layout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QShowEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

// The window as a desktop program: its caption and status bar, its size and
// place on the screen, the recent files, dropped files and the About box.

namespace vw::app {

namespace {
constexpr int RecentFileCount = 8;
QString layoutName(int layout)
{
    const QString names[] = {VNEditor::tr("1 - Original format"), VNEditor::tr("2 - Openhall plane format (128)"),
                             VNEditor::tr("3 - Openhall plane format (256)")};
    return names[layout];
}
} // namespace

void VNEditor::updateTitle()
{
    QString title = tr("Vornwing Planes Editor Version ") + QString::fromLatin1(EditorVersion);
    if (document_->isLoaded())
        title += QStringLiteral(" - ") + QFileInfo(document_->currentPath()).fileName();
    setWindowTitle(title + QStringLiteral("[*]"));
    updateFileStatus();
}

void VNEditor::updateFileStatus()
{
    if (!fileStatus_)
        return;
    updateNoFileNotice();
    if (!document_->isLoaded()) {
        fileStatus_->setText(tr("No plane data file is loaded (Ctrl+O opens one)"));
        fileStatus_->setToolTip(tr("Load one with File > Load configuration (Ctrl+O)."));
        return;
    }
    const datafile::DataFile &file = document_->file();
    const int planes = std::max(0, file.PlaneCount());
    const int layout = std::clamp(file.FileLayout(), 0, 2);
    fileStatus_->setText(QStringLiteral("%1 | %2 | %3 | %4")
                             .arg(QFileInfo(document_->currentPath()).fileName(),
                                  planes == 1 ? tr("1 plane") : tr("%1 planes").arg(planes),
                                  layoutName(layout),
                                  file.FileVersion() == datafile::KeyedVersion ? tr("keyed cipher")
                                                                               : tr("plain cipher")));
    fileStatus_->setToolTip(QDir::toNativeSeparators(document_->currentPath()));
}

void VNEditor::updateNoFileNotice()
{
    if (!noFileNotice_)
        return;
    const bool loaded = document_->isLoaded();
    noFileNotice_->setVisible(!loaded);
    if (loaded)
        return;
    QString text = tr("No plane data file is loaded. Load one with File > Load configuration (Ctrl+O).");
    if (!installedDefaults_.isEmpty())
        text += QLatin1Char(' ') + tr("A misc.bin put in %1 is opened at start.").arg(QDir::toNativeSeparators(baseDirectory_));
    noFileText_->setText(text);
}

QString VNEditor::windowSettingsPath() const
{
    return editorFile(baseDirectory_, QStringLiteral("window.ini"));
}

PlanesOverviewDock *VNEditor::planesOverview()
{
    if (!overview_) {
        overview_ = new PlanesOverviewDock(*document_, this);
        const QVariant columns = windowStored_.values.value(QStringLiteral("overviewColumns"));
        if (columns.isValid())
            overview_->model()->setColumns(columns.toStringList());
        addDockWidget(Qt::BottomDockWidgetArea, overview_);
        // A third of the window, leaving the pages above it room.
        resizeDocks({overview_}, {std::max(180, height() / 3)}, Qt::Vertical);
    }
    return overview_;
}

void VNEditor::PlanesOverview1Click()
{
    PlanesOverviewDock *dock = planesOverview();
    dock->show();
    dock->raise();
    dock->table()->setFocus();
}

void VNEditor::restoreWindow()
{
    // Read at start-up with the other files of the editor folder.
    const QVariantMap &stored = windowStored_.values;
    recentFiles_ = stored.value(QStringLiteral("recentFiles")).toStringList().mid(0, RecentFileCount);
    fillRecentMenu();
    setMinimumSize(640, 420);
    const QPoint dialogPlace = stored.value(QStringLiteral("moreWeaponsPlace")).toPoint();
    if (stored.contains(QStringLiteral("moreWeaponsPlace")))
        moreGun_->setUserPlace(dialogPlace);
    if (restoreGeometry(stored.value(QStringLiteral("geometry")).toByteArray())) {
        keepOnScreen();
        checkPlaceWhenShown_ = true;
        return;
    }
    // The documented size where it fits; the pages scroll on smaller screens.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1020, 700);
    const QSize size(std::min(1020, room.width()), std::min(700, room.height() - 40));
    resize(size);
    move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

void VNEditor::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!checkPlaceWhenShown_)
        return;
    checkPlaceWhenShown_ = false;
    // Once shown the window has its frame: the restored place is checked again with it.
    QTimer::singleShot(0, this, &VNEditor::keepOnScreen);
}

void VNEditor::keepOnScreen()
{
    // Geometry kept from a larger screen (or from a screen that is gone) is
    // brought whole into the available area of the screen the window lands on.
    if (isMaximized() || isFullScreen())
        return;
    const QScreen *screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // The frame is known once the window is shown; before that, room is kept for a title bar.
    QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull())
        frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    const QRect inside = room.marginsRemoved(frame);
    QRect client = geometry();
    client.setSize(client.size().boundedTo(inside.size()).expandedTo(minimumSize()));
    client.moveLeft(std::max(inside.left(), std::min(client.left(), inside.right() + 1 - client.width())));
    client.moveTop(std::max(inside.top(), std::min(client.top(), inside.bottom() + 1 - client.height())));
    if (client != geometry())
        setGeometry(client);
}

void VNEditor::storeWindow()
{
    // Only into an editor folder that exists: a mistyped base folder is not
    // created. A window.ini that could not be read was named at start and is
    // kept as it is.
    if (windowStored_.unreadable || !QFileInfo(QFileInfo(windowSettingsPath()).absolutePath()).isDir())
        return;
    QVariantMap values{{QStringLiteral("geometry"), saveGeometry()}, {QStringLiteral("recentFiles"), recentFiles_}};
    if (const std::optional<QPoint> place = moreGun_->userPlace())
        values.insert(QStringLiteral("moreWeaponsPlace"), *place);
    if (overview_)
        values.insert(QStringLiteral("overviewColumns"), overview_->model()->columnPaths());
    // The reference file of each data file.
    if (windowStored_.values.contains(QStringLiteral("references")))
        values.insert(QStringLiteral("references"), windowStored_.values.value(QStringLiteral("references")));
    try {
        writeWindowSettings(windowSettingsPath(), values);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The window's place and the recent files were not saved.\n\n")
                                   + EditorDocument::describe(e));
    }
}

void VNEditor::rememberRecentFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(absolute);
    recentFiles_.prepend(absolute);
    recentFiles_ = recentFiles_.mid(0, RecentFileCount);
    fillRecentMenu();
}

void VNEditor::fillRecentMenu()
{
    if (!recentMenu_)
        return;
    recentMenu_->clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString path = recentFiles_[i];
        QAction *item = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { openConfiguration(path); });
    }
    recentMenu_->setEnabled(!recentFiles_.isEmpty());
}

void VNEditor::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void VNEditor::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openConfiguration(urls.first().toLocalFile());
}

void VNEditor::showAbout()
{
    // An installed editor works in the user's data folder: About says so.
    const QString installed =
        installedDefaults_.isEmpty()
            ? QString()
            : QLatin1String("\n\n")
                  + tr("Installed: the base directory is your data folder; the default support files are copied "
                       "there from %1 when they are missing.")
                        .arg(QDir::toNativeSeparators(installedDefaults_));
    prompter_->information(
        this, tr("Vornwing Planes Editor %1\nQt %2\n\n"
                 "Base directory: %3\nPlane data file: %4\nSettings and support files: %5")
                  .arg(QString::fromLatin1(EditorVersion), QString::fromLatin1(qVersion()),
                       QDir::toNativeSeparators(baseDirectory_),
                       QDir::toNativeSeparators(document_->isLoaded() ? document_->currentPath() : defaultDataPath(baseDirectory_)),
                       QDir::toNativeSeparators(editorFile(baseDirectory_, QString())))
                  + installed);
}

void VNEditor::makePagesScroll(QTabWidget *tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget *page = tabs->widget(i);
        if (auto *sub = qobject_cast<QTabWidget *>(page)) {
            makePagesScroll(sub);
            continue;
        }
        if (qobject_cast<QScrollArea *>(page))
            continue;
        const QString title = tabs->tabText(i);
        const bool current = tabs->currentIndex() == i;
        tabs->removeTab(i);
        auto *scroll = new QScrollArea(tabs);
        scroll->setObjectName(page->objectName() + QStringLiteral("Scroll"));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        tabs->insertTab(i, scroll, title);
        if (current)
            tabs->setCurrentIndex(i);
    }
}

} // namespace vw::app
