#include "cmdline/docs/RVFishCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

namespace {

using rv::detail::fishQuoted;

// A section of the template (RVTextTemplate.hpp says how they are marked).
std::string_view templateSection(std::string_view name)
{
    return rv::detail::templateSection(rv::detail::fishCompletionTemplate, name);
}

// Every form of the option, short first, as words of fish: "-f --filter".
std::string formsOf(const RVOptionSpec& option)
{
    std::string forms;
    if (!option.shortForm.empty()) {
        forms += fishQuoted(option.shortForm) + ' ';
    }
    return forms + fishQuoted(option.longForm);
}

// The branch of the value function for an option that takes a value: file
// or folder names, the words of a list with the option's help, or nothing
// to offer. The helpers are the tool's, named after tool.
std::string valueCase(const RVOptionSpec& option, const std::string& tool)
{
    std::string action;
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        action = tool + "_files $argv[2] $argv[3]";
        break;
    case RVAcceptedValues::Kind::directories:
        action = tool + "_files $argv[2] $argv[3] | string match -- '*/'";
        break;
    case RVAcceptedValues::Kind::words:
        action = tool + "_words $argv[2] " + fishQuoted(option.help);
        for (const std::string_view word : values.words) {
            action += ' ' + fishQuoted(word);
        }
        break;
    case RVAcceptedValues::Kind::anything:
        return "";
    }
    return "    if contains -- $argv[1] " + formsOf(option) + "\n        " + action +
           "\n        return\n    end\n";
}

// The condition of fish's test that operand $argv[1] stands where an
// operand of this kind may; empty when none offers it.
std::string operandCondition(std::span<const RVOperandSpec> operands, RVAcceptedValues::Kind kind)
{
    std::string condition;
    for (const RVWordRange& range : rv::operandPositions(operands, kind)) {
        condition += (condition.empty() ? "test " : "; or test ");
        condition += "$argv[1] -ge " + std::to_string(range.first);
        if (range.end != RVWordRange::unbounded) {
            condition += " -a $argv[1] -lt " + std::to_string(range.end);
        }
    }
    return condition;
}

// The body of the operand function: the files, or the folders only, for
// operand $argv[1] where an operand of that kind may stand. Files go first,
// as they hold the folders.
std::string operandBody(const RVOptionPart& part, const std::string& tool)
{
    const std::string files = operandCondition(part.operands(), RVAcceptedValues::Kind::fileNames);
    const std::string folders =
        operandCondition(part.operands(), RVAcceptedValues::Kind::directories);
    std::string body;
    if (!files.empty()) {
        body = "    if " + files + "\n        " + tool + "_files '' $argv[2]\n";
    }
    if (!folders.empty()) {
        body += (body.empty() ? "    if " : "    else if ") + folders + "\n        " + tool +
                "_files '' $argv[2] | string match -- '*/'\n";
    }
    return body.empty() ? "" : body + "    end\n";
}

// The prefix of a part's functions: the tool's own for the global part;
// for a command's, the tool's, a dash (which the tool's never holds, so no
// other tool's functions can take the name) and the command.
std::string partFunction(const RVOptionPart& part, const std::string& tool)
{
    return part.command().empty() ? tool : tool + '-' + std::string(part.command());
}

// The global part's operand in a tool with commands: the commands, each
// with its help, and after the command, that command's completions.
std::string commandOperandBody(const RVOptionTable& table, const std::string& tool)
{
    std::string commands;
    std::string commandCases;
    for (const RVOptionPart& part : table.commands()) {
        commands += ' ' + fishQuoted(part.command()) + ' ' + fishQuoted(part.help());
        commandCases += "        case " + fishQuoted(part.command()) + "\n            " +
                        partFunction(part, tool) + "_complete\n";
    }
    return rv::detail::fillTemplate(templateSection("command-operand"),
                                    {{"commands", commands}, {"commandCases", commandCases}});
}

// What a part's functions and complete commands take from its options.
struct PartOptions
{
    std::string lines; // a complete command for each option
    std::string forms; // each form and its help, for the forms function
    std::string valueCases;
    std::string longFormsAwaitingValue;
    std::string lettersAwaitingValue;
    std::string lettersWithValue; // a value joined or in the next word
};

PartOptions readOptions(const RVOptionPart& part, const std::string& command,
                        const std::string& function, const std::string& tool)
{
    PartOptions read;
    for (const RVOptionSpec& option : part.options()) {
        for (const std::string_view form : {option.shortForm, option.longForm}) {
            if (!form.empty()) {
                read.forms += ' ' + fishQuoted(form) + ' ' + fishQuoted(option.help);
            }
        }
        // An option that excludes others is offered only while none of them
        // is on the line.
        std::string condition = function + "_options";
        for (const int excluded : option.excludes) {
            condition += ' ' + formsOf(part.option(excluded));
        }
        read.lines.append(read.lines.empty() ? "" : "\n").append("complete -c ");
        read.lines += command + " -n " + fishQuoted(condition);
        if (!option.shortForm.empty()) {
            read.lines += " -s " + fishQuoted(option.shortForm.substr(1));
        }
        read.lines += " -l " + fishQuoted(option.name) + " -d " + fishQuoted(option.help);
        if (!option.takesValue) {
            continue;
        }
        read.valueCases += valueCase(option, tool);
        // An optional value is given joined only: the next word is not it.
        if (!option.valueIsOptional) {
            read.longFormsAwaitingValue += ' ' + fishQuoted(option.longForm);
        }
    }
    const RVValueLetters letters = rv::valueLetters(part);
    read.lettersWithValue = letters.takingValue;
    read.lettersAwaitingValue = letters.awaitingValue;
    return read;
}

