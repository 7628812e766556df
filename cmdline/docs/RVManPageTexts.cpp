#include "cmdline/docs/RVManPageTexts.hpp"

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVUtf8.hpp"

#include <algorithm>

namespace {

[[noreturn]] void fail(std::size_t lineNumber, const std::string& problem)
{
    throw RVDefinitionError("man page texts, line " + std::to_string(lineNumber) + ": " + problem);
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Every character of text is a letter, a digit or one of others.
bool madeOf(std::string_view text, std::string_view others)
{
    return std::all_of(text.begin(), text.end(), [others](char c) {
        return isLetter(c) || isDigit(c) || others.find(c) != std::string_view::npos;
    });
}

bool isVariableName(std::string_view name)
{
    return !name.empty() && !isDigit(name.front()) && madeOf(name, "_");
}

bool isPath(std::string_view path)
{
    return !path.empty() && std::string_view("/~.$").find(path.front()) != std::string_view::npos &&
           path.find_first_of(" \t") == std::string_view::npos;
}

// "0" to "255", without leading zeros; -1 for anything else.
int exitStatus(std::string_view text)
{
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), isDigit) ||
        (text.size() > 1 && text.front() == '0')) {
        return -1;
    }
    int status = 0;
    for (const char digit : text) {
        status = status * 10 + (digit - '0');
    }
    return status <= 255 ? status : -1;
}

// "groff(1)", "Foo::Bar(3pm)"; empty sections for anything else.
RVManReference reference(std::string_view text)
{
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || !text.ends_with(')')) {
        return {};
    }
    const std::string_view page = text.substr(0, open);
    const std::string_view section = text.substr(open + 1, text.size() - open - 2);
    // An empty name starts with the '('.
    const bool pageFits =
        (isLetter(text.front()) || isDigit(text.front()) || text.front() == '_') &&
        madeOf(page, "._+:-");
    const bool sectionFits = !section.empty() && section.front() >= '1' && section.front() <= '9' &&
                             std::all_of(section.begin() + 1, section.end(),
                                         [](char c) { return c >= 'a' && c <= 'z'; });
    if (!pageFits || !sectionFits) {
        return {};
    }
    return {std::string(page), std::string(section)};
}

// The line without its line end, and the tabs that may start it: what the
// file may hold no control character in.
std::string_view checkedPart(std::string_view line)
{
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.starts_with(' ') || line.starts_with('\t')) {
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    }
    return line;
}

void checkCharacters(std::size_t lineNumber, std::string_view line)
{
    const std::string_view checked = checkedPart(line);
    const rv::detail::RVTextFault fault = rv::detail::findTextFault(checked);
    const std::string byte = std::to_string(checked.data() - line.data() + fault.offset + 1);
    if (fault.kind == rv::detail::RVTextFault::Kind::notUtf8) {
        fail(lineNumber, "not valid UTF-8 at byte " + byte);
    }
    if (fault.kind == rv::detail::RVTextFault::Kind::controlCharacter) {
        fail(lineNumber, "a control character at byte " + byte);
    }
}

// A command whose line ends in a backslash goes on on the next line, as
// the shell reads it; the page's example check reads it so too.
bool continuedCommand(std::string_view text, bool inCommand)
{
    const std::size_t backslashes = text.size() - (text.find_last_not_of('\\') + 1);
    return inCommand && backslashes % 2 == 1;
}

// "NAME: TEXT" split at its first ": ", or nothing when name does not pass.
bool splitEntry(std::string_view value, bool (*nameFits)(std::string_view), RVManEntry& entry)
{
    const std::size_t colon = value.find(": ");
    if (colon == std::string_view::npos || !nameFits(value.substr(0, colon))) {
        return false;
    }
    entry = {std::string(value.substr(0, colon)), std::string(trimmed(value.substr(colon + 2)))};
    return true;
}

} // namespace

RVManPageTexts rv::readManPageTexts(std::string_view fileText)
{
    RVManPageTexts texts;
    bool haveSummary = false;
    bool haveExplanation = false; // for the last example
    std::vector<bool> statusGiven(256, false);
    std::string* current = nullptr;
    bool inCommand = false; // current is an example's command
    std::size_t lineNumber = 0;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        const std::string_view line = fileText.substr(0, end);
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        ++lineNumber;
        checkCharacters(lineNumber, line); // comments too: the file is text, in one encoding

        const std::string_view text = trimmed(checkedPart(line));
        if (text.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == ' ' || line.front() == '\t') {
            if (current == nullptr) {
                fail(lineNumber, texts.seeAlso.empty() ? "a continued line with nothing before it"
                                                       : "a continued line after 'see-also'");
            }
            current
                ->append(current->empty()                        ? ""
                         : continuedCommand(*current, inCommand) ? "\n"
                                                                 : " ")
                .append(text);
            continue;
        }
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            fail(lineNumber, "expected \"key: text\"");
        }
        const std::string_view key = text.substr(0, colon);
        const std::string_view value = trimmed(text.substr(colon + 1));
        RVManEntry entry;
        inCommand = key == "example";
        if (key == "summary") {
            if (haveSummary) {
                fail(lineNumber, "a second summary");
            }
            haveSummary = true;
            texts.summary = value;
            current = &texts.summary;
        } else if (key == "description") {
            current = &texts.description.emplace_back(value);
        } else if (key == "example") {
            current = &texts.examples.emplace_back(RVManExample{std::string(value), ""}).command;
            haveExplanation = false;
        } else if (key == "explanation") {
            if (texts.examples.empty() || haveExplanation) {
                fail(lineNumber, "an explanation without an example of its own");
            }
            haveExplanation = true;
            current = &(texts.examples.back().explanation = value);
        } else if (key == "environment") {
            if (!splitEntry(value, isVariableName, entry)) {
                fail(lineNumber, "'environment' must be 'NAME: TEXT'");
            }
            current = &texts.environment.emplace_back(std::move(entry)).text;
        } else if (key == "files") {
            if (!splitEntry(value, isPath, entry)) {
                fail(lineNumber, "'files' must be 'PATH: TEXT'");
            }
            current = &texts.files.emplace_back(std::move(entry)).text;
        } else if (key == "exit-status") {
            const auto fits = [](std::string_view number) { return exitStatus(number) >= 0; };
            if (!splitEntry(value, fits, entry) || statusGiven[exitStatus(entry.name)]) {
                fail(lineNumber, "'exit-status' must be 'N: TEXT' with N from 0 to 255, each once");
            }
            statusGiven[exitStatus(entry.name)] = true;
            current = &texts.exitStatuses.emplace_back(std::move(entry)).text;
        } else if (key == "see-also") {
            RVManReference page = reference(value);
            if (page.section.empty()) {
                fail(lineNumber, "'see-also' must be 'NAME(SECTION)'");
            }
            texts.seeAlso.push_back(std::move(page));
            current = nullptr;
        } else {
            fail(lineNumber, "unknown key '" + std::string(key) + "'");
        }
    }
    if (texts.summary.empty()) {
        throw RVDefinitionError("man page texts: the summary is missing");
    }
    return texts;
}
