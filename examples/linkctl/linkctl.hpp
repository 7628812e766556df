// linkctl's commands, options and operands as data, and the request it
// sends the link daemon, read from the parsed line.
#pragma once

#include <varnock/cmdline/RVCommandLine.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

std::vector<RVDefinition> makeCommandLineDefinition();
// runAs: the name the program was invoked by; null when argv is empty.
RVDefinition makeAppDefinition(const char* runAs);

struct Request
{
    std::string socket;             // where the daemon listens
    std::string command;            // list, show or set
    bool all = false;               // list: the links out of service too; show: every setting
    std::vector<std::string> links; // show: one or more; set: exactly one
    std::string key;                // set: the setting
    std::string value;              // set: its new value, as typed
    bool atRestart = false;         // set: --when=restart
    std::int64_t retries = 0;       // set: -1 for ever
};

// The request, or, for a setting that linkctl does not know, the usage
// error message to report through the service.
struct RequestOrError
{
    Request request;
    std::optional<std::string> error;
};

RequestOrError readRequest(const RVCommandLine& commandLine);

// The request as one line of the daemon's protocol.
std::string requestLine(const Request& request);
