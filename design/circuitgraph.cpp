#include "design/circuitgraph.h"

#include "calc/numbertext.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace vendrel::design {
namespace {

using messages::Message;
using messages::MessageId;
using messages::UserText;

constexpr double kBalance = 0.001; // what enters a node and what leaves it agree within 0.1 %

std::string FlowText(double flow)
{
    return ShortestText(std::round(flow * 1e6) / 1e6);
}

} // namespace

bool CircuitGraph::Build(const std::vector<std::string_view>& ids, const std::vector<std::string_view>& from,
    const std::vector<std::string_view>& to, CircuitGraph& graph, std::vector<NetworkProblem>& problems)
{
    graph = CircuitGraph();
    graph.m_ids.assign(ids.begin(), ids.end());
    const std::size_t before = problems.size();
    std::unordered_map<std::string_view, int> nodes;
    nodes.reserve(from.size() + 1);
    const auto node = [&](std::string_view name) {
        const auto [at, added] = nodes.try_emplace(name, static_cast<int>(graph.m_names.size()));
        if (added) {
            graph.m_names.emplace_back(name);
            graph.m_out.emplace_back();
            graph.m_in.emplace_back();
        }
        return at->second;
    };
    for (std::size_t s = 0; s < from.size(); ++s) {
        const int a = node(from[s]);
        const int b = node(to[s]);
        graph.m_from.push_back(a);
        graph.m_to.push_back(b);
        if (a == b) {
            problems.push_back({static_cast<int>(s), Message(MessageId::SelfLoop, {{"node", UserText(from[s])}})});
            continue;
        }
        graph.m_out[static_cast<std::size_t>(a)].push_back(static_cast<int>(s));
        graph.m_in[static_cast<std::size_t>(b)].push_back(static_cast<int>(s));
    }
    if (graph.m_names.empty()) {
        problems.push_back({-1, Message(MessageId::NoSections)});
        return false;
    }
    std::vector<std::string> starts;
    std::vector<std::string> ends;
    for (std::size_t n = 0; n < graph.m_names.size(); ++n) {
        if (graph.m_in[n].empty()) {
            starts.push_back(graph.m_names[n]);
            graph.m_start = static_cast<int>(n);
        }
        if (graph.m_out[n].empty()) {
            ends.push_back(graph.m_names[n]);
            graph.m_end = static_cast<int>(n);
        }
    }
    const auto names = [](const std::vector<std::string>& list) {
        std::vector<Message> quoted;
        for (const std::string& name : list)
            quoted.push_back(Message(MessageId::QuotedName, {{"name", UserText(name)}}));
        return messages::Argument("nodes", std::move(quoted), MessageId::NameSeparator);
    };
    if (starts.size() != 1)
        problems.push_back(
            {-1, starts.empty() ? Message(MessageId::NoStart) : Message(MessageId::ManyStarts, {names(starts)})});
    if (ends.size() != 1)
        problems.push_back(
            {-1, ends.empty() ? Message(MessageId::NoEnd) : Message(MessageId::ManyEnds, {names(ends)})});

    // Kahn's order; what is left over lies on a cycle or after one.
    std::vector<int> waiting(graph.m_names.size());
    for (std::size_t n = 0; n < waiting.size(); ++n)
        waiting[n] = static_cast<int>(graph.m_in[n].size());
    for (std::size_t n = 0; n < waiting.size(); ++n) {
        if (waiting[n] == 0)
            graph.m_order.push_back(static_cast<int>(n));
    }
    for (std::size_t i = 0; i < graph.m_order.size(); ++i) {
        for (const int s : graph.m_out[static_cast<std::size_t>(graph.m_order[i])]) {
            const int next = graph.m_to[static_cast<std::size_t>(s)];
            if (--waiting[static_cast<std::size_t>(next)] == 0)
                graph.m_order.push_back(next);
        }
    }
    if (graph.m_order.size() != graph.m_names.size()) {
        // Walk back along unfinished entries until a node repeats: that is a cycle.
        int at = -1;
        for (std::size_t n = 0; n < waiting.size() && at < 0; ++n) {
            if (waiting[n] > 0)
                at = static_cast<int>(n);
        }
        std::vector<int> seen(graph.m_names.size(), -1);
        std::vector<int> walk;
        while (seen[static_cast<std::size_t>(at)] < 0) {
            seen[static_cast<std::size_t>(at)] = static_cast<int>(walk.size());
            int entering = -1;
            for (const int s : graph.m_in[static_cast<std::size_t>(at)]) {
                if (waiting[static_cast<std::size_t>(graph.m_from[static_cast<std::size_t>(s)])] > 0)
                    entering = s;
            }
            walk.push_back(entering);
            at = graph.m_from[static_cast<std::size_t>(entering)];
        }
        std::vector<int> cycle(walk.begin() + seen[static_cast<std::size_t>(at)], walk.end());
        std::reverse(cycle.begin(), cycle.end());
        std::vector<Message> steps;
        for (const int s : cycle) {
            const auto section = static_cast<std::size_t>(s);
            steps.push_back(Message(MessageId::CycleStep,
                {{"section", UserText(graph.m_ids[section])},
                    {"from", UserText(graph.m_names[static_cast<std::size_t>(graph.m_from[section])])},
                    {"to", UserText(graph.m_names[static_cast<std::size_t>(graph.m_to[section])])}}));
        }
        problems.push_back(
            {cycle.front(), Message(MessageId::Cycle, {{"cycle", std::move(steps), MessageId::NameSeparator}})});
    } else if (starts.size() == 1) {
        // With one start and no cycle every node is reached; said all the same
        // for a network whose other parts failed above.
        std::vector<bool> reached(graph.m_names.size(), false);
        reached[static_cast<std::size_t>(graph.m_start)] = true;
        for (const int n : graph.m_order) {
            if (!reached[static_cast<std::size_t>(n)])
                continue;
            for (const int s : graph.m_out[static_cast<std::size_t>(n)])
                reached[static_cast<std::size_t>(graph.m_to[static_cast<std::size_t>(s)])] = true;
        }
        for (std::size_t n = 0; n < reached.size(); ++n) {
            if (!reached[n])
                problems.push_back({-1, Message(MessageId::NotReached, {{"node", UserText(graph.m_names[n])}})});
        }
    }
    return problems.size() == before;
}

