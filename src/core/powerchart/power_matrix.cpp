#include "power_matrix.h"

#include "core/datafile/number_text.h"

#include <algorithm>
#include <array>

namespace vw::powerchart {

using datafile::roundHalfEven;

namespace {

const std::array<QString, 7> Captions = {QStringLiteral("L-R"), QStringLiteral("U-D"), QStringLiteral("-1+"),
                                         QStringLiteral("-2+"), QStringLiteral("-4+"), QStringLiteral("-6+"),
                                         QStringLiteral("SEL")};

// Neighbour factor at distance k: 1 +- 0.02 / (1.6 k + 1).
double neighbourFactor(int k, bool raise)
{
    const double step = 0.02 / (1.6 * k + 1);
    return raise ? 1 + step : 1 - step;
}

} // namespace

QString scopeCaption(Scope scope)
{
    return Captions[size_t(scope)];
}

bool scopeFromCaption(const QString &caption, Scope *scope)
{
    const auto it = std::find(Captions.begin(), Captions.end(), caption);
    if (it == Captions.end())
        return false;
    *scope = Scope(it - Captions.begin());
    return true;
}

QString nextScopeCaption(const QString &caption)
{
    Scope scope;
    if (!scopeFromCaption(caption, &scope))
        return caption;
    return Captions[(size_t(scope) + 1) % Captions.size()];
}

double thousandths(double value)
{
    return roundHalfEven(value * 1000) / 1000;
}

int adjustPower(PlaneRecord &record, const QString &caption, bool raise, int col, int row, const CellRect &selection)
{
    Scope scope;
    if (!scopeFromCaption(caption, &scope))
        return 0;
    const int n = record.speedPointCount();
    const int m = record.altitudeRowCount();
    const int colCount = n + 1;
    int written = 0;
    const auto change = [&](int c, int r, auto newValue) {
        record.setPower(c, r, thousandths(newValue(record.power(c, r))));
        ++written;
    };
    const double step = raise ? 0.002 : -0.002;
    const auto plusStep = [step](double v) { return v + step; };

    if (scope == Scope::Selection) {
        const int top = std::max(selection.top, 1), bottom = std::min(selection.bottom, m);
        const int left = std::max(selection.left, 1), right = std::min(selection.right, n);
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                change(c, r, plusStep);
        return written;
    }
    // Every other scope works around the current cell, which must be a matrix cell in use.
    if (col < 1 || col > n || row < 1 || row > m)
        return 0;
    switch (scope) {
    case Scope::LeftRight:
        for (int c = 2; c <= n; ++c)
            change(c, row, plusStep);
        break;
    case Scope::UpDown:
        for (int r = 1; r <= m; ++r)
            change(col, r, plusStep);
        break;
    case Scope::One:
        change(col, row, plusStep);
        break;
    case Scope::Two:
    case Scope::Four:
    case Scope::Six: {
        const int reach = scope == Scope::Two ? 1 : scope == Scope::Four ? 3 : 5;
        if (raise)
            change(col, row, [](double v) { return v * 1.01; });
        else if (scope == Scope::Two)
            change(col, row, [](double v) { return v - 0.002; });
        else
            change(col, row, [](double v) { return v * 0.99; });
        for (int k = 1; k <= reach; ++k) {
            const double factor = neighbourFactor(k, raise);
            const auto scaled = [factor](double v) { return v * factor; };
            // Column 1 is never a neighbour, nor are the last two columns.
            if (col - k >= 2)
                change(col - k, row, scaled);
            if (col + k <= colCount - 3)
                change(col + k, row, scaled);
        }
        break;
    }
    case Scope::Selection:
        break;
    }
    return written;
}

double altitudeScale(int rowCount)
{
    return rowCount <= 1 ? 1.0 : 200.0 / rowCount - 1;
}

double pointerPower(int x)
{
    return roundHalfEven(x / 0.48) / 1000;
}

namespace {
int rowUnder(int y, int rowCount)
{
    const double r = roundHalfEven((185 - y) / altitudeScale(rowCount));
    return r < 1 ? 1 : int(std::min(r, 1e6));
}
} // namespace

int pointerRow(int y, int rowCount, bool listEmpty)
{
    int r = listEmpty ? 1 : rowUnder(y, rowCount);
    return std::max(1, std::min(r, rowCount - 1));
}

Placement placeControlPoint(ControlPoints &points, bool rightButton, int x, int y, int rowCount)
{
    if (rightButton) {
        if (points.empty())
            return Placement::Nothing;
        points.pop_back();
        return Placement::Removed;
    }
    const double p = pointerPower(x);
    if (points.empty()) {
        points.push_back({p, 1});
        return Placement::Added;
    }
    const int r = rowUnder(y, rowCount);
    if (r <= points.back().row)
        return Placement::Nothing;
    if (r >= rowCount - 1) {
        points.push_back({p, std::max(rowCount - 1, 1)});
        return Placement::AddedAndApply;
    }
    points.push_back({p, r});
    return Placement::Added;
}

int applyControlPoints(PlaneRecord &record, const ControlPoints &points, int col)
{
    if (col < 1 || col > record.speedPointCount())
        return 0;
    int written = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        const ControlPoint &a = points[i - 1];
        const ControlPoint &b = points[i];
        if (b.row == a.row)
            continue; // placement never makes such a pair; it would divide by zero
        const double t = (b.power - a.power) / (b.row - a.row);
        for (int j = std::min(a.row, b.row); j <= std::max(a.row, b.row); ++j) {
            if (j < 1 || j > PlaneRecord::MatrixRows)
                continue;
            record.setPower(col, j, thousandths(a.power + (j - a.row) * t));
            ++written;
        }
    }
    return written;
}

void normalisePower(PlaneRecord &record)
{
    const int n = record.speedPointCount();
    const int m = record.altitudeRowCount();
    for (int r = 1; r <= m; ++r)
        for (int c = 1; c <= n; ++c)
            record.setPower(c, r, thousandths(record.power(c, r)));
}

} // namespace vw::powerchart
