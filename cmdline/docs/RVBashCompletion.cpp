#include "cmdline/docs/RVBashCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

#include <map>

namespace {

// The text as one bash word: in single quotes, as rv::detail::shellQuoted
// writes it, or in double quotes with every special character escaped when
// it holds a $ or a backquote, which shellcheck takes in single quotes for
// a mistake.
std::string shellQuoted(std::string_view text)
{
    if (text.find_first_of("$`") == std::string_view::npos) {
        return rv::detail::shellQuoted(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (std::string_view("$`\"\\").find(c) != std::string_view::npos) {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

// A section of the template (RVTextTemplate.hpp says how they are marked).
std::string_view section(std::string_view name)
{
    return rv::detail::templateSection(rv::detail::bashCompletionTemplate, name);
}

// The section filled from its fields where the table needs it, else nothing.
std::string sectionIf(bool wanted, std::string_view name,
                      const std::map<std::string_view, std::string>& fields = {})
{
    return wanted ? rv::detail::fillTemplate(section(name), fields) : std::string();
}

// Every form of the option, short first: "-f", "--filter".
std::string formsOf(const RVOptionSpec& option, std::string_view separator)
{
    std::string forms;
    if (!option.shortForm.empty()) {
        forms += shellQuoted(option.shortForm);
        forms += separator;
    }
    return forms + shellQuoted(option.longForm);
}

// Every form of the part's options, each after a space.
std::string allFormsOf(const RVOptionPart& part)
{
    std::string forms;
    for (const RVOptionSpec& option : part.options()) {
        forms += ' ' + formsOf(option, " ");
    }
    return forms;
}

// The same as a bash array's words: "(-a --all)".
std::string formsArray(const RVOptionPart& part)
{
    const std::string forms = allFormsOf(part);
    return '(' + forms.substr(forms.empty() ? 0 : 1) + ')';
}

// The function of the script that adds the names of this kind, if any.
std::string_view adderOf(RVAcceptedValues::Kind kind)
{
    switch (kind) {
    case RVAcceptedValues::Kind::fileNames:
        return "_files";
    case RVAcceptedValues::Kind::directories:
        return "_directories";
    case RVAcceptedValues::Kind::words:
    case RVAcceptedValues::Kind::anything:
        break;
    }
    return {};
}

// The case of the value function for an option that takes a value.
std::string valueCase(const RVOptionSpec& option, const std::string& function)
{
    std::string line = "    " + formsOf(option, " | ") + ")";
    const RVAcceptedValues values = rv::acceptedValues(option);
    if (const std::string_view adder = adderOf(values.kind); !adder.empty()) {
        line += " " + function + std::string(adder) + " \"$2\" \"$3\"";
    } else if (values.kind == RVAcceptedValues::Kind::words) {
        line += " " + function + "_words \"$2\" \"$3\"";
        for (const std::string_view word : values.words) {
            line += ' ' + shellQuoted(word);
        }
    }
    return line + " ;;\n";
}

// The body of the operand function: the names for operand $1 where an
// operand of files, else one of folders, may stand; in the global part of
// a table with commands, whose one operand is the command, the commands.
std::string operandBody(const RVOptionTable& table, const RVOptionPart& part,
                        const std::string& function)
{
    if (&part == &table.global() && table.hasCommands()) {
        std::string names;
        for (const RVOptionPart& command : table.commands()) {
            names += ' ' + shellQuoted(command.command());
        }
        return "    " + function + "_words \"$2\" \"\"" + names + "\n";
    }
    std::string body;
    for (const auto kind :
         {RVAcceptedValues::Kind::fileNames, RVAcceptedValues::Kind::directories}) {
        const std::string condition = rv::operandTest(part.operands(), kind, "$1");
        if (!condition.empty()) {
            body += (body.empty() ? "    " : " && return 0\n    ") + ("((" + condition + ")) && ") +
                    function + std::string(adderOf(kind)) + " \"$2\" \"\"";
        }
    }
    return body.empty() ? "    return 1\n" : body + "\n";
}

// The test of rulesOut's word $1 for the option: its long form, alone or
// with a value, or its letter in a cluster before any letter that takes a
// value.
std::string givenTest(const RVOptionSpec& option, const std::string& lettersWithValue)
{
    std::string test = "[[ ${1%%=*} == " + shellQuoted(option.longForm);
    if (!option.shortForm.empty()) {
        test += " || $1 =~ ^-[^" + lettersWithValue + "-]*" + option.shortForm[1];
    }
    return test + " ]]";
}

// What the part's option words rule out: the forms of the options that
// each excludes, and, in a table with commands, everything after the help
// option, or after the version option before the command: the line does
// nothing else.
std::string rulesOf(const RVOptionTable& table, const RVOptionPart& part,
                    const std::string& lettersWithValue)
{
    std::string rules;
    for (const RVOptionSpec& option : part.options()) {
        std::string forms;
        for (const int other : option.excludes) {
            forms += formsOf(part.option(other), " ") + ' ';
        }
        if (!forms.empty()) {
            rules += "    " + givenTest(option, lettersWithValue) +
                     " && excluded+=" + shellQuoted(forms) + "\n";
        }
    }
    for (const int standard : {part.helpIndex(), part.versionIndex()}) {
        if (table.hasCommands() && standard != RVOptionPart::none) {
            rules += "    " + givenTest(part.option(standard), lettersWithValue) +
                     " && part='' && return 1\n";
        }
    }
    return rules;
}

// Whether the walk over the words reads each option word for what it rules
// out: where the part has exclusions, and in every part of a table with
// commands, whose commands' parts end at their help option.
bool readsRulesOut(const RVOptionTable& table, const RVOptionPart& part)
{
    return table.hasCommands() || part.hasExclusions();
}

// The functions of one part, named after prefix: the same for the global
// part and for each command's.
std::string partFunctions(const RVOptionTable& table, const RVOptionPart& part,
                          const std::string& prefix, const std::string& function)
{
    std::string valueCases;
    // The long forms and the short letters of the options that take a value,
    // for telling which words are values rather than options; an optional
    // value is never the next word.
    std::string longFormsWithValue;
    const RVValueLetters letters = rv::valueLetters(part);
    const std::string& lettersWithValue = letters.takingValue;
    const std::string& optionalLetters = letters.optionalValue;
    for (const RVOptionSpec& option : part.options()) {
        if (!option.takesValue) {
            continue;
        }
        valueCases += valueCase(option, function);
        if (!option.valueIsOptional) {
            longFormsWithValue +=
                (longFormsWithValue.empty() ? "" : " | ") + shellQuoted(option.longForm);
        }
    }
    return rv::detail::fillTemplate(
        section("part"),
        {{"prefix", prefix},
         {"valueCases", valueCases},
         {"longFormsWithValue", longFormsWithValue.empty()
                                    ? ""
                                    : "    " + longFormsWithValue +
                                          ")\n        value=$1\n        return 0\n        ;;\n"},
         {"notOptional",
          optionalLetters.empty() ? "" : " && [[ '" + optionalLetters + "' != *\"$letter\"* ]]"},
         {"rulesOut",
          sectionIf(readsRulesOut(table, part), "rulesOut",
                    {{"prefix", prefix}, {"rules", rulesOf(table, part, lettersWithValue)}})},
         {"operandBody", operandBody(table, part, function)},
         // Short forms are letters and digits, as the table checks, so they
         // stand in the template's single quotes as they are.
         {"lettersWithValue", lettersWithValue}});
}

// The functions of a command's part start with this: "_sigctl__set_". A
// name holds no "__" of its own, so the one after it keeps the functions of
// "get" apart from those of "get-awaits" ("_t__get__awaits_value" and
// "_t__get_awaits__value").
std::string commandPrefix(const std::string& function, const RVOptionPart& command)
{
    return function + "_" + rv::detail::functionName(command.command()) + "_";
}

// Whether a value or an operand of the part completes folder names only.
bool usesDirectories(const RVOptionPart& part)
{
    for (const RVOptionSpec& option : part.options()) {
        if (option.takesValue &&
            rv::acceptedValues(option).kind == RVAcceptedValues::Kind::directories) {
            return true;
        }
    }
    return !rv::operandPositions(part.operands(), RVAcceptedValues::Kind::directories).empty();
}

} // namespace

std::string rv::renderBashCompletion(const RVOptionTable& table)
{
    const std::string executable(table.app().executable);
    const std::string function = detail::functionName(executable);
    const bool commands = table.hasCommands();
    const bool exclusions = table.anyPart(&RVOptionPart::hasExclusions);
    const std::string excludedReset = exclusions ? " excluded=' '" : "";
    bool directories = usesDirectories(table.global());
    std::string parts = partFunctions(table, table.global(), function, function);
    std::string commandCases;
    for (const RVOptionPart& command : table.commands()) {
        const std::string prefix = commandPrefix(function, command);
        directories = directories || usesDirectories(command);
        parts += partFunctions(table, command, prefix, function);
        // Quoted, for a command named like a word of bash's own ("esac").
        commandCases += "    '" + std::string(command.command()) + "') part=" + prefix +
                        " before=" + (command.optionsBeforeOperands() ? "1" : "''") +
                        " forms=" + formsArray(command) + " ;;\n";
    }
    // A table with commands reads the words after the command with the
    // command's functions and forms, and ends the options at its operands as
    // the command says; other tables as their global part says.
    const std::string part = commands ? "\"$part\"" : function;
    const std::string walkLocals =
        excludedReset +
        (commands ? " part=" + function + " before='' forms=" + formsArray(table.global()) : "");
    std::string operandEnds = commands ? " ended=$before" : "";
    if (table.global().optionsBeforeOperands()) {
        operandEnds = " ended=1";
    }
    return detail::fillTemplate(
        section(""),
        {{"executable", executable},
         {"function", function},
         {"command", shellQuoted(executable)},
         {"directories", sectionIf(directories, "directories", {{"function", function}})},
         {"parts", parts},
         {"commandFunction", sectionIf(commands, "commandFunction",
                                       {{"function", function},
                                        {"commandCases", commandCases},
                                        {"resetExcluded", excludedReset}})},
         {"walkLocals", walkLocals},
         {"operandEnds", operandEnds},
         {"commandStep", sectionIf(commands, "commandStep", {{"function", function}})},
         {"part", part},
         {"rulesOutStep",
          sectionIf(readsRulesOut(table, table.global()), "rulesOutStep", {{"part", part}})},
         {"stop", commands ? "    [[ -n $part ]] || return 0\n" : ""},
         {"allForms", commands ? " \"${forms[@]}\"" : allFormsOf(table.global())},
         {"dropExcluded", sectionIf(exclusions, "dropExcluded")}});
}
