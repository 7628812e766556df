#include "cmdline/RVSuggestions.hpp"

#include <algorithm>

namespace {

// Beyond two edits a proposal is more likely noise than help.
constexpr std::size_t maxSuggestionDistance = 2;

} // namespace

std::size_t rv::detail::editDistance(std::string_view from, std::string_view to, std::size_t limit)
{
    const std::size_t lengthGap =
        from.size() > to.size() ? from.size() - to.size() : to.size() - from.size();
    if (lengthGap > limit) {
        return limit + 1; // also keeps a huge word from costing its length times ours
    }
    // Three rows of the optimal-string-alignment table: two back for swaps.
    std::vector<std::size_t> beforeLast(to.size() + 1), last(to.size() + 1), row(to.size() + 1);
    for (std::size_t j = 0; j <= to.size(); ++j) {
        last[j] = j;
    }
    for (std::size_t i = 1; i <= from.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t cost = from[i - 1] == to[j - 1] ? 0 : 1;
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + cost});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1]) {
                row[j] = std::min(row[j], beforeLast[j - 2] + 1);
            }
        }
        std::swap(beforeLast, last);
        std::swap(last, row);
    }
    return std::min(last[to.size()], limit + 1);
}

namespace {

// The candidates worth proposing for the typed word: every one that it is a
// prefix of, in their order; otherwise the nearest within a small edit
// distance; otherwise none. nameOf gives the word compared, shownAs the
// text proposed.
template <class Candidates, class NameOf, class ShownAs>
std::vector<std::string_view> closeCandidates(const Candidates& candidates, std::string_view typed,
                                              NameOf nameOf, ShownAs shownAs)
{
    std::vector<std::string_view> forms;
    if (typed.empty()) {
        return forms; // a prefix of everything says nothing
    }
    for (const auto& candidate : candidates) {
        if (nameOf(candidate).starts_with(typed)) {
            forms.push_back(shownAs(candidate));
        }
    }
    if (!forms.empty()) {
        return forms;
    }
    // A one- or two-letter word is a couple of edits from almost anything.
    const std::size_t limit = std::min(maxSuggestionDistance, typed.size() - 1);
    std::size_t best = limit + 1;
    for (const auto& candidate : candidates) {
        const std::size_t distance = rv::detail::editDistance(typed, nameOf(candidate), limit);
        if (distance < best) {
            best = distance;
            forms.clear();
        }
        if (distance == best && distance <= limit) {
            forms.push_back(shownAs(candidate));
        }
    }
    return forms;
}

} // namespace

std::vector<std::string_view> rv::suggestLongForms(const RVOptionPart& part,
                                                   std::string_view typedName)
{
    return closeCandidates(
        part.options(), typedName, [](const RVOptionSpec& option) { return option.name; },
        [](const RVOptionSpec& option) { return option.longForm; });
}

std::vector<std::string_view> rv::suggestChoices(std::span<const std::string_view> choices,
                                                 std::string_view typed)
{
    const auto itself = [](std::string_view choice) { return choice; };
    return closeCandidates(choices, typed, itself, itself);
}
