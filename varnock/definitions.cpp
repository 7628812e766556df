#include "varnock/definitions.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

// One definition's entries, sorted by key when the program is compiled, so
// that at run time each goes in at the end of its map: no search, one
// compare, and every text's length known without scanning it.
struct Row
{
    std::array<Entry, 5> entries{}; // room for every key an option may have
    std::size_t size = 0;

    consteval Row(std::initializer_list<Entry> written)
    {
        std::copy(written.begin(), written.end(), entries.begin());
        size = written.size();
        std::sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(size),
                  [](const Entry& left, const Entry& right) { return left.first < right.first; });
    }
};

// The eight options, in the order the help screen shows them, one to a line.
// clang-format off
constexpr Row options[] = {
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

// Entries already in key order, each made once, in place, at the map's end.
void fill(std::map<std::string, std::string>& definition, std::span<const Entry> entries)
{
    for (const auto& [key, value] : entries) {
        definition.emplace_hint(definition.end(), key, value);
    }
}

} // namespace

std::map<std::string, std::string> makeAppDefinition(const char* runAs)
{
    // In key order (see fill).
    const Entry entries[] = {
        {"copyright", "Copyright (C) 2026 The varnock developers. All rights reserved."},
        {"executable", "varnock"},
        {"run-as", runAs != nullptr ? runAs : "varnock"},
        {"version", VARNOCK_VERSION},
    };
    std::map<std::string, std::string> app;
    fill(app, entries);
    return app;
}

std::vector<std::map<std::string, std::string>> makeCommandLineDefinition()
{
    std::vector<std::map<std::string, std::string>> definitions(std::size(options));
    for (std::size_t index = 0; index < std::size(options); ++index) {
        fill(definitions[index], std::span(options[index].entries).first(options[index].size));
    }
    return definitions;
}
