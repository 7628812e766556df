#include "cmdline/docs/RVManExampleCheck.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVParser.hpp"
#include "cmdline/RVUsageErrorText.hpp"

#include <algorithm>
#include <string>

namespace {

using rv::detail::RVShellToken;

// A value that the option accepts, for a word whose text only the shell
// knows: its first choice, or the integer of its range nearest to 0.
std::string acceptedValue(const RVOptionSpec& option, std::string_view source)
{
    const RVValueCheck& check = option.check;
    if (check.kind == RVValueCheck::Kind::choice && !check.choices.empty()) {
        return std::string(check.choices.front());
    }
    if (check.kind == RVValueCheck::Kind::integer) {
        std::int64_t value = 0;
        if (check.minimum && *check.minimum > 0) {
            value = *check.minimum;
        } else if (check.maximum && *check.maximum < 0) {
            value = *check.maximum;
        }
        return std::to_string(value);
    }
    return std::string(source);
}

// A value that must follow its option as the next word: an optional one
// is given joined or not at all.
bool awaitsValue(const RVOptionSpec& option)
{
    return option.takesValue && !option.valueIsOptional;
}

// The example's words as the parser reads them, one after the other: the
// part they are read with (the global options, then, from the command on,
// the command's), the option whose value the next word is, and whether
// the options have ended.
class ExampleReading
{
public:
    explicit ExampleReading(const RVOptionTable& table) : table_(table) {}

    // What the parser is given for the word: its text, or for one that
    // holds an expansion, a word that reads as the shell's would.
    std::string argumentFor(const RVShellToken& word)
    {
        std::string argument = word.expands ? standIn(word) : word.text;
        advance(argument);
        return argument;
    }

private:
    const RVOptionPart& part() const { return table_.part(part_); }

    // In the global part of a table with commands, the first word that is
    // no option is the command.
    bool beforeCommand() const
    {
        return table_.hasCommands() && part_ == RVOptionTable::globalPart;
    }

    // After "--", or where options come before operands after the first
    // operand, every word is an operand, and an expansion stands for one as
    // it is written; in the global part of a table with commands, the word
    // after "--" is the command.
    void advance(std::string_view argument)
    {
        if (valueOf_ != RVOptionTable::none) {
            valueOf_ = RVOptionTable::none;
        } else if (optionsEnded_) {
            return;
        } else if (beforeCommand() && !isOption(argument)) {
            enterCommand(argument);
        } else if (argument == "--") {
            optionsEnded_ = !beforeCommand();
        } else if (isOption(argument)) {
            valueOf_ = optionAwaitingValue(argument);
        } else {
            optionsEnded_ = part().optionsBeforeOperands();
        }
    }

    static bool isOption(std::string_view word) { return word.size() > 1 && word[0] == '-'; }

    // The parser refuses a word that names no command, and reads no further.
    void enterCommand(std::string_view word)
    {
        const int command = table_.findCommand(word);
        part_ = command == RVOptionTable::none ? part_ : command;
    }

    // The option that takes the word after this one as its value, as the
    // parser reads them, or none.
    int optionAwaitingValue(std::string_view word) const
    {
        if (word.starts_with("--")) {
            const int option = part().findLong(word.substr(2));
            return option != RVOptionTable::none && awaitsValue(part().option(option))
                       ? option
                       : RVOptionTable::none;
        }
        for (std::size_t position = 1; position < word.size(); ++position) {
            const int option = part().findShort(word[position]);
            if (option != RVOptionTable::none && part().option(option).takesValue) {
                return position + 1 == word.size() && awaitsValue(part().option(option))
                           ? option
                           : RVOptionTable::none;
            }
        }
        return RVOptionTable::none;
    }

    // Only the text before the expansion is known, so the word is an option
    // only where that text makes it one ("--count=$n", "-f$file"), and the
    // expansion is then a value that the option accepts; any other such
    // word stands for an operand, whatever the shell will make of it.
    std::string standIn(const RVShellToken& word) const
    {
        if (valueOf_ != RVOptionTable::none) {
            return acceptedValue(part().option(valueOf_), word.source);
        }
        const std::string_view known = word.text;
        const std::size_t equals = known.find('=');
        if (!optionsEnded_ && known.starts_with("--") && equals != std::string_view::npos) {
            const int option = part().findLong(known.substr(2, equals - 2));
            if (option == RVOptionTable::none) {
                return std::string(word.source); // refused all the same
            }
            return std::string(known.substr(0, equals + 1)) +
                   acceptedValue(part().option(option), word.source);
        }
        if (!optionsEnded_ && known.size() > 1 && known[0] == '-' && known[1] != '-') {
            // "-name=$x" is a long name typed with one dash, whatever $x holds.
            if (const int option = part().findLong(known.substr(1, equals - 1));
                equals != std::string_view::npos && option != RVOptionTable::none &&
                part().option(option).name.size() > 1) {
                return std::string(known);
            }
            for (std::size_t position = 1; position < known.size(); ++position) {
                const int option = part().findShort(known[position]);
                if (option == RVOptionTable::none) {
                    return std::string(known); // the parser refuses the letter
                }
                if (part().option(option).takesValue) {
                    return std::string(known.substr(0, position + 1)) +
                           acceptedValue(part().option(option), word.source);
                }
            }
        }
        // The word as written, and never an option.
        std::string operand = word.source.starts_with('-') ? " " : "";
        return operand.append(word.source);
    }

    const RVOptionTable& table_;
    int part_ = RVOptionTable::globalPart;
    int valueOf_ = RVOptionTable::none; // the option whose value the next word is
    bool optionsEnded_ = false;
};

} // namespace

std::vector<RVShellToken> rv::detail::checkExample(const RVOptionTable& table,
                                                   std::string_view command, std::size_t number)
{
    const auto fail = [number](const std::string& problem) {
        throw RVDefinitionError("man page example " + std::to_string(number) + ": " + problem);
    };
    RVShellSplit split = splitShellWords(command);
    if (!split.problem.empty()) {
        fail(split.problem);
    }
    std::vector<RVShellToken> tokens = std::move(split.tokens);
    // The words after the first unquoted word that is the executable's name,
    // up to the control operator that ends its command, redirections left out.
    std::size_t index = 0;
    for (; index < tokens.size(); ++index) {
        const RVShellToken& token = tokens[index];
        if (token.kind == RVShellToken::Kind::redirection) {
            ++index; // its target
        } else if (token.kind == RVShellToken::Kind::word && !token.quoted && !token.expands &&
                   token.text == table.app().executable) {
            break;
        }
    }
    if (index >= tokens.size()) {
        fail("it does not run " + rv::quoted(table.app().executable));
    }
    std::vector<std::string> arguments;
    ExampleReading reading(table);
    for (++index; index < tokens.size(); ++index) {
        const RVShellToken& token = tokens[index];
        if (token.kind == RVShellToken::Kind::redirection) {
            ++index;
            continue;
        }
        if (token.kind != RVShellToken::Kind::word) {
            break;
        }
        arguments.push_back(reading.argumentFor(token));
    }
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    const RVParseResult result = rv::parseArguments(table, pointers);
    if (result.error) {
        const std::string report = rv::renderUsageError(table, *result.error);
        fail(report.substr(0, report.find('\n')));
    }
    return tokens;
}
