// Whether the service and getopt_long read a line alike, where the two are
// meant to agree: the fuzz target's verdict on each input.
#pragma once

#include "fuzz/getoptReading.hpp"

bool readingsAgree(const GetoptTable& known, const RVParseResult& result,
                   const GetoptReading& getopt);
