#include "cmdline/docs/RVManPage.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVParser.hpp"
#include "cmdline/RVSuggestions.hpp"
#include "cmdline/RVUsageErrorText.hpp"
#include "cmdline/RVUtf8.hpp"
#include "cmdline/docs/RVShellWords.hpp"
#include <varnock/cmdline/RVExitStatus.hpp>

#include <algorithm>
#include <vector>

namespace {

using rv::detail::listOf;
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

// The option that takes the word after this one as its value, as the parser
// reads them, or none.
int optionAwaitingValue(const RVOptionTable& table, std::string_view word)
{
    if (word.starts_with("--")) {
        const int option = table.findLong(word.substr(2));
        return option != RVOptionTable::none && table.option(option).takesValue
                   ? option
                   : RVOptionTable::none;
    }
    if (word.size() < 2 || word[0] != '-') {
        return RVOptionTable::none;
    }
    for (std::size_t position = 1; position < word.size(); ++position) {
        const int option = table.findShort(word[position]);
        if (option != RVOptionTable::none && table.option(option).takesValue) {
            return position + 1 == word.size() ? option : RVOptionTable::none;
        }
    }
    return RVOptionTable::none;
}

// What the parser is given for a word that holds an expansion. Only the text
// before the expansion is known, so the word is an option only where that
// text makes it one ("--count=$n", "-f$file"), and the expansion is then a
// value that the option accepts; any other such word stands for an operand,
// whatever the shell will make of it.
std::string standIn(const RVOptionTable& table, const RVShellToken& word, int valueOf,
                    bool optionsEnded)
{
    if (valueOf != RVOptionTable::none) {
        return acceptedValue(table.option(valueOf), word.source);
    }
    const std::string_view known = word.text;
    const std::size_t equals = known.find('=');
    if (!optionsEnded && known.starts_with("--") && equals != std::string_view::npos) {
        const int option = table.findLong(known.substr(2, equals - 2));
        if (option == RVOptionTable::none) {
            return std::string(word.source); // refused all the same
        }
        return std::string(known.substr(0, equals + 1)) +
               acceptedValue(table.option(option), word.source);
    }
    if (!optionsEnded && known.size() > 1 && known[0] == '-' && known[1] != '-') {
        // "-name=$x" is a long name typed with one dash, whatever $x holds.
        if (const int option = table.findLong(known.substr(1, equals - 1));
            equals != std::string_view::npos && option != RVOptionTable::none &&
            table.option(option).name.size() > 1) {
            return std::string(known);
        }
        for (std::size_t position = 1; position < known.size(); ++position) {
            const int option = table.findShort(known[position]);
            if (option == RVOptionTable::none) {
                return std::string(known); // the parser refuses the letter
            }
            if (table.option(option).takesValue) {
                return std::string(known.substr(0, position + 1)) +
                       acceptedValue(table.option(option), word.source);
            }
        }
    }
    // The word as written, and never an option.
    return (word.source.starts_with('-') ? " " : "") + std::string(word.source);
}

// The example's command, split as a shell splits it, must run the
// executable with a command line that the table accepts: the words after
// the first unquoted word that is its name, up to the control operator that
// ends its command, redirections left out.
std::vector<RVShellToken> checkExample(const RVOptionTable& table, const RVManExample& example,
                                       std::size_t number)
{
    const auto fail = [number](const std::string& problem) {
        throw RVDefinitionError("man page example " + std::to_string(number) + ": " + problem);
    };
    rv::detail::RVShellSplit split = rv::detail::splitShellWords(example.command);
    if (!split.problem.empty()) {
        fail(split.problem);
    }
    const std::vector<RVShellToken>& tokens = split.tokens;
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
    int valueOf = RVOptionTable::none; // the option whose value the next word is
    bool optionsEnded = false;
    for (++index; index < tokens.size(); ++index) {
        const RVShellToken& token = tokens[index];
        if (token.kind == RVShellToken::Kind::redirection) {
            ++index;
            continue;
        }
        if (token.kind != RVShellToken::Kind::word) {
            break;
        }
        if (token.expands) {
            arguments.push_back(standIn(table, token, valueOf, optionsEnded));
            valueOf = RVOptionTable::none;
            continue;
        }
        arguments.push_back(token.text);
        if (valueOf != RVOptionTable::none) {
            valueOf = RVOptionTable::none;
        } else if (!optionsEnded) {
            optionsEnded = token.text == "--";
            valueOf = optionAwaitingValue(table, token.text);
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
    return std::move(split.tokens);
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

// "a", "a and b", "a, b and c"; or with "or".
// "[FILE]...", its word in italics, as a usage line writes it.
std::string operandPlaceholder(const RVOperandSpec& operand)
{
    std::string text = operand.optional ? "[" + italic(operand.word) + ']' : italic(operand.word);
    return operand.repeatable ? text + "..." : text;
}

// What the option's value must be, as a sentence; empty for a value that
// is taken as it stands.
std::string acceptedValuesSentence(const RVValueCheck& check)
{
    if (check.kind == RVValueCheck::Kind::choice) {
        std::vector<std::string> choices;
        for (const std::string_view choice : check.choices) {
            choices.push_back(bold(choice));
        }
        return "The value is one of " + listOf(choices, " or ") + '.';
    }
    if (check.kind != RVValueCheck::Kind::integer) {
        return {};
    }
    return "The value is " + manText(rv::detail::acceptedIntegers(check)) + '.';
}

// How the words that are no options go to the operands, and that options
// may stand among them.
std::vector<std::string> operandRules(const RVOptionTable& table)
{
    const auto operands = table.operands();
    std::vector<std::string> counts;
    bool severalBeforeAnother = false; // an operand of several words, with another after it
    bool optionalBeforeAnother = false;
    for (const RVOperandSpec& operand : operands) {
        const char* count = operand.repeatable ? (operand.optional ? "any number" : "one or more")
                                               : (operand.optional ? "at most one" : "exactly one");
        counts.push_back(operandPlaceholder(operand) + " takes " + count);
        if (&operand != &operands.back()) {
            severalBeforeAnother = severalBeforeAnother || operand.repeatable;
            optionalBeforeAnother =
                optionalBeforeAnother || (operand.optional && !operand.repeatable);
        }
    }
    std::string split = "The words that are neither options nor values of options are the "
                        "operands, given to them in the order of the synopsis: " +
                        listOf(counts) + '.';
    if (severalBeforeAnother) {
        split += " An operand that takes several words takes all but those that the operands "
                 "after it need.";
    }
    if (optionalBeforeAnother) {
        split += " An optional operand takes a word only when enough remain for the operands "
                 "after it.";
    }
    const bool endless =
        std::any_of(operands.begin(), operands.end(),
                    [](const RVOperandSpec& operand) { return operand.repeatable; });
    if (table.operandMinimum() > 0 && !endless) {
        split += " Too few words for them is an error, and so is a word that none of them takes.";
    } else if (table.operandMinimum() > 0) {
        split += " Too few words for them is an error.";
    } else if (!endless) {
        split += " A word that none of them takes is an error.";
    }
    return {split, "Options may stand before, between and after the operands. Every word after " +
                       bold("--") +
                       ", which ends the options, is an operand, even one that "
                       "starts with a dash, and so is a lone " +
                       bold("-") + ", which by convention names standard input."};
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
            auto forms = rv::suggestLongForms(table.global(), option.name.substr(0, 3));
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
    if (table.operands().empty()) {
        paragraphs.push_back(tool +
                             " takes no operands: a word that is neither an option nor the value "
                             "of one is an error, and so is any word after " +
                             bold("--") + ", which ends the options.");
    } else {
        for (std::string& rule : operandRules(table)) {
            paragraphs.push_back(std::move(rule));
        }
    }
    if (table.checksValues()) {
        paragraphs.push_back("An option whose entry under " + bold("OPTIONS") +
                             " states the values it accepts refuses any other value, and the "
                             "message tells the valid ones.");
    }
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
    std::vector<std::string> wrongs = {"an unknown option", "a missing value",
                                       "a value for an option that takes none"};
    if (table.checksValues()) {
        wrongs.emplace_back("a value that the option does not accept");
    }
    const auto operands = table.operands();
    if (operands.empty()) {
        wrongs.emplace_back("a word that is not an option");
    } else {
        if (table.operandMinimum() > 0) {
            wrongs.emplace_back("a missing operand");
        }
        if (std::none_of(operands.begin(), operands.end(),
                         [](const RVOperandSpec& operand) { return operand.repeatable; })) {
            wrongs.emplace_back("a word that no operand takes");
        }
    }
    status(RVExitStatus::usageError, "the command line is wrong: " + listOf(wrongs, ", or "));
}

// The character outside ASCII that text starts with as groff's \\[uXXXX]
// (upper-case hex, four to six digits), which plain groff, mandoc and man-db
// all read, whatever encoding they expect. A C1 control becomes a space, as
// other controls do; a byte that starts no well-formed UTF-8 sequence
// becomes a "?" of its own. Returns the number of bytes read.
std::size_t appendCharacter(std::string& escaped, std::string_view text)
{
    const std::size_t length = rv::detail::utf8SequenceLength(text);
    if (length == 0) {
        escaped += '?';
        return 1;
    }
    // The lead keeps 7 - length bits, every continuation byte 6.
    char32_t point = static_cast<unsigned char>(text[0]) & (0x7fu >> length);
    for (std::size_t index = 1; index < length; ++index) {
        point = point << 6 | (static_cast<unsigned char>(text[index]) & 0x3fu);
    }
    if (point <= 0x9f) {
        escaped += ' ';
        return length;
    }
    escaped += "\\[u";
    for (int shift = point > 0xfffff ? 20 : point > 0xffff ? 16 : 12; shift >= 0; shift -= 4) {
        escaped += "0123456789ABCDEF"[(point >> shift) & 0xfu];
    }
    escaped += ']';
    return length;
}

} // namespace

std::string rv::detail::manText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + 8);
    if (!text.empty() && (text.front() == '.' || text.front() == '\'' || text.front() == ' ')) {
        escaped += "\\&";
    }
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            at += appendCharacter(escaped, text.substr(at));
            continue;
        }
        if (c == '\\') {
            escaped += "\\(rs";
        } else if (c == '-') {
            escaped += "\\-";
        } else if (byte < 0x20 || byte == 0x7f) {
            escaped += ' ';
        } else {
            escaped += c;
        }
        ++at;
    }
    return escaped;
}

