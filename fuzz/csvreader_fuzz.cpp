// Feeds arbitrary bytes to the CSV schedule job: it must either finish or stop
// with a message, and every row it wrote must be whole.
#include "cli/csvjob.h"
#include "design/pipeseries.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    File in(std::tmpfile(), &std::fclose);
    File out(std::tmpfile(), &std::fclose);
    File err(std::tmpfile(), &std::fclose);
    if (!in || !out || !err)
        return 0;
    std::fwrite(data, 1, size, in.get());
    std::rewind(in.get());
    // The default series, as vendrel-calc gives it, for the DN sizes.
    static const vendrel::design::SeriesCatalog series;
    vendrel::cli::CsvJobSettings settings;
    settings.series = &series.Default();
    // Half the runs with the command line's brine for the cells left blank.
    if (size % 2 != 0) {
        settings.fluid = "eg";
        settings.concentration = "30";
        settings.temperature = "-5";
        settings.deltaT = "5";
    }
    const int status = vendrel::cli::RunCsvJob(in.get(), "fuzz", out.get(), err.get(), settings);

    const long written = std::ftell(out.get());
    const long reported = std::ftell(err.get());
    if (status != 0 && reported == 0)
        std::abort(); // a failure must say why
    // Success says nothing but that a brine is near its freezing point.
    if (status == 0 && reported > 0) {
        std::rewind(err.get());
        char line[4096];
        while (std::fgets(line, sizeof line, err.get()) != nullptr) {
            if (std::strstr(line, "less than 3 K below") == nullptr)
                std::abort();
        }
    }
    if (written > 0) {
        std::fseek(out.get(), -1, SEEK_END);
        if (std::fgetc(out.get()) != '\n')
            std::abort(); // a partial row was left behind
    }
    return 0;
}
