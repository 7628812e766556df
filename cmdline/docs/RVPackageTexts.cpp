#include "cmdline/docs/RVPackageTexts.hpp"

#include "cmdline/RVHelpText.hpp"

namespace {

// The control file indents every line of the description by one space, and
// package managers show it in 80 columns.
constexpr std::size_t descriptionWidth = 78;

} // namespace

std::string rv::renderPackageDescription(const RVManPageTexts& texts)
{
    std::string description = texts.summary + '\n';
    for (const std::string& paragraph : texts.description) {
        if (&paragraph != &texts.description.front()) {
            description += '\n';
        }
        for (const std::string_view line : detail::wrapWords(paragraph, descriptionWidth)) {
            description.append(line) += '\n';
        }
    }
    return description;
}

std::string rv::renderCopyrightFile(const RVOptionTable& table)
{
    const RVAppInfo& app = table.app();
    return std::string(app.executable) + ' ' + std::string(app.version) + "\n\n" +
           std::string(app.copyright) + '\n';
}
