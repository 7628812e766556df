#include "varnock/varnock.hpp"

void processInput(const std::string& /*input*/)
{
    // Opening the input and checking its packets against the filter attach here.
}

void walkInputs(const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs) {
        processInput(input);
    }
}
