#include "linkctl.hpp"

#include <algorithm>
#include <array>
#include <string_view>

// One definition to a line, in the order the help screens show them: the
// global options, then each command and the options and operands "of" it.
// set reads its options before its operands only, so that a VALUE of -1 is
// a value and not an option.
// clang-format off
std::vector<RVDefinition> makeCommandLineDefinition()
{
    return {
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen, or a command's"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the software version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the command line was read"}},
        {{"name", "socket"}, {"short", "-S"}, {"long", "--socket"}, {"argument", "PATH"}, {"complete", "file"}, {"help", "talks to the link daemon at PATH instead of /run/ss7/links.sock"}},
        {{"name", "list"}, {"command", "list"}, {"help", "lists the signalling links and their state"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "list"}, {"help", "lists the links out of service too"}},
        {{"name", "show"}, {"command", "show"}, {"help", "shows the settings of links"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "show"}, {"help", "shows every setting, the defaults too"}},
        {{"name", "link"}, {"operand", "LINK..."}, {"of", "show"}, {"help", "a link to show, such as L1"}},
        {{"name", "set"}, {"command", "set"}, {"options", "before-operands"}, {"help", "changes one setting of a link"}},
        {{"name", "when"}, {"short", "-w"}, {"long", "--when"}, {"argument", "{now (default) | restart}"}, {"accepts", "choice"}, {"of", "set"}, {"help", "applies the change at once or at the link's next restart"}},
        {{"name", "retries"}, {"short", "-r"}, {"long", "--retries"}, {"argument", "N"}, {"accepts", "integer -1.."}, {"of", "set"}, {"help", "asks a busy daemon again N times, or for ever with -1"}},
        {{"name", "link"}, {"operand", "LINK"}, {"of", "set"}, {"help", "the link to change"}},
        {{"name", "key"}, {"operand", "KEY"}, {"of", "set"}, {"help", "the setting: sls, priority or t1 to t4"}},
        {{"name", "value"}, {"operand", "VALUE"}, {"of", "set"}, {"help", "its new value, -1 for the daemon's choice"}},
    };
}
// clang-format on

RVDefinition makeAppDefinition(const char* runAs)
{
    return {{"version", LINKCTL_VERSION},
            {"executable", "linkctl"},
            {"run-as", runAs != nullptr ? runAs : "linkctl"},
            {"description", "Lists, shows and changes the signalling links of the link daemon."},
            {"copyright", "Copyright (C) 2026 The varnock developers. All rights reserved."}};
}

namespace {

constexpr std::array<std::string_view, 6> settings = {"sls", "priority", "t1", "t2", "t3", "t4"};

} // namespace

RequestOrError readRequest(const RVCommandLine& commandLine)
{
    RequestOrError result;
    Request& request = result.request;
    const RVParams& params = commandLine.params();
    // The first occurrence of an option counts.
    const auto first = [&params](std::string_view name) -> const RVOptionValue* {
        const auto found = params.find(name);
        return found == params.end() ? nullptr : &found->second.asList()->front();
    };
    const auto words = [&params](std::string_view name) {
        std::vector<std::string> texts;
        if (const auto found = params.find(name); found != params.end()) {
            for (const RVOptionValue& word : *found->second.asList()) {
                texts.emplace_back(*word.asText());
            }
        }
        return texts;
    };
    const RVOptionValue* socket = first("socket");
    request.socket = socket != nullptr ? *socket->asText() : "/run/ss7/links.sock";
    request.command = commandLine.command();
    // list's --all and show's are two options of one name, each of its own
    // command: params holds the chosen command's.
    request.all = params.contains("all");
    request.links = words("link");
    if (request.command != "set") {
        return result;
    }
    // Both are there once the service has let the line through.
    request.key = words("key").at(0);
    request.value = words("value").at(0);
    const RVOptionValue* when = first("when");
    request.atRestart = when != nullptr && *when->asText() == "restart";
    if (const RVOptionValue* retries = first("retries")) {
        request.retries = *retries->asNumber();
    }
    if (std::find(settings.begin(), settings.end(), request.key) == settings.end()) {
        result.error = "unknown setting " + rv::quoted(request.key);
    }
    return result;
}

std::string requestLine(const Request& request)
{
    std::string line = request.command;
    for (const std::string& link : request.links) {
        line.append(" ").append(link);
    }
    if (request.command == "set") {
        line.append(" ").append(request.key).append("=").append(request.value);
        line.append(request.atRestart ? " at-restart" : "");
        if (request.retries != 0) {
            line.append(" retries=").append(std::to_string(request.retries));
        }
    }
    return line + (request.all ? " all\n" : "\n");
}
