#include "cmdline/RVChoiceList.hpp"

#include <algorithm>
#include <cstddef>

namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

} // namespace

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
    std::string_view rest = placeholder.substr(1, placeholder.size() - 2);
    while (true) {
        const std::size_t bar = rest.find('|');
        const std::string_view alternative = trimmed(rest.substr(0, bar));
        if (alternative.empty()) {
            return "a list of choices has an empty alternative";
        }
        const std::string_view choice = alternative.substr(0, alternative.find(' '));
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
        if (bar == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(bar + 1);
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
