#include "plane_selector.h"

#include "ui/common/editor_document.h"
#include "ui/common/plane_list_model.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace vw::app {

PlaneSelector::PlaneSelector(EditorDocument &document, const char *name, QWidget *parent, int minimumLength)
    : QComboBox(parent)
{
    setObjectName(QLatin1String(name));
    setModel(document.planeList());
    setMaxVisibleItems(20);
    setMinimumContentsLength(minimumLength);
}

CopyGroup copyGroup(EditorDocument &document, const QString &title, const char *objectName, const char *sourceName,
                    const char *destinationName, const char *buttonName, QWidget *parent)
{
    CopyGroup group;
    group.box = new QGroupBox(title, parent);
    group.box->setObjectName(QLatin1String(objectName));
    auto *form = new QFormLayout(group.box);
    group.source = new PlaneSelector(document, sourceName, group.box);
    group.destination = new PlaneSelector(document, destinationName, group.box);
    group.copy = new QPushButton(QCoreApplication::translate("vw::app::CopyGroup", "Copy"), group.box);
    group.copy->setObjectName(QLatin1String(buttonName));
    form->addRow(QCoreApplication::translate("vw::app::CopyGroup", "Source plane:"), group.source);
    form->addRow(QCoreApplication::translate("vw::app::CopyGroup", "Destination plane:"), group.destination);
    group.bottom = new QHBoxLayout;
    form->addRow(group.bottom);
    return group;
}

} // namespace vw::app
