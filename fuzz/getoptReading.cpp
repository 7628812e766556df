#include "fuzz/getoptReading.hpp"

#include "varnock/definitions.hpp"

#include <cstdio>
#include <cstdlib>
#include <span>
#include <utility>

namespace {

constexpr int none = RVOptionTable::none;

// What one part's options were given, by option index: a value, the
// default of an optional value, or "" for a flag.
using Given = std::vector<std::vector<std::string>>;

int argumentKind(const RVOptionSpec& definition)
{
    if (!definition.takesValue) {
        return no_argument;
    }
    return definition.valueIsOptional ? optional_argument : required_argument;
}

// A table the getopt side cannot read as the service does is a mistake of
// this target, not a finding.
void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "getopt table: %s\n", what);
        std::abort();
    }
}

// Reads the options of argv[1] on, as getopt_long from a fresh start; the
// words it did not take as options or values are argv[result] on.
int readOptions(const GetoptTable& known, int partIndex, int argc, char** argv,
                GetoptReading& reading, Given& given)
{
    const RVOptionPart& part = known.table.part(partIndex);
    const GetoptPart& getoptPart = known.parts[static_cast<std::size_t>(partIndex)];
    optind = 0; // glibc starts afresh, the '+' read again
    opterr = 0;
    for (int c; (c = getopt_long(argc, argv, getoptPart.shortOptions.c_str(),
                                 getoptPart.longOptions.data(), nullptr)) != -1;) {
        const int option = c >= 256 ? c - 256 : part.findShort(char(c));
        if (option == none) { // getopt_long's '?'
            reading.error = true;
            continue;
        }
        const RVOptionSpec& definition = part.option(option);
        const bool valueIsNextWord = optarg != nullptr && optarg == argv[optind - 1];
        const std::string_view word = argv[optind - (valueIsNextWord ? 2 : 1)];
        if (c >= 256 && word.substr(2, word.find('=') - 2) != definition.name) {
            reading.expanded.insert(word);
        } else if (c < 256 && optarg != nullptr && !valueIsNextWord && optarg == word.data() + 2) {
            reading.joined.insert(word);
        }
        // An optional value that is not given is its default; a flag's is
        // empty.
        given[static_cast<std::size_t>(option)].emplace_back(
            optarg != nullptr ? std::string_view(optarg) : definition.defaultValue);
        if (!reading.action && (option == part.helpIndex() || option == part.versionIndex())) {
            reading.action =
                option == part.helpIndex() ? RVStandardAction::help : RVStandardAction::version;
            reading.actionPart = partIndex;
        }
    }
    return optind;
}

// A flag as the number of times it was given, a value as the list of them.
void addOptions(const RVOptionPart& part, const Given& given, RVParams& params)
{
    for (std::size_t index = 0; index < given.size(); ++index) {
        if (given[index].empty()) {
            continue;
        }
        const RVOptionSpec& definition = part.options()[index];
        RVOptionValue value = RVOptionValue::number(std::int64_t(given[index].size()));
        if (definition.takesValue) {
            RVOptionValue::List texts;
            for (const std::string& text : given[index]) {
                texts.push_back(RVOptionValue::text(text));
            }
            value = RVOptionValue::list(std::move(texts));
        }
        params.emplace(definition.name, std::move(value));
    }
}

// Whether the part's own options ask for help or version.
bool asksForAction(const RVOptionPart& part, const Given& given)
{
    const auto asked = [&](int option) {
        return option != none && !given[static_cast<std::size_t>(option)].empty();
    };
    return asked(part.helpIndex()) || asked(part.versionIndex());
}

// The words getopt_long left, in the order it left them (as typed, those
// after "--" last), given to the part's operands in table order: each takes
// one, and the last, when repeatable, all the rest (the only shapes of the
// tables here). False when they do not fit, as the program would check:
// too many always, too few only where the part's own options ask for no
// help or version, which the program acts on first (the service reports
// "-h show", a help before the command, as a missing operand: no one sees
// it, as help wins).
bool takeOperands(const RVOptionPart& part, std::span<char* const> words, bool action,
                  RVParams& params)
{
    const std::span<const RVOperandSpec> operands = part.operands();
    if ((words.size() < part.operandMinimum() && !action) ||
        (words.size() > operands.size() && (operands.empty() || !operands.back().repeatable))) {
        return false;
    }
    for (std::size_t index = 0; index < operands.size() && index < words.size(); ++index) {
        const std::size_t count = index + 1 == operands.size() ? words.size() - index : 1;
        RVOptionValue::List texts;
        for (char* const word : words.subspan(index, count)) {
            texts.push_back(RVOptionValue::text(word));
        }
        params.emplace(operands[index].name, RVOptionValue::list(std::move(texts)));
    }
    return true;
}

