// Writing whole texts to the standard streams, with failures reported to the
// caller rather than lost in a buffer.
#pragma once

#include <string_view>

namespace rv::detail {

// Writes all of text to the file descriptor, going on after partial writes
// and interruptions. False when the descriptor refused it; errno says why.
bool writeAll(int fileDescriptor, std::string_view text);

} // namespace rv::detail
