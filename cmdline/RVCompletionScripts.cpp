#include "cmdline/RVCompletionScripts.hpp"

#include "cmdline/RVAcceptedValues.hpp"

namespace {

bool isPlainWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_./-+:,@").find(c) != std::string_view::npos;
}

bool isPlainWord(std::string_view text)
{
    for (const char c : text) {
        if (!isPlainWordCharacter(c)) {
            return false;
        }
    }
    return !text.empty();
}

// A name that bash accepts for a function, made from the executable's.
std::string functionName(std::string_view executable)
{
    std::string name = "_";
    for (const char c : executable) {
        const bool fits =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        name += fits ? c : '_';
    }
    return name;
}

// Every form of the option, short first: "-f", "--filter".
std::string formsOf(const RVOptionSpec& option, std::string_view separator)
{
    std::string forms;
    if (!option.shortForm.empty()) {
        forms += shellQuoted(option.shortForm);
        forms += separator;
    }
    return forms + shellQuoted(option.longForm);
}

// Backslashes before the characters that _arguments reads in an option's
// description or message, and before anything the shell would read when
// _arguments evaluates a list of words.
std::string zshArgumentsText(std::string_view text, bool forEvaluation)
{
    std::string escaped;
    for (const char c : text) {
        const bool special = forEvaluation
                                 ? !isPlainWordCharacter(c) || c == ':'
                                 : std::string_view("\\[]:").find(c) != std::string_view::npos;
        if (special) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// What follows an option in its _arguments description: the message and the action.
std::string zshValueDescription(const RVOptionSpec& option)
{
    const RVAcceptedValues values = acceptedValues(option.argument);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        return ':' + zshArgumentsText(option.argument, false) + ":_files";
    case RVAcceptedValues::Kind::words: {
        std::string list;
        for (const std::string_view word : values.words) {
            list.append(list.empty() ? "" : " ").append(zshArgumentsText(word, true));
        }
        return ':' + zshArgumentsText(option.name, false) + ":(" + list + ')';
    }
    case RVAcceptedValues::Kind::anything:
        break;
    }
    return ':' + zshArgumentsText(option.argument, false) + ": ";
}

} // namespace

std::string shellQuoted(std::string_view text)
{
    if (isPlainWord(text)) {
        return std::string(text);
    }
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + '\'';
}

std::string fishQuoted(std::string_view text)
{
    if (isPlainWord(text)) {
        return std::string(text);
    }
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '\'';
}

