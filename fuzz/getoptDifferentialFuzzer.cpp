// Differential fuzzing of the command-line service against glibc's
// getopt_long. The input is the words after the program name, each ended by
// a NUL byte, so words can be empty, huge, numerous or not UTF-8. Its first
// byte may pick a table other than varnock's eight options, and is then
// dropped (fuzzTables.hpp says which). A line the two read differently
// where they are meant to agree is printed, and the run aborts so that
// libFuzzer keeps it.
#include "fuzz/fuzzTables.hpp"
#include "fuzz/getoptReading.hpp"
#include "fuzz/readingsAgree.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// getopt_long stops at the first operand when POSIXLY_CORRECT is set; the
// service reads no environment variable, and the comparison is with the
// permuting mode, or with a leading '+' where the table asks for that.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    unsetenv("POSIXLY_CORRECT");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SelectedTable selected = selectTable(data, size);
    const GetoptTable& known = selected.table;
    data += selected.skip;
    size -= selected.skip;
    std::string line(reinterpret_cast<const char*>(data), size); // and a NUL after the last word
    std::string programName(known.table.app().executable);       // read by neither
    std::vector<char*> argv{programName.data()};
    for (std::size_t start = 0; start < size; start += std::strlen(argv.back()) + 1) {
        argv.push_back(line.data() + start);
    }
    argv.push_back(nullptr);

    const RVParseResult result =
        rv::parseArguments(known.table, {argv.data() + 1, argv.size() - 2});
    const GetoptReading getopt = readWithGetopt(known, argv);
    if (readingsAgree(known, result, getopt)) {
        return 0;
    }
    // The words as typed: getopt_long has permuted argv.
    std::fprintf(stderr, "%s: %s '%s'", selected.name,
                 result.error ? "getopt_long accepts:" : "getopt_long reads otherwise:",
                 programName.c_str());
    for (std::size_t start = 0; start < size; start += std::strlen(line.data() + start) + 1) {
        std::fprintf(stderr, " '%s'", line.data() + start);
    }
    std::fputs("\n", stderr);
    std::abort();
}
