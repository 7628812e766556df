// The fuzz target's other side: a table as glibc's getopt_long takes it, one
// set of long options and a short-options string for each part, and a line
// read with it as a program built on getopt_long would read it, checking
// what getopt_long leaves to the program itself (the number of operands,
// the command).
#pragma once

#include "cmdline/RVParser.hpp"
#include "varnock/runSettings.hpp"

#include <getopt.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// One part's options for getopt_long. longOptions points into names, so a
// copy would dangle; a move keeps the strings where they are.
struct GetoptPart
{
    std::vector<std::string> names;
    std::string shortOptions;
    std::vector<option> longOptions;

    // stopAtOperand: a leading '+', getopt_long ends the options at the
    // first word that is not one.
    GetoptPart(const RVOptionPart& part, bool stopAtOperand);
    GetoptPart(const GetoptPart&) = delete;
    GetoptPart& operator=(const GetoptPart&) = delete;
    GetoptPart(GetoptPart&&) = default;
    GetoptPart& operator=(GetoptPart&&) = default;
};

// A table of the service and the same table for getopt_long, part by part.
struct GetoptTable
{
    RVOptionTable table;
    std::vector<GetoptPart> parts; // by the table's part index
    // Whether the table's options are varnock's, so that the front end's
    // run settings can be compared too.
    bool varnockOptions;

    GetoptTable(std::vector<RVDefinition> definitions, RVDefinition app, bool varnockOptions);
};

struct GetoptReading
{
    // getopt_long's '?', or what the program checks after it: the words
    // left do not fit the operands, or the command is missing or unknown.
    bool error = false;
    RVParams params;
    std::optional<RVStandardAction> action;
    int actionPart = RVOptionTable::globalPart;
    int command = RVOptionTable::none;
    RunSettings settings;                // first occurrence counts, as in the front end
    std::vector<std::string> inputs;     // the bytes that settings.inputs views
    std::set<std::string_view> expanded; // "--verb", read as "--verbose"
    std::set<std::string_view> joined;   // "-fVALUE" and "-input=x", read as -i "nput=x"
};

// argv: the program name, the words and a null pointer; getopt_long
// permutes the words in place.
GetoptReading readWithGetopt(const GetoptTable& known, std::vector<char*>& argv);