std::string renderBashCompletion(const RVOptionTable& table)
{
    const std::string executable(table.app().executable);
    const std::string name = functionName(executable);
    std::string script = "# bash completion for " + executable +
                         ", generated from its option definitions.\n"
                         "# It needs nothing but bash's own complete and compgen.\n\n";

    script += "# Adds the file names that start with $1 to COMPREPLY, each after $2.\n" + name +
              "_files()\n"
              "{\n"
              "    local file\n"
              "    [[ -z $2 ]] && compopt -o filenames 2>/dev/null\n"
              "    while IFS= read -r file; do\n"
              "        COMPREPLY+=(\"$2$file\")\n"
              "    done < <(compgen -f -- \"$1\")\n"
              "    return 0\n"
              "}\n\n";

    script += "# Adds the words after $1 and $2 that start with $1 to COMPREPLY, each after $2.\n" +
              name +
              "_words()\n"
              "{\n"
              "    local typed=$1 prefix=$2 word\n"
              "    shift 2\n"
              "    for word; do\n"
              "        [[ $word == \"$typed\"* ]] && COMPREPLY+=(\"$prefix$word\")\n"
              "    done\n"
              "    return 0\n"
              "}\n\n";

    script += "# Completes the value of option $1 from the typed text $2, each reply after\n"
              "# $3. Fails for an option that takes no value.\n" +
              name +
              "_value()\n"
              "{\n"
              "    case $1 in\n";
    for (const RVOptionSpec& option : table.options()) {
        if (!option.takesValue) {
            continue;
        }
        script += "    " + formsOf(option, " | ") + ")";
        const RVAcceptedValues values = acceptedValues(option.argument);
        switch (values.kind) {
        case RVAcceptedValues::Kind::fileNames:
            script += " " + name + "_files \"$2\" \"$3\"";
            break;
        case RVAcceptedValues::Kind::words:
            script += " " + name + "_words \"$2\" \"$3\"";
            for (const std::string_view word : values.words) {
                script += ' ' + shellQuoted(word);
            }
            break;
        case RVAcceptedValues::Kind::anything:
            break;
        }
        script += " ;;\n";
    }
    script += "    *) return 1 ;;\n"
              "    esac\n"
              "    return 0\n"
              "}\n\n";

    // The long forms and the short letters of the options that take a value,
    // for telling which words are values rather than options.
    std::string longFormsWithValue;
    std::string lettersWithValue;
    for (const RVOptionSpec& option : table.options()) {
        if (option.takesValue) {
            longFormsWithValue +=
                (longFormsWithValue.empty() ? "" : " | ") + shellQuoted(option.longForm);
            if (!option.shortForm.empty()) {
                lettersWithValue += option.shortForm[1];
            }
        }
    }
    script += "# Succeeds when word $1 makes the next word a value: a long option that takes\n"
              "# one, or a cluster such as -vf whose last letter does.\n" +
              name +
              "_awaits_value()\n"
              "{\n"
              "    case $1 in\n";
    if (!longFormsWithValue.empty()) {
        script += "    " + longFormsWithValue + ") return 0 ;;\n";
    }
    script += "    --* | - | [!-]*) return 1 ;;\n"
              "    esac\n"
              "    local rest=${1#-} letter\n"
              "    while [[ -n $rest ]]; do\n"
              "        letter=${rest:0:1} rest=${rest:1}\n"
              "        if [[ " +
              shellQuoted(lettersWithValue) +
              " == *\"$letter\"* ]]; then\n"
              "            [[ -z $rest ]]\n"
              "            return\n"
              "        fi\n"
              "    done\n"
              "    return 1\n"
              "}\n\n";

    script +=
        name +
        "()\n"
        "{\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev= index=1\n"
        "    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
        "    COMPREPLY=()\n"
        "    # After a \"--\" that ends the options every word is an operand: none fits.\n"
        "    while ((index < COMP_CWORD)); do\n"
        "        [[ ${COMP_WORDS[index]} == -- ]] && return 0\n"
        "        " +
        name +
        "_awaits_value \"${COMP_WORDS[index]}\" && index=$((index + 1))\n"
        "        index=$((index + 1))\n"
        "    done\n"
        "    # By default \"--name=value\" comes split into \"--name\", \"=\" and \"value\";\n"
        "    # it stays one word when COMP_WORDBREAKS lacks \"=\".\n"
        "    if [[ $cur == --*=* ]]; then\n"
        "        " +
        name +
        "_value \"${cur%%=*}\" \"${cur#*=}\" \"${cur%%=*}=\"\n"
        "    elif [[ $cur == = ]]; then\n"
        "        " +
        name +
        "_value \"$prev\" \"\" \"\"\n"
        "    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then\n"
        "        " +
        name +
        "_value \"${COMP_WORDS[COMP_CWORD - 2]}\" \"$cur\" \"\"\n"
        "    elif " +
        name +
        "_value \"$prev\" \"$cur\" \"\"; then\n"
        "        : # the word after an option that takes a value is that value\n"
        "    elif [[ $prev == -[!-]?* ]] && " +
        name + "_awaits_value \"$prev\" && " + name +
        "_value \"-${prev: -1}\" \"$cur\" \"\"; then\n"
        "        : # the word after a cluster such as -vf is the value of its last option\n"
        "    elif [[ $cur == -[!-]?* ]] && " +
        name +
        "_value \"${cur:0:2}\" \"${cur:2}\" \"${cur:0:2}\"; then\n"
        "        : # a value joined to its short option\n"
        "    else\n"
        "        " +
        name + "_words \"$cur\" \"\"";
    for (const RVOptionSpec& option : table.options()) {
        script += ' ' + formsOf(option, " ");
    }
    script += "\n"
              "    fi\n"
              "    return 0\n"
              "}\n\n"
              "complete -F " +
              name + ' ' + shellQuoted(executable) + '\n';
    return script;
}

std::string renderZshCompletion(const RVOptionTable& table)
{
    const std::string executable(table.app().executable);
    std::string script = "#compdef " + shellQuoted(executable) + "\n# zsh completion for " +
                         executable + ", generated from its option definitions.\n\n" +
                         "_arguments -s -S :";
    for (const RVOptionSpec& option : table.options()) {
        const std::string description = '[' + zshArgumentsText(option.help, false) + ']';
        // Options that take a value may be repeated; the tool says which occurrence counts.
        if (!option.shortForm.empty()) {
            const std::string described = option.takesValue
                                              ? '*' + std::string(option.shortForm) + '+' +
                                                    description + zshValueDescription(option)
                                              : std::string(option.shortForm) + description;
            script += " \\\n    " + shellQuoted(described);
        }
        const std::string described = option.takesValue
                                          ? '*' + std::string(option.longForm) + '=' + description +
                                                zshValueDescription(option)
                                          : std::string(option.longForm) + description;
        script += " \\\n    " + shellQuoted(described);
    }
    return script + '\n';
}

std::string renderFishCompletion(const RVOptionTable& table)
{
    const std::string command = "complete -c " + fishQuoted(table.app().executable);
    std::string script =
        "# fish completion for " + std::string(table.app().executable) +
        ", generated from its option definitions.\n"
        "# It takes no operands: file names only where an option's value is one.\n" +
        command + " -f\n";
    for (const RVOptionSpec& option : table.options()) {
        script += command;
        if (!option.shortForm.empty()) {
            script += " -s " + fishQuoted(option.shortForm.substr(1));
        }
        script += " -l " + fishQuoted(option.name);
        if (option.takesValue) {
            const RVAcceptedValues values = acceptedValues(option.argument);
            switch (values.kind) {
            case RVAcceptedValues::Kind::fileNames:
                script += " -r -F";
                break;
            case RVAcceptedValues::Kind::words: {
                // fish expands the list at completion time: each word is quoted inside it.
                std::string list;
                for (const std::string_view word : values.words) {
                    list.append(list.empty() ? "" : " ").append(fishQuoted(word));
                }
                script += " -x -a " + fishQuoted(list);
                break;
            }
            case RVAcceptedValues::Kind::anything:
                script += " -x";
                break;
            }
        }
        script += " -d " + fishQuoted(option.help) + '\n';
    }
    return script;
}
