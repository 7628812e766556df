# Sourced: varnock's version and the command-line service library's, read
# from the top-level CMakeLists.txt, where each is written once, as
# toolVersion and libraryVersion.
# shellcheck shell=bash disable=SC2034 # the sourcing scripts read them
versionsFrom=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/CMakeLists.txt
toolVersion=$(sed -n 's/^project(varnock VERSION \([0-9][0-9.]*\) .*/\1/p' "$versionsFrom")
libraryVersion=$(sed -n 's/^set(VARNOCK_CMDLINE_VERSION \([0-9][0-9.]*\))$/\1/p' "$versionsFrom")
if [[ -z $toolVersion || -z $libraryVersion ]]; then
  echo "FAIL: no version of varnock or of its library in $versionsFrom" >&2
  exit 1
fi
