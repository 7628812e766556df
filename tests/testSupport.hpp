// What the tests share, written once: rows that print and name themselves,
// argument vectors built from strings, the service's own small option table,
// readable option values, and a scratch folder to run shells in.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include <varnock/cmdline/RVOptionValue.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The base of every table row: `struct ParseCase : NamedRow<ParseCase> {...}`
// with rows written {{"name"}, ...}. A failing row prints as its name, and
// rowName names each instantiated test after its row.
template <class Row> struct NamedRow
{
    const char* name;

    friend void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }
};

inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// Runs action, which must throw RVDefinitionError with complaint in its message.
template <class Action> void expectDefinitionError(const Action& action, std::string_view complaint)
{
    try {
        action();
        ADD_FAILURE() << "no RVDefinitionError; expected one saying: " << complaint;
    } catch (const RVDefinitionError& error) {
        EXPECT_NE(std::string_view(error.what()).find(complaint), std::string_view::npos)
            << error.what();
    }
}

// An argument vector whose pointers stay valid as long as the object lives,
// and whose bytes are overwritten before they are freed, so that anything
// still viewing them reads garbage instead of what it expects.
class ArgumentVector
{
public:
    ArgumentVector(std::string programName, const std::vector<std::string>& words)
        : words_{std::move(programName)}
    {
        words_.insert(words_.end(), words.begin(), words.end());
        for (const std::string& word : words_) {
            pointers_.push_back(word.c_str());
        }
        pointers_.push_back(nullptr);
    }
    ArgumentVector(const ArgumentVector&) = delete;
    ArgumentVector& operator=(const ArgumentVector&) = delete;
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

// The service's tests use this table rather than a tool's: the three
// standard options, another flag, options that take a value with and
// without a short form, a capital short form, a long name that is a prefix
// of another, and a list of words as a placeholder.
// clang-format off
inline std::vector<RVDefinition> testDefinitions()
{
    return {
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the command line was read"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", "says nothing"}},
        {{"name", "file"}, {"short", "-f"}, {"long", "--file"}, {"argument", "filename"}, {"help", "reads a file"}},
        {{"name", "file-name"}, {"long", "--file-name"}, {"argument", "name"}, {"help", "names the entry to read"}},
        {{"name", "format"}, {"short", "-F"}, {"long", "--format"}, {"argument", "{text (default) | json}"}, {"help", "sets the output format"}},
    };
}
// clang-format on

// A tool shaped like most of the set's: file operands, options that may
// stand after them, and values the service checks.
// clang-format off
inline std::vector<RVDefinition> operandDefinitions()
{
    return {
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the command line was read"}},
        {{"name", "count"}, {"short", "-n"}, {"long", "--count"}, {"argument", "N"}, {"accepts", "integer 1..1000"}, {"help", "stops after N packets"}},
        {{"name", "format"}, {"short", "-o"}, {"long", "--format"}, {"argument", "{text (default) | csv | json}"}, {"accepts", "choice"}, {"help", "sets the output format"}},
        {{"name", "cache"}, {"short", "-c"}, {"long", "--cache"}, {"argument", "filename"}, {"help", "keeps results in a file"}},
        {{"name", "file"}, {"operand", "FILE..."}, {"help", "a capture to read"}},
    };
}
// clang-format on

inline RVOptionTable operandTable(const char* runAs = "hexcut")
{
    return RVOptionTable(operandDefinitions(),
                         {{"version", "1.0"}, {"executable", "hexcut"}, {"run-as", runAs}});
}

// A tool with the keys that change how a line is read: a -v of its own, an
// optional value with and without a short form, options that exclude each
// other, and operands named other than FILE.
// clang-format off
inline RVOptionTable capconvTable(const char* runAs = "capconv")
{
    return RVOptionTable({
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"standard", "no"}, {"help", "says more"}},
        {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "{always | never}"}, {"accepts", "choice"}, {"optional", "always"}, {"excludes", "quiet"}, {"help", "colours it"}},
        {{"name", "level"}, {"long", "--level"}, {"argument", "N"}, {"accepts", "integer 0..9"}, {"optional", "1"}, {"help", "sets the level"}},
        {{"name", "tag"}, {"short", "-T"}, {"long", "--tag"}, {"argument", "TAG"}, {"optional", "x"}, {"help", "tags it"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", "says nothing"}},
        {{"name", "append"}, {"short", "-a"}, {"long", "--append"}, {"excludes", "truncate"}, {"help", "adds"}},
        {{"name", "truncate"}, {"short", "-t"}, {"long", "--truncate"}, {"help", "empties"}},
        {{"name", "source"}, {"operand", "SOURCE..."}, {"help", "what to convert"}},
        {{"name", "dest"}, {"operand", "DEST"}, {"help", "where to"}}},
        {{"version", "1.0"}, {"executable", "capconv"}, {"run-as", runAs}, {"description", "converts captures"}});
}

