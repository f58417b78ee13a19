#pragma once

#include <QComboBox>

class QGroupBox;
class QHBoxLayout;
class QPushButton;

namespace vw::app {

class EditorDocument;

// A plane selector: a list over the document's one plane list (so every
// selector names the planes as the plane list does), with its documented name.
class PlaneSelector : public QComboBox {
    Q_OBJECT
public:
    PlaneSelector(EditorDocument &document, const char *name, QWidget *parent, int minimumLength = 18);

    // The plane chosen, from 1; 0 for none.
    int plane() const { return currentIndex() + 1; }
    // After the plane list is rebuilt: the first plane, or none for an empty list.
    void chooseFirst() { setCurrentIndex(count() > 0 ? 0 : -1); }
};

// A copy group: its title, the source and destination plane selectors, and a
// row at the bottom for its options and its "Copy" button.
struct CopyGroup {
    QGroupBox *box;
    PlaneSelector *source, *destination;
    QPushButton *copy;
    QHBoxLayout *bottom;
};

CopyGroup copyGroup(EditorDocument &document, const QString &title, const char *objectName, const char *sourceName,
                    const char *destinationName, const char *buttonName, QWidget *parent);

} // namespace vw::app
