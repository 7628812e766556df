#include "cmdline/docs/RVManPage.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/docs/RVManCommandLine.hpp"
#include "cmdline/docs/RVManExampleCheck.hpp"
#include "cmdline/docs/RVManExitStatus.hpp"
#include "cmdline/docs/RVManPartEntries.hpp"
#include "cmdline/docs/RVManToolSections.hpp"

#include <algorithm>
#include <vector>

namespace {

using rv::detail::appendSection;
using rv::detail::bold;
using rv::detail::italic;
using rv::detail::manText;
using rv::detail::requestArgument;
using rv::detail::RVShellToken;
using rv::detail::textLines;

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

// A long command is broken with a shell line continuation where blanks
// stand between two tokens, never inside a word or its quotes, so that it
// fits an 80-column page and still runs when copied from it.
std::string exampleLines(const std::vector<RVShellToken>& tokens)
{
    constexpr std::size_t width = 64;
    constexpr std::string_view continuationIndent = "        ";
    std::vector<std::string> pieces; // what stands between blanks
    for (const RVShellToken& token : tokens) {
        if (pieces.empty() || token.spaceBefore) {
            pieces.emplace_back();
        }
        pieces.back() += token.source;
    }
    std::string lines;
    std::string line; // the pieces of the current line, shown after `indent`
    std::string_view indent;
    // After the indent, a dot or a quote can no longer start a request.
    const auto append = [&lines, &line, &indent] {
        const std::string text = manText(line);
        lines.append(indent).append(text, !indent.empty() && text.starts_with("\\&") ? 2 : 0);
    };
    for (const std::string& piece : pieces) {
        if (!line.empty() && indent.size() + line.size() + 1 + piece.size() > width) {
            append();
            lines += " \\(rs\n";
            line.clear();
            indent = continuationIndent;
        }
        line.append(line.empty() ? "" : " ").append(piece);
    }
    append();
    return lines += '\n';
}

// How the service reads values, so that the entries can show one form only.
std::string valueForms(const RVOptionTable& table)
{
    std::string forms = "A value follows its option as the next word (" + bold("--name") + ' ' +
                        italic("value") + ", " + bold("-x") + ' ' + italic("value") +
                        ") or joined to it (" + bold("--name") + '=' + italic("value") + ", " +
                        bold("-x") + italic("value") +
                        "); the word after an option that takes a value is that value even when "
                        "it starts with a dash. Short options that take no value can be grouped (" +
                        bold("-xy") + ").";
    if (table.anyPart(&RVOptionPart::hasOptionalValues)) {
        forms += " An optional value, shown in brackets (" + bold("--name") +
                 "[=" + italic("value") +
                 "]), is given only joined to its option: the word after the "
                 "option is never its value, and the option given alone takes the value that "
                 "its entry names.";
    }
    return forms;
}

// A subsection per command: its synopsis and help, then its options and
// operands, as the global ones are shown.
void appendCommands(std::string& page, const RVOptionTable& table)
{
    appendSection(page, "COMMANDS");
    page += textLines("The command follows the global options, and the options and operands "
                      "that it takes follow it.");
    for (const int part : rv::detail::finalParts(table)) {
        appendSection(page, manText(table.part(part).command()), ".SS");
        page += textLines(rv::detail::synopsisLine(table, part));
        page += ".PP\n" + textLines(manText(table.part(part).help()));
        rv::detail::appendOptionEntries(page, table.part(part));
        rv::detail::appendOperandEntries(page, table.part(part));
    }
}

void appendExamples(std::string& page, const RVManPageTexts& texts,
                    const std::vector<std::vector<RVShellToken>>& exampleTokens)
{
    if (texts.examples.empty()) {
        return;
    }
    appendSection(page, "EXAMPLES");
    for (std::size_t index = 0; index < texts.examples.size(); ++index) {
        const RVManExample& example = texts.examples[index];
        // The section heading already starts a paragraph.
        page.append(index == 0 ? "" : ".PP\n");
        page += ".EX\n" + exampleLines(exampleTokens[index]) + ".EE\n";
        if (!example.explanation.empty()) {
            page += ".RS 4\n" + textLines(manText(example.explanation)) + ".RE\n";
        }
    }
}

} // namespace

std::string rv::renderManPage(const RVOptionTable& table, const RVManPageTexts& texts)
{
    std::vector<std::vector<RVShellToken>> exampleTokens;
    for (std::size_t index = 0; index < texts.examples.size(); ++index) {
        exampleTokens.push_back(
            rv::detail::checkExample(table, texts.examples[index].command, index + 1));
    }
    const RVAppInfo& app = table.app();
    const std::string versionLine = std::string(app.executable) + ' ' + std::string(app.version);

    std::string page = ".\\\" The man page of " + manText(app.executable) +
                       ", generated from its option definitions.\n";
    page += ".TH " + requestArgument(upperCase(app.executable)) + " 1 " + dateArgument(texts.date) +
            ' ' + requestArgument(versionLine) + " \"User Commands\"\n";

    appendSection(page, "NAME");
    page += manText(app.executable) + " \\- " + manText(texts.summary) + '\n';

    // A line per command, each as its subsection shows it.
    appendSection(page, "SYNOPSIS");
    for (const int part : rv::detail::finalParts(table)) {
        page += (part > 1 ? ".br\n" : "") + textLines(rv::detail::synopsisLine(table, part));
    }

    if (!texts.description.empty()) {
        appendSection(page, "DESCRIPTION");
    }
    for (std::size_t index = 0; index < texts.description.size(); ++index) {
        page.append(index == 0 ? "" : ".PP\n").append(textLines(manText(texts.description[index])));
    }

    appendSection(page, "OPTIONS");
    page += textLines(valueForms(table));
    rv::detail::appendOptionEntries(page, table.global());
    if (!table.operands().empty()) {
        appendSection(page, "OPERANDS");
        rv::detail::appendOperandEntries(page, table.global());
    }
    if (table.hasCommands()) {
        appendCommands(page, table);
    }

    rv::detail::appendCommandLineRules(page, table);
    rv::detail::appendExitStatus(page, table, texts.exitStatuses);
    rv::detail::appendEnvironmentAndFiles(page, texts);
    appendExamples(page, texts, exampleTokens);

    appendSection(page, "VERSION");
    page += textLines("This page describes " + bold(app.executable) + " version " +
                      manText(app.version) + '.');
    if (!app.copyright.empty()) {
        appendSection(page, "COPYRIGHT");
        page += textLines(manText(app.copyright));
    }
    rv::detail::appendSeeAlso(page, texts);
    return page;
}
