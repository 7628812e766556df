// One part of a line read on its own: a table's only part, or in a table
// with commands its global part and then the command's. RVParser.cpp puts
// the line together from its parts, and is the one file that includes this:
// compiled in one unit, the reading of a part is inlined where the line is
// read, and a start touches no more pages of code than it runs.
#pragma once

#include "cmdline/RVInteger.hpp"
#include "cmdline/RVParser.hpp"
#include "cmdline/RVTextStore.hpp"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <span>
#include <utility>

namespace rv {

// Where a part stands in the line, and so how it is read.
struct RVPartContext
{
    // Readings start at the first word rather than after the word that
    // gives the first verbose option.
    bool recordFromStart = false;
    // The whole of the part's words, whose operands are split; false for
    // the words read again before the verbose option.
    bool wholeLine = true;
    // The global part of a table with commands: it ends at the first word
    // that is no option, the command.
    bool stopAtCommand = false;
    // For a command's part: the global part, whose options are named in
    // the error for one given after the command.
    const RVOptionPart* global = nullptr;
};

struct RVPartParse
{
    RVParseResult result;
    // Where the command stands, for the global part of a table with
    // commands: past the end when the line names none.
    std::size_t commandAt;
    bool verboseSeen;
};

namespace detail {

// rich: whether any option of the part checks its value, has an optional
// value or excludes another. A part that has none, such as varnock's, reads
// its values without asking.
template <bool rich> class RVPartParser
{
public:
    RVPartParser(const RVOptionPart& part, std::span<const char* const> arguments,
                 const RVPartContext& reading = {})
        : part_(part), arguments_(arguments), reading_(reading),
          recording_(reading.recordFromStart), collected_(part.options().size())
    {}

    RVParseResult run()
    {
        for (next_ = 0; next_ < arguments_.size();) {
            const std::size_t first = next_;
            if (verboseSeen_ && !recording_) {
                startRecording(first);
            }
            const std::string_view word = arguments_[next_++];
            if (word.size() < 2 || word[0] != '-') { // a lone "-" too
                if (reading_.stopAtCommand) {
                    commandAt_ = first;
                    break;
                }
                takeOperand(first, word);
            } else if (word[1] != '-') {
                readShortCluster(first, word);
            } else if (word.size() > 2) {
                readLong(first, word);
            } else {
                record(first, RVOptionTable::none, std::nullopt);
                if (reading_.stopAtCommand) {
                    commandAt_ = next_;
                    break;
                }
                readOperands();
            }
        }
        return finish();
    }

    std::size_t commandAt() const { return commandAt_; }
    bool verboseSeen() const { return verboseSeen_; }

private:
    // A word that is not an option: the operands' once the line is read, or
    // an error at once for a tool that takes none. Where options come
    // before operands, it ends them.
    void takeOperand(std::size_t argument, std::string_view word)
    {
        if (part_.operands().empty()) {
            fail(RVUsageError::Kind::extraOperand, word);
            if (part_.optionsBeforeOperands()) {
                next_ = arguments_.size();
            }
            return;
        }
        operandArguments_.push_back(argument);
        if (part_.optionsBeforeOperands()) {
            readOperands();
        }
    }

    // After "--" nothing is an option: every word is an operand's.
    void readOperands()
    {
        if (part_.operands().empty()) {
            if (next_ < arguments_.size()) {
                fail(RVUsageError::Kind::extraOperand, arguments_[next_]);
            }
            next_ = arguments_.size();
            return;
        }
        for (; next_ < arguments_.size(); ++next_) {
            operandArguments_.push_back(next_);
        }
    }

    void readLong(std::size_t first, std::string_view word)
    {
        const std::string_view body = word.substr(2);
        const int option = part_.findLongBeforeEquals(body);
        if (option == RVOptionTable::none) {
            unknownLong(word);
            return;
        }
        // Whatever follows the name is "=value".
        const std::size_t nameLength = part_.option(option).name.size();
        const bool joinedValue = body.size() > nameLength;
        if (!part_.option(option).takesValue) {
            if (joinedValue) {
                fail(RVUsageError::Kind::unexpectedValue, word, 0, option);
                return;
            }
            takeFlag(first, option);
            return;
        }
        if (joinedValue) {
            takeValue(first, option, body.substr(nameLength + 1));
        } else if (valueIsOptional(option)) {
            takeValue(first, option, part_.option(option).defaultValue);
        } else if (next_ < arguments_.size()) {
            takeValue(first, option, arguments_[next_++]);
        } else {
            fail(RVUsageError::Kind::missingValue, word, 0, option);
        }
    }

    // A value that is given joined to its option only, or not at all.
    bool valueIsOptional(int option) const
    {
        if constexpr (rich) {
            return part_.option(option).valueIsOptional;
        }
        return false;
    }

    // In a command's part, a global option is worth its own message.
    [[gnu::noinline]] void unknownLong(std::string_view word)
    {
        if (reading_.global != nullptr) {
            const std::string_view body = word.substr(2);
            const int global = reading_.global->findLongBeforeEquals(body);
            if (global != RVOptionTable::none) {
                const std::size_t nameLength = reading_.global->option(global).name.size();
                fail(RVUsageError::Kind::globalOptionAfterCommand, word.substr(0, nameLength + 2),
                     0, global);
                return;
            }
        }
        fail(RVUsageError::Kind::unknownOption, word);
    }

    void readShortCluster(std::size_t first, std::string_view word)
    {
        if (const int option = part_.findSpelledLongName(word.substr(1));
            option != RVOptionTable::none) {
            fail(RVUsageError::Kind::singleDashLongName, word, 0, option);
            return;
        }
        for (std::size_t position = 1; position < word.size(); ++position) {
            const char letter = word[position];
            const int option = part_.findShort(letter);
            if (option == RVOptionTable::none) {
                // Like getopt, go on with the rest of the cluster: "-xh" still asks for help.
                unknownShort(word, letter);
                continue;
            }
            if (!part_.option(option).takesValue) {
                takeFlag(first, option);
                continue;
            }
            if (position + 1 < word.size()) {
                takeValue(first, option, word.substr(position + 1));
            } else if (valueIsOptional(option)) {
                takeValue(first, option, part_.option(option).defaultValue);
            } else if (next_ < arguments_.size()) {
                takeValue(first, option, arguments_[next_++]);
            } else {
                fail(RVUsageError::Kind::missingValue, word, letter, option);
            }
            return;
        }
    }

    void unknownShort(std::string_view word, char letter)
    {
        if (reading_.global != nullptr) [[unlikely]] {
            if (const int global = reading_.global->findShort(letter);
                global != RVOptionTable::none) {
                const char form[] = {'-', letter};
                fail(RVUsageError::Kind::globalOptionAfterCommand, std::string_view(form, 2),
                     letter, global);
                return;
            }
        }
        fail(RVUsageError::Kind::invalidShortOption, word, letter);
    }

    void takeFlag(std::size_t first, int option)
    {
        if (excludedByEarlier(option)) {
            return;
        }
        ++collected_[static_cast<std::size_t>(option)].flagCount;
        if (!action_ && option == part_.helpIndex()) {
            action_ = RVStandardAction::help;
        } else if (!action_ && option == part_.versionIndex()) {
            action_ = RVStandardAction::version;
        } else if (option == part_.verboseIndex()) {
            verboseSeen_ = true; // recording starts with the next word
        }
        record(first, option, std::nullopt);
    }

    // Inlined by force: a long line of inputs spends its time in the loop
    // that calls this, and a call per value costs such a line a sixth more.
    // A value that its option's check refuses is an error and is not kept,
    // so an integer option holds only values that read as numbers.
    [[gnu::always_inline]] void takeValue(std::size_t first, int option, std::string_view value)
    {
        if constexpr (rich) {
            if (part_.option(option).check.kind != RVValueCheck::Kind::anything &&
                !accepted(part_.option(option).check, value)) {
                fail(RVUsageError::Kind::invalidValue, value, 0, option);
                return;
            }
            if (excludedByEarlier(option)) {
                return;
            }
        }
        collected_[static_cast<std::size_t>(option)].add(store_->keep(value));
        record(first, option, value);
    }

    [[gnu::noinline]] static bool accepted(const RVValueCheck& check, std::string_view value)
    {
        return rv::detail::isAccepted(check, value);
    }

    // An option given after one that it cannot be given with is an error at
    // its place; the same option twice is none.
    bool excludedByEarlier(int option)
    {
        if constexpr (rich) {
            for (const int other : part_.option(option).excludes) {
                const Collected& given = collected_[static_cast<std::size_t>(other)];
                if (given.given() || given.flagCount > 0) {
                    fail(RVUsageError::Kind::excludedOption, {}, 0, option, other);
                    return true;
                }
            }
        }
        return false;
    }

    void record(std::size_t first, int option, std::optional<std::string_view> value)
    {
        if (recording_) {
            readings_.push_back({first, next_ - first, option, value});
        }
    }

    // Only the first error is kept, so only the first word is copied: a
    // cluster of many bad letters must not cost its length once per letter.
    void fail(RVUsageError::Kind kind, std::string_view word, char letter = 0,
              int option = RVOptionTable::none, int otherOption = RVOptionTable::none)
    {
        if (!error_) {
            error_ = RVUsageError{kind, std::string(word), letter, option};
            error_->otherOption = otherOption;
            errorEnd_ = next_;
        }
    }

    // How many of the operands' words each operand takes, in table order:
    // too few for the minimums, each in turn takes its minimum while words
    // last, and the first one left short is missing; otherwise an optional
    // one takes a word and a repeatable one all of them, but for what the
    // later ones need, and a word that none takes is extra. The table allows
    // no repeatable operand after another, nor an optional one after it.
    std::vector<std::size_t> splitOperands()
    {
        const std::span<const RVOperandSpec> operands = part_.operands();
        std::vector<std::size_t> counts(operands.size(), 0);
        std::size_t remaining = operandArguments_.size();
        if (remaining < part_.operandMinimum()) {
            for (std::size_t index = 0; index < operands.size(); ++index) {
                counts[index] = std::min(operands[index].minimum(), remaining);
                remaining -= counts[index];
                // Help and version win, and so does any other error.
                if (counts[index] < operands[index].minimum() && !action_ && !error_) {
                    error_ = RVUsageError{RVUsageError::Kind::missingOperand,
                                          std::string(operands[index].word), 0, RVOptionTable::none,
                                          static_cast<int>(index)};
                }
            }
            return counts;
        }
        std::size_t later = part_.operandMinimum();
        for (std::size_t index = 0; index < operands.size(); ++index) {
            later -= operands[index].minimum();
            const std::size_t spare = remaining - later;
            counts[index] = operands[index].repeatable ? spare : std::min<std::size_t>(spare, 1);
            remaining -= counts[index];
        }
        if (remaining > 0) {
            // The first error on the line: an error found in an argument
            // after this word gives way to it.
            const std::size_t argument = operandArguments_[operandArguments_.size() - remaining];
            if (!error_ || argument < errorEnd_) {
                error_ = RVUsageError{RVUsageError::Kind::extraOperand,
                                      std::string(arguments_[argument])};
            }
        }
        return counts;
    }

    // Each operand given words, under its name, as texts kept in the store.
    void addOperands(RVParams& params, const std::vector<std::size_t>& counts)
    {
        std::vector<std::string_view> words;
        words.reserve(operandArguments_.size());
        for (const std::size_t argument : operandArguments_) {
            words.push_back(store_->keep(arguments_[argument]));
        }
        const std::shared_ptr<const void> bytes = store_;
        std::size_t begin = 0;
        for (std::size_t index = 0; index < counts.size(); ++index) {
            if (counts[index] > 0) {
                params.emplace(
                    part_.operands()[index].name,
                    RVOptionValue::textList(std::span(words).subspan(begin, counts[index]), bytes));
            }
            begin += counts[index];
        }
    }

    // One reading for each operand's word, in the order of the arguments.
    std::vector<RVReading> operandReadings(const std::vector<std::size_t>& counts) const
    {
        std::vector<RVReading> readings;
        readings.reserve(operandArguments_.size());
        std::size_t next = 0;
        for (std::size_t index = 0; index < counts.size(); ++index) {
            for (std::size_t word = 0; word < counts[index]; ++word, ++next) {
                readings.push_back({operandArguments_[next], 1, RVOptionTable::none, std::nullopt,
                                    static_cast<int>(index)});
            }
        }
        return readings;
    }

    void startRecording(std::size_t first)
    {
        recording_ = true;
        recordingFrom_ = first;
    }

    RVParseResult finish()
    {
        if (verboseSeen_ && !recording_) {
            startRecording(arguments_.size()); // the verbose option was in the last word
        }
        RVParseResult result;
        std::vector<std::size_t> operandCounts;
        if (reading_.wholeLine && !part_.operands().empty()) [[unlikely]] {
            operandCounts = splitOperands();
            addOperands(result.params, operandCounts);
        }
        const std::shared_ptr<const void> bytes = std::move(store_);
        for (std::size_t index = 0; index < collected_.size(); ++index) {
            const RVOptionSpec& definition = part_.options()[index];
            Collected& collected = collected_[index];
            if (rich && definition.check.kind == RVValueCheck::Kind::integer && collected.given()) {
                result.params.emplace(definition.name, numbers(collected.all()));
                collected.values = {};
            } else if (definition.takesValue && collected.given()) {
                result.params.emplace(definition.name,
                                      RVOptionValue::textList(collected.all(), bytes));
                collected.values = {};
            } else if (collected.flagCount > 0) {
                result.params.emplace(definition.name, RVOptionValue::number(collected.flagCount));
            }
        }
        result.action = action_;
        result.error = std::move(error_);
        if (recording_ && !result.action && !result.error) {
            result.readings = readingsBeforeRecording();
            result.readings.insert(result.readings.end(), readings_.begin(), readings_.end());
            if (!operandCounts.empty()) {
                // The operands' words among the options, where they stand
                // on the line, each as the operand that the split gave it to.
                const std::vector<RVReading> options = std::move(result.readings);
                const std::vector<RVReading> operands = operandReadings(operandCounts);
                result.readings.clear();
                result.readings.reserve(options.size() + operands.size());
                std::merge(options.begin(), options.end(), operands.begin(), operands.end(),
                           std::back_inserter(result.readings),
                           [](const RVReading& left, const RVReading& right) {
                               return left.firstArgument < right.firstArgument;
                           });
            }
        }
        return result;
    }

    // The values of an integer option, every one checked as it was read.
    static RVOptionValue numbers(std::span<const std::string_view> texts)
    {
        RVOptionValue::List items;
        items.reserve(texts.size());
        for (const std::string_view text : texts) {
            items.push_back(RVOptionValue::number(rv::detail::readInteger(text).value));
        }
        return RVOptionValue::list(std::move(items));
    }

    // The words up to the one that gave the first verbose option were read
    // before the report was asked for, so they alone are read once more,
    // for it: on a line that starts with -v, that one word. They end where a
    // reading ends, so on their own they read the same.
    std::vector<RVReading> readingsBeforeRecording() const
    {
        if (recordingFrom_ == 0) {
            return {};
        }
        RVPartContext again = reading_;
        again.recordFromStart = true;
        again.wholeLine = false;
        return RVPartParser(part_, arguments_.first(recordingFrom_), again).run().readings;
    }

    const RVOptionPart& part_;
    std::span<const char* const> arguments_;
    RVPartContext reading_;
    bool recording_;
    bool verboseSeen_ = false;
    std::size_t recordingFrom_ = 0; // the first word read with recording on
    std::vector<RVReading> readings_;
    std::shared_ptr<RVTextStore> store_ = std::make_shared<RVTextStore>();
    // What each option was given, by its index in the table.
    struct Collected
    {
        // Most options are given once: their one value needs no vector. Null
        // until the option is given: the store hands out no null views.
        std::string_view first;               // into store_
        std::vector<std::string_view> values; // into store_, all of them once given twice
        std::int64_t flagCount = 0;           // for an option that takes no value

        bool given() const { return first.data() != nullptr; }

        // The loop that reads a long line of inputs runs through here once
        // per value: with room in the vector, it is one store, and the rest
        // stays out of that loop.
        void add(std::string_view value)
        {
            if (values.size() == values.capacity()) [[unlikely]] {
                addWithoutRoom(value);
                return;
            }
            values.push_back(value);
        }

        [[gnu::noinline]] void addWithoutRoom(std::string_view value)
        {
            if (!given()) {
                first = value;
                return;
            }
            if (values.empty()) {
                // An option given more than once is mostly given a few
                // times: one allocation for those, not one per doubling.
                values.reserve(4);
                values.push_back(first);
            } else {
                values.reserve(2 * values.size());
            }
            values.push_back(value);
        }

        std::span<const std::string_view> all() const
        {
            return values.empty() ? std::span(&first, given() ? 1 : 0)
                                  : std::span<const std::string_view>(values);
        }
    };
    std::vector<Collected> collected_;
    // The words that are not options, by their index among the arguments.
    std::vector<std::size_t> operandArguments_;
    std::size_t next_ = 0;
    std::size_t commandAt_ = static_cast<std::size_t>(-1);
    std::size_t errorEnd_ = 0; // where the words of the error end
    std::optional<RVStandardAction> action_;
    std::optional<RVUsageError> error_;
};

template <bool rich>
RVPartParse readPart(const RVOptionPart& part, std::span<const char* const> arguments,
                     const RVPartContext& context)
{
    RVPartParser<rich> parser(part, arguments, context);
    return {parser.run(), parser.commandAt(), parser.verboseSeen()};
}

} // namespace detail

inline RVPartParse parsePart(const RVOptionPart& part, std::span<const char* const> arguments,
                             const RVPartContext& context = {})
{
    if (part.checksValues() || part.hasOptionalValues() || part.hasExclusions()) {
        return detail::readPart<true>(part, arguments, context);
    }
    return detail::readPart<false>(part, arguments, context);
}

} // namespace rv
