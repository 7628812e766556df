#include "pktcount.hpp"

// One definition to a line, in the order the help screen shows them. The
// service checks the count, the format and the colour; the pattern only
// pktcount can. Its -v is its own, "say more", as every tool of the set has
// it: the service counts it and reports nothing.
// clang-format off
std::vector<RVDefinition> makeCommandLineDefinition()
{
    return {
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the software version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"standard", "no"}, {"help", "names each file as it is read; given twice, the limit and pattern too"}},
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "max-packets"}, {"short", "-n"}, {"long", "--max-packets"}, {"argument", "count"}, {"accepts", "integer 0.."}, {"help", "stops after this many packets of each file"}},
        {{"name", "match"}, {"short", "-m"}, {"long", "--match"}, {"argument", "pattern"}, {"help", "counts only the packets whose decoded text this regular expression finds"}},
        {{"name", "format"}, {"short", "-o"}, {"long", "--format"}, {"argument", "{text (default) | csv}"}, {"accepts", "choice"}, {"help", "writes the totals as text lines or as CSV with a header"}},
        {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "{always | never | auto}"}, {"accepts", "choice"}, {"optional", "always"}, {"help", "shows the totals of text lines in bold: always, never, or when writing to a terminal"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"excludes", "verbose"}, {"help", "prints nothing but errors"}},
        {{"name", "file"}, {"operand", "FILE..."}, {"help", "a capture to count the packets of, or - for standard input"}},
    };
}
// clang-format on

RVDefinition makeAppDefinition(const char* runAs)
{
    return {{"version", PKTCOUNT_VERSION},
            {"executable", "pktcount"},
            {"run-as", runAs != nullptr ? runAs : "pktcount"},
            {"description", "Counts the packets of each SS7 capture FILE."},
            {"copyright", "Copyright (C) 2026 The varnock developers. All rights reserved."}};
}

SettingsOrError readSettings(const RVCommandLine& commandLine)
{
    SettingsOrError result;
    Settings& settings = result.settings;
    const RVParams& params = commandLine.params();
    // The first occurrence of an option counts.
    const auto first = [&params](std::string_view name) -> const RVOptionValue* {
        const auto found = params.find(name);
        return found == params.end() ? nullptr : &found->second.asList()->front();
    };
    if (const auto files = params.find("file"); files != params.end()) {
        for (const RVOptionValue& name : *files->second.asList()) {
            settings.inputs.emplace_back(*name.asText());
        }
    }
    settings.quiet = params.contains("quiet");
    if (const auto verbose = params.find("verbose"); verbose != params.end()) {
        settings.verbosity = *verbose->second.asNumber();
    }
    if (const RVOptionValue* limit = first("max-packets")) {
        settings.maxPackets = *limit->asNumber(); // an integer of at least 0, as checked
    }
    if (const RVOptionValue* format = first("format"); format && *format->asText() == "csv") {
        settings.format = Settings::Format::csv;
    }
    // Given alone, --color is the default of its definition, "always".
    if (const RVOptionValue* color = first("color")) {
        const std::string_view when = *color->asText();
        settings.color = when == "always"  ? Settings::Color::always
                         : when == "never" ? Settings::Color::never
                                           : Settings::Color::automatic;
    }
    if (const RVOptionValue* pattern = first("match")) {
        const std::string text(*pattern->asText());
        try {
            settings.match.emplace(text, std::regex::ECMAScript);
        } catch (const std::regex_error&) {
            result.error = "invalid pattern " + rv::quoted(text) + " for '--match'";
        }
    }
    return result;
}

namespace {

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string field = "\"";
    for (const char c : text) {
        field.append(c == '"' ? 2 : 1, c);
    }
    return field + "\"";
}

} // namespace

std::string noteLine(const Settings& settings, const std::string& input)
{
    std::string note = "pktcount: reading " + rv::quoted(input);
    if (settings.verbosity >= 2) {
        note += settings.maxPackets < 0
                    ? ", every packet"
                    : ", at most " + std::to_string(settings.maxPackets) + " packets";
        note += settings.match ? ", those the pattern finds" : "";
    }
    return note + "\n";
}

std::string headerLine(const Settings& settings)
{
    return settings.format == Settings::Format::csv ? "file,packets\n" : "";
}

std::string totalLine(const Settings& settings, const std::string& input, std::int64_t packets)
{
    if (settings.format == Settings::Format::csv) {
        return csvField(input) + "," + std::to_string(packets) + "\n";
    }
    const std::string count = std::to_string(packets);
    if (settings.color == Settings::Color::always) {
        return input + ": \x1b[1m" + count + "\x1b[0m packets\n";
    }
    return input + ": " + count + " packets\n";
}
