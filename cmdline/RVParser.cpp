#include "cmdline/RVParser.hpp"

#include "cmdline/RVTextStore.hpp"

#include <memory>
#include <utility>

namespace {

class Parser
{
public:
    // Where readings start: after the word that gives the first verbose
    // option, or at the first word.
    enum class Recording
    {
        fromVerbose,
        fromStart
    };

    Parser(const RVOptionTable& table, std::span<const char* const> arguments,
           Recording recording = Recording::fromVerbose)
        : table_(table), arguments_(arguments), recording_(recording == Recording::fromStart),
          collected_(table.options().size())
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
                fail(RVUsageError::Kind::extraOperand, word);
            } else if (word[1] != '-') {
                readShortCluster(first, word);
            } else if (word.size() > 2) {
                readLong(first, word);
            } else {
                record(first, RVOptionTable::none, std::nullopt);
                readOperands();
            }
        }
        return finish();
    }

private:
    // After "--" nothing is an option, and the tool takes no operands.
    void readOperands()
    {
        if (next_ < arguments_.size()) {
            fail(RVUsageError::Kind::extraOperand, arguments_[next_]);
        }
        next_ = arguments_.size();
    }

    void readLong(std::size_t first, std::string_view word)
    {
        const std::string_view body = word.substr(2);
        const int option = table_.findLongBeforeEquals(body);
        if (option == RVOptionTable::none) {
            fail(RVUsageError::Kind::unknownOption, word);
            return;
        }
        // Whatever follows the name is "=value".
        const std::size_t nameLength = table_.option(option).name.size();
        const bool joinedValue = body.size() > nameLength;
        if (!table_.option(option).takesValue) {
            if (joinedValue) {
                fail(RVUsageError::Kind::unexpectedValue, word, 0, option);
                return;
            }
            takeFlag(first, option);
            return;
        }
        if (joinedValue) {
            takeValue(first, option, body.substr(nameLength + 1));
        } else if (next_ < arguments_.size()) {
            takeValue(first, option, arguments_[next_++]);
        } else {
            fail(RVUsageError::Kind::missingValue, word, 0, option);
        }
    }

    void readShortCluster(std::size_t first, std::string_view word)
    {
        if (const int option = longNameSpelledBy(word.substr(1)); option != RVOptionTable::none) {
            fail(RVUsageError::Kind::singleDashLongName, word, 0, option);
            return;
        }
        for (std::size_t position = 1; position < word.size(); ++position) {
            const char letter = word[position];
            const int option = table_.findShort(letter);
            if (option == RVOptionTable::none) {
                // Like getopt, go on with the rest of the cluster: "-xh" still asks for help.
                fail(RVUsageError::Kind::invalidShortOption, word, letter);
                continue;
            }
            if (!table_.option(option).takesValue) {
                takeFlag(first, option);
                continue;
            }
            if (position + 1 < word.size()) {
                takeValue(first, option, word.substr(position + 1));
            } else if (next_ < arguments_.size()) {
                takeValue(first, option, arguments_[next_++]);
            } else {
                fail(RVUsageError::Kind::missingValue, word, letter, option);
            }
            return;
        }
    }

    // "-help" or "-input-format=pcap": a long name typed with one dash, which
    // getopt would quietly read as a cluster of short options.
    int longNameSpelledBy(std::string_view body) const
    {
        const int option = table_.findLongBeforeEquals(body);
        return option != RVOptionTable::none && table_.option(option).name.size() > 1
                   ? option
                   : RVOptionTable::none;
    }

    void takeFlag(std::size_t first, int option)
    {
        ++collected_[static_cast<std::size_t>(option)].flagCount;
        if (!action_ && option == table_.helpIndex()) {
            action_ = RVStandardAction::help;
        } else if (!action_ && option == table_.versionIndex()) {
            action_ = RVStandardAction::version;
        } else if (option == table_.verboseIndex()) {
            verboseSeen_ = true; // recording starts with the next word
        }
        record(first, option, std::nullopt);
    }

    // Inlined by force: a long line of inputs spends its time in the loop
    // that calls this, and a call per value costs such a line a sixth more.
    [[gnu::always_inline]] void takeValue(std::size_t first, int option, std::string_view value)
    {
        collected_[static_cast<std::size_t>(option)].add(store_->keep(value));
        record(first, option, value);
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
              int option = RVOptionTable::none)
    {
        if (!error_) {
            error_ = RVUsageError{kind, std::string(word), letter, option};
        }
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
        const std::shared_ptr<const void> bytes = std::move(store_);
        for (std::size_t index = 0; index < collected_.size(); ++index) {
            const RVOptionSpec& definition = table_.options()[index];
            Collected& collected = collected_[index];
            if (definition.takesValue && collected.given()) {
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
        }
        return result;
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
        return Parser(table_, arguments_.first(recordingFrom_), Recording::fromStart)
            .run()
            .readings;
    }

    const RVOptionTable& table_;
    std::span<const char* const> arguments_;
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
    std::size_t next_ = 0;
    std::optional<RVStandardAction> action_;
    std::optional<RVUsageError> error_;
};

} // namespace

RVParseResult rv::parseArguments(const RVOptionTable& table, std::span<const char* const> arguments)
{
    return Parser(table, arguments).run();
}
