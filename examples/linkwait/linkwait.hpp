// linkwait's options and operands as data: a wrapper, whose options end at
// the program it runs.
#pragma once

#include <varnock/cmdline/RVCommandLine.hpp>

#include <vector>

std::vector<RVDefinition> makeCommandLineDefinition();
// runAs: the name the program was invoked by; null when argv is empty.
RVDefinition makeAppDefinition(const char* runAs);
