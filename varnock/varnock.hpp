// The varnock front end, in one include: its identity and options as data,
// the reduction of option values to single texts, the run settings resolved
// from them and the walk over the inputs.
#pragma once

#include "varnock/definitions.hpp"
#include "varnock/getFirst.hpp"
#include "varnock/runSettings.hpp"
#include "varnock/walkInputs.hpp"