// The front end's settings, from the first occurrence of each value.
void resolveSettings(const RVOptionTable& table, const Given& given, GetoptReading& reading)
{
    const auto all = [&](const char* name) -> const std::vector<std::string>& {
        return given[static_cast<std::size_t>(table.findLong(name))];
    };
    const auto first = [&](const char* name) {
        return all(name).empty() ? std::nullopt : std::optional(all(name).front());
    };
    reading.settings.filterFileName = first(OptionName::filter);
    reading.settings.stagingAreaFileName = first(OptionName::stagingArea);
    reading.settings.filterName = first(OptionName::filterName);
    if (first(OptionName::inputFormat) == "pcap") {
        reading.settings.inputFormat = Varnock_InputFormat_pcap_file;
    }
    reading.inputs = all(OptionName::input);
    reading.settings.inputs.assign(reading.inputs.begin(), reading.inputs.end());
}

} // namespace

GetoptPart::GetoptPart(const RVOptionPart& part, bool stopAtOperand)
    : shortOptions(stopAtOperand ? "+" : "")
{
    names.reserve(part.options().size()); // longOptions points into them
    for (const RVOptionSpec& definition : part.options()) {
        const int kind = argumentKind(definition);
        if (!definition.shortForm.empty()) {
            shortOptions.append(1, definition.shortForm[1])
                .append(kind == optional_argument   ? "::"
                        : kind == required_argument ? ":"
                                                    : "");
        }
        longOptions.push_back({names.emplace_back(definition.name).c_str(), kind, nullptr,
                               256 + int(longOptions.size())});
    }
    longOptions.push_back({});
}

GetoptTable::GetoptTable(std::vector<RVDefinition> definitions, RVDefinition app,
                         bool varnockOptions)
    : table(std::move(definitions), std::move(app)), varnockOptions(varnockOptions)
{
    parts.reserve(table.commands().size() + 1);
    // The global part of a table with commands ends at the command.
    parts.emplace_back(table.global(),
                       table.global().optionsBeforeOperands() || table.hasCommands());
    for (const RVOptionPart& part : table.commands()) {
        parts.emplace_back(part, part.optionsBeforeOperands());
    }
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const RVOptionPart& part = table.part(int(index));
        require(!part.checksValues() && !part.hasExclusions(),
                "getopt_long checks no value and knows no exclusion");
        for (std::size_t operand = 0; operand + 1 < part.operands().size(); ++operand) {
            require(!part.operands()[operand].optional && !part.operands()[operand].repeatable,
                    "only the last operand may be optional or repeatable");
        }
    }
}

GetoptReading readWithGetopt(const GetoptTable& known, std::vector<char*>& argv)
{
    const RVOptionTable& table = known.table;
    GetoptReading reading;
    int argc = int(argv.size()) - 1;
    char** words = argv.data();
    Given global(table.global().options().size());
    int end = readOptions(known, RVOptionTable::globalPart, argc, words, reading, global);
    addOptions(table.global(), global, reading.params);
    if (known.varnockOptions) {
        resolveSettings(table, global, reading);
    }
    int part = RVOptionTable::globalPart;
    Given inCommand;
    bool actionAsked = false; // by the options of the part the operands are read in
    if (table.hasCommands()) {
        // The word the global options end at names the command, and the
        // rest is read as a line of its own, with the command's name in
        // the place of the program's: a missing or unknown command is the
        // program's error.
        part = end < argc ? table.findCommand(words[end]) : none;
        if (part == none) {
            reading.error = true;
            return reading;
        }
        reading.command = part;
        reading.params.emplace(table.part(part).command(), RVOptionValue::number(1));
        words += end;
        argc -= end;
        inCommand.resize(table.part(part).options().size());
        end = readOptions(known, part, argc, words, reading, inCommand);
        actionAsked = asksForAction(table.part(part), inCommand);
        // The help option is in both parts, and counted over the line.
        const int help = table.part(part).helpIndex();
        if (help != none && !inCommand[static_cast<std::size_t>(help)].empty() &&
            reading.params.contains(table.part(part).option(help).name)) {
            auto& count = reading.params.at(std::string(table.part(part).option(help).name));
            count = RVOptionValue::number(
                *count.asNumber() + std::int64_t(inCommand[static_cast<std::size_t>(help)].size()));
            inCommand[static_cast<std::size_t>(help)].clear();
        }
        addOptions(table.part(part), inCommand, reading.params);
    }
    const RVOptionPart& last = table.part(part);
    if (part == RVOptionTable::globalPart) {
        actionAsked = asksForAction(last, global);
    }
    if (!takeOperands(last, std::span(words + end, words + argc), actionAsked, reading.params)) {
        reading.error = true;
    }
    return reading;
}
