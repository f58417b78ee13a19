#include "batch_operations.h"

#include "core/workspace/support_files.h"
#include "core/datafile/number_text.h"

#include <QCoreApplication>

#include <algorithm>
#include "core/operations/batch_catalogue.h"
#include "core/weapons/ammo_table.h"

namespace vw::app {

using datafile::DataFile;

namespace {

using Run = std::function<QString(DataFile &)>;

Run sentenceOf(const BatchOperation &operation, BatchRun run)
{
    return [shape = operation.shape, run = std::move(run)](DataFile &f) { return batchSentence(shape, run(f)); };
}

// "Set Bomb deviation to": bombs are told by the ammunition table's short
// names, as the editor names them without a game executable.
Run bombDeviation(const QString &fighter, const QString &bomber)
{
    return [fighter, bomber](DataFile &f) {
        const QStringList names = buildAmmoNames(std::vector<QString>(AmmoNameCount), f);
        return batchSentence(BatchShape::Weapons, bombDeviationRun(fighter, bomber, names)(f));
    };
}

} // namespace

QStringList batchStepNames()
{
    QStringList names;
    for (const BatchOperation &operation : batchCatalogue())
        names << QLatin1String(operation.name);
    return names;
}

bool batchSteps(const QStringList &names, QList<BatchStep> *steps, QString *error)
{
    QList<BatchStep> found;
    const QString bomb = QStringLiteral("bomb-deviation");
    for (const QString &spec : names) {
        if (spec == bomb || spec.startsWith(bomb + QLatin1Char('='))) {
            QString fighter = QStringLiteral("1"), bomber = QStringLiteral("1.5");
            if (spec != bomb) {
                const QStringList values = spec.mid(bomb.size() + 1).split(QLatin1Char(','));
                if (values.size() != 2 || !datafile::isCompleteNumber(values[0]) ||
                    !datafile::isCompleteNumber(values[1])) {
                    *error = QCoreApplication::translate("vw::app", "%1 needs two numbers, as bomb-deviation=1,1.5")
                                 .arg(spec);
                    return false;
                }
                fighter = values[0];
                bomber = values[1];
            }
            found.append({spec, bombDeviation(fighter, bomber)});
            continue;
        }
        const auto &known = batchCatalogue();
        const auto it = std::find_if(known.cbegin(), known.cend(), [&](const BatchOperation &n) {
            return n.run && spec == QLatin1String(n.name);
        });
        if (it == known.cend()) {
            *error = QCoreApplication::translate("vw::app", "unknown operation \"%1\"; the operations are %2")
                         .arg(spec, batchStepNames().join(QStringLiteral(", ")));
            return false;
        }
        found.append({spec, sentenceOf(*it, it->run)});
    }
    *steps = found;
    return true;
}

} // namespace vw::app
