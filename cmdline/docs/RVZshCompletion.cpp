#include "cmdline/docs/RVZshCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

#include <map>
#include <utility>
#include <vector>

namespace {

using Kind = RVAcceptedValues::Kind;
using Fields = std::map<std::string_view, std::string>;

// The template is the script's first lines, then this placeholder, then
// the completion of one part: a tool with commands runs that same block in
// a function of each command's.
constexpr std::string_view commandsPlaceholder = "{{commands}}\n";

// Backslashes before the characters that _arguments reads in an option's
// description or message, and before anything the shell would read when
// _arguments evaluates a list of words.
std::string argumentsText(std::string_view text, bool forEvaluation)
{
    std::string escaped;
    for (const char c : text) {
        const bool special = forEvaluation
                                 ? !rv::detail::isPlainWordCharacter(c) || c == ':'
                                 : std::string_view("\\[]:").find(c) != std::string_view::npos;
        if (special) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// _files falls back to every file where no folder matches, so folder names
// alone need _path_files itself.
std::string namesAction(Kind kind)
{
    return kind == Kind::directories ? "_path_files -/" : "_files";
}

// What follows an option in its _arguments description: the message and
// the action, after two colons when the value is optional.
std::string valueDescription(const RVOptionSpec& option)
{
    const std::string colon = option.valueIsOptional ? "::" : ":";
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case Kind::fileNames:
    case Kind::directories:
        return colon + argumentsText(option.argument, false) + ':' + namesAction(values.kind);
    case Kind::words: {
        std::string list;
        for (const std::string_view word : values.words) {
            list.append(list.empty() ? "" : " ").append(argumentsText(word, true));
        }
        return colon + argumentsText(option.name, false) + ":(" + list + ')';
    }
    case Kind::anything:
        break;
    }
    return colon + argumentsText(option.argument, false) + ": ";
}

// The case of the value of an option, when the walk finds it waiting for
// one; an optional value never waits.
std::string valueCase(const RVOptionSpec& option)
{
    std::string line = "  (";
    if (!option.shortForm.empty()) {
        line.append(option.shortForm).append("|");
    }
    line.append(option.longForm).append(") ");
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case Kind::fileNames:
    case Kind::directories:
        return line + namesAction(values.kind) + " ;;\n";
    case Kind::words:
        line += "compadd --";
        for (const std::string_view word : values.words) {
            line += ' ' + rv::detail::shellQuoted(word);
        }
        return line + " ;;\n";
    case Kind::anything:
        break;
    }
    return line + "_message -e values " + rv::detail::shellQuoted(option.argument) + " ;;\n";
}

// Whether the option is the service's help, version or verbose, and not an
// option of the tool's own that is named like one.
bool isStandard(const RVOptionPart& part, int index)
{
    return index == part.helpIndex() || index == part.versionIndex() ||
           index == part.verboseIndex();
}

// The forms of an option in an exclusion list, short first.
std::string exclusionForms(const RVOptionSpec& option)
{
    return option.shortForm.empty()
               ? std::string(option.longForm)
               : std::string(option.shortForm) + ' ' + std::string(option.longForm);
}

// The _arguments word of one form. A standard option of the service is
// offered once, its two forms tied: "(-h --help)-h[help]". Any other is
// offered again after itself, as the service counts or lists every
// occurrence, and no longer after an option it excludes:
// "(-t --truncate)*-a[help]". A value follows as "*--filter=[help]:message:action",
// or, given only joined when it is optional, "*--color=-[help]::message:action".
std::string argumentsWord(const RVOptionPart& part, int index, std::string_view form)
{
    const RVOptionSpec& option = part.option(index);
    const bool standard = isStandard(part, index);
    std::string excluded = standard && !option.shortForm.empty() ? exclusionForms(option) : "";
    for (const int other : option.excludes) {
        excluded.append(excluded.empty() ? "" : " ").append(exclusionForms(part.option(other)));
    }
    std::string word = excluded.empty() ? "" : '(' + excluded + ')';
    word.append(standard ? "" : "*").append(form);
    if (option.takesValue) {
        const bool isLong = form == option.longForm;
        word += option.valueIsOptional ? (isLong ? "=-" : "-") : (isLong ? "=" : "+");
    }
    word += '[' + argumentsText(option.help, false) + ']';
    return rv::detail::shellQuoted(option.takesValue ? word + valueDescription(option) : word);
}

// The letter of the short form, or nothing when the option has none.
std::string_view letterOf(const RVOptionSpec& option)
{
    return option.shortForm.empty() ? std::string_view() : option.shortForm.substr(1);
}

// The walk's case of a cluster in which one of letters is read before any
// letter that takes a value (and, with end "$", is its last).
std::string clusterCase(const RVOptionPart& part, const std::string& letters, std::string_view end,
                        std::string_view action)
{
    return "      (-[^-]*) [[ $word =~ '^-[^-" + rv::valueLetters(part).takingValue + "]*[" +
           letters + "]" + std::string(end) + "' ]] && " + std::string(action) + '\n';
}

// The walk's cases for a help or version option: the parser acts on the
// first of them and reads no further, so nothing after it is offered. ;|
// goes on to the cases below.
std::string stopCases(const RVOptionPart& part)
{
    std::string forms;
    std::string letters;
    for (const int index : {part.helpIndex(), part.versionIndex()}) {
        if (index != RVOptionPart::none) {
            forms.append(forms.empty() ? "" : "|").append(part.option(index).longForm);
            letters += letterOf(part.option(index));
        }
    }
    if (forms.empty()) {
        return "";
    }
    return "      (" + forms + ") return 1 ;;\n" +
           (letters.empty() ? "" : clusterCase(part, letters, "", "return 1 ;|"));
}

// The walk's cases for an option that waits for the next word, its value.
std::string awaitCases(const RVOptionPart& part)
{
    std::string longForms;
    for (const RVOptionSpec& option : part.options()) {
        if (option.takesValue && !option.valueIsOptional) {
            longForms.append(longForms.empty() ? "" : "|").append(option.longForm);
        }
    }
    const std::string letters = rv::valueLetters(part).awaitingValue;
    return (longForms.empty() ? "" : "      (" + longForms + ") value=$word ;;\n") +
           (letters.empty() ? "" : clusterCase(part, letters, "$", "value=-${word[-1]} ;;"));
}

// What the operand word at $operands offers: the first of the conditions
// that holds gives its action.
using OperandOffers = std::vector<std::pair<std::string, std::string>>;

OperandOffers operandOffers(const RVOptionPart& part)
{
    OperandOffers offers;
    // File names hold the folders, so they come first where both may stand.
    for (const Kind kind : {Kind::fileNames, Kind::directories}) {
        std::string test = rv::operandTest(part.operands(), kind, "operands");
        if (!test.empty()) {
            offers.emplace_back(std::move(test), namesAction(kind));
        }
    }
    return offers;
}

// The fields of the operand's branches: after "--" and for a word that is
// no option. A part whose operands offer nothing keeps the lines that its
// scripts have always had.
void addOperandFields(OperandOffers offers, Fields& fields)
{
    if (offers.empty()) {
        offers.emplace_back("0", "_files");
    }
    if (offers.size() == 1) {
        fields["operandAfterEnd"] = "((" + offers[0].first + ")) && " + offers[0].second;
        fields["operandTest"] = offers[0].first;
        fields["operand"] = offers[0].second;
        return;
    }
    std::string chain;
    std::string test;
    for (const auto& [condition, action] : offers) {
        chain +=
            (chain.empty() ? "if ((" : "  elif ((") + condition + ")); then\n    " + action + '\n';
        test += (test.empty() ? "" : " || ") + condition;
    }
    fields["operandAfterEnd"] = chain + "  fi";
    fields["operandTest"] = test;
    fields["operand"] = chain + "  fi";
}

// The fields of one part's block. In a tool with commands the global part
// hands the words from the command on to dispatcher, and every part stops
// at its help option, which asks for the help of the part it is in; a tool
// without commands keeps the scripts it has always had.
Fields partFields(const RVOptionTable& table, const RVOptionPart& part,
                  const std::string& dispatcher)
{
    std::string forms;
    std::string valueCases;
    for (int index = 0; index < static_cast<int>(part.options().size()); ++index) {
        const RVOptionSpec& option = part.option(index);
        if (!option.shortForm.empty()) {
            forms += " \\\n    " + argumentsWord(part, index, option.shortForm);
        }
        forms += " \\\n    " + argumentsWord(part, index, option.longForm);
        if (option.takesValue && !option.valueIsOptional) {
            valueCases += valueCase(option);
        }
    }
    const bool isGlobalOfCommands = table.hasCommands() && part.command().empty();
    Fields fields{{"forms", forms},
                  {"valueCases", valueCases},
                  {"wordCases", (table.hasCommands() ? stopCases(part) : "") + awaitCases(part)}};
    if (isGlobalOfCommands) {
        fields["operandEnds"] = "\n    " + dispatcher + " $index\n    return";
        addOperandFields({{"operands == 0", "_describe -t commands command commandLines"}}, fields);
    } else {
        fields["operandEnds"] = part.optionsBeforeOperands() ? "\n    ended=1" : "";
        addOperandFields(operandOffers(part), fields);
    }
    return fields;
}

// The text with two spaces before every line that is not empty.
std::string indented(std::string_view text)
{
    std::string lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;
         text.remove_prefix(end + 1)) {
        lines.append(end == 0 ? "" : "  ").append(text.substr(0, end + 1));
    }
    return lines;
}

