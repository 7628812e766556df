#!/usr/bin/env bash
# The command-line service as another tool of the set takes it: installed
# under a prefix of its own, every public header compiles alone, and the
# header, the pkg-config files and find_package give the library's own
# version, which find_package takes for an older 1.x too; the example
# tool examples/pktcount builds against it with find_package, with
# pkg-config, and with add_subdirectory of this source tree; in each CMake
# build its ctest lists only its own test, which passes, and its install lays
# only its own files, among them a man page and completions that pass
# mandoc and shellcheck.
# Usage: libraryTest.sh BUILD-FOLDER   (a build of this project, tests or not)
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
# shellcheck source=tests/endToEnd/installChecks.sh
source "$source/tests/endToEnd/installChecks.sh"
example=$source/examples/pktcount
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
for header in $(cd "$prefix/include" && find varnock -name '*.hpp'); do
  echo "#include <$header>" | g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror -fsyntax-only \
    -I"$prefix/include" -x c++ - || fail "$header does not compile on its own"
done

# pkg-config: everything g++ needs, from the .pc files alone.
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name varnock-cmdline.pc)")
[[ $(pkg-config --variable=prefix varnock-cmdline) == "$prefix" ]] ||
  fail "varnock-cmdline.pc does not name the install prefix $prefix"

# The library's version, not varnock's, in the header and both .pc files.
# shellcheck source=tests/packaging/versions.sh
source "$source/tests/packaging/versions.sh"
headerVersion=$(g++ -std=c++20 -E -dM -I"$prefix/include" -include varnock/cmdline/RVVersion.hpp \
  -x c++ /dev/null | sed -n 's/^#define VARNOCK_CMDLINE_VERSION "\(.*\)"$/\1/p')
[[ $headerVersion == "$libraryVersion" ]] || fail "RVVersion.hpp gives '$headerVersion'"
for pc in varnock-cmdline varnock-cmdline-docs; do
  [[ $(pkg-config --modversion $pc) == "$libraryVersion" ]] || fail "$pc.pc is not at $libraryVersion"
done
# find_package: this version and the minor one before it, not the next minor
# or major one.
IFS=. read -r major minor _ <<<"$libraryVersion"
asked="$major.$((minor - 1));$major.$minor;$major.$((minor + 1));$((major + 1)).0"
mkdir -p "$scratch/versions"
cat >"$scratch/versions/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(versions LANGUAGES CXX)
foreach(version IN LISTS ASKED)
  find_package(varnock_cmdline ${version} CONFIG QUIET)
  if(varnock_cmdline_FOUND)
    message(STATUS "found ${version}: ${varnock_cmdline_VERSION}")
  else()
    message(STATUS "found ${version}: none")
  endif()
endforeach()
EOF
found=$(cmake -S "$scratch/versions" -B "$scratch/versions/build" -DCMAKE_PREFIX_PATH="$prefix" \
  "-DASKED=$asked" | sed -n 's/^-- found //p' | paste -sd '/')
[[ $found == "$major.$((minor - 1)): $libraryVersion/$major.$minor: $libraryVersion/$major.$((minor + 1)): none/$((major + 1)).0: none" ]] ||
  fail "find_package finds: $found"
# shellcheck disable=SC2046 # pkg-config's words are g++'s arguments
g++ -o "$scratch/pktcount-pc" "$example/main.cpp" "$example/pktcount.cpp" -DPKTCOUNT_VERSION='"0.3.0"' \
  $(pkg-config --cflags --libs varnock-cmdline) || fail "pktcount does not build with pkg-config"
[[ $("$scratch/pktcount-pc" a.hex -o csv -- -b.hex) == $'file,packets\na.hex,0\n-b.hex,0' ]] ||
  fail "the pkg-config build does not run"

# buildExample NAME CMAKE-ARGUMENT...: configures, builds, tests and installs
# the example, and checks what it lists and lays.
buildExample() {
  local name=$1 tree=$scratch/$1 listed laid
  if ! { cmake -S "$example" -B "$tree" "${@:2}" >/dev/null && cmake --build "$tree" -j2 >/dev/null; }; then
    fail "pktcount does not build with $name"
    return
  fi
  listed=$(ctest --test-dir "$tree" -N | sed -n 's/^ *Test *#[0-9]*: //p')
  [[ $listed == pktcount.commandLine ]] || fail "$name: ctest -N lists: $listed"
  ctest --test-dir "$tree" --output-on-failure >/dev/null || fail "$name: pktcount's test fails"
  cmake --install "$tree" --prefix "$scratch/$name-root" >/dev/null
  laid=$(cd "$scratch/$name-root" && find . -type f | sort | paste -sd ' ')
  [[ $laid == "./bin/pktcount ./share/bash-completion/completions/pktcount ./share/fish/vendor_completions.d/pktcount.fish ./share/man/man1/pktcount.1.gz ./share/zsh/site-functions/_pktcount" ]] ||
    fail "$name: installing pktcount lays: $laid"
  gzip -dc "$scratch/$name-root/share/man/man1/pktcount.1.gz" | mandoc -Tlint -W warning ||
    fail "$name: mandoc finds faults in pktcount.1"
  shellcheck "$scratch/$name-root/share/bash-completion/completions/pktcount" ||
    fail "$name: shellcheck finds faults in pktcount's bash completion"
  # Its operands reach the page: the synopsis and a section of their own.
  gzip -dc "$scratch/$name-root/share/man/man1/pktcount.1.gz" | man -l -Tutf8 - 2>/dev/null |
    sed 's/.\x08//g' | grep -Eq '^ +pktcount \[OPTION\]\.\.\. FILE\.\.\.$' ||
    fail "$name: pktcount's synopsis does not show its operands"
  gzip -dc "$scratch/$name-root/share/man/man1/pktcount.1.gz" | grep -q '^\.SH OPERANDS$' ||
    fail "$name: pktcount's page has no OPERANDS section"
  # A value the service checks, and the pattern that only pktcount can.
  local tool=$scratch/$name-root/bin/pktcount
  [[ $("$tool" a.hex -n x 2>&1) == "$tool: invalid argument 'x' for '--max-packets': expected an integer of at least 0"$'\n'* ]] ||
    fail "$name: the service does not check pktcount's count"
  [[ $("$tool" --match='(' a.hex 2>&1) == "$tool: invalid pattern '(' for '--match'"$'\n'* ]] ||
    fail "$name: pktcount does not report its own usage error"
}
buildExample find-package -DCMAKE_PREFIX_PATH="$prefix"
buildExample add-subdirectory -DPKTCOUNT_VARNOCK_SOURCE="$source"
finish
