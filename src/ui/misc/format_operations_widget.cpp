#include "format_operations_widget.h"

#include "ui/common/batch_status.h"
#include "ui/common/editor_document.h"
#include "ui/misc/misc_page.h"
#include "ui/common/page_support.h"
#include "ui/common/prompter_dialog.h"
#include "core/operations/format_maintenance.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace vw::app {

namespace {
// Room around the caption inside the button's frame.
constexpr int CaptionMarginX = 8;
constexpr int CaptionMarginY = 5;
// The width a wrapping button asks for; narrower columns wrap it further.
constexpr int PreferredWrapWidth = 260;
} // namespace

WrappingButton::WrappingButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent), caption_(new QLabel(caption, this))
{
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingButton::heightForWidth(int width) const
{
    return caption_->heightForWidth(std::max(1, width - 2 * CaptionMarginX)) + 2 * CaptionMarginY;
}

QSize WrappingButton::sizeHint() const
{
    return {PreferredWrapWidth, heightForWidth(PreferredWrapWidth)};
}

QSize WrappingButton::minimumSizeHint() const
{
    const int width = 120;
    return {width, heightForWidth(width)};
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    // The frame only: the caption label paints the text, wrapped.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
}

void WrappingButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    caption_->setGeometry(rect().adjusted(CaptionMarginX, CaptionMarginY, -CaptionMarginX, -CaptionMarginY));
}

FormatOperationsWidget::FormatOperationsWidget(EditorDocument &document, MiscPage &miscPage,
                                               const QString &baseDirectory, WindowActions actions, QWidget *parent)
    : QWidget(parent), document_(document), miscPage_(miscPage), baseDirectory_(baseDirectory),
      actions_(std::move(actions))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    auto *cipherGroup = new QGroupBox(tr("Encrypt/Decrypt misc.bin"), this);
    auto *cipherColumn = new QVBoxLayout(cipherGroup);
    auto *button4 = new WrappingButton(
        tr("Generate decrypted \"misc_.bin\" file from currently loaded configuration"), cipherGroup);
    button4->setObjectName(QStringLiteral("Button4"));
    button4->setToolTip(tr("Writes the plane data as it is in the editor, not enciphered, to %1.")
                            .arg(QDir::toNativeSeparators(decipheredCopyPath())));
    auto *button5 = new WrappingButton(
        tr("Load \"misc_.bin\". Warning!!! You current configuration will be lost!"), cipherGroup);
    button5->setObjectName(QStringLiteral("Button5"));
    button5->setToolTip(tr("Loads %1 as it is, without deciphering; the next save enciphers it.")
                            .arg(QDir::toNativeSeparators(decipheredCopyPath())));
    cipherColumn->addWidget(button4);
    cipherColumn->addWidget(button5);
    column->addWidget(cipherGroup);

    auto *formatGroup = new QGroupBox(tr("Misc.bin format"), this);
    auto *formatColumn = new QVBoxLayout(formatGroup);
    const BatchOperation &button10Operation = batchOperation("regenerate-offsets");
    auto *button10 = named<QPushButton>(button10Operation.button, formatGroup);
    button10->setText(batchCaption(button10Operation));
    button10->setToolTip(tr("Gives planes added by raising \"Number of Planes:\" their own record and "
                            "damage map, one stride behind the plane before."));
    const BatchOperation &button29Operation = batchOperation("add-room-for-256-planes");
    auto *button29 = named<QPushButton>(button29Operation.button, formatGroup);
    button29->setText(batchCaption(button29Operation));
    button29->setToolTip(tr("Converts a 128-plane file into the 256-plane format."));
    formatColumn->addWidget(button10);
    formatColumn->addWidget(button29);
    column->addWidget(formatGroup);

    connectHandler(document_, button4, &QPushButton::clicked, this, &FormatOperationsWidget::Button4Click);
    connectHandler(document_, button5, &QPushButton::clicked, this, &FormatOperationsWidget::Button5Click);
    connectHandler(document_, button10, &QPushButton::clicked, this, &FormatOperationsWidget::Button10Click);
    connectHandler(document_, button29, &QPushButton::clicked, this, &FormatOperationsWidget::Button29Click);
}

QString FormatOperationsWidget::decipheredCopyPath() const
{
    return baseDirectory_ + QStringLiteral("misc_.bin");
}

void FormatOperationsWidget::Button4Click()
{
    // A copy beside the data file: the image stays as it is and the editor's
    // own file is neither saved nor marked as saved.
    const QString path = decipheredCopyPath();
    document_.file().SaveCfg(path, false);
    document_.prompter().information(document_.dialogParent(), path + tr(" saved"));
}

void FormatOperationsWidget::Button5Click()
{
    if (!actions_.settleUnsavedChanges())
        return;
    actions_.loadDecipheredCopy(decipheredCopyPath());
}

void FormatOperationsWidget::Button10Click()
{
    const BatchOperation &operation = batchOperation("regenerate-offsets");
    BatchOutcome outcome;
    if (!document_.edit(batchCaption(operation), MergeKey::none(), [&] { outcome = operation.run(document_.file()); }))
        return;
    // The last plane is shown, with its first configuration and weapon.
    Selection &selection = document_.selection();
    selection = Selection{};
    selection.CurrentPlane = std::clamp(document_.file().PlaneCount(), 1, datafile::MaxPlaneCount);
    document_.UpdateList1();
    document_.Update1();
    miscPage_.showFileSummary();
    document_.showStatus(batchStatus(operation, outcome));
}

void FormatOperationsWidget::Button29Click()
{
    const BatchOperation &operation = batchOperation("add-room-for-256-planes");
    BatchOutcome outcome;
    if (!document_.edit(batchCaption(operation), MergeKey::none(), [&] { outcome = operation.run(document_.file()); }))
        return;
    // Every page shows the converted file at once: the new version and layout
    // on this page, the moved blocks' offsets and contents on the others.
    miscPage_.showFileSummary();
    document_.UpdateList1();
    document_.Update1();
    document_.showStatus(batchStatus(operation, outcome));
}

} // namespace vw::app
