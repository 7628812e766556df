#include "cmdline/RVChoiceList.hpp"

#include <algorithm>
#include <cstddef>

const char* rv::detail::readChoiceList(std::string_view placeholder,
                                       std::vector<std::string_view>* choices)
{
    if (placeholder.size() < 2 || placeholder.front() != '{' || placeholder.back() != '}') {
        return "a list of choices must be written '{a | b}'";
    }
    // Few lists have more than a handful of choices: those are told apart
    // without a copy; a longer one is sorted once to find a repeat.
    constexpr std::size_t fewChoices = 8;
    std::string_view few[fewChoices];
    std::vector<std::string_view> many;
    std::size_t count = 0;
    bool defaultSeen = false;
    // One walk over the bytes between the braces: blanks, the choice, its
    // note, then a bar or the end.
    const char* at = placeholder.data() + 1;
    const char* const end = placeholder.data() + placeholder.size() - 1;
    while (true) {
        while (at != end && *at == ' ') {
            ++at;
        }
        const char* const choiceBegin = at;
        while (at != end && *at != ' ' && *at != '|') {
            ++at;
        }
        const std::string_view choice(choiceBegin, static_cast<std::size_t>(at - choiceBegin));
        const char* const noteBegin = at;
        while (at != end && *at != '|') {
            ++at;
        }
        if (choice.empty()) {
            return "a list of choices has an empty alternative";
        }
        // std::search rather than find, which would call memchr: one more
        // symbol for a bind-now binary to bind at every start.
        constexpr std::string_view defaultNote = "(default)";
        if (std::search(noteBegin, at, defaultNote.begin(), defaultNote.end()) != at) {
            if (defaultSeen) {
                return "more than one choice is marked (default)";
            }
            defaultSeen = true;
        }
        if (count < fewChoices) {
            if (std::find(few, few + count, choice) != few + count) {
                return "a choice is listed twice";
            }
            few[count] = choice;
        } else {
            if (many.empty()) {
                many.assign(few, few + fewChoices);
            }
            many.push_back(choice);
        }
        ++count;
        if (at == end) {
            break;
        }
        ++at; // the bar
    }
    if (!many.empty()) {
        std::vector<std::string_view> sorted = many;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
            return "a choice is listed twice";
        }
    }
    if (choices != nullptr) {
        if (many.empty()) {
            choices->insert(choices->end(), few, few + count);
        } else {
            choices->insert(choices->end(), many.begin(), many.end());
        }
    }
    return nullptr;
}
