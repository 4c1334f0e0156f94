// Feeds arbitrary bytes to the reader of the user's series files: a file is
// taken whole or refused with a message naming it, never half-taken.
#include "files/userlibrary.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/vendrel_seriesfile_fuzz_" + std::to_string(::getpid()) + ".csv";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    vendrel::files::UserLibrary library;
    const int before = library.series.size();
    vendrel::messages::Message error;
    const bool taken = vendrel::files::AddSeriesFile(path, library, error);
    if (taken != error.Empty() || library.series.size() != before + (taken ? 1 : 0))
        std::abort();
    using vendrel::messages::Language;
    for (const Language language : {Language::English, Language::Chinese}) {
        if (!taken && error.Text(language).rfind(path, 0) != 0)
            std::abort(); // a refusal names the file
    }
    if (!vendrel::messages::HasEveryArgument(error))
        std::abort(); // and says all it names
    if (taken && !vendrel::design::SeriesProblem(library.series[before]).Empty())
        std::abort(); // what is taken passes the checks
    return 0;
}
