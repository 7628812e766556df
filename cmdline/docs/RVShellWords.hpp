// A shell command line split as a POSIX shell splits it before it runs
// anything: words with their quotes removed, control operators and
// redirections, as the man page's example check reads them. Nothing is
// expanded: a word that holds an expansion is marked, and only the text
// before its first expansion is known.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rv::detail {

struct RVShellToken
{
    enum class Kind : std::uint8_t
    {
        word,
        controlOperator, // | || & && ; ;; ( ) and the like, and a line break
        redirection,     // < > >> 2>&1's "2>&" and the like; the next token is its target
        comment,         // from an unquoted # that starts a word to the end of the line
    };

    Kind kind = Kind::word;
    // As written, quotes and all, without the line continuations that the
    // shell removes before it reads the words.
    std::string source;
    // For a word: its text once quotes and escapes are removed; for one that
    // holds an expansion, only the text before the first expansion.
    std::string text;
    bool quoted = false;      // a part of the word is quoted or escaped
    bool expands = false;     // $NAME, ${...}, $(...), `...`, $'...' or <(...)
    bool spaceBefore = false; // blanks stand between it and the token before
};

struct RVShellSplit
{
    std::vector<RVShellToken> tokens;
    // What keeps a shell from reading the command (an unbalanced quote),
    // empty when it reads.
    std::string problem;
};

RVShellSplit splitShellWords(std::string_view command);

} // namespace rv::detail
