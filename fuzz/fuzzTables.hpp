// The tables the fuzz target compares the service with getopt_long on, and
// the first byte of an input that picks one:
//   0x01 varnock's eight options and an operand "[FILE]...", options among
//        operands (getopt_long permuting);
//   0x02 the same with --color[=WHEN] (-c) and --level[=N], whose values
//        are optional (optional_argument, "c::");
//   0x03 varnock's options and "[FILE]...", the first operand ending the
//        options (options before-operands; a leading '+');
//   0x04 a tool with commands: global options read up to the command with
//        a leading '+', then the command's own options, permuting for list
//        and show, with a '+' for set;
// any other byte: varnock's own table, and the byte is the line's first.
#pragma once

#include "fuzz/getoptReading.hpp"

#include <cstddef>
#include <cstdint>

struct SelectedTable
{
    const GetoptTable& table;
    std::size_t skip; // the selector byte, or none
    const char* name; // for the report of a difference
};

// Built once: building them is most of a run's work.
SelectedTable selectTable(const std::uint8_t* data, std::size_t size);
