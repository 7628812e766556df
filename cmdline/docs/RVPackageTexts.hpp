// The texts of a tool's Debian package that come from the same sources as its
// man page: the description from the page's summary and paragraphs, and the
// copyright file from the app definition.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVManPageTexts.hpp"

#include <string>

namespace rv {

// The summary on the first line, then each paragraph of the description
// wrapped to fit a package manager's 80 columns, an empty line between
// paragraphs: the text that the build hands CPack's DEB generator as
// CPACK_DEBIAN_PACKAGE_DESCRIPTION, which becomes the control file's field.
std::string renderPackageDescription(const RVManPageTexts& texts);

// usr/share/doc/<executable>/copyright: the tool, its version and its
// copyright notice.
std::string renderCopyrightFile(const RVOptionTable& table);

} // namespace rv
