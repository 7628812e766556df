#include "cmdline/docs/RVManPage.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVParser.hpp"
#include "cmdline/RVSuggestions.hpp"
#include "cmdline/RVUsageErrorText.hpp"
#include <varnock/cmdline/RVExitStatus.hpp>

#include <algorithm>
#include <vector>

namespace {

using rv::detail::manText;

std::string bold(std::string_view text)
{
    return "\\fB" + manText(text) + "\\fR";
}

std::string italic(std::string_view text)
{
    return "\\fI" + manText(text) + "\\fR";
}

// An argument of a request, such as .TH's, in double quotes.
std::string requestArgument(std::string_view text)
{
    std::string argument = "\"";
    for (const char c : manText(text)) {
        argument += c == '"' ? std::string("\\(dq") : std::string(1, c);
    }
    return argument + '"';
}

// The page's date as .TH's argument. Its hyphens are no minus signs, so it
// is written as it stands, and mandoc, man and apropos read it as a date.
std::string dateArgument(std::string_view date)
{
    const bool isoDate = date.size() == 10 && date[4] == '-' && date[7] == '-' &&
                         std::all_of(date.begin(), date.end(),
                                     [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
    if (!date.empty() && !isoDate) {
        throw RVDefinitionError("man page date: expected YYYY-MM-DD, got " + rv::quoted(date));
    }
    return '"' + std::string(date) + '"';
}

std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(begin);
        const std::size_t end = std::min(text.find(' '), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

// The words after the executable's up to the first shell operator must be
// a command line that the table accepts.
void checkExample(const RVOptionTable& table, const RVManExample& example, std::size_t number)
{
    const auto fail = [number](const std::string& problem) {
        throw RVDefinitionError("man page example " + std::to_string(number) + ": " + problem);
    };
    const std::vector<std::string_view> words = wordsOf(example.command);
    std::size_t index = 0;
    while (index < words.size() && words[index] != table.app().executable) {
        ++index;
    }
    if (index == words.size()) {
        fail("it does not run " + rv::quoted(table.app().executable));
    }
    // The command line ends at the first shell operator, also inside a word:
    // "varnock -h|less" runs varnock with "-h".
    std::vector<std::string> arguments;
    for (++index; index < words.size(); ++index) {
        const std::size_t operatorAt = words[index].find_first_of("|&;<>");
        if (operatorAt != 0) {
            arguments.emplace_back(words[index].substr(0, operatorAt));
        }
        if (operatorAt != std::string_view::npos) {
            break;
        }
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
}

// Text lines of at most 80 bytes, as mandoc's lint wants them: the text,
// already in roff, is broken at spaces, which a filled paragraph reads as
// spaces again. A word longer than a line keeps a line of its own.
std::string textLines(std::string_view text)
{
    constexpr std::size_t width = 80;
    std::string lines;
    std::size_t lineStart = 0;
    for (const std::string_view word : wordsOf(text)) {
        if (lines.size() > lineStart && lines.size() - lineStart + 1 + word.size() <= width) {
            lines += ' ';
        } else if (lines.size() > lineStart) {
            lines += '\n';
            lineStart = lines.size();
        }
        if (lines.size() == lineStart && (word.front() == '.' || word.front() == '\'')) {
            lines += "\\&"; // a line that starts so would be a request
        }
        lines += word;
    }
    return lines + '\n';
}

// A long command is broken between words with a shell line continuation,
// so that it fits an 80-column page and still runs when copied from it.
std::string exampleLines(std::string_view command)
{
    constexpr std::size_t width = 64;
    constexpr std::string_view continuationIndent = "        ";
    std::string lines;
    std::string line; // the words of the current line, shown after `indent`
    std::string_view indent;
    for (const std::string_view word : wordsOf(command)) {
        if (!line.empty() && indent.size() + line.size() + 1 + word.size() > width) {
            lines.append(indent).append(manText(line)) += " \\(rs\n";
            line.clear();
            indent = continuationIndent;
        }
        line.append(line.empty() ? "" : " ").append(word);
    }
    return lines.append(indent).append(manText(line)) += '\n';
}

std::string optionTag(const RVOptionSpec& option)
{
    std::string tag;
    if (!option.shortForm.empty()) {
        tag += bold(option.shortForm) + ", ";
    }
    tag += bold(option.longForm);
    if (option.takesValue) {
        tag.append("=").append(italic(option.argument));
    }
    return tag;
}

// "--help or --version", as the table spells them; empty without either.
std::string standardOutputOptions(const RVOptionTable& table)
{
    std::string text;
    for (const int index : {table.helpIndex(), table.versionIndex()}) {
        if (index != RVOptionTable::none) {
            text.append(text.empty() ? "" : " or ").append(bold(table.option(index).longForm));
        }
    }
    return text;
}

void appendSection(std::string& page, std::string_view title)
{
    page += ".SH ";
    page += title.find(' ') == std::string_view::npos ? std::string(title) : requestArgument(title);
    page += '\n';
}

// "-h (--help)", or "--help" for an option without a short form.
std::string calledAs(const RVOptionSpec& option)
{
    const std::string longForm = bold(option.longForm);
    return option.shortForm.empty() ? longForm : bold(option.shortForm) + " (" + longForm + ')';
}

// "a", "a and b", "a, b and c".
std::string listOf(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t index = 0; index < items.size(); ++index) {
        text.append(index == 0 ? "" : index + 1 == items.size() ? " and " : ", ") += items[index];
    }
    return text;
}

// The table's own example of a refused prefix: the first three letters of
// the name that shares them with the most names, and those names as the
// usage error proposes them.
std::string longNamesRule(const RVOptionTable& table)
{
    std::string_view prefix;
    std::vector<std::string_view> candidates;
    for (const RVOptionSpec& option : table.options()) {
        // A prefix that is a name of its own would be accepted, not refused.
        if (option.name.size() > 3 &&
            table.findLong(option.name.substr(0, 3)) == RVOptionTable::none) {
            auto forms = rv::suggestLongForms(table, option.name.substr(0, 3));
            if (forms.size() > candidates.size()) {
                prefix = option.name.substr(0, 3);
                candidates = std::move(forms);
            }
        }
    }
    if (prefix.empty()) {
        return "Long names are typed in full: a prefix of one is refused, and the message names "
               "the options it begins.";
    }
    std::vector<std::string> names;
    for (const std::string_view form : candidates) {
        names.push_back(bold(form));
    }
    return "Long names are typed in full: a prefix of one, such as " +
           bold(std::string("--").append(prefix)) +
           ", is refused, and the message names the options it begins (" + listOf(names) +
           "). A name misspelt by a letter or two is refused with the names it is close to.";
}

// A long name typed with one dash, preferably one that a short option with
// a value would otherwise swallow ("-input": -i with the value "nput").
std::string singleDashRule(const RVOptionTable& table)
{
    const auto options = table.options();
    auto example = std::find_if(options.begin(), options.end(), [](const RVOptionSpec& option) {
        return option.takesValue && !option.shortForm.empty() && option.name.size() > 1;
    });
    if (example == options.end()) {
        example = std::find_if(options.begin(), options.end(),
                               [](const RVOptionSpec& option) { return option.name.size() > 1; });
    }
    std::string rule = "A long name typed with one dash";
    if (example != options.end()) {
        rule.append(", such as ").append(bold(std::string("-").append(example->name))) += ',';
    }
    return rule + " is refused rather than read as a group of short options.";
}

// How the service reads every line, the same for every tool; the standard
// options are named only where the table defines them.
void appendCommandLineRules(std::string& page, const RVOptionTable& table)
{
    const std::string tool = bold(table.app().executable);
    std::string showing; // "-h (--help) or -V (--version)"
    int shown = 0;
    for (const int index : {table.helpIndex(), table.versionIndex()}) {
        if (index != RVOptionTable::none) {
            showing.append(shown++ == 0 ? "" : " or ") += calledAs(table.option(index));
        }
    }
    std::vector<std::string> paragraphs;
    if (shown > 0) {
        paragraphs.push_back("If " + showing + " stands on the line as an option, " +
                             (shown > 1 ? "the first of them" : "it") +
                             " is acted on and the rest of the line is ignored, errors included. A "
                             "word that is the value of an option, or that follows " +
                             bold("--") + ", is no option.");
    }
    paragraphs.push_back(longNamesRule(table));
    paragraphs.push_back(singleDashRule(table));
    paragraphs.push_back(tool +
                         " takes no operands: a word that is neither an option nor the value of "
                         "one is an error, and so is any word after " +
                         bold("--") + ", which ends the options.");
    if (const int verbose = table.verboseIndex(); verbose != RVOptionTable::none) {
        paragraphs.push_back("With " + calledAs(table.option(verbose)) + ", " + tool +
                             " tells on standard error how it read each argument, and which "
                             "options were given more than once; it tells nothing when the line "
                             "holds an error" +
                             (showing.empty() ? "" : " or " + showing + " is acted on") + '.');
    }
    appendSection(page, "COMMAND LINE");
    for (const std::string& paragraph : paragraphs) {
        page.append(&paragraph == &paragraphs.front() ? "" : ".PP\n") += textLines(paragraph);
    }
}

void appendExitStatus(std::string& page, const RVOptionTable& table)
{
    const std::string outputOptions = standardOutputOptions(table);
    const auto status = [&page](RVExitStatus number, const std::string& meaning) {
        page += ".TP\n.B " + std::to_string(static_cast<int>(number)) + '\n' + textLines(meaning);
    };
    appendSection(page, "EXIT STATUS");
    status(RVExitStatus::success,
           outputOptions.empty() ? "success" : "success, also after " + outputOptions);
    // Memory can run out in any tool, with or without help and version.
    status(RVExitStatus::failure,
           "a failure that is not the command line's fault: " +
               (outputOptions.empty()
                    ? std::string()
                    : outputOptions + " could not write its text to standard output, or ") +
               "memory ran out");
    status(RVExitStatus::usageError,
           "the command line is wrong: an unknown option, a missing value, a value for an "
           "option that takes none, or a word that is not an option");
}

} // namespace

std::string rv::detail::manText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + 8);
    if (!text.empty() && (text.front() == '.' || text.front() == '\'' || text.front() == ' ')) {
        escaped += "\\&";
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            escaped += "\\(rs";
        } else if (c == '-') {
            escaped += "\\-";
        } else if (byte < 0x20 || byte == 0x7f) {
            escaped += ' ';
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string rv::renderManPage(const RVOptionTable& table, const RVManPageTexts& texts)
{
    for (std::size_t index = 0; index < texts.examples.size(); ++index) {
        checkExample(table, texts.examples[index], index + 1);
    }
    const RVAppInfo& app = table.app();
    const std::string versionLine = std::string(app.executable) + ' ' + std::string(app.version);

    std::string page = ".\\\" The man page of " + manText(app.executable) +
                       ", generated from its option definitions.\n";
    page += ".TH " + requestArgument(upperCase(app.executable)) + " 1 " + dateArgument(texts.date) +
            ' ' + requestArgument(versionLine) + " \"User Commands\"\n";

    appendSection(page, "NAME");
    page += manText(app.executable) + " \\- " + manText(texts.summary) + '\n';

    appendSection(page, "SYNOPSIS");
    page += bold(app.executable) + " [" + italic("OPTION") + "]...\n";

    appendSection(page, "DESCRIPTION");
    for (std::size_t index = 0; index < texts.description.size(); ++index) {
        page.append(index == 0 ? "" : ".PP\n").append(textLines(manText(texts.description[index])));
    }

    // How the service reads values, so that the entries below can show one form only.
    appendSection(page, "OPTIONS");
    page += textLines("A value follows its option as the next word (" + bold("--name") + ' ' +
                      italic("value") + ", " + bold("-x") + ' ' + italic("value") +
                      ") or joined to it (" + bold("--name") + '=' + italic("value") + ", " +
                      bold("-x") + italic("value") +
                      "); the word after an option that takes a value is that value even when "
                      "it starts with a dash. Short options that take no value can be grouped (" +
                      bold("-xy") + ").");
    for (const RVOptionSpec& option : table.options()) {
        page += ".TP\n" + optionTag(option) + '\n' + textLines(manText(option.help));
    }

    appendCommandLineRules(page, table);

    appendExitStatus(page, table);

    if (!texts.examples.empty()) {
        appendSection(page, "EXAMPLES");
        for (const RVManExample& example : texts.examples) {
            // The section heading already starts a paragraph.
            page.append(&example == &texts.examples.front() ? "" : ".PP\n");
            page += ".EX\n" + exampleLines(example.command) + ".EE\n";
            if (!example.explanation.empty()) {
                page += ".RS 4\n" + textLines(manText(example.explanation)) + ".RE\n";
            }
        }
    }

    appendSection(page, "VERSION");
    page += textLines("This page describes " + bold(app.executable) + " version " +
                      manText(app.version) + '.');
    if (!app.copyright.empty()) {
        appendSection(page, "COPYRIGHT");
        page += textLines(manText(app.copyright));
    }
    return page;
}
