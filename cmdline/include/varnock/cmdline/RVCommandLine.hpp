// RVCommandLine: the command-line service. It is built from the option
// definitions, the app definition and the process's arguments, parses them
// at once, and hands out the parsed values. handleStandardArguments acts on
// help, version, verbose and usage errors by writing and ending the process;
// standardOutcome says what it would do, for a tool that does the writing
// and exiting itself.
#pragma once

#include <varnock/cmdline/RVDefinitionError.hpp>
#include <varnock/cmdline/RVExitStatus.hpp>
#include <varnock/cmdline/RVOptionValue.hpp>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What handling the standard arguments comes to: a text for one stream, and
// whether the process ends there.
struct RVOutcome
{
    enum class Stream
    {
        none,
        standardOutput,
        standardError
    };

    Stream stream = Stream::none;
    std::string text; // empty when stream is none
    // Set when the process should end, with this status: help and version
    // (success), a usage error (usageError). Unset: the run goes on.
    std::optional<RVExitStatus> exitStatus;

    friend bool operator==(const RVOutcome&, const RVOutcome&) = default;
};

class RVCommandLine
{
public:
    // Throws RVDefinitionError for a bad definition. argc and argv are as
    // main receives them; argv is read during construction only, and
    // nothing handed out refers to it.
    RVCommandLine(std::vector<RVDefinition> commandLineDefinition, RVDefinition appDefinition,
                  int argc, const char* const* argv);
    ~RVCommandLine();
    RVCommandLine(RVCommandLine&&) noexcept;
    RVCommandLine& operator=(RVCommandLine&&) noexcept;

    // Writes standardOutcome's text to its stream and ends the process when
    // it says so. Help or version that cannot be written ends the process
    // with failure after a message on standard error.
    void handleStandardArguments() const;

    // What handleStandardArguments does, without writing or exiting: help or
    // version on standard output, ending with success; the first usage error
    // on standard error, ending with usageError; the verbose report on
    // standard error, going on; otherwise nothing, going on.
    RVOutcome standardOutcome() const;

    // Option name to value: a list of texts, one per occurrence in command
    // line order, for an option that takes a value (of numbers, for one that
    // accepts an integer); the number of occurrences for one that does not;
    // no entry for an option not given. Operand name to the list of its
    // words, in command line order; no entry for an operand given none.
    // A copy outlives this object and shares its texts' bytes. In a tool
    // with commands: the global options, the chosen command's name (the
    // number 1) and that command's options and operands.
    const RVParams& params() const;

    // The name of the command the line chose, in a tool with commands;
    // empty when the table has none or the line named no known command.
    // It views the table, and lives as long as this object.
    std::string_view command() const;

    // A usage error that the tool finds itself, such as a value it cannot
    // use, in the service's form: "NAME: MESSAGE" ("NAME COMMAND: MESSAGE"
    // once a command was chosen), then the line that points to --help
    // (that command's) where the table defines the service's help option. The message is
    // written as given: quote words from the command line with rv::quoted.
    std::string usageErrorText(std::string_view message) const;
    // Writes usageErrorText(message) on standard error and ends the process
    // with usageError.
    [[noreturn]] void exitWithUsageError(std::string_view message) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

namespace rv {

// The word between single quotes, as the service quotes the words of the
// command line in its own messages: control characters, and bytes that are
// not well-formed UTF-8, are written as escapes ("\n", "\x1b", "\xe9"), so
// that a message stays on one line, cannot drive the terminal and is valid
// UTF-8 text. Well-formed UTF-8 characters stand as typed.
std::string quoted(std::string_view word);

} // namespace rv
