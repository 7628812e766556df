#include "varnock/walkInputs.hpp"

void processInput(std::string_view /*input*/)
{
    // Opening the input and checking its packets against the filter attach here.
}

void walkInputs(const std::vector<std::string_view>& inputs)
{
    for (const std::string_view input : inputs) {
        processInput(input);
    }
}
