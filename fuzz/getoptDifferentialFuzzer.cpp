// Differential fuzzing of the command-line service against glibc's getopt_long
// given the same eight options. The input is the words after the program name,
// each ended by a NUL byte, so words can be empty, huge, numerous or not UTF-8.
// An input whose first byte is 0x01 drops that byte and is read against a
// second table: the eight options and an operand "file" that takes any number
// of words ("[FILE]..."), where the service reads options and operands in any
// order, as getopt_long does when it permutes. A line the two read
// differently where they are meant to agree is printed, and the run aborts so
// that libFuzzer keeps it.
#include "cmdline/RVParser.hpp"
#include "varnock/varnock.hpp"

#include <getopt.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string_view>
#include <utility>

namespace {

// The first byte of an input that is read against the table with operands.
constexpr std::uint8_t operandTableByte = 0x01;

std::vector<RVDefinition> definitionsWithOperand()
{
    std::vector<RVDefinition> definitions = makeCommandLineDefinition();
    definitions.push_back({{"name", "file"}, {"operand", "[FILE]..."}, {"help", "a file to read"}});
    return definitions;
}

// A table as getopt_long takes it: "Vvhf:i:" and eight long options, with no
// '+' in front, so getopt_long permutes operands to the end. Built in place:
// longOptions points into names.
struct GetoptOptions
{
    RVOptionTable table;
    std::vector<std::string> names;
    std::string shortOptions;
    std::vector<option> longOptions;

    explicit GetoptOptions(std::vector<RVDefinition> definitions)
        : table(std::move(definitions), makeAppDefinition("varnock"))
    {
        names.reserve(table.options().size()); // longOptions points into them
        for (const RVOptionSpec& definition : table.options()) {
            if (!definition.shortForm.empty()) {
                shortOptions.append(1, definition.shortForm[1])
                    .append(definition.takesValue ? ":" : "");
            }
            longOptions.push_back({names.emplace_back(definition.name).c_str(),
                                   definition.takesValue ? required_argument : no_argument, nullptr,
                                   256 + int(longOptions.size())});
        }
        longOptions.push_back({});
    }
};

struct GetoptReading
{
    bool error = false;
    RVParams params;
    std::optional<RVStandardAction> action;
    RunSettings settings;                   // first occurrence counts, as in the front end
    std::vector<std::string> inputs;        // the bytes that settings.inputs views
    std::vector<std::string_view> operands; // what permutation left after the options, in order
    std::set<std::string_view> expanded;    // "--verb", read as "--verbose"
    std::set<std::string_view> joined;      // "-fVALUE" and "-input=x", read as -i "nput=x"
};

GetoptReading readWithGetopt(const GetoptOptions& known, std::vector<char*> argv) // permuted
{
    const RVOptionTable& table = known.table;
    optind = 0; // glibc starts afresh
    opterr = 0;
    GetoptReading reading;
    std::map<std::string, std::vector<std::string>> texts; // option name to values, "" for a flag
    const int argc = int(argv.size()) - 1;
    for (int c; (c = getopt_long(argc, argv.data(), known.shortOptions.c_str(),
                                 known.longOptions.data(), nullptr)) != -1;) {
        const int option = c >= 256 ? c - 256 : table.findShort(char(c));
        if (option == RVOptionTable::none) { // getopt_long's '?'
            reading.error = true;
            continue;
        }
        const bool valueIsNextWord = optarg != nullptr && optarg == argv[optind - 1];
        const std::string_view word = argv[optind - (valueIsNextWord ? 2 : 1)];
        if (c >= 256 && word.substr(2, word.find('=') - 2) != known.names[option]) {
            reading.expanded.insert(word);
        } else if (c < 256 && optarg != nullptr && !valueIsNextWord && optarg == word.data() + 2) {
            reading.joined.insert(word);
        }
        texts[known.names[option]].emplace_back(optarg != nullptr ? optarg : "");
        if (!reading.action && (option == table.helpIndex() || option == table.versionIndex())) {
            reading.action =
                option == table.helpIndex() ? RVStandardAction::help : RVStandardAction::version;
        }
    }
    reading.operands.assign(argv.begin() + optind, argv.begin() + argc);
    // The table's one operand takes them all, in the order getopt_long leaves
    // them: as typed, those after "--" last.
    if (!table.operands().empty() && !reading.operands.empty()) {
        std::vector<RVOptionValue> words;
        for (const std::string_view word : reading.operands) {
            words.push_back(RVOptionValue::text(std::string(word)));
        }
        reading.params.emplace(table.operands().front().name, RVOptionValue::list(words));
    }
    for (const auto& [name, given] : texts) {
        std::vector<RVOptionValue> values;
        for (const std::string& text : given) {
            values.push_back(RVOptionValue::text(text));
        }
        reading.params.emplace(name, table.option(table.findLong(name)).takesValue
                                         ? RVOptionValue::list(values)
                                         : RVOptionValue::number(std::int64_t(values.size())));
    }
    const auto first = [&](const char* name) {
        return texts[name].empty() ? std::nullopt : std::optional(texts[name].front());
    };
    reading.settings.filterFileName = first("filter");
    reading.settings.stagingAreaFileName = first("staging-area");
    reading.settings.filterName = first("filter-name");
    if (first("input-format") == "pcap") {
        reading.settings.inputFormat = Varnock_InputFormat_pcap_file;
    }
    reading.inputs = texts["input"];
    reading.settings.inputs.assign(reading.inputs.begin(), reading.inputs.end());
    return reading;
}

// The one place where the service is meant to differ from getopt_long: it
// rejects lines that getopt_long accepts, as it keeps an operand (a word such
// as "a", "-", "" or any word after "--") for a table that has none, expands
// "--verb" to "--verbose", or reads "-input=x" as -i with the value "nput=x".
// Error texts never count.
bool meantToDiffer(const RVOptionTable& table, const RVUsageError& error,
                   const GetoptReading& getopt)
{
    using Kind = RVUsageError::Kind;
    return (error.kind == Kind::extraOperand && table.operands().empty() &&
            std::find(getopt.operands.begin(), getopt.operands.end(), error.word) !=
                getopt.operands.end()) ||
           (error.kind == Kind::unknownOption && getopt.expanded.contains(error.word)) ||
           (error.kind == Kind::singleDashLongName && getopt.joined.contains(error.word));
}

} // namespace

