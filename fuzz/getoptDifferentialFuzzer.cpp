// Differential fuzzing of the command-line service against glibc's
// getopt_long given the same eight options. The input bytes are the words
// after the program name, each ended by a NUL byte (bytes after the last NUL
// make one more word), so words can be empty, huge, numerous or not UTF-8.
// Where the two read a line differently, and the service is not meant to
// (meantToDiffer), the line is printed and the run aborts, so that libFuzzer
// keeps the input.
#include "cmdline/RVParser.hpp"
#include "varnock/varnock.hpp"

#include <getopt.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// The real option table, as getopt_long takes it: "Vvhf:i:" and eight long
// options. No '+' in front, so getopt_long permutes operands to the end.
struct GetoptOptions
{
    RVOptionTable table{makeCommandLineDefinition(), makeAppDefinition("varnock")};
    std::string shortOptions;
    std::vector<std::string> names;
    std::vector<option> longOptions;

    GetoptOptions()
    {
        for (const RVOptionSpec& spec : table.options()) {
            if (!spec.shortForm.empty()) {
                shortOptions.append(1, spec.shortForm[1]).append(spec.takesValue ? ":" : "");
            }
            names.emplace_back(spec.name);
        }
        for (std::size_t index = 0; index < names.size(); ++index) {
            const int hasArgument =
                table.options()[index].takesValue ? required_argument : no_argument;
            longOptions.push_back({names[index].c_str(), hasArgument, nullptr, 256 + int(index)});
        }
        longOptions.push_back({});
    }
};

struct GetoptReading
{
    bool error = false;
    RVParams params;
    std::optional<RVStandardAction> action;
    RunSettings settings;                         // first occurrence counts, as in the front end
    std::set<std::string_view> operands;          // what permutation left after the options
    std::set<std::string_view> expanded;          // long words typed as an abbreviation
    std::set<std::string_view> joinedAfterLetter; // "-xVALUE" words: a letter, then its value
};

// argv is a copy: getopt_long permutes it.
GetoptReading readWithGetopt(const GetoptOptions& known, std::vector<char*> argv)
{
    const RVOptionTable& table = known.table;
    GetoptReading reading;
    std::vector<std::vector<std::string>> values(known.names.size());
    std::vector<std::int64_t> counts(known.names.size());
    const int argc = int(argv.size()) - 1;
    optind = 0; // glibc starts afresh
    opterr = 0;
    for (int c; (c = getopt_long(argc, argv.data(), known.shortOptions.c_str(),
                                 known.longOptions.data(), nullptr)) != -1;) {
        if (c == '?') {
            reading.error = true;
            continue;
        }
        const int option = c >= 256 ? c - 256 : table.findShort(char(c));
        const bool valueIsNextWord = optarg != nullptr && optarg == argv[optind - 1];
        const std::string_view word = argv[optind - (valueIsNextWord ? 2 : 1)];
        if (c >= 256 && word.substr(2, word.find('=') - 2) != known.names[option]) {
            reading.expanded.insert(word);
        } else if (c < 256 && optarg != nullptr && !valueIsNextWord && optarg == word.data() + 2) {
            reading.joinedAfterLetter.insert(word);
        }
        ++counts[option];
        if (optarg != nullptr) {
            values[option].emplace_back(optarg);
        } else if (!reading.action && option == table.helpIndex()) {
            reading.action = RVStandardAction::help;
        } else if (!reading.action && option == table.versionIndex()) {
            reading.action = RVStandardAction::version;
        }
    }
    reading.operands.insert(argv.begin() + optind, argv.begin() + argc);
    for (std::size_t index = 0; index < counts.size(); ++index) {
        std::vector<RVOptionValue> texts;
        for (const std::string& value : values[index]) {
            texts.push_back(RVOptionValue::text(value));
        }
        if (counts[index] > 0) {
            reading.params.emplace(known.names[index], table.options()[index].takesValue
                                                           ? RVOptionValue::list(std::move(texts))
                                                           : RVOptionValue::number(counts[index]));
        }
    }
    const auto first = [&](const char* name) -> std::optional<std::string> {
        const auto& given = values[std::size_t(table.findLong(name))];
        return given.empty() ? std::nullopt : std::optional(given.front());
    };
    reading.settings.filterFileName = first("filter");
    reading.settings.stagingAreaFileName = first("staging-area");
    reading.settings.filterName = first("filter-name");
    if (first("input-format") == "pcap") {
        reading.settings.inputFormat = Varnock_InputFormat_pcap_file;
    }
    reading.settings.inputs = values[std::size_t(table.findLong("input"))];
    return reading;
}

// The one place where the service is meant to differ from getopt_long: it
// rejects lines that getopt_long accepts. Its error texts are its own and are
// never compared.
bool meantToDiffer(const RVUsageError& error, const GetoptReading& getopt)
{
    switch (error.kind) {
    case RVUsageError::Kind::extraOperand: // getopt_long keeps "a.pcap", "-", "" and words after
                                           // "--"
        return getopt.operands.contains(error.word);
    case RVUsageError::Kind::unknownOption: // getopt_long expands "--verb" to "--verbose"
        return getopt.expanded.contains(error.word);
    case RVUsageError::Kind::singleDashLongName: // getopt_long reads "-input-format=pcap" as -i
        return getopt.joinedAfterLetter.contains(error.word);
    default:
        return false;
    }
}

auto tied(const RunSettings& settings)
{
    return std::tie(settings.filterFileName, settings.stagingAreaFileName, settings.filterName,
                    settings.inputFormat, settings.inputs);
}

[[noreturn]] void reportMismatch(const std::vector<std::string>& words, bool serviceAccepts)
{
    std::fprintf(stderr,
                 "service %s, getopt_long disagrees:", serviceAccepts ? "accepts" : "rejects");
    for (const std::string& word : words) {
        std::fputs(" '", stderr);
        for (const unsigned char c : word) {
            std::fprintf(stderr, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
        }
        std::fputc('\'', stderr);
    }
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const GetoptOptions known;
    std::vector<std::string> words{"varnock"};
    for (std::size_t start = 0; start < size;) {
        const auto* end =
            static_cast<const std::uint8_t*>(std::memchr(data + start, 0, size - start));
        const std::size_t length = end != nullptr ? std::size_t(end - data) - start : size - start;
        words.emplace_back(reinterpret_cast<const char*>(data + start), length);
        start += length + 1;
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    // The table is built once: building it anew for every input would be most of the run.
    const RVParseResult result = parseArguments(
        known.table, std::span<const char* const>(argv.data() + 1, words.size() - 1));
    const GetoptReading getopt = readWithGetopt(known, argv);
    const bool agree = result.error
                           ? getopt.error || meantToDiffer(*result.error, getopt)
                           : !getopt.error && getopt.operands.empty() && getopt.expanded.empty() &&
                                 getopt.params == result.params && getopt.action == result.action &&
                                 tied(getopt.settings) == tied(resolveRunSettings(result.params));
    if (!agree) {
        reportMismatch(words, !result.error);
    }
    return 0;
}
