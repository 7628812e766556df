// Differential fuzzing of the command-line service against glibc's
// getopt_long. The input is the words after the program name, each ended by
// a NUL byte, so words can be empty, huge, numerous or not UTF-8. Its first
// byte may pick a table other than varnock's eight options, and is then
// dropped (fuzzTables.hpp says which). A line the two read differently
// where they are meant to agree is printed, and the run aborts so that
// libFuzzer keeps it.
#include "fuzz/fuzzTables.hpp"
#include "fuzz/getoptReading.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The places where the service is meant to differ from getopt_long: it
// refuses lines that getopt_long accepts, as it does not expand "--verb" to
// "--verbose", nor read "-input=x" as -i with the value "nput=x" (nor
// "-color" as -c with "olor"). Error texts never count, nor which error
// comes first. What getopt_long leaves to the program is the program's
// error on the getopt side (getoptReading.hpp): words that do not fit the
// operands, such as any word for a table without operands, and a missing
// or unknown command. On lines that both accept, the help option given
// both before and after the command counts as the service counts it
// (getoptReading.cpp says how).
bool meantToDiffer(const RVUsageError& error, const GetoptReading& getopt)
{
    using Kind = RVUsageError::Kind;
    return (error.kind == Kind::unknownOption && getopt.expanded.contains(error.word)) ||
           (error.kind == Kind::singleDashLongName && getopt.joined.contains(error.word));
}

bool agree(const GetoptTable& known, const RVParseResult& result, const GetoptReading& getopt)
{
    if (result.error) {
        return getopt.error || meantToDiffer(*result.error, getopt);
    }
    return !getopt.error && getopt.expanded.empty() && getopt.params == result.params &&
           getopt.action == result.action && getopt.actionPart == result.actionPart &&
           getopt.command == result.command &&
           (!known.varnockOptions || getopt.settings == resolveRunSettings(result.params));
}

} // namespace

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
    if (agree(known, result, getopt)) {
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
