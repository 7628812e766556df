#include "fuzz/fuzzTables.hpp"

#include "varnock/varnock.hpp"

#include <utility>
#include <vector>

namespace {

enum Selector : std::uint8_t
{
    withOperandByte = 0x01,
    optionalValuesByte = 0x02,
    beforeOperandsByte = 0x03,
    commandsByte = 0x04,
};

std::vector<RVDefinition> withOperand(std::vector<RVDefinition> definitions)
{
    definitions.push_back({{"name", "file"}, {"operand", "[FILE]..."}, {"help", "a file to read"}});
    return definitions;
}

// One with a short form and one without, as "c::" and optional_argument.
std::vector<RVDefinition> withOptionalValues()
{
    std::vector<RVDefinition> definitions = makeCommandLineDefinition();
    definitions.push_back({{"name", "color"},
                           {"short", "-c"},
                           {"long", "--color"},
                           {"argument", "WHEN"},
                           {"optional", "always"},
                           {"help", "colours the output"}});
    definitions.push_back({{"name", "level"},
                           {"long", "--level"},
                           {"argument", "N"},
                           {"optional", "1"},
                           {"help", "says more, at level N"}});
    return withOperand(std::move(definitions));
}

RVDefinition optionsBeforeOperands(RVDefinition app)
{
    app.emplace("options", "before-operands");
    return app;
}

// Three commands: list and show permuting, set with its options before its
// operands, so that "set L1 key -1" gives -1 to VALUE. show's -s is not the
// global -s, and the global --color has an optional value, which must not
// take the command that follows it.
// clang-format off
std::vector<RVDefinition> withCommands()
{
    return {
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the line was read"}},
        {{"name", "socket"}, {"short", "-s"}, {"long", "--socket"}, {"argument", "PATH"}, {"help", "talks to PATH"}},
        {{"name", "color"}, {"long", "--color"}, {"argument", "WHEN"}, {"optional", "auto"}, {"help", "colours the output"}},
        {{"name", "list"}, {"command", "list"}, {"help", "lists the links"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "list"}, {"help", "those down too"}},
        {{"name", "format"}, {"short", "-o"}, {"long", "--format"}, {"argument", "FORMAT"}, {"of", "list"}, {"help", "writes FORMAT"}},
        {{"name", "show"}, {"command", "show"}, {"help", "shows links"}},
        {{"name", "stats"}, {"short", "-s"}, {"long", "--stats"}, {"of", "show"}, {"help", "their counters too"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "show"}, {"help", "every key"}},
        {{"name", "link"}, {"operand", "LINK..."}, {"of", "show"}, {"help", "the links to show"}},
        {{"name", "set"}, {"command", "set"}, {"options", "before-operands"}, {"help", "sets a key"}},
        {{"name", "force"}, {"short", "-f"}, {"long", "--force"}, {"of", "set"}, {"help", "while up too"}},
        {{"name", "level"}, {"short", "-l"}, {"long", "--level"}, {"argument", "N"}, {"optional", "1"}, {"of", "set"}, {"help", "says more"}},
        {{"name", "retries"}, {"short", "-r"}, {"long", "--retries"}, {"argument", "N"}, {"of", "set"}, {"help", "tries N times"}},
        {{"name", "link"}, {"operand", "LINK"}, {"of", "set"}, {"help", "the link"}},
        {{"name", "key"}, {"operand", "KEY"}, {"of", "set"}, {"help", "the key"}},
        {{"name", "value"}, {"operand", "VALUE"}, {"of", "set"}, {"help", "its new value"}},
    };
}
// clang-format on

RVDefinition commandsApp()
{
    return {{"version", "1.0"}, {"executable", "linkctl"}};
}

} // namespace

SelectedTable selectTable(const std::uint8_t* data, std::size_t size)
{
    static const GetoptTable varnock(makeCommandLineDefinition(), makeAppDefinition("varnock"),
                                     true);
    static const GetoptTable operand(withOperand(makeCommandLineDefinition()),
                                     makeAppDefinition("varnock"), true);
    static const GetoptTable optional(withOptionalValues(), makeAppDefinition("varnock"), true);
    static const GetoptTable beforeOperands(withOperand(makeCommandLineDefinition()),
                                            optionsBeforeOperands(makeAppDefinition("varnock")),
                                            true);
    static const GetoptTable commands(withCommands(), commandsApp(), false);
    switch (size > 0 ? data[0] : 0) {
    case withOperandByte:
        return {operand, 1, "with operands"};
    case optionalValuesByte:
        return {optional, 1, "with optional values"};
    case beforeOperandsByte:
        return {beforeOperands, 1, "options before operands"};
    case commandsByte:
        return {commands, 1, "with commands"};
    default:
        return {varnock, 0, "varnock"};
    }
}
