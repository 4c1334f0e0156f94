#pragma once

#include "messages/message.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The network of a water circuit: sections, each from one node to another,
// from the pump's outlet (the one node no section enters) to its inlet (the
// one node no section leaves). Graph work only: what sections are made of
// and what they lose is circuit.h's.
namespace vendrel::design {

// Something about the network that makes it no circuit, naming where.
struct NetworkProblem {
    int section = -1; // the section at fault, or -1
    messages::Message message;
};

class CircuitGraph {
public:
    // The sections, by name, and their end nodes, by name. Refuses, with a
    // problem each, a section from a node to itself, more or fewer than one
    // node where the circuit starts or ends, a cycle, and a node the start
    // does not reach.
    static bool Build(const std::vector<std::string_view>& ids, const std::vector<std::string_view>& from,
        const std::vector<std::string_view>& to, CircuitGraph& graph, std::vector<NetworkProblem>& problems);

    int SectionCount() const { return static_cast<int>(m_from.size()); }
    const std::string& NodeName(int node) const { return m_names[static_cast<std::size_t>(node)]; }
    int Start() const { return m_start; }
    int End() const { return m_end; }
    int From(int section) const { return m_from[static_cast<std::size_t>(section)]; }
    int To(int section) const { return m_to[static_cast<std::size_t>(section)]; }

    // Fills in the flows that are NaN from conservation at every node but
    // the pump's two, node by node where one flow is unknown; then checks
    // every such node balances within 0.1 %. derived marks what was filled
    // in. False, with a problem per node, where flows cannot be derived or do
    // not balance.
    bool DeriveFlows(
        std::vector<double>& flows, std::vector<bool>& derived, std::vector<NetworkProblem>& problems) const;

    // The path of largest total weight from start to end, as sections in flow
    // order: longest path in a directed acyclic graph, in linear time.
    std::vector<int> LongestPath(const std::vector<double>& weights) const;
    // For every node, the largest total weight of a path from it to end, in
    // linear time.
    std::vector<double> LongestToEnd(const std::vector<double>& weights) const;

    // Every path from start to end, up to limit of them, each handed to visit
    // as its sections in flow order, which hold only during the call: the
    // paths themselves would take memory as the square of the sections in a
    // direct-return circuit. False where there are more.
    bool ForEachPath(std::size_t limit, const std::function<void(const std::vector<int>&)>& visit) const;

private:
    // The sections at a node, each with its flow, for messages.
    messages::Argument SectionsAt(
        const char* name, const std::vector<int>& sections, const std::vector<double>& flows) const;

    std::vector<std::string> m_ids;   // the sections'
    std::vector<std::string> m_names; // the nodes'
    std::vector<int> m_from;
    std::vector<int> m_to;
    std::vector<std::vector<int>> m_out; // sections leaving each node
    std::vector<std::vector<int>> m_in;  // sections entering it
    std::vector<int> m_order;            // nodes, each after every node before it
    int m_start = -1;
    int m_end = -1;
};

// How a path shares the index circuit: the index's first `before` sections
// begin it, up to the node where it leaves the index, and its last `after`
// end it, from the node where it rejoins it for good. The sections between
// are its own part.
struct SharedEnds {
    std::size_t before = 0;
    std::size_t after = 0;
};
SharedEnds SharedWith(const std::vector<int>& path, const std::vector<int>& index);

// The imbalance of a path against the index circuit: with d the node where
// the path leaves it and c the node where it rejoins it for good,
// (ΔP of the index between d and c − ΔP of the path there) ÷ the first; 0
// for the index itself or a path that never leaves it. Never below 0, the
// index being the longest path for these weights.
double Imbalance(const std::vector<int>& path, const std::vector<int>& index, const SharedEnds& shared,
    const std::vector<double>& weights);

} // namespace vendrel::design
