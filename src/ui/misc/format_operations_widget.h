#pragma once

#include <QPushButton>
#include <QWidget>

#include <functional>

class QLabel;

namespace vw::app {

class EditorDocument;
class MiscPage;

// A push button whose caption wraps onto further lines instead of being cut:
// the Misc page's long captions stay whole in its narrow column. text() is
// the caption as written.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString &caption, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *caption_;
};

// The Misc page's operations on the file as a whole: the group "Encrypt/Decrypt
// misc.bin" (writing the deciphered copy misc_.bin and loading it back),
// "Regenerate Offsets" and "Add header for 128 planes".
class FormatOperationsWidget : public QWidget {
    Q_OBJECT
public:
    // What the window does for these buttons: asking about unsaved changes
    // before they would be lost (false: stop), and loading a deciphered copy
    // as the new document.
    struct WindowActions {
        std::function<bool()> settleUnsavedChanges;
        std::function<void(const QString &path)> loadDecipheredCopy;
    };

    FormatOperationsWidget(EditorDocument &document, MiscPage &miscPage, const QString &baseDirectory,
                           WindowActions actions, QWidget *parent = nullptr);

    // BaseDirectory + "misc_.bin".
    QString decipheredCopyPath() const;

    void Button4Click();
    void Button5Click();
    void Button10Click();
    void Button29Click();

private:
    EditorDocument &document_;
    MiscPage &miscPage_;
    QString baseDirectory_;
    WindowActions actions_;
};

} // namespace vw::app
