#include "difference_count.h"

#include "core/planedata/field_table.h"

#include <algorithm>

namespace vw::app::fields {

namespace {

// The same walk as the diff's, counting.
int countNode(const Node &node, At &pa, At &pb)
{
    if (node.shape == Node::Leaf) {
        if (isAlias(node, pa))
            return 0;
        return sameValue(node, node.read(pa), node.read(pb)) ? 0 : 1;
    }
    const bool inA = !node.exists || node.exists(pa), inB = !node.exists || node.exists(pb);
    if (!inA || !inB)
        return inA != inB ? 1 : 0;
    int count = 0;
    if (node.shape == Node::Object) {
        for (const Node &m : node.members)
            count += countNode(m, pa, pb);
        return count;
    }
    const int na = node.present ? node.present(pa) : node.count, nb = node.present ? node.present(pb) : node.count;
    const std::size_t level = std::size_t(pa.depth);
    ++pa.depth;
    ++pb.depth;
    for (int i = 0; i < std::max(na, nb); ++i) {
        pa.index[level] = pb.index[level] = i;
        count += i < na && i < nb ? countNode(node.element(), pa, pb) : 1;
    }
    pa.index[level] = pb.index[level] = 0;
    --pa.depth;
    --pb.depth;
    return count;
}

} // namespace

int countPlaneDifferences(const datafile::DataFile &a, const datafile::DataFile &b, int p)
{
    const bool inA = p >= 1 && p <= a.PlaneCount(), inB = p >= 1 && p <= b.PlaneCount();
    if (!inA || !inB)
        return inA != inB ? 1 : 0;
    if (samePlane(a, b, p))
        return 0;
    for (const Node &m : document().members) {
        if (!m.planes)
            continue;
        At pa, pb;
        pa.file = &a;
        pb.file = &b;
        pa.plane = pb.plane = p;
        return countNode(m.element(), pa, pb);
    }
    return 0;
}

int countSharedDifferences(const datafile::DataFile &a, const datafile::DataFile &b)
{
    int count = 0;
    for (const Node &m : document().members) {
        if (m.planes)
            continue;
        At pa, pb;
        pa.file = &a;
        pb.file = &b;
        count += countNode(m, pa, pb);
    }
    return count;
}

} // namespace vw::app::fields
