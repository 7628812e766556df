// The exit statuses of the command-line service: what a tool built on it
// ends with when the service ends the process, and what its man page lists.
// Status 1 is a failure that is not the command line's fault.
#pragma once

enum class RVExitStatus : int
{
    success = 0,
    failure = 1, // help or version could not be written, or memory ran out
    usageError = 2,
};