// The commands with their help lines, a function for each command's part,
// and the dispatcher that runs one on the words from the command on.
std::string commandsSection(const RVOptionTable& table, std::string_view partTemplate,
                            const std::string& dispatcher)
{
    if (!table.hasCommands()) {
        return "";
    }
    std::string described;
    std::string functions;
    std::string cases;
    for (int index = 1; index <= static_cast<int>(table.commands().size()); ++index) {
        const RVOptionPart& part = table.part(index);
        const std::string command(part.command());
        described +=
            "  " + rv::detail::shellQuoted(command + ':' + std::string(part.help())) + '\n';
        const std::string function = dispatcher + '_' + command;
        functions +=
            '\n' + function + "() {\n" +
            indented(rv::detail::fillTemplate(partTemplate, partFields(table, part, dispatcher))) +
            "}\n";
        cases += "    (" + command + ") " + function + " ;;\n";
    }
    return "\n# The commands and their help lines, for the command's place.\n"
           "local -a commandLines=(\n" +
           described + ")\n" + functions +
           "\n# The words from the command on, read by the command's own part.\n" + dispatcher +
           "() {\n  shift $(($1 - 1)) words\n  ((CURRENT -= $1 - 1))\n  case $words[1] in\n" +
           cases + "  esac\n}\n";
}

} // namespace

std::string rv::renderZshCompletion(const RVOptionTable& table)
{
    const std::string executable(table.app().executable);
    const std::string_view script = detail::zshCompletionTemplate;
    const std::string_view partTemplate =
        script.substr(script.find(commandsPlaceholder) + commandsPlaceholder.size());
    // The helpers' names start with two underscores, as no tool's own
    // completion function does.
    const std::string dispatcher = '_' + detail::functionName(executable);
    Fields fields = partFields(table, table.global(), dispatcher);
    fields.insert({{"executable", executable},
                   {"command", detail::shellQuoted(executable)},
                   {"commands", commandsSection(table, partTemplate, dispatcher)}});
    return detail::fillTemplate(script, fields);
}
