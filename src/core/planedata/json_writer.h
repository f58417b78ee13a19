#pragma once

#include <QByteArray>
#include <QJsonObject>

namespace vw::app {

// A document's text exactly as QJsonDocument::toJson(QJsonDocument::Indented)
// writes it: indented by four spaces, ending in a newline.
QByteArray jsonText(const QJsonObject &document);

} // namespace vw::app
