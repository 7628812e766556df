// RVOptionTable: the option, operand and command definitions and the app
// definition that the service is built from, checked once at construction
// and kept in the shape that the parser and the text renderers read: one
// part for the tool's global options (and its operands, for a tool without
// commands), and one part for each command, its own options and operands.
// A table that breaks the rules is a programming error and throws
// RVDefinitionError.
#pragma once

#include <varnock/cmdline/RVDefinitionError.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What an option's value must be, from its "accepts" key: anything (no
// key), one of the choices of its placeholder, or an integer in a range.
struct RVValueCheck
{
    enum class Kind : std::uint8_t
    {
        anything,
        choice,
        integer
    };

    Kind kind = Kind::anything;
    std::vector<std::string_view> choices; // for choice, in the placeholder's order
    std::optional<std::int64_t> minimum;   // for integer; unset: no bound
    std::optional<std::int64_t> maximum;
};

// What the completions offer for a value or an operand, from its "complete"
// key; byPlaceholder when it has none.
enum class RVCompletion : std::uint8_t
{
    byPlaceholder,
    file,
    directory,
    none
};

// One option, as views into the definition it was read from.
struct RVOptionSpec
{
    std::string_view name;
    std::string_view shortForm; // "-x", or empty when the option has none
    std::string_view longForm;  // "--" followed by the name
    std::string_view argument;  // the value's placeholder, when takesValue
    std::string_view help;
    bool takesValue = false;
    // An optional value is given joined to its option only; without one the
    // option takes defaultValue.
    bool valueIsOptional = false;
    std::string_view defaultValue;
    RVCompletion completion = RVCompletion::byPlaceholder;
    RVValueCheck check; // anything for an option that takes no value
    // The options of the same part that cannot be given with this one, by
    // index, in table order: those it names and those that name it.
    std::vector<int> excludes;
    std::size_t entry = 0; // its place in the table, from 0, for complaints
};

// One operand: a definition with an "operand" key instead of "long". Its
// placeholder says how many words it takes: "W" exactly one, "[W]" at most
// one, "W..." one or more, "[W]..." any number.
struct RVOperandSpec
{
    std::string_view name;
    std::string_view placeholder; // as written: "[FILE]..."
    std::string_view word;        // the placeholder's word: "FILE"
    std::string_view help;
    bool optional = false;   // "[W]" or "[W]..."
    bool repeatable = false; // "W..." or "[W]..."
    RVCompletion completion = RVCompletion::byPlaceholder;
    std::size_t entry = 0; // its place in the table, from 0, for complaints

    std::size_t minimum() const { return optional ? 0 : 1; }
};

// The app definition's texts; a missing "run-as", "copyright" or
// "description" is empty.
struct RVAppInfo
{
    std::string_view version;
    std::string_view executable;
    std::string_view runAs;
    std::string_view copyright;
    std::string_view description; // one line that says what the tool does

    // The name for messages: the name the program was invoked by, or the
    // executable's name when that is empty.
    std::string_view displayName() const { return runAs.empty() ? executable : runAs; }
};

// What the parser reads together: the global options (and, in a tool
// without commands, its operands), or one command's options, the help
// option and its operands. Option indexes count within the part.
class RVOptionPart
{
public:
    static constexpr int none = -1;

    // Every byte of none is 0xff, so the tables are set as bytes, by the
    // C library's widest stores: every start makes a part.
    RVOptionPart()
    {
        static_assert(none == -1);
        std::memset(shortIndex_.data(), 0xff, sizeof shortIndex_);
        std::memset(longHead_.data(), 0xff, sizeof longHead_);
    }

    std::span<const RVOptionSpec> options() const { return options_; }
    // In table order; empty for a part that takes no operand.
    std::span<const RVOperandSpec> operands() const { return operands_; }
    // The number of words the operands need at least, all of them together.
    std::size_t operandMinimum() const { return operandMinimum_; }
    // Whether any option checks its value (an "accepts" key).
    bool checksValues() const { return checksValues_; }
    // Whether any option has an optional value, or excludes another.
    bool hasOptionalValues() const { return hasOptionalValues_; }
    bool hasExclusions() const { return hasExclusions_; }
    // Whether the first operand ends the options ("options": "before-operands").
    bool optionsBeforeOperands() const { return optionsBeforeOperands_; }
    // The command's name and help line; empty for the global part.
    std::string_view command() const { return command_; }
    std::string_view help() const { return help_; }

    const RVOptionSpec& option(int index) const
    {
        return options_[static_cast<std::size_t>(index)];
    }

    // Index of the option with this exact long name (without dashes), or none.
    int findLong(std::string_view name) const;
    // "-help" or "-input-format=pcap": the option whose long name, longer
    // than one letter, the text after a single dash spells, as getopt would
    // quietly read it as a cluster of short options; or none.
    int findSpelledLongName(std::string_view body) const
    {
        const int option = findLongBeforeEquals(body);
        return option != none && options_[static_cast<std::size_t>(option)].name.size() > 1 ? option
                                                                                            : none;
    }
    // Index of the option named by text up to its first '=' ("filter" in
    // "filter=a.flt"), or by the whole text when it has none; none otherwise.
    // Inline, because the parser asks it for every word.
    int findLongBeforeEquals(std::string_view text) const
    {
        if (text.empty()) {
            return none;
        }
        // A name holds no '=', so the one that text starts with, followed by
        // '=' or by nothing, is the name before the first '='.
        for (int index = longHead_[longBucket(text)]; index != none;
             index = longNext_[static_cast<std::size_t>(index)]) {
            const std::string_view name = option(index).name;
            if (name.size() <= text.size() &&
                (name.size() == text.size() || text[name.size()] == '=') &&
                startsWith(text, name)) {
                return index;
            }
        }
        return none;
    }
    // Index of the option whose short form is this letter, or none.
    int findShort(char letter) const { return shortIndex_[static_cast<unsigned char>(letter)]; }

