#include "cmdline/docs/RVManPageTexts.hpp"

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVUtf8.hpp"

namespace {

[[noreturn]] void fail(std::size_t lineNumber, const std::string& problem)
{
    throw RVDefinitionError("man page texts, line " + std::to_string(lineNumber) + ": " + problem);
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

} // namespace

RVManPageTexts rv::readManPageTexts(std::string_view fileText)
{
    RVManPageTexts texts;
    bool haveSummary = false;
    bool haveExplanation = false; // for the last example
    std::string* current = nullptr;
    std::size_t lineNumber = 0;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        const std::string_view line = fileText.substr(0, end);
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        ++lineNumber;
        // Comments too: the file is text, in one encoding.
        if (const std::size_t bad = rv::detail::findInvalidUtf8(line);
            bad != std::string_view::npos) {
            fail(lineNumber, "not valid UTF-8 at byte " + std::to_string(bad + 1));
        }

        const std::string_view text = trimmed(line);
        if (text.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == ' ' || line.front() == '\t') {
            if (current == nullptr) {
                fail(lineNumber, "a continued line with nothing before it");
            }
            current->append(current->empty() ? "" : " ").append(text);
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            fail(lineNumber, "expected \"key: text\"");
        }
        const std::string_view key = line.substr(0, colon);
        const std::string value(trimmed(line.substr(colon + 1)));
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
            current = &texts.examples.emplace_back(RVManExample{value, ""}).command;
            haveExplanation = false;
        } else if (key == "explanation") {
            if (texts.examples.empty() || haveExplanation) {
                fail(lineNumber, "an explanation without an example of its own");
            }
            haveExplanation = true;
            current = &(texts.examples.back().explanation = value);
        } else {
            fail(lineNumber, "unknown key '" + std::string(key) + "'");
        }
    }
    if (texts.summary.empty()) {
        throw RVDefinitionError("man page texts: the summary is missing");
    }
    return texts;
}
