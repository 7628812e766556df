// The command-line service's parse and the front end's resolveRunSettings on
// lines of 10, 1,000 and 100,000 arguments: the time per argument should not
// grow with the length of the line.
#include "cmdline/RVParser.hpp"
#include "varnock/varnock.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// "-i000001", "-i000002", ...: the shape of a long line from a script.
struct InputLine
{
    explicit InputLine(std::int64_t count)
    {
        for (std::int64_t index = 1; index <= count; ++index) {
            std::string word = std::to_string(index);
            words.push_back("-i" + std::string(6 - std::min<std::size_t>(word.size(), 6), '0') +
                            word);
        }
        for (const std::string& word : words) {
            arguments.push_back(word.c_str());
        }
    }

    std::vector<std::string> words;
    std::vector<const char*> arguments;
};

void parse(benchmark::State& state)
{
    const RVOptionTable table(makeCommandLineDefinition(), makeAppDefinition("varnock"));
    const InputLine line(state.range(0));
    for (auto _ : state) {
        RVParseResult result = rv::parseArguments(table, line.arguments);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void resolve(benchmark::State& state)
{
    const RVOptionTable table(makeCommandLineDefinition(), makeAppDefinition("varnock"));
    const InputLine line(state.range(0));
    const RVParseResult parsed = rv::parseArguments(table, line.arguments);
    for (auto _ : state) {
        RunSettings settings = resolveRunSettings(parsed.params);
        benchmark::DoNotOptimize(settings);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(parse)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);
BENCHMARK(resolve)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);
