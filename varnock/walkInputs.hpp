// The walk over the inputs, and the step where work on one input attaches.
#pragma once

#include <string_view>
#include <vector>

// The work done on one input, in command-line order: opening it (standard
// input for "-") and checking its packets against the filter attach here.
void processInput(std::string_view input);

// Hands every input to processInput, first to last.
void walkInputs(const std::vector<std::string_view>& inputs);
