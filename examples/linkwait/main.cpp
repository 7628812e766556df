// linkwait: runs a program once the signalling links are in service. The
// waiting itself is not part of this example; it shows a wrapper tool of
// the set on the command-line service, which hands it the program and its
// arguments as they were typed.
#include "linkwait.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char* argv[])
{
    const RVCommandLine commandLine(makeCommandLineDefinition(),
                                    makeAppDefinition(argc > 0 ? argv[0] : nullptr), argc, argv);
    commandLine.handleStandardArguments();
    const RVParams& params = commandLine.params();
    std::vector<std::string> words;
    for (const char* operand : {"command", "arg"}) {
        if (const auto found = params.find(operand); found != params.end()) {
            for (const RVOptionValue& word : *found->second.asList()) {
                words.emplace_back(*word.asText());
            }
        }
    }
    if (!params.contains("quiet")) {
        // The first occurrence of an option counts.
        const auto link = params.find("link");
        const std::string which =
            link == params.end()
                ? "every link is"
                : "link " + rv::quoted(*link->second.asList()->front().asText()) + " is";
        std::fprintf(stderr, "linkwait: %s in service\n", which.c_str());
    }
    std::vector<char*> program;
    for (std::string& word : words) {
        program.push_back(word.data());
    }
    program.push_back(nullptr);
    execvp(program[0], program.data());
    // As env and nohup report it: 127 for a program not found, 126 for one
    // that could not be run.
    const int error = errno;
    std::fprintf(stderr, "linkwait: cannot run %s: %s\n", rv::quoted(words[0]).c_str(),
                 std::strerror(error));
    return error == ENOENT ? 127 : 126;
}