// A tool with commands: global options, a command that permutes, one with
// an operand, and one whose options come before its operands.
inline RVOptionTable sigctlTable(const char* runAs = "sigctl")
{
    return RVOptionTable({
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the line was read"}},
        {{"name", "socket"}, {"short", "-S"}, {"long", "--socket"}, {"argument", "PATH"}, {"help", "talks to PATH"}},
        {{"name", "list"}, {"command", "list"}, {"help", "lists the links"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "list"}, {"help", "the links that are down too"}},
        {{"name", "show"}, {"command", "show"}, {"help", "shows one link"}},
        {{"name", "all"}, {"short", "-S"}, {"long", "--all"}, {"of", "show"}, {"help", "every key"}},
        {{"name", "link"}, {"operand", "LINK"}, {"of", "show"}, {"help", "the link"}},
        {{"name", "set"}, {"command", "set"}, {"options", "before-operands"}, {"help", "sets a key of a link"}},
        {{"name", "force"}, {"short", "-f"}, {"long", "--force"}, {"of", "set"}, {"help", "even while it is up"}},
        {{"name", "retries"}, {"short", "-r"}, {"long", "--retries"}, {"argument", "N"}, {"accepts", "integer -1.."}, {"of", "set"}, {"help", "tries again"}},
        {{"name", "link"}, {"operand", "LINK"}, {"of", "set"}, {"help", "the link"}},
        {{"name", "key"}, {"operand", "KEY"}, {"of", "set"}, {"help", "the key"}},
        {{"name", "value"}, {"operand", "VALUE"}, {"of", "set"}, {"help", "its value"}}},
        {{"version", "1.0"}, {"executable", "sigctl"}, {"run-as", runAs}});
}
// clang-format on

inline RVDefinition testApp(const char* runAs = "tl")
{
    return {{"version", "2.0"},
            {"executable", "tl"},
            {"run-as", runAs},
            {"copyright", "(C) the tl developers"}};
}

inline RVOptionTable testTable(const char* runAs = "tl")
{
    return RVOptionTable(testDefinitions(), testApp(runAs));
}

// A list of texts, as the parser delivers the values of an option.
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
    if (const auto text = value.asText()) {
        *out << '"' << *text << '"';
    } else if (const auto number = value.asNumber()) {
        *out << *number;
    } else if (const auto* items = value.asList()) {
        *out << '[';
        for (const RVOptionValue& item : *items) {
            *out << ' ';
            PrintTo(item, out);
        }
        *out << " ]";
    } else if (const auto* entries = value.asMap()) {
        *out << '{';
        for (const auto& [key, item] : *entries) {
            *out << ' ' << key << ": ";
            PrintTo(item, out);
        }
        *out << " }";
    } else {
        *out << "null";
    }
}

// The text as one word of a POSIX shell command line.
inline std::string singleQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A scratch folder, removed with the object, to write files and run shells in.
class ShellFolder
{
public:
    ShellFolder()
    {
        char pattern[] = "/tmp/varnockTest.XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ShellFolder(const ShellFolder&) = delete;
    ShellFolder& operator=(const ShellFolder&) = delete;
    ~ShellFolder() { std::filesystem::remove_all(path_); }

    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(path_ + '/' + name) << text;
    }

    bool holds(const std::string& name) const
    {
        return std::filesystem::exists(path_ + '/' + name);
    }

    // The lines that the command writes on both streams, run in the folder;
    // a command that fails is a test failure.
    std::vector<std::string> run(const std::string& command) const
    {
        FILE* pipe = popen(("cd '" + path_ + "' && " + command + " 2>&1").c_str(), "r");
        std::string output;
        char buffer[4096];
        for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, got);
        }
        EXPECT_EQ(pclose(pipe), 0) << command << "\n" << output;
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(output.substr(start, end - start));
        }
        return lines;
    }

private:
    std::string path_;
};

// A table whose words and help lines hold everything a shell might act on,
// for the completion scripts.
inline const std::vector<std::string> hostileWords = {
    "it's", "$(touch${IFS}pwned)", "back\\slash", "\"dq\"", "*", "=eq"};
