// Helpers shared by the unit tests: argument vectors from strings, the real
// option table, and readable printing of option values.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVOptionValue.hpp"
#include "varnock/varnock.hpp"

#include <ostream>
#include <string>
#include <vector>

// An argument vector whose pointers stay valid as long as the object lives.
class ArgumentVector
{
public:
    ArgumentVector(std::vector<std::string> words) : words_(std::move(words))
    {
        for (const std::string& word : words_) {
            pointers_.push_back(word.c_str());
        }
        pointers_.push_back(nullptr);
    }
    ArgumentVector(const ArgumentVector&) = delete;
    // Overwritten before it is freed, so that anything still viewing the
    // arguments reads garbage instead of what it expects.
    ~ArgumentVector()
    {
        for (std::string& word : words_) {
            word.assign(word.size(), '#');
        }
    }

    int argc() const { return static_cast<int>(words_.size()); }
    const char* const* argv() const { return pointers_.data(); }
    // The arguments after the program name, as the parser takes them.
    std::span<const char* const> afterProgramName() const
    {
        return {pointers_.data() + 1, words_.size() - 1};
    }

private:
    std::vector<std::string> words_;
    std::vector<const char*> pointers_;
};

inline RVOptionTable varnockTable(const char* runAs = "varnock")
{
    return RVOptionTable(makeCommandLineDefinition(), makeAppDefinition(runAs));
}

inline RVOptionValue texts(std::initializer_list<const char*> items)
{
    std::vector<RVOptionValue> values;
    for (const char* item : items) {
        values.push_back(RVOptionValue::text(item));
    }
    return RVOptionValue::list(std::move(values));
}

inline void PrintTo(const RVOptionValue& value, std::ostream* out)
{
    switch (value.kind()) {
    case RVOptionValue::Kind::null:
        *out << "null";
        return;
    case RVOptionValue::Kind::text:
        *out << '"' << *value.asText() << '"';
        return;
    case RVOptionValue::Kind::number:
        *out << *value.asNumber();
        return;
    case RVOptionValue::Kind::list:
        *out << '[';
        for (const auto& item : *value.asList()) {
            PrintTo(item, out);
            *out << ' ';
        }
        *out << ']';
        return;
    case RVOptionValue::Kind::map:
        *out << '{';
        for (const auto& [key, item] : *value.asMap()) {
            *out << key << ": ";
            PrintTo(item, out);
            *out << ' ';
        }
        *out << '}';
        return;
    }
}
