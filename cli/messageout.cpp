#include "cli/messageout.h"

namespace vendrel::cli {

void Say(std::FILE* err, const messages::Message& message, messages::Language language)
{
    std::fprintf(err, "vendrel-calc: %s\n", message.Text(language).c_str());
}

} // namespace vendrel::cli
