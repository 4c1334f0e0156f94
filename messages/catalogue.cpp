#include "messages/catalogue.h"

namespace vendrel::messages {
namespace {

struct Entry {
    std::string_view name;
    std::string_view english;
    std::string_view chinese;
};

constexpr Entry kEntries[] = {
#define VENDREL_MESSAGE(id, english, chinese) {#id, english, chinese},
#include "messages/catalogue.inc"
#undef VENDREL_MESSAGE
};
static_assert(std::size(kEntries) == kMessageCount);

} // namespace

std::string_view CatalogueText(MessageId id, Language language)
{
    const Entry& entry = kEntries[static_cast<std::size_t>(id)];
    return language == Language::Chinese ? entry.chinese : entry.english;
}

std::string_view IdentityName(MessageId id)
{
    return kEntries[static_cast<std::size_t>(id)].name;
}

} // namespace vendrel::messages
