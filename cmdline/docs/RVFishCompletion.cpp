#include "cmdline/docs/RVFishCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

namespace {

using rv::detail::fishQuoted;

// How fish completes the option's value: -r -F for files, -x -a with the
// words of a list, -x alone for anything else. fish joins the words of a
// list to a short form itself (-fNAME) but not the file names of -F.
std::string valueFlags(const RVOptionSpec& option, const std::string& function)
{
    const RVAcceptedValues values = rv::acceptedValues(option.argument);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        if (option.shortForm.empty()) {
            return " -r -F";
        }
        return " -r -F -a " +
               fishQuoted('(' + function + "_joined_files " + option.shortForm[1] + ')');
    case RVAcceptedValues::Kind::words: {
        // fish expands the list at completion time: each word is quoted inside it.
        std::string list;
        for (const std::string_view word : values.words) {
            list.append(list.empty() ? "" : " ").append(fishQuoted(word));
        }
        return " -x -a " + fishQuoted(list);
    }
    case RVAcceptedValues::Kind::anything:
        break;
    }
    return " -x";
}

} // namespace

std::string rv::renderFishCompletion(const RVOptionTable& table)
{
    const std::string command = fishQuoted(table.app().executable);
    const std::string function = detail::functionName(table.app().executable);
    std::string lines;
    for (const RVOptionSpec& option : table.options()) {
        lines.append(lines.empty() ? "" : "\n").append("complete -c ").append(command);
        if (!option.shortForm.empty()) {
            lines += " -s " + fishQuoted(option.shortForm.substr(1));
        }
        lines += " -l " + fishQuoted(option.name);
        if (option.takesValue) {
            lines += valueFlags(option, function);
        }
        lines += " -d " + fishQuoted(option.help);
    }
    return detail::fillTemplate(detail::fishCompletionTemplate,
                                {{"executable", std::string(table.app().executable)},
                                 {"command", command},
                                 {"function", function},
                                 {"options", lines}});
}