// getopt_long stops at the first operand when POSIXLY_CORRECT is set; the
// service reads no environment variable, and the comparison is with the
// permuting mode.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    unsetenv("POSIXLY_CORRECT");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Built once: building them is most of a run's work.
    static const GetoptOptions varnockTable(makeCommandLineDefinition());
    static const GetoptOptions operandTable(definitionsWithOperand());
    const bool withOperands = size > 0 && data[0] == operandTableByte;
    const GetoptOptions& known = withOperands ? operandTable : varnockTable;
    data += withOperands ? 1 : 0;
    size -= withOperands ? 1 : 0;
    std::string line(reinterpret_cast<const char*>(data), size); // and a NUL after the last word
    char programName[] = "varnock";
    std::vector<char*> argv{programName};
    for (std::size_t start = 0; start < size; start += std::strlen(argv.back()) + 1) {
        argv.push_back(line.data() + start);
    }
    argv.push_back(nullptr);

    const RVParseResult result =
        rv::parseArguments(known.table, {argv.data() + 1, argv.size() - 2});
    const GetoptReading getopt = readWithGetopt(known, argv);
    if (result.error ? getopt.error || meantToDiffer(known.table, *result.error, getopt)
                     : !getopt.error && (withOperands || getopt.operands.empty()) &&
                           getopt.expanded.empty() && getopt.params == result.params &&
                           getopt.action == result.action &&
                           getopt.settings == resolveRunSettings(result.params)) {
        return 0;
    }
    std::fputs(withOperands ? "with operands: " : "", stderr);
    std::fputs(result.error ? "getopt_long accepts:" : "getopt_long reads otherwise:", stderr);
    for (std::size_t index = 0; argv[index] != nullptr; ++index) {
        std::fprintf(stderr, " '%s'", argv[index]);
    }
    std::fputs("\n", stderr);
    std::abort();
}
