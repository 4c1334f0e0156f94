#include "ui/form/circuitmessages.h"

#include <string_view>
#include <utility>
#include <vector>

namespace vendrel::form {
namespace {

// The parts of text in the places of a pattern's "{}", each the shortest that
// lets the rest follow; the last literal ends the text. False where the text
// is not of the pattern.
bool Match(std::string_view text, std::string_view pattern, std::vector<std::string_view>& parts)
{
    parts.clear();
    std::size_t hole = pattern.find("{}");
    std::string_view literal = pattern.substr(0, hole);
    if (text.substr(0, literal.size()) != literal)
        return false;
    std::size_t at = literal.size();
    while (hole != std::string_view::npos) {
        pattern.remove_prefix(hole + 2);
        hole = pattern.find("{}");
        literal = pattern.substr(0, hole);
        std::size_t next = 0;
        if (hole == std::string_view::npos) { // the end of the text
            if (text.size() < at + literal.size() || text.substr(text.size() - literal.size()) != literal)
                return false;
            next = text.size() - literal.size();
        } else {
            next = text.find(literal, at);
            if (next == std::string_view::npos)
                return false;
        }
        parts.push_back(text.substr(at, next - at));
        at = next + literal.size();
    }
    return at == text.size();
}

// The Chinese text with "{1}"… replaced by the parts.
std::string Filled(std::string_view chinese, const std::vector<std::string_view>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < chinese.size(); ++i) {
        if (chinese[i] == '{' && i + 2 < chinese.size() && chinese[i + 2] == '}' && chinese[i + 1] >= '1'
            && chinese[i + 1] <= '9' && static_cast<std::size_t>(chinese[i + 1] - '1') < parts.size()) {
            text += parts[static_cast<std::size_t>(chinese[i + 1] - '1')];
            i += 2;
        } else {
            text += chinese[i];
        }
    }
    return text;
}

// Whole messages, their names and numbers kept; each pattern is one of the
// reader's or the network's own messages.
const std::pair<std::string_view, std::string_view> kMessages[] = {
    {"\"{}\" is not a number ({})", "“{1}”不是数字"},
    {"\"{}\" is not a number", "“{1}”不是数字"},
    {"\"{}\" is below {}", "“{1}”小于 {2}"},
    {"no value", "未填写"},
    {"no section name", "未填管段编号"},
    {"section \"{}\" is also on line {}", "管段“{1}”与第 {2} 行重复"},
    {"no node", "未填节点"},
    {"\"{}\" is no size of the series {} ({})", "“{1}”不是管道系列 {2} 的管径（{3}）"},
    {"give the inner diameter or the nominal size, not both", "管径和公称直径只填一个"},
    {"unknown material \"{}\" (one of {})", "没有管材“{1}”（可选：{2}）"},
    {"\"{}\" is outside 0 to 100 °C", "水温“{1}”不在 0～100 °C 之间"},
    {"\"{}\": unknown fitting (one of {})", "没有管件“{1}”（可选：{2}）"},
    {"{}: unknown fitting", "没有管件“{1}”"},
    {"{}: no K at {} (the table has none for this size)", "管件 {1} 没有 {2} 的局部阻力系数（表中无此规格）"},
    {"\"{}\": the count after \"*\" must be a whole number from 1 to 1000", "“{1}”：“*”后的个数须为 1～1000 的整数"},
    {"\"{}\": the ratio of the smaller diameter to the larger is a number between 0 and 1",
        "“{1}”：小管径与大管径之比须在 0 与 1 之间"},
    {"\"{}\": give the ratio of the diameters, e.g. {}", "“{1}”：须给出管径之比，如 {2}"},
    {"no size of the series keeps within the limits", "系列中没有管径能满足比摩阻和流速限值"},
    {"its flow, bore, roughness or viscosity is not a number of at least 0.000001",
        "流量、管径、粗糙度或运动粘滞系数不是不小于 0.000001 的数"},
    {"no friction law fits its zone, and Colebrook–White has no root",
        "没有适用的摩阻公式，Colebrook–White 公式也无解"},
    {"its results are not finite numbers: check the units", "结果不是有限数，请检查单位"},
    {"its flow is to be derived at the nodes, and the network does not allow it",
        "流量待按节点流量平衡推算，但管网有误，无从推算"},
    {"node \"{}\" does not balance: {} m³/h enter it ({}) and {} m³/h leave it ({})",
        "节点“{1}”流量不平衡：流入 {2} m³/h（{3}），流出 {4} m³/h（{5}）"},
    {"at node \"{}\" more than one flow is missing (entering: {}; leaving: {}): give all but one",
        "节点“{1}”有不止一个管段未给流量（流入：{2}；流出：{3}），只能空一个"},
    {"its flow, from the others at node \"{}\", would be {} m³/h: the flows given there do not add up",
        "按节点“{1}”推算流量为 {2} m³/h：该节点已给流量不平衡"},
    {"no flow given, and none to derive it from", "未给流量，也无从推算"},
    {"goes from node \"{}\" to itself", "起点和终点都是节点“{1}”"},
    {"no sections", "没有管段"},
    {"more than one node where the circuit starts (no section enters them): {}; the pump's outlet is one node",
        "无管段流入的节点不止一个：{1}；管路只有一个起点（水泵出口）"},
    {"more than one node where the circuit ends (no section leaves them): {}; the pump's inlet is one node",
        "无管段流出的节点不止一个：{1}；管路只有一个终点（水泵入口）"},
    {"no node where the circuit starts (every node has a section entering it)", "没有起点：每个节点都有管段流入"},
    {"no node where the circuit ends (every node has a section leaving it)", "没有终点：每个节点都有管段流出"},
    {"the sections form a cycle:{}", "管段构成回路：{1}"},
    {"node \"{}\" is not reached from the pump's outlet", "从水泵出口到不了节点“{1}”"},
};

} // namespace

std::string ChineseProblem(const std::string& problem)
{
    std::vector<std::string_view> parts;
    for (const auto& [english, chinese] : kMessages) {
        if (Match(problem, english, parts))
            return Filled(chinese, parts);
    }
    return problem;
}

} // namespace vendrel::form