std::string rv::renderManPage(const RVOptionTable& table, const RVManPageTexts& texts)
{
    std::vector<std::vector<RVShellToken>> exampleTokens;
    for (std::size_t index = 0; index < texts.examples.size(); ++index) {
        exampleTokens.push_back(checkExample(table, texts.examples[index], index + 1));
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
    page += bold(app.executable) + " [" + italic("OPTION") + "]...";
    for (const RVOperandSpec& operand : table.operands()) {
        page += ' ' + operandPlaceholder(operand);
    }
    page += '\n';

    if (!texts.description.empty()) {
        appendSection(page, "DESCRIPTION");
    }
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
        if (const std::string values = acceptedValuesSentence(option.check); !values.empty()) {
            page += ".br\n" + textLines(values);
        }
    }
    if (!table.operands().empty()) {
        appendSection(page, "OPERANDS");
        for (const RVOperandSpec& operand : table.operands()) {
            page += ".TP\n" + operandPlaceholder(operand) + '\n' + textLines(manText(operand.help));
        }
    }

    appendCommandLineRules(page, table);

    appendExitStatus(page, table);

    if (!texts.examples.empty()) {
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

    appendSection(page, "VERSION");
    page += textLines("This page describes " + bold(app.executable) + " version " +
                      manText(app.version) + '.');
    if (!app.copyright.empty()) {
        appendSection(page, "COPYRIGHT");
        page += textLines(manText(app.copyright));
    }
    return page;
}
