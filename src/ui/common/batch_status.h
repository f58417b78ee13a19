#pragma once

#include "core/operations/batch_catalogue.h"

#include <QString>

namespace vw::app {

// A batch operation's button text, in the language of the window.
QString batchCaption(const BatchOperation &operation);

// The status bar's sentence after a batch button ran `operation`. For the
// flight-model passes the outcome's planesVisited is the plane list's length.
QString batchStatus(const BatchOperation &operation, const BatchOutcome &outcome);

} // namespace vw::app
