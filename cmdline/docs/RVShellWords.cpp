#include "cmdline/docs/RVShellWords.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using rv::detail::RVShellSplit;
using rv::detail::RVShellToken;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isOperatorStart(char c)
{
    return c == '|' || c == '&' || c == ';' || c == '<' || c == '>' || c == '(' || c == ')' ||
           c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNameStart(char c)
{
    return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Longest first, as the shell matches them; bash's own among them, so that
// "&>" and "|&" are not read as "&" and "|".
constexpr std::array<std::string_view, 23> operators = {
    "<<<", "<<-", "&>>", "&&", "||", ";;", ";&", "|&", "<<", ">>", "<&", ">&",
    "<>",  ">|",  "&>",  "|",  "&",  ";",  "<",  ">",  "(",  ")",  "\n"};

bool isRedirection(std::string_view op)
{
    return op.front() == '<' || op.front() == '>' || op.starts_with("&>");
}

class Splitter
{
public:
    explicit Splitter(std::string_view command) : command_(command) {}

    RVShellSplit run()
    {
        RVShellSplit split;
        bool spaceBefore = false;
        while (at_ < command_.size() && problem_.empty()) {
            const char c = command_[at_];
            if (isBlank(c)) {
                ++at_;
                spaceBefore = true;
                continue;
            }
            // A line continuation between tokens is nothing at all.
            if (continuesLine(at_)) {
                at_ += 2;
                continue;
            }
            const std::size_t start = at_;
            RVShellToken& token = split.tokens.emplace_back();
            token.spaceBefore = spaceBefore;
            spaceBefore = false;
            if (c == '#') {
                token.kind = RVShellToken::Kind::comment;
                at_ = std::min(command_.find('\n', at_), command_.size());
            } else if (isOperatorStart(c) && !startsProcessSubstitution()) {
                token.kind = readOperator();
            } else {
                token_ = &token;
                known_ = true;
                readWord();
                // "2>" : digits right before a redirection are its descriptor.
                if (at_ < command_.size() && (command_[at_] == '<' || command_[at_] == '>') &&
                    !token.quoted && !token.expands &&
                    token.text.find_first_not_of("0123456789") == std::string::npos) {
                    token.kind = readOperator();
                    token.text.clear();
                }
            }
            token.source = withoutContinuations(start);
        }
        for (std::size_t index = 0; index < split.tokens.size() && problem_.empty(); ++index) {
            if (split.tokens[index].kind == RVShellToken::Kind::redirection &&
                (index + 1 == split.tokens.size() ||
                 split.tokens[index + 1].kind != RVShellToken::Kind::word)) {
                fail("a redirection without a target");
            }
        }
        split.problem = problem_;
        return split;
    }

private:
    bool continuesLine(std::size_t at) const
    {
        return command_[at] == '\\' && at + 1 < command_.size() && command_[at + 1] == '\n';
    }

    // The token from start to here, less the line continuations read in it.
    std::string withoutContinuations(std::size_t start)
    {
        std::string source;
        for (const std::size_t continuation : continuations_) {
            source.append(command_.substr(start, continuation - start));
            start = continuation + 2;
        }
        continuations_.clear();
        return source.append(command_.substr(start, at_ - start));
    }

    bool startsProcessSubstitution() const
    {
        return (command_[at_] == '<' || command_[at_] == '>') && at_ + 1 < command_.size() &&
               command_[at_ + 1] == '(';
    }

    RVShellToken::Kind readOperator()
    {
        const std::string_view rest = command_.substr(at_);
        for (const std::string_view op : operators) {
            if (rest.starts_with(op)) {
                at_ += op.size();
                return isRedirection(op) ? RVShellToken::Kind::redirection
                                         : RVShellToken::Kind::controlOperator;
            }
        }
        return RVShellToken::Kind::controlOperator; // not reached: every start is listed
    }

    void readWord()
    {
        if (startsProcessSubstitution()) {
            expansion();
            ++at_;
            skipBalanced('(', ')');
        }
        while (at_ < command_.size() && problem_.empty()) {
            const char c = command_[at_];
            if (isBlank(c) || isOperatorStart(c)) {
                return;
            }
            if (c == '\\') {
                readEscaped();
            } else if (c == '\'') {
                readSingleQuoted();
            } else if (c == '"') {
                readDoubleQuoted();
            } else if (c == '$') {
                readDollar(false);
            } else if (c == '`') {
                readBackquoted();
            } else {
                keep(c);
                ++at_;
            }
        }
    }

    // A backslash outside quotes: the next character as it stands, or
    // nothing for a line break, which continues the line.
    void readEscaped()
    {
        if (at_ + 1 == command_.size()) {
            fail("it ends with a backslash");
            return;
        }
        if (command_[at_ + 1] != '\n') {
            token_->quoted = true;
            keep(command_[at_ + 1]);
        } else {
            continuations_.push_back(at_);
        }
        at_ += 2;
    }

    void readSingleQuoted()
    {
        const std::size_t close = command_.find('\'', at_ + 1);
        if (close == std::string_view::npos) {
            fail("a single quote is not closed");
            return;
        }
        token_->quoted = true;
        keep(command_.substr(at_ + 1, close - at_ - 1));
        at_ = close + 1;
    }

    // Inside double quotes a backslash escapes only $ ` " \ and a line
    // break; $ and ` still expand.
    void readDoubleQuoted()
    {
        token_->quoted = true;
        ++at_;
        while (at_ < command_.size() && problem_.empty()) {
            const char c = command_[at_];
            if (c == '"') {
                ++at_;
                return;
            }
            if (c == '\\' && at_ + 1 < command_.size() &&
                std::string_view("$`\"\\\n").find(command_[at_ + 1]) != std::string_view::npos) {
                if (command_[at_ + 1] != '\n') {
                    keep(command_[at_ + 1]);
                } else {
                    continuations_.push_back(at_);
                }
                at_ += 2;
            } else if (c == '$') {
                readDollar(true);
            } else if (c == '`') {
                readBackquoted();
            } else {
                keep(c);
                ++at_;
            }
        }
        fail("a double quote is not closed");
    }

    // $NAME, $1, $?, ${...}, $(...), $((...)), $'...' (and $"...", read as
    // double quotes after it); a $ that starts none of them stands for itself.
    void readDollar(bool inDoubleQuotes)
    {
        const char next = at_ + 1 < command_.size() ? command_[at_ + 1] : '\0';
        if (next == '{' || next == '(') {
            expansion();
            ++at_;
            skipBalanced(next, next == '{' ? '}' : ')');
        } else if (next == '\'' && !inDoubleQuotes) {
            expansion();
            const std::size_t close = closingAt(at_ + 2, '\'');
            if (close >= command_.size()) {
                fail("a single quote is not closed");
                return;
            }
            at_ = close + 1;
        } else if (next == '"' && !inDoubleQuotes) {
            expansion();
            ++at_;
        } else if (isNameStart(next)) {
            expansion();
            at_ += 2;
            while (at_ < command_.size() &&
                   (isNameStart(command_[at_]) || isDigit(command_[at_]))) {
                ++at_;
            }
        } else if (isDigit(next) || (next != '\0' && std::string_view("@*#?-$!").find(next) !=
                                                         std::string_view::npos)) {
            expansion();
            at_ += 2;
        } else {
            keep('$');
            ++at_;
        }
    }

    // Where the quote that closes a run from `from` stands, a backslash
    // escaping the byte after it; past the end when none does.
    std::size_t closingAt(std::size_t from, char quote) const
    {
        while (from < command_.size() && command_[from] != quote) {
            from += command_[from] == '\\' ? 2 : 1;
        }
        return from;
    }

    void readBackquoted()
    {
        expansion();
        const std::size_t close = closingAt(at_ + 1, '`');
        if (close >= command_.size()) {
            fail("a backquote is not closed");
            return;
        }
        at_ = close + 1;
    }

    // From the opening bracket at at_ to just after the one that closes it,
    // passing over quotes and the expansions nested in it.
    void skipBalanced(char open, char close)
    {
        if (++depth_ > maximumDepth) {
            fail("expansions nested too deep");
            return;
        }
        ++at_;
        int unclosed = 1;
        while (at_ < command_.size() && problem_.empty()) {
            const char c = command_[at_];
            if (c == '\\') {
                if (continuesLine(at_)) {
                    continuations_.push_back(at_);
                }
                at_ += 2;
            } else if (c == '\'') {
                readSingleQuoted();
            } else if (c == '"') {
                readDoubleQuoted();
            } else if (c == '`') {
                readBackquoted();
            } else if (c == '$') {
                readDollar(false);
            } else {
                unclosed += c == open ? 1 : c == close ? -1 : 0;
                ++at_;
                if (unclosed == 0) {
                    --depth_;
                    return;
                }
            }
        }
        fail(std::string("'") + (open == '{' ? "${" : "$(") + "' is not closed");
    }

    // From here on the word's text is the shell's to know.
    void expansion()
    {
        token_->expands = true;
        known_ = false;
    }

    void keep(char c)
    {
        if (known_) {
            token_->text += c;
        }
    }

    void keep(std::string_view text)
    {
        if (known_) {
            token_->text += text;
        }
    }

    void fail(std::string problem)
    {
        if (problem_.empty()) {
            problem_ = std::move(problem);
        }
    }

    static constexpr int maximumDepth = 64;

    std::string_view command_;
    std::size_t at_ = 0;
    RVShellToken* token_ = nullptr;          // the word being read
    std::vector<std::size_t> continuations_; // where its line continuations stand
    bool known_ = true;                      // no expansion yet in the word being read
    int depth_ = 0;
    std::string problem_;
};

} // namespace

RVShellSplit rv::detail::splitShellWords(std::string_view command)
{
    return Splitter(command).run();
}
