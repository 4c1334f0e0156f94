#pragma once

#include "messages/messageid.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A message is made where the fault is found, as an identity of the
// catalogue and the arguments its texts name ("{file}", "{line}"); the front
// end chooses the language it is shown in. Nothing reads a message's
// wording: a caller that needs to know what went wrong asks its identity.
//
//   Message(MessageId::AtLine, {{"line", 4}, {"problem", Message(MessageId::NoNode)}})
//   .Text(Language::Chinese) is "第 4 行：未填节点"
namespace vendrel::messages {

enum class Language { English, Chinese };

struct Argument;

class Message {
public:
    // No message: nothing is wrong.
    Message() = default;
    Message(MessageId id, std::initializer_list<Argument> arguments);
    explicit Message(MessageId id);

    bool Empty() const { return !m_set; }
    MessageId Id() const { return m_id; }
    // The argument of that name, or null.
    const Argument* Find(std::string_view name) const;

    // The catalogue's text in the language with every "{name}" filled in;
    // "" for no message.
    std::string Text(Language language) const;

private:
    MessageId m_id{};
    bool m_set = false;
    std::vector<Argument> m_arguments;
};

// A value a message shows in its "{name}" place: a text as it is (a number
// already written, a file's name, a user's text through UserText), or
// another message, shown in the same language.
struct Argument {
    Argument(const char* name, std::string text);
    Argument(const char* name, std::string_view text);
    Argument(const char* name, const char* text);
    template <typename Integer, std::enable_if_t<std::is_integral_v<Integer>, int> = 0>
    Argument(const char* name, Integer number)
        : Argument(name, std::to_string(number))
    { }
    Argument(const char* name, Message message);
    // Messages one after another, the separator's text between them.
    Argument(const char* name, std::vector<Message> list, MessageId separator);

    const char* name;
    std::string text;
    std::vector<Message> message; // where the value is messages
    MessageId separator{};
};

// A problem with a value, under the name of what it is ("--flow: …",
// "流量(m³/h): …"); the name a text as it is, or a word of the catalogue.
Message Named(std::string name, Message problem);
Message Named(MessageId name, Message problem);
// A problem on a line of a file: "line 4: …".
Message AtLine(long line, Message problem);

// Messages one after another, as one: "a; b" or "a；b".
std::string JoinedText(
    const std::vector<Message>& messages, Language language, MessageId separator = MessageId::ListSeparator);

// True where every place the message's texts name, and those of the
// messages it holds, has its argument: for checks of the code that makes them.
bool HasEveryArgument(const Message& message);

// A text the user typed, as a message quotes it on one line: control
// characters escaped ("\x0A") and a long text cut short at a character's
// boundary ("…"). The quotation marks are the catalogue's.
std::string UserText(std::string_view text);

} // namespace vendrel::messages
