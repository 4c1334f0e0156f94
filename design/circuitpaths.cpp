// The paths of a circuit's network: the index circuit as the longest path,
// every path for the balance, and a path's imbalance against the index.
#include "design/circuitgraph.h"

#include <algorithm>
#include <limits>

namespace vendrel::design {

std::vector<int> CircuitGraph::LongestPath(const std::vector<double>& weights) const
{
    std::vector<double> best(m_names.size(), -std::numeric_limits<double>::infinity());
    std::vector<int> through(m_names.size(), -1); // the section that reaches each node best
    best[static_cast<std::size_t>(m_start)] = 0;
    for (const int n : m_order) {
        for (const int s : m_out[static_cast<std::size_t>(n)]) {
            const auto next = static_cast<std::size_t>(m_to[static_cast<std::size_t>(s)]);
            const double total = best[static_cast<std::size_t>(n)] + weights[static_cast<std::size_t>(s)];
            if (total > best[next]) {
                best[next] = total;
                through[next] = s;
            }
        }
    }
    std::vector<int> path;
    for (int n = m_end; n != m_start && through[static_cast<std::size_t>(n)] >= 0;) {
        path.push_back(through[static_cast<std::size_t>(n)]);
        n = m_from[static_cast<std::size_t>(path.back())];
    }
    std::reverse(path.begin(), path.end());
    return path;
}

std::vector<double> CircuitGraph::LongestToEnd(const std::vector<double>& weights) const
{
    std::vector<double> best(m_names.size(), -std::numeric_limits<double>::infinity());
    best[static_cast<std::size_t>(m_end)] = 0;
    for (auto n = m_order.rbegin(); n != m_order.rend(); ++n) {
        double& here = best[static_cast<std::size_t>(*n)];
        for (const int s : m_out[static_cast<std::size_t>(*n)])
            here = std::max(here,
                weights[static_cast<std::size_t>(s)]
                    + best[static_cast<std::size_t>(m_to[static_cast<std::size_t>(s)])]);
    }
    return best;
}

bool CircuitGraph::ForEachPath(std::size_t limit, const std::function<void(const std::vector<int>&)>& visit) const
{
    // Depth first, with the sections of the current path on a stack and the
    // next section to try at each node.
    std::vector<int> path;
    std::vector<std::size_t> next(m_names.size(), 0);
    std::size_t found = 0;
    int at = m_start;
    for (;;) {
        auto& tried = next[static_cast<std::size_t>(at)];
        const auto& out = m_out[static_cast<std::size_t>(at)];
        if (at == m_end) {
            if (found == limit)
                return false;
            ++found;
            visit(path);
        }
        if (at != m_end && tried < out.size()) {
            const int s = out[tried++];
            path.push_back(s);
            at = m_to[static_cast<std::size_t>(s)];
            continue;
        }
        tried = 0;
        if (path.empty())
            return true;
        at = m_from[static_cast<std::size_t>(path.back())];
        path.pop_back();
    }
}

SharedEnds SharedWith(const std::vector<int>& path, const std::vector<int>& index)
{
    SharedEnds shared;
    while (shared.before < path.size() && shared.before < index.size() && path[shared.before] == index[shared.before])
        ++shared.before;
    while (shared.after < path.size() - shared.before && shared.after < index.size() - shared.before
        && path[path.size() - 1 - shared.after] == index[index.size() - 1 - shared.after])
        ++shared.after;
    return shared;
}

double Imbalance(const std::vector<int>& path, const std::vector<int>& index, const SharedEnds& shared,
    const std::vector<double>& weights)
{
    if (shared.before == path.size())
        return 0;
    const auto between = [&](const std::vector<int>& sections) {
        double total = 0;
        for (std::size_t i = shared.before; i < sections.size() - shared.after; ++i)
            total += weights[static_cast<std::size_t>(sections[i])];
        return total;
    };
    // The index is the longest path, so only rounding could take this below 0:
    // a path as long, its middle summed in another order.
    const double indexPart = between(index);
    return indexPart > 0 ? std::max(0.0, (indexPart - between(path)) / indexPart) : 0;
}

} // namespace vendrel::design
