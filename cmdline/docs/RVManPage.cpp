#include "cmdline/docs/RVManPage.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVParser.hpp"
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

void appendExitStatus(std::string& page, const RVOptionTable& table)
{
    const std::string outputOptions = standardOutputOptions(table);
    const auto status = [&page](RVExitStatus number, const std::string& meaning) {
        page += ".TP\n.B " + std::to_string(static_cast<int>(number)) + '\n' + meaning + '\n';
    };
    appendSection(page, "EXIT STATUS");
    status(RVExitStatus::success,
           outputOptions.empty() ? "success" : "success, also after " + outputOptions);
    if (!outputOptions.empty()) {
        status(RVExitStatus::failure,
               outputOptions + " could not write its text to standard output");
    }
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
        page.append(index == 0 ? "" : ".PP\n").append(manText(texts.description[index])) += '\n';
    }

    // How the service reads values, so that the entries below can show one form only.
    appendSection(page, "OPTIONS");
    page += "A value follows its option as the next word (" + bold("--name") + ' ' +
            italic("value") + ", " + bold("-x") + ' ' + italic("value") + ") or joined to it (" +
            bold("--name") + '=' + italic("value") + ", " + bold("-x") + italic("value") +
            "); the word after an option that takes a value is that value "
            "even when it starts with a dash. Short options that take no value can be grouped (" +
            bold("-xy") + "). Long names are typed in full.\n";
    for (const RVOptionSpec& option : table.options()) {
        page += ".TP\n" + optionTag(option) + '\n' + manText(option.help) + '\n';
    }

    appendExitStatus(page, table);

    if (!texts.examples.empty()) {
        appendSection(page, "EXAMPLES");
        for (const RVManExample& example : texts.examples) {
            // The section heading already starts a paragraph.
            page.append(&example == &texts.examples.front() ? "" : ".PP\n");
            page += ".EX\n" + exampleLines(example.command) + ".EE\n";
            if (!example.explanation.empty()) {
                page += ".RS 4\n" + manText(example.explanation) + "\n.RE\n";
            }
        }
    }

    appendSection(page, "VERSION");
    page +=
        "This page describes " + bold(app.executable) + " version " + manText(app.version) + ".\n";
    if (!app.copyright.empty()) {
        appendSection(page, "COPYRIGHT");
        page += manText(app.copyright) + '\n';
    }
    return page;
}
