#pragma once

#include "app/support_files.h"
#include "datafile/data_file.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace vw::app {

class Prompter;

// The selection: CurrentPlane, CurrentConfig, CurrentWeapon, each from 1.
struct Selection {
    int CurrentPlane = 1;
    int CurrentConfig = 1;
    int CurrentWeapon = 1;
};

// Tables built once at start-up.
struct LabelTables {
    QStringList AmmoNames;        // 151
    QStringList WeaponGroupNames; // 21
    QStringList WeaponTypeList;   // 151 "000 : name"
    QStringList DamagePartNames;  // 33
    QStringList DamageLevelNames; // 8
    std::vector<app::PlaneSummary> PlaneSummaries = std::vector<app::PlaneSummary>(PlaneSummaryCapacity); // PlaneSummary
    QStringList FmLabels;         // FM.dat, at most 171
};

// What a page sees of the main window: the file, the selection, the label
// tables, the refresh cascade and the one way to change the file.
class EditorContext {
public:
    virtual ~EditorContext() = default;

    virtual datafile::DataFile &file() = 0;
    virtual Selection &selection() = 0;
    virtual const LabelTables &labels() const = 0;
    virtual QChar decimalSeparator() const = 0;
    virtual Prompter &prompter() = 0;

    // Runs `change` as one user action: what it writes becomes one undo step.
    // Consecutive actions with the same non-empty merge key (keystrokes in one
    // field) merge into one step. Errors are shown in one error box.
    virtual void edit(const QString &what, const QString &mergeKey, const std::function<void()> &change) = 0;
    // Runs a handler that changes nothing in the file, showing its errors.
    virtual void guarded(const std::function<void()> &handler) = 0;
    // True while a refresh fills widgets: change handlers must not store then.
    virtual bool refreshing() const = 0;

    virtual void UpdateList1() = 0;
    virtual void Update1() = 0;
    virtual void Update2() = 0;
    virtual void Update3() = 0;
    virtual void showStatus(const QString &text) = 0;
};

} // namespace vw::app
