#include "cmdline/RVParser.hpp"

#include <utility>

namespace {

class Parser
{
public:
    Parser(const RVOptionTable& table, std::span<const char* const> arguments,
           std::vector<RVReading>* readings)
        : table_(table), arguments_(arguments), readings_(readings),
          values_(table.options().size()), counts_(table.options().size(), 0)
    {}

    RVParseResult run()
    {
        for (next_ = 0; next_ < arguments_.size();) {
            const std::size_t first = next_;
            const std::string_view word = arguments_[next_++];
            if (word == "--") {
                record(first, RVOptionTable::none, std::nullopt);
                readOperands();
            } else if (word.starts_with("--")) {
                readLong(first, word);
            } else if (word.size() > 1 && word.front() == '-') {
                readShortCluster(first, word);
            } else {
                fail({RVUsageError::Kind::extraOperand, std::string(word)});
            }
        }
        return finish();
    }

private:
    // After "--" nothing is an option, and the tool takes no operands.
    void readOperands()
    {
        if (next_ < arguments_.size()) {
            fail({RVUsageError::Kind::extraOperand, std::string(arguments_[next_])});
        }
        next_ = arguments_.size();
    }

    void readLong(std::size_t first, std::string_view word)
    {
        const std::string_view body = word.substr(2);
        const std::size_t equals = body.find('=');
        const int option = table_.findLong(body.substr(0, equals));
        if (option == RVOptionTable::none) {
            fail({RVUsageError::Kind::unknownOption, std::string(word)});
            return;
        }
        if (!table_.option(option).takesValue) {
            if (equals != std::string_view::npos) {
                fail({RVUsageError::Kind::unexpectedValue, std::string(word), 0, option});
                return;
            }
            take(first, option, std::nullopt);
            return;
        }
        if (equals != std::string_view::npos) {
            take(first, option, body.substr(equals + 1));
        } else if (next_ < arguments_.size()) {
            take(first, option, std::string_view(arguments_[next_++]));
        } else {
            fail({RVUsageError::Kind::missingValue, std::string(word), 0, option});
        }
    }

    void readShortCluster(std::size_t first, std::string_view word)
    {
        if (const int option = longNameSpelledBy(word.substr(1)); option != RVOptionTable::none) {
            fail({RVUsageError::Kind::singleDashLongName, std::string(word), 0, option});
            return;
        }
        for (std::size_t position = 1; position < word.size(); ++position) {
            const char letter = word[position];
            const int option = table_.findShort(letter);
            if (option == RVOptionTable::none) {
                // Like getopt, go on with the rest of the cluster: "-xh" still asks for help.
                fail({RVUsageError::Kind::invalidShortOption, std::string(word), letter});
                continue;
            }
            if (!table_.option(option).takesValue) {
                take(first, option, std::nullopt);
                continue;
            }
            if (position + 1 < word.size()) {
                take(first, option, word.substr(position + 1));
            } else if (next_ < arguments_.size()) {
                take(first, option, std::string_view(arguments_[next_++]));
            } else {
                fail({RVUsageError::Kind::missingValue, std::string(word), letter, option});
            }
            return;
        }
    }

    // "-help" or "-input-format=pcap": a long name typed with one dash, which
    // getopt would quietly read as a cluster of short options.
    int longNameSpelledBy(std::string_view body) const
    {
        const std::string_view name = body.substr(0, body.find('='));
        return name.size() > 1 ? table_.findLong(name) : RVOptionTable::none;
    }

    void take(std::size_t first, int option, std::optional<std::string_view> value)
    {
        const auto index = static_cast<std::size_t>(option);
        ++counts_[index];
        if (value) {
            values_[index].push_back(RVOptionValue::text(std::string(*value)));
        } else if (!action_ && option == table_.helpIndex()) {
            action_ = RVStandardAction::help;
        } else if (!action_ && option == table_.versionIndex()) {
            action_ = RVStandardAction::version;
        }
        record(first, option, value);
    }

    void record(std::size_t first, int option, std::optional<std::string_view> value)
    {
        if (readings_ != nullptr) {
            readings_->push_back({first, next_ - first, option, value});
        }
    }

    void fail(RVUsageError error)
    {
        if (!error_) {
            error_ = std::move(error);
        }
    }

    RVParseResult finish()
    {
        RVParseResult result;
        for (std::size_t index = 0; index < counts_.size(); ++index) {
            if (counts_[index] == 0) {
                continue;
            }
            const RVOptionSpec& spec = table_.options()[index];
            result.params.emplace(spec.name, spec.takesValue
                                                 ? RVOptionValue::list(std::move(values_[index]))
                                                 : RVOptionValue::number(counts_[index]));
        }
        result.action = action_;
        result.error = std::move(error_);
        return result;
    }

    const RVOptionTable& table_;
    std::span<const char* const> arguments_;
    std::vector<RVReading>* readings_;
    std::vector<std::vector<RVOptionValue>> values_;
    std::vector<std::int64_t> counts_;
    std::size_t next_ = 0;
    std::optional<RVStandardAction> action_;
    std::optional<RVUsageError> error_;
};

} // namespace

RVParseResult parseArguments(const RVOptionTable& table, std::span<const char* const> arguments,
                             std::vector<RVReading>* readings)
{
    return Parser(table, arguments, readings).run();
}
