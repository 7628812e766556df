// RVOptionTable: the option definitions and the app definition that the
// service is built from, checked once at construction and kept in the shape
// that the parser and the text renderers read. A table that breaks the rules
// is a programming error and throws RVDefinitionError.
#pragma once

#include <varnock/cmdline/RVDefinitionError.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
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

// One option, as views into the definition it was read from.
struct RVOptionSpec
{
    std::string_view name;
    std::string_view shortForm; // "-x", or empty when the option has none
    std::string_view longForm;  // "--" followed by the name
    std::string_view argument;  // the value's placeholder, when takesValue
    std::string_view help;
    bool takesValue = false;
    RVValueCheck check; // anything for an option that takes no value
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

    std::size_t minimum() const { return optional ? 0 : 1; }
};

// The app definition's four texts; a missing "run-as" or "copyright" is empty.
struct RVAppInfo
{
    std::string_view version;
    std::string_view executable;
    std::string_view runAs;
    std::string_view copyright;

    // The name for messages: the name the program was invoked by, or the
    // executable's name when that is empty.
    std::string_view displayName() const { return runAs.empty() ? executable : runAs; }
};

class RVOptionTable
{
public:
    static constexpr int none = -1;

    RVOptionTable(std::vector<RVDefinition> commandLineDefinition, RVDefinition appDefinition);

    // The views point into the owned definitions, so a copy would dangle.
    RVOptionTable(const RVOptionTable&) = delete;
    RVOptionTable& operator=(const RVOptionTable&) = delete;
    RVOptionTable(RVOptionTable&&) = default;
    RVOptionTable& operator=(RVOptionTable&&) = default;

    std::span<const RVOptionSpec> options() const { return options_; }
    // In table order; empty for a tool that takes no operand.
    std::span<const RVOperandSpec> operands() const { return operands_; }
    // The number of words the operands need at least, all of them together.
    std::size_t operandMinimum() const { return operandMinimum_; }
    // Whether any option checks its value (an "accepts" key).
    bool checksValues() const { return checksValues_; }
    const RVOptionSpec& option(int index) const
    {
        return options_[static_cast<std::size_t>(index)];
    }
    const RVAppInfo& app() const { return app_; }

    // Index of the option with this exact long name (without dashes), or none.
    int findLong(std::string_view name) const;
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
                text.starts_with(name)) {
                return index;
            }
        }
        return none;
    }
    // Index of the option whose short form is this letter, or none.
    int findShort(char letter) const { return shortIndex_[static_cast<unsigned char>(letter)]; }

    // The standard options, known by name here and nowhere else; none when
    // the table does not define them.
    int helpIndex() const { return helpIndex_; }
    int versionIndex() const { return versionIndex_; }
    int verboseIndex() const { return verboseIndex_; }

private:
    // Throws for operands that clash with an option or with each other, or
    // whose order leaves the split of the words ambiguous.
    void checkOperands(const std::vector<std::size_t>& positions);

    // Where the index of the standard option of this name goes, or null.
    int* standardIndexFor(std::string_view name);

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

    std::vector<RVDefinition> definitions_;
    RVDefinition appDefinition_;
    std::vector<RVOptionSpec> options_;
    std::vector<RVOperandSpec> operands_;
    std::size_t operandMinimum_ = 0;
    bool checksValues_ = false;
    RVAppInfo app_;
    // Every entry none until an option claims it.
    template <std::size_t Size> static constexpr std::array<int, Size> noOptions()
    {
        std::array<int, Size> indexes{};
        indexes.fill(none);
        return indexes;
    }

    std::array<int, 256> shortIndex_ = noOptions<256>();
    // The options chained by the bucket of their name: longHead_ holds the
    // last one defined in each bucket, longNext_ the one before it.
    std::array<int, bucketCount> longHead_ = noOptions<bucketCount>();
    std::vector<int> longNext_;
    int helpIndex_ = none;
    int versionIndex_ = none;
    int verboseIndex_ = none;
};
