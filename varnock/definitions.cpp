#include "varnock/definitions.hpp"

#include <initializer_list>
#include <utility>

namespace {

using Entry = std::pair<const char*, const char*>;

// The eight options, in the order the help screen shows them, one to a line.
// clang-format off
constexpr std::initializer_list<std::initializer_list<Entry>> options = {
    {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the software version"}},
    {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "enables verbose mode"}},
    {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
    {{"name", OptionName::filter}, {"short", "-f"}, {"long", "--filter"}, {"argument", "filename"},
     {"help", "reads the definition of a filter from a file"}},
    {{"name", OptionName::stagingArea}, {"long", "--staging-area"}, {"argument", "filename"},
     {"help", "reads the definition of filters from a staging area file"}},
    {{"name", OptionName::filterName}, {"long", "--filter-name"}, {"argument", "filter-name"},
     {"help", "specifies which filter to use from the staging area"}},
    {{"name", OptionName::input}, {"short", "-i"}, {"long", "--input"}, {"argument", "filename"},
     {"help", "takes packet input from file or stdin if - is passed as filename"}},
    {{"name", OptionName::inputFormat}, {"long", "--input-format"}, {"argument", "{mtp3-hexstream (default) | pcap}"},
     {"help", "defines the input format"}},
};
// clang-format on

// A definition whose texts are each made once, in place in the map.
std::map<std::string, std::string> definition(std::initializer_list<Entry> entries)
{
    std::map<std::string, std::string> result;
    for (const auto& [key, value] : entries) {
        result.emplace(key, value);
    }
    return result;
}

} // namespace

std::map<std::string, std::string> makeAppDefinition(const char* runAs)
{
    return definition({
        {"version", VARNOCK_VERSION},
        {"executable", "varnock"},
        {"run-as", runAs != nullptr ? runAs : "varnock"},
        {"copyright", "Copyright (C) 2026 The varnock developers. All rights reserved."},
    });
}

std::vector<std::map<std::string, std::string>> makeCommandLineDefinition()
{
    std::vector<std::map<std::string, std::string>> definitions;
    definitions.reserve(options.size());
    for (const std::initializer_list<Entry> option : options) {
        definitions.push_back(definition(option));
    }
    return definitions;
}
