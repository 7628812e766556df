#include "cmdline/RVHelpText.hpp"

#include "cmdline/RVMessageText.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// Every option shows its forms on one line and its help indented below.
// Beside a placeholder as wide as the input format's no shared column would
// leave room for the longer help lines, which would then be broken apart.
constexpr std::size_t helpIndent = 10;

// "  -f, --filter=filename", or "      --staging-area=filename" without a short form.
std::string formsLine(const RVOptionSpec& option)
{
    std::string text = "  ";
    text += option.shortForm.empty() ? std::string(4, ' ') : std::string(option.shortForm) + ", ";
    text += option.longForm;
    if (option.takesValue) {
        text += option.valueIsOptional ? "[=" : "=";
        text += option.argument;
        text += option.valueIsOptional ? "]" : "";
    }
    return text;
}

} // namespace

std::vector<std::string_view> rv::detail::wrapWords(std::string_view text, std::size_t room)
{
    std::vector<std::string_view> lines;
    while (true) {
        const std::size_t begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos) {
            break;
        }
        text.remove_prefix(begin);
        std::size_t end = std::min(text.size(), room);
        if (end < text.size() && text[end] != ' ') {
            const std::size_t lastSpace = text.substr(0, end).rfind(' ');
            if (lastSpace != std::string_view::npos) {
                end = lastSpace;
            }
        }
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end);
        lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
    }
    return lines;
}

namespace {

// Writes the lines of text from column `start`, the first line on the
// current line, which already holds `used` characters.
void appendBlock(std::string& out, std::string_view text, std::size_t used, std::size_t start)
{
    const auto lines = rv::detail::wrapWords(text, rv::helpScreenWidth - start);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        out.append(index == 0 ? start - used : start, ' ');
        out += lines[index];
        out += '\n';
    }
    if (lines.empty()) {
        out += '\n';
    }
}

} // namespace

std::string rv::renderHelp(const RVOptionTable& table, int partIndex)
{
    const RVOptionPart& part = table.part(partIndex);
    // "sigctl", or "sigctl set" in the help of a command.
    const std::string name = detail::partName(table, partIndex);
    std::string text = "Usage: " + name + " [OPTION]...";
    if (partIndex == RVOptionTable::globalPart && table.hasCommands()) {
        text += " COMMAND [ARG]...";
    }
    for (const RVOperandSpec& operand : part.operands()) {
        text += ' ';
        text += operand.placeholder;
    }
    text += '\n';
    // What the tool, or the command, does: one line, as GNU tools give it.
    const std::string_view says =
        partIndex == RVOptionTable::globalPart ? table.app().description : part.help();
    if (!says.empty()) {
        appendBlock(text, says, 0, 0);
    }
    if (!part.options().empty()) {
        text += "\nOptions:\n";
    }
    for (const RVOptionSpec& option : part.options()) {
        const std::string forms = formsLine(option);
        if (forms.size() <= helpScreenWidth) {
            text += forms + '\n';
        } else {
            // Only a placeholder wider than the screen gets here: wrap it too.
            const std::size_t indent = forms.find_first_not_of(' ');
            appendBlock(text, std::string_view(forms).substr(indent), 0, indent);
        }
        appendBlock(text, option.help, 0, helpIndent);
    }
    // The operands as the usage line names them, laid out as the options.
    if (!part.operands().empty()) {
        text += "\nOperands:\n";
    }
    for (const RVOperandSpec& operand : part.operands()) {
        appendBlock(text, operand.placeholder, 0, 2);
        appendBlock(text, operand.help, 0, helpIndent);
    }
    if (partIndex == RVOptionTable::globalPart && table.hasCommands()) {
        text += "\nCommands:\n";
        for (const RVOptionPart& command : table.commands()) {
            appendBlock(text, command.command(), 0, 2);
            appendBlock(text, command.help(), 0, helpIndent);
        }
        if (table.helpIndex() != RVOptionTable::none) {
            text += '\n';
            appendBlock(text,
                        "Run '" + name + " COMMAND " +
                            std::string(table.option(table.helpIndex()).longForm) +
                            "' for the options of a command.",
                        0, 0);
        }
    }
    // The screen stays short: the rules of the line and the examples are the
    // man page's, and the copyright is --version's, where help2man finds it.
    text += '\n';
    appendBlock(text,
                "See 'man " + std::string(table.app().executable) +
                    "' for the rules of the command line.",
                0, 0);
    return text;
}

std::string rv::renderVersion(const RVOptionTable& table)
{
    const RVAppInfo& app = table.app();
    std::string text = std::string(app.executable) + ' ' + std::string(app.version) + '\n';
    if (!app.copyright.empty()) {
        text += std::string(app.copyright) + '\n';
    }
    return text;
}