// Whether the part's reading looks at the options given: when some exclude
// others, and in a tool with commands for the help and version options,
// after which the parser reads no further.
bool readsGivenOptions(const RVOptionTable& table, const RVOptionPart& part)
{
    return part.hasExclusions() || table.hasCommands();
}

// The line of the reading function for each option word: when the word
// gives one of the forms the caller names, or the help or version option,
// the reading ends and prints nothing, so that nothing is offered.
std::string optionRead(const RVOptionTable& table, const RVOptionPart& part,
                       const PartOptions& options, const std::string& tool)
{
    if (!readsGivenOptions(table, part)) {
        return "";
    }
    std::string endingForms = " $argv";
    for (const int standard : {part.helpIndex(), part.versionIndex()}) {
        if (table.hasCommands() && standard != RVOptionPart::none) {
            endingForms += ' ' + formsOf(part.option(standard));
        }
    }
    return "            " + tool + "_gives $word " + fishQuoted(options.lettersWithValue) +
           endingForms + "; and return\n";
}

// A part's functions, rendered from the reading and offers sections, and
// its options' complete commands.
struct PartScript
{
    std::string reading;
    std::string offers;
    std::string options;
};

PartScript renderPart(const RVOptionTable& table, const RVOptionPart& part, const std::string& tool)
{
    const std::string function = partFunction(part, tool);
    const bool isGlobal = part.command().empty();
    const PartOptions options =
        readOptions(part, fishQuoted(table.app().executable), function, tool);
    // Short forms are letters and digits, as the table checks, so they
    // stand in the regular expressions as they are.
    std::string awaitsValue;
    std::string joinedValue;
    if (!options.longFormsAwaitingValue.empty()) {
        awaitsValue =
            "    contains -- $argv[1]" + options.longFormsAwaitingValue + "; and echo $argv[1]\n";
    }
    // The letter awaits its value only at the end of a cluster in which no
    // letter before it takes a value: -cs gives c the value s, whether c's
    // value is optional or not.
    const std::string& awaiting = options.lettersAwaitingValue;
    const std::string& joining = options.lettersWithValue;
    if (!awaiting.empty()) {
        awaitsValue += "    string replace -rf -- '^-[^-" + joining + "]*([" + awaiting +
                       "])$' '-$1' $argv[1]\n";
    }
    if (!joining.empty()) {
        // A value joined to its short option or to a cluster: -fNAME, -vfNAME.
        joinedValue = "            else if set -l split (string match -r -- '^(-[^-" + joining +
                      "]*([" + joining + "]))(.+)$' $token)\n" + "                " + function +
                      "_value -$split[3] $split[2] $split[4]\n";
    }
    // The global part of a tool with commands ends at the command, its
    // first operand.
    const bool firstOperandEndsOptions =
        part.optionsBeforeOperands() || (isGlobal && table.hasCommands());
    const std::string commandWords =
        isGlobal ? ""
                 : rv::detail::fillTemplate(templateSection("command-words"),
                                            {{"tool", tool}, {"name", fishQuoted(part.command())}});
    const std::string eachOption = optionRead(table, part, options, tool);
    PartScript script;
    script.reading = rv::detail::fillTemplate(
        templateSection("reading"),
        {{"function", function},
         {"awaitsValue", awaitsValue},
         {"commandWords", commandWords},
         {"operandRead", firstOperandEndsOptions ? "            set ended 1\n" : ""},
         {"optionRead", eachOption},
         {"forms", options.forms},
         {"stateArguments", eachOption.empty() ? "" : " $argv"}});
    script.offers = rv::detail::fillTemplate(
        templateSection("offers"),
        {{"function", function},
         {"valueCases", options.valueCases},
         {"operandBody", isGlobal && table.hasCommands() ? commandOperandBody(table, tool)
                                                         : operandBody(part, tool)},
         {"joinedValue", joinedValue}});
    script.options = options.lines;
    return script;
}

} // namespace

std::string rv::renderFishCompletion(const RVOptionTable& table)
{
    const std::string tool = detail::functionName(table.app().executable);
    PartScript script = renderPart(table, table.global(), tool);
    for (const RVOptionPart& part : table.commands()) {
        const PartScript command = renderPart(table, part, tool);
        script.reading += command.reading;
        script.offers += '\n' + command.offers;
        script.options += '\n' + command.options;
    }
    std::string toolFunctions;
    if (table.hasCommands()) {
        toolFunctions = detail::fillTemplate(templateSection("part"), {{"tool", tool}});
    }
    // Every command's part reads them when the global part does.
    if (readsGivenOptions(table, table.global())) {
        toolFunctions += detail::fillTemplate(templateSection("gives"), {{"tool", tool}});
    }
    return detail::fillTemplate(templateSection(""),
                                {{"executable", std::string(table.app().executable)},
                                 {"command", fishQuoted(table.app().executable)},
                                 {"tool", tool},
                                 {"partReadings", script.reading},
                                 {"toolFunctions", toolFunctions},
                                 {"partOffers", script.offers},
                                 {"options", script.options}});
}