inline const std::string hostileHelp = "it's \"quoted\" $HOME `touch pwned` [x]: y\\z";

inline RVOptionTable hostileTable()
{
    std::string placeholder = "{";
    for (const std::string& word : hostileWords) {
        placeholder += (placeholder.size() == 1 ? "" : " | ") + word;
    }
    placeholder.insert(placeholder.find(" | "), " (default)");
    // clang-format off
    return RVOptionTable(
        {{{"name", "mode"}, {"short", "-m"}, {"long", "--mode"}, {"argument", placeholder + "}"}, {"help", hostileHelp}},
         {{"name", "file"}, {"short", "-F"}, {"long", "--file"}, {"argument", "filename"}, {"help", hostileHelp}},
         {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", hostileHelp}}},
        {{"executable", "my-tool"}, {"version", "1"}});
    // clang-format on
}

// Tables of every shape a completion script must be valid for: with and
// without options that take a value, operands of files and of other words.
inline std::vector<RVOptionTable> completionShapes()
{
    std::vector<RVOptionTable> tables;
    tables.push_back(hostileTable());
    tables.push_back(testTable());
    tables.push_back(operandTable());
    // clang-format off
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "quiet"}, {"long", "--quiet"}, {"help", "says nothing"}}},
        RVDefinition{{"executable", "flags"}, {"version", "1"}});
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "name"}, {"long", "--name"}, {"argument", "NAME"}, {"help", "names it"}},
        {{"name", "source"}, {"operand", "[SOURCE]"}, {"help", "where from"}},
        {{"name", "dest"}, {"operand", "filename..."}, {"help", "where to"}}},
        RVDefinition{{"executable", "copy"}, {"version", "1"}});
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "pattern"}, {"operand", "PATTERN"}, {"help", "what to find"}},
        {{"name", "file"}, {"operand", "[FILE]"}, {"help", "where to look"}}},
        RVDefinition{{"executable", "find-one"}, {"version", "1"}});
    // A -v of the tool's own, optional values, exclusions, "complete", and
    // options before the operands.
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"standard", "no"}, {"help", "says more"}},
        {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "{always | it's}"}, {"optional", "always"}, {"help", "colours it"}},
        {{"name", "level"}, {"long", "--level"}, {"argument", "N"}, {"optional", "3"}, {"accepts", "integer 0..9"}, {"help", "sets the level"}},
        {{"name", "spool"}, {"long", "--spool"}, {"argument", "DIR"}, {"complete", "directory"}, {"help", "where to work"}},
        {{"name", "append"}, {"short", "-a"}, {"long", "--append"}, {"excludes", "truncate level"}, {"help", "adds"}},
        {{"name", "truncate"}, {"short", "-t"}, {"long", "--truncate"}, {"help", "empties"}},
        {{"name", "program"}, {"operand", "PROGRAM"}, {"complete", "file"}, {"help", "what to run"}},
        {{"name", "argument"}, {"operand", "[ARGUMENT]..."}, {"help", "its arguments"}}},
        RVDefinition{{"executable", "wrap"}, {"version", "1"}, {"options", "before-operands"}});
    // Commands: global options, a command without operands, one with a
    // directory operand and options before its operands.
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "socket"}, {"short", "-S"}, {"long", "--socket"}, {"argument", "filename"}, {"help", "where to talk"}},
        {{"name", "list"}, {"command", "list"}, {"help", "lists them"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "list"}, {"help", "all of them"}},
        {{"name", "move"}, {"command", "move"}, {"options", "before-operands"}, {"help", "moves one"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "move"}, {"help", "and its copies"}},
        {{"name", "mode"}, {"short", "-m"}, {"long", "--mode"}, {"argument", "{fast | it's}"}, {"of", "move"}, {"help", "how"}},
        {{"name", "into"}, {"operand", "DIR"}, {"complete", "directory"}, {"of", "move"}, {"help", "where to"}}},
        RVDefinition{{"executable", "ctl"}, {"version", "1"}});
    // clang-format on
    return tables;
}

// The script that render writes for every table shape passes check, the
// shell's own reading of it, without a word.
template <class Render> void expectValidForEveryShape(Render render, const std::string& check)
{
    const ShellFolder folder;
    for (const RVOptionTable& table : completionShapes()) {
        const std::string name(table.app().executable);
        folder.write(name, render(table));
        EXPECT_EQ(folder.run(check + ' ' + name), std::vector<std::string>{}) << name;
    }
}
