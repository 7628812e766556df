#include "cmdline/docs/RVAcceptedValues.hpp"

namespace {

constexpr std::string_view blanks = " \t";

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

} // namespace

RVAcceptedValues rv::acceptedValues(std::string_view placeholder)
{
    if (placeholder == detail::fileNamePlaceholder) {
        return {RVAcceptedValues::Kind::fileNames, {}};
    }
    if (placeholder.size() < 2 || placeholder.front() != '{' || placeholder.back() != '}') {
        return {};
    }
    RVAcceptedValues values{RVAcceptedValues::Kind::words, {}};
    std::string_view rest = placeholder.substr(1, placeholder.size() - 2);
    while (true) {
        const std::size_t bar = rest.find('|');
        const std::string_view alternative = trimmed(rest.substr(0, bar));
        if (alternative.empty()) {
            return {};
        }
        values.words.push_back(alternative.substr(0, alternative.find_first_of(blanks)));
        if (bar == std::string_view::npos) {
            return values;
        }
        rest.remove_prefix(bar + 1);
    }
}
