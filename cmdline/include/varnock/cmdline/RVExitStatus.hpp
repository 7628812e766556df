// The exit statuses of the command-line service: what a tool built on it
// ends with when the service ends the process, and what its man page lists.
#pragma once

enum class RVExitStatus : int
{
    success = 0,
    outputFailed = 1, // help or version could not be written
    usageError = 2,
};
