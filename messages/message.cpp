#include "messages/message.h"

#include "messages/catalogue.h"

#include <cstdio>
#include <utility>

namespace vendrel::messages {
namespace {

// A user's text is cut after this many bytes, so that a message stays a line.
constexpr std::size_t kMaxShown = 59;

void AppendText(std::string& out, const Message& message, Language language);

void AppendJoined(std::string& out, const std::vector<Message>& messages, Language language, MessageId separator)
{
    for (std::size_t m = 0; m < messages.size(); ++m) {
        if (m > 0)
            out += CatalogueText(separator, language);
        AppendText(out, messages[m], language);
    }
}

void AppendArgument(std::string& out, const Argument& argument, Language language)
{
    if (argument.message.empty())
        out += argument.text;
    else
        AppendJoined(out, argument.message, language, argument.separator);
}

void AppendText(std::string& out, const Message& message, Language language)
{
    if (message.Empty())
        return;
    const std::string_view text = CatalogueText(message.Id(), language);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // "{{" and "}}" are the braces themselves, as in Python's format strings.
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            out += c;
            ++i;
            continue;
        }
        const std::size_t close = c == '{' ? text.find('}', i) : std::string_view::npos;
        const Argument* argument
            = close != std::string_view::npos ? message.Find(text.substr(i + 1, close - i - 1)) : nullptr;
        if (argument == nullptr) {
            out += c;
            continue;
        }
        AppendArgument(out, *argument, language);
        i = close;
    }
}

} // namespace

Message::Message(MessageId id)
    : m_id(id)
    , m_set(true)
{ }

Message::Message(MessageId id, std::initializer_list<Argument> arguments)
    : m_id(id)
    , m_set(true)
    , m_arguments(arguments)
{ }

const Argument* Message::Find(std::string_view name) const
{
    for (const Argument& argument : m_arguments) {
        if (name == argument.name)
            return &argument;
    }
    return nullptr;
}

std::string Message::Text(Language language) const
{
    std::string text;
    AppendText(text, *this, language);
    return text;
}

Argument::Argument(const char* name, std::string text)
    : name(name)
    , text(std::move(text))
{ }

Argument::Argument(const char* name, std::string_view text)
    : name(name)
    , text(text)
{ }

Argument::Argument(const char* name, const char* text)
    : name(name)
    , text(text)
{ }

Argument::Argument(const char* name, Message message)
    : name(name)
    , message{std::move(message)}
{ }

Argument::Argument(const char* name, std::vector<Message> list, MessageId separator)
    : name(name)
    , message(std::move(list))
    , separator(separator)
{ }

Message Named(std::string name, Message problem)
{
    return Message(MessageId::Named, {{"name", std::move(name)}, {"problem", std::move(problem)}});
}

Message Named(MessageId name, Message problem)
{
    return Message(MessageId::Named, {{"name", Message(name)}, {"problem", std::move(problem)}});
}

Message AtLine(long line, Message problem)
{
    return Message(MessageId::AtLine, {{"line", line}, {"problem", std::move(problem)}});
}

std::string JoinedText(const std::vector<Message>& messages, Language language, MessageId separator)
{
    std::string text;
    AppendJoined(text, messages, language, separator);
    return text;
}

bool HasEveryArgument(const Message& message)
{
    if (message.Empty())
        return true;
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::string_view text = CatalogueText(message.Id(), language);
        for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
            if (open + 1 < text.size() && text[open + 1] == '{') {
                ++open;
                continue;
            }
            const std::size_t close = text.find('}', open);
            const Argument* argument = message.Find(text.substr(open + 1, close - open - 1));
            if (argument == nullptr)
                return false;
            for (const Message& held : argument->message) {
                if (!HasEveryArgument(held))
                    return false;
            }
        }
    }
    return true;
}

std::string UserText(std::string_view text)
{
    std::string shown;
    std::size_t i = 0;
    for (; i < text.size() && shown.size() < kMaxShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        } else {
            shown += static_cast<char>(c);
        }
    }
    // Cut at a character boundary, never inside a UTF-8 sequence.
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        shown += text[i++];
    if (i < text.size())
        shown += "…";
    return shown;
}

} // namespace vendrel::messages