    // The service's standard options, known by name here and nowhere else;
    // none when the part does not have them. A command's part has the help
    // option only.
    int helpIndex() const { return helpIndex_; }
    int versionIndex() const { return versionIndex_; }
    int verboseIndex() const { return verboseIndex_; }

private:
    friend class RVOptionTable;

    // Whether text, at least as long as name, starts with it. A name of four
    // to eight bytes, as most are, is two overlapping words of four bytes,
    // compared in place: a call of memcmp per word of a long line costs more
    // than the words' own reading.
    static bool startsWith(std::string_view text, std::string_view name)
    {
        const std::size_t size = name.size();
        if (size < 4 || size > 8) {
            return text.starts_with(name);
        }
        const auto word = [](const char* bytes) {
            std::uint32_t value;
            std::memcpy(&value, bytes, sizeof value);
            return value;
        };
        return word(text.data()) == word(name.data()) &&
               word(text.data() + size - 4) == word(name.data() + size - 4);
    }

    // Puts the last option under its long name and short letter; returns
    // the problem when either is taken, or null.
    [[gnu::always_inline]] inline const char* indexLast();

    // The bucket of a long name, from its first two characters (the second
    // may be missing), for names and for texts where '=' ends the name. Most
    // one-dash words ("-iNAME") fall in an empty bucket and need no compare.
    static std::size_t longBucket(std::string_view text)
    {
        const unsigned first = static_cast<unsigned char>(text[0]);
        const unsigned second =
            text.size() > 1 && text[1] != '=' ? static_cast<unsigned char>(text[1]) : 0;
        return (first * 31 + second) % bucketCount;
    }

    static constexpr std::size_t bucketCount = 256;

    std::vector<RVOptionSpec> options_;
    std::vector<RVOperandSpec> operands_;
    std::size_t operandMinimum_ = 0;
    bool checksValues_ = false;
    bool hasOptionalValues_ = false;
    bool hasExclusions_ = false;
    bool optionsBeforeOperands_ = false;
    std::string_view command_;
    std::string_view help_;
    // Every entry none until an option claims it.
    std::array<int, 256> shortIndex_;
    // The options chained by the bucket of their name: longHead_ holds the
    // last one defined in each bucket, longNext_ the one before it.
    std::array<int, bucketCount> longHead_;
    std::vector<int> longNext_;
    int helpIndex_ = none;
    int versionIndex_ = none;
    int verboseIndex_ = none;
};

namespace rv::detail {

struct RVOptionTraits;
struct RVCommandEntry;

// Whether value passes the check: one of its choices, or an integer within
// its range; anything passes Kind::anything.
bool isAccepted(const RVValueCheck& check, std::string_view value);

} // namespace rv::detail

class RVOptionTable
{
public:
    static constexpr int none = RVOptionPart::none;
    // The part of the global options.
    static constexpr int globalPart = 0;

    RVOptionTable(std::vector<RVDefinition> commandLineDefinition, RVDefinition appDefinition);

    // The views point into the owned definitions, so a copy would dangle.
    RVOptionTable(const RVOptionTable&) = delete;
    RVOptionTable& operator=(const RVOptionTable&) = delete;
    RVOptionTable(RVOptionTable&&) = default;
    RVOptionTable& operator=(RVOptionTable&&) = default;

    const RVAppInfo& app() const { return app_; }

    // The global part, then one part per command in table order: part
    // number 1 is the first command's.
    const RVOptionPart& global() const { return global_; }
    std::span<const RVOptionPart> commands() const { return commands_; }
    bool hasCommands() const { return !commands_.empty(); }
    // Whether any part, the global one or a command's, has it.
    bool anyPart(bool (RVOptionPart::*has)() const) const
    {
        bool any = (global_.*has)();
        for (const RVOptionPart& command : commands_) {
            any = any || (command.*has)();
        }
        return any;
    }
    const RVOptionPart& part(int index) const
    {
        return index == globalPart ? global_ : commands_[static_cast<std::size_t>(index - 1)];
    }
    // The part of the command with this exact name, or none.
    int findCommand(std::string_view name) const;

    // The global part's, for the many readers of a tool without commands.
    std::span<const RVOptionSpec> options() const { return global_.options(); }
    std::span<const RVOperandSpec> operands() const { return global_.operands(); }
    std::size_t operandMinimum() const { return global_.operandMinimum(); }
    bool checksValues() const { return global_.checksValues(); }
    const RVOptionSpec& option(int index) const { return global_.option(index); }
    int findLong(std::string_view name) const { return global_.findLong(name); }
    int findLongBeforeEquals(std::string_view text) const
    {
        return global_.findLongBeforeEquals(text);
    }
    int findShort(char letter) const { return global_.findShort(letter); }
    int helpIndex() const { return global_.helpIndex(); }
    int versionIndex() const { return global_.versionIndex(); }
    int verboseIndex() const { return global_.verboseIndex(); }

private:
    struct Pending;

    // Indexes the part's last option, read with these traits.
    [[gnu::always_inline]] inline void placeOption(RVOptionPart& part, int partIndex,
                                                   const rv::detail::RVOptionTraits& traits,
                                                   Pending& pending);
    void addCommand(const rv::detail::RVCommandEntry& entry, std::size_t index);
    void readCommandParts(Pending& pending, bool appHasOptionsRule);
    void linkExclusions(Pending& pending);

    std::vector<RVDefinition> definitions_;
    RVDefinition appDefinition_;
    RVAppInfo app_;
    RVOptionPart global_;
    std::vector<RVOptionPart> commands_;
};
