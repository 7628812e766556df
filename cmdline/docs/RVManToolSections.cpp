#include "cmdline/docs/RVManToolSections.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/docs/RVManRoff.hpp"

#include <span>
#include <vector>

namespace {

// A variable's name in bold, as other names the user types; a path in
// italics, as man pages write file names.
void appendEntries(std::string& page, std::string_view title, std::span<const RVManEntry> entries,
                   std::string (*style)(std::string_view))
{
    if (entries.empty()) {
        return;
    }
    rv::detail::appendSection(page, title);
    for (const RVManEntry& entry : entries) {
        page += ".TP\n" + style(entry.name) + '\n' +
                rv::detail::textLines(rv::detail::manText(entry.text));
    }
}

} // namespace

void rv::detail::appendEnvironmentAndFiles(std::string& page, const RVManPageTexts& texts)
{
    appendEntries(page, "ENVIRONMENT", texts.environment, bold);
    appendEntries(page, "FILES", texts.files, italic);
}

void rv::detail::appendSeeAlso(std::string& page, const RVManPageTexts& texts)
{
    if (texts.seeAlso.empty()) {
        return;
    }
    std::vector<std::string> pages;
    for (const RVManReference& reference : texts.seeAlso) {
        pages.push_back(bold(reference.page) + '(' + manText(reference.section) + ')');
    }
    appendSection(page, "SEE ALSO");
    page += textLines(listOf(pages, ", "));
}
