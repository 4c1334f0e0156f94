#include "ui/form/circuitmessages.h"

#include <regex>
#include <utility>
#include <vector>

namespace vendrel::form {

std::string ChineseProblem(const std::string& problem)
{
    // Whole messages, their names and numbers kept; the reader's and the
    // network's wording is theirs, so each pattern is one of their messages.
    static const std::vector<std::pair<std::regex, const char*>> kMessages = [] {
        const std::pair<const char*, const char*> texts[] = {
            {R"re("(.*)" is not a number(?: \((.*)\))?)re", "“$1”不是数字"},
            {R"re("(.*)" is below (\S+)(.*))re", "“$1”小于 $2$3"},
            {R"re(no value)re", "未填写"},
            {R"re(no section name)re", "未填管段编号"},
            {R"re(section "(.*)" is also on line (\d+))re", "管段“$1”与第 $2 行重复"},
            {R"re(no node)re", "未填节点"},
            {R"re("(.*)" is no size of the series (\S+) \((.*)\))re", "“$1”不是管道系列 $2 的管径（$3）"},
            {R"re(give the inner diameter or the nominal size, not both)re", "管径和公称直径只填一个"},
            {R"re(unknown material "(.*)" \(one of (.*)\))re", "没有管材“$1”（可选：$2）"},
            {R"re("(.*)" is outside 0 to 100 °C)re", "水温“$1”不在 0～100 °C 之间"},
            {R"re("(.*)": unknown fitting \(one of (.*)\))re", "没有管件“$1”（可选：$2）"},
            {R"re((.*): unknown fitting)re", "没有管件“$1”"},
            {R"re((\S+): no K at (\S+) \(the table has none for this size\))re",
                "管件 $1 没有 $2 的局部阻力系数（表中无此规格）"},
            {R"re("(.*)": the count after "\*" must be a whole number from 1 to 1000)re",
                "“$1”：“*”后的个数须为 1～1000 的整数"},
            {R"re("(.*)": the ratio of the smaller diameter to the larger is a number between 0 and 1)re",
                "“$1”：小管径与大管径之比须在 0 与 1 之间"},
            {R"re("(.*)": give the ratio of the diameters, e.g. (.*))re", "“$1”：须给出管径之比，如 $2"},
            {R"re(no size of the series keeps within the limits)re", "系列中没有管径能满足比摩阻和流速限值"},
            {R"re(its flow, bore, roughness or viscosity is not a number of at least 0.000001)re",
                "流量、管径、粗糙度或运动粘滞系数不是不小于 0.000001 的数"},
            {R"re(no friction law fits its zone, and Colebrook–White has no root)re",
                "没有适用的摩阻公式，Colebrook–White 公式也无解"},
            {R"re(its results are not finite numbers: check the units)re", "结果不是有限数，请检查单位"},
            {R"re(its flow is to be derived at the nodes, and the network does not allow it)re",
                "流量待按节点流量平衡推算，但管网有误，无从推算"},
            {R"re(node "(.*)" does not balance: (\S+) m³/h enter it \((.*)\) and (\S+) m³/h leave it \((.*)\))re",
                "节点“$1”流量不平衡：流入 $2 m³/h（$3），流出 $4 m³/h（$5）"},
            {R"re(at node "(.*)" more than one flow is missing \(entering: (.*); leaving: (.*)\): give all but one)re",
                "节点“$1”有不止一个管段未给流量（流入：$2；流出：$3），只能空一个"},
            {R"re(its flow, from the others at node "(.*)", would be (\S+) m³/h: the flows given there do not add up)re",
                "按节点“$1”推算流量为 $2 m³/h：该节点已给流量不平衡"},
            {R"re(no flow given, and none to derive it from)re", "未给流量，也无从推算"},
            {R"re(goes from node "(.*)" to itself)re", "起点和终点都是节点“$1”"},
            {R"re(no sections)re", "没有管段"},
            {R"re(more than one node where the circuit starts \(no section enters them\): (.*); the pump's outlet is one node)re",
                "无管段流入的节点不止一个：$1；管路只有一个起点（水泵出口）"},
            {R"re(more than one node where the circuit ends \(no section leaves them\): (.*); the pump's inlet is one node)re",
                "无管段流出的节点不止一个：$1；管路只有一个终点（水泵入口）"},
            {R"re(no node where the circuit starts \(every node has a section entering it\))re",
                "没有起点：每个节点都有管段流入"},
            {R"re(no node where the circuit ends \(every node has a section leaving it\))re",
                "没有终点：每个节点都有管段流出"},
            {R"re(the sections form a cycle:(.*))re", "管段构成回路：$1"},
            {R"re(node "(.*)" is not reached from the pump's outlet)re", "从水泵出口到不了节点“$1”"},
        };
        std::vector<std::pair<std::regex, const char*>> compiled;
        for (const auto& [pattern, chinese] : texts)
            compiled.emplace_back(std::regex(pattern), chinese);
        return compiled;
    }();
    // std::regex recurses per character: a message quoting a cell pasted
    // whole from elsewhere is shown as it is, not matched.
    constexpr std::size_t kLongest = 2000;
    if (problem.size() > kLongest)
        return problem;
    std::smatch match;
    for (const auto& [pattern, chinese] : kMessages) {
        if (std::regex_match(problem, match, pattern))
            return match.format(chinese);
    }
    return problem;
}

} // namespace vendrel::form