messages::Argument CircuitGraph::SectionsAt(
    const char* name, const std::vector<int>& sections, const std::vector<double>& flows) const
{
    std::vector<Message> list;
    for (const int s : sections) {
        const double flow = flows[static_cast<std::size_t>(s)];
        list.push_back(Message(MessageId::SectionFlow,
            {{"section", UserText(m_ids[static_cast<std::size_t>(s)])},
                {"flow", std::isnan(flow) ? std::string("?") : FlowText(flow)}}));
    }
    return {name, std::move(list), MessageId::NameSeparator};
}

bool CircuitGraph::DeriveFlows(
    std::vector<double>& flows, std::vector<bool>& derived, std::vector<NetworkProblem>& problems) const
{
    derived.assign(flows.size(), false);
    const std::size_t before = problems.size();
    const auto inner = [&](int n) { return n != m_start && n != m_end; };
    const auto unknowns = [&](int n) {
        int count = 0;
        for (const auto* list : {&m_in[static_cast<std::size_t>(n)], &m_out[static_cast<std::size_t>(n)]}) {
            for (const int s : *list)
                count += std::isnan(flows[static_cast<std::size_t>(s)]) ? 1 : 0;
        }
        return count;
    };
    std::vector<int> queue;
    for (int n = 0; n < static_cast<int>(m_names.size()); ++n) {
        if (inner(n) && unknowns(n) == 1)
            queue.push_back(n);
    }
    while (!queue.empty()) {
        const int n = queue.back();
        queue.pop_back();
        if (unknowns(n) != 1)
            continue;
        double in = 0;
        double out = 0;
        int unknown = -1;
        bool entering = false;
        for (const int s : m_in[static_cast<std::size_t>(n)]) {
            if (std::isnan(flows[static_cast<std::size_t>(s)]))
                unknown = s, entering = true;
            else
                in += flows[static_cast<std::size_t>(s)];
        }
        for (const int s : m_out[static_cast<std::size_t>(n)]) {
            if (std::isnan(flows[static_cast<std::size_t>(s)]))
                unknown = s, entering = false;
            else
                out += flows[static_cast<std::size_t>(s)];
        }
        // As a flow is typed, to six decimals: the calculation takes that text.
        const double flow = ParseNumber(FlowText(entering ? out - in : in - out));
        if (!(flow > 0))
            problems.push_back({unknown,
                Message(MessageId::FlowWouldBe,
                    {{"node", UserText(m_names[static_cast<std::size_t>(n)])}, {"flow", FlowText(flow)}})});
        flows[static_cast<std::size_t>(unknown)] = flow;
        derived[static_cast<std::size_t>(unknown)] = true;
        for (const int next : {m_from[static_cast<std::size_t>(unknown)], m_to[static_cast<std::size_t>(unknown)]}) {
            if (inner(next) && unknowns(next) == 1)
                queue.push_back(next);
        }
    }
    for (int n = 0; n < static_cast<int>(m_names.size()); ++n) {
        double in = 0;
        double out = 0;
        bool open = false;
        for (const int s : m_in[static_cast<std::size_t>(n)]) {
            open = open || std::isnan(flows[static_cast<std::size_t>(s)]);
            in += flows[static_cast<std::size_t>(s)];
        }
        for (const int s : m_out[static_cast<std::size_t>(n)]) {
            open = open || std::isnan(flows[static_cast<std::size_t>(s)]);
            out += flows[static_cast<std::size_t>(s)];
        }
        const messages::Argument name("node", UserText(m_names[static_cast<std::size_t>(n)]));
        const auto& entering = m_in[static_cast<std::size_t>(n)];
        const auto& leaving = m_out[static_cast<std::size_t>(n)];
        if (open) {
            if (inner(n))
                problems.push_back({-1,
                    Message(MessageId::FlowsMissing,
                        {name, SectionsAt("entering", entering, flows), SectionsAt("leaving", leaving, flows)})});
            continue;
        }
        if (inner(n) && std::fabs(in - out) > kBalance * std::max(in, out))
            problems.push_back({-1,
                Message(MessageId::NodeUnbalanced,
                    {name, {"in", FlowText(in)}, SectionsAt("entering", entering, flows), {"out", FlowText(out)},
                        SectionsAt("leaving", leaving, flows)})});
    }
    // The pump's sections, or a chain's, have nothing to derive from.
    for (std::size_t s = 0; s < flows.size(); ++s) {
        if (std::isnan(flows[s]) && !inner(m_from[s]) && !inner(m_to[s]))
            problems.push_back({static_cast<int>(s), Message(MessageId::NoFlowToDerive)});
    }
    return problems.size() == before;
}

} // namespace vendrel::design
