#!/usr/bin/env bash
# The command-line service as another tool of the set takes it: installed
# under a prefix of its own, every public header compiles alone, and the
# header, the pkg-config files and find_package give the library's own
# version, which find_package takes for an older 1.x too. The example tools
# build against it: pktcount with find_package, with pkg-config and with
# add_subdirectory of this source tree, linkctl (a tool with commands) with
# find_package and add_subdirectory, linkwait (a wrapper, whose options end
# at its first operand) with find_package; in each CMake build ctest lists
# only the example's own test, which passes, and its install lays only its
# own files, among them a man page that passes mandoc and a bash script
# that passes shellcheck. The document generator stops, writing nothing,
# when the name given to varnock_cmdline_add_docs is not the table's
# executable, and leaves no part of its files behind when one cannot be
# written.
# Usage: libraryTest.sh BUILD-FOLDER   (a build of this project, tests or not)
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
# shellcheck source=tests/endToEnd/installChecks.sh
source "$source/tests/endToEnd/installChecks.sh"
examples=$source/examples
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
g++ -o "$scratch/pktcount-pc" "$examples/pktcount/main.cpp" "$examples/pktcount/pktcount.cpp" -DPKTCOUNT_VERSION='"0.4.0"' \
  $(pkg-config --cflags --libs varnock-cmdline) || fail "pktcount does not build with pkg-config"
[[ $("$scratch/pktcount-pc" a.hex -o csv -- -b.hex) == $'file,packets\na.hex,0\n-b.hex,0' ]] ||
  fail "the pkg-config build does not run"

# manOf ROOT TOOL: the installed page as man shows it, without emphasis. It
# is read whole before anything searches it: a grep -q that stops at the
# first match would end the pipe early.
manOf() {
  gzip -dc "$1/share/man/man1/$2.1.gz" | man -l -Tutf8 - 2>/dev/null | sed 's/.\x08//g'
}

# checkTOOL ROOT WHAT: what each installed example must do beyond the
# checks that every example passes.
checkPktcount() {
  local tool=$1/bin/pktcount
  # Its operands reach the page: the synopsis and a section of their own.
  grep -Eq '^ +pktcount \[OPTION\]\.\.\. FILE\.\.\.$' <<<"$(manOf "$1" pktcount)" ||
    fail "$2: pktcount's synopsis does not show its operands"
  gzip -dc "$1/share/man/man1/pktcount.1.gz" | grep -q '^\.SH OPERANDS$' ||
    fail "$2: pktcount's page has no OPERANDS section"
  # A value the service checks, and the pattern that only pktcount can.
  [[ $("$tool" a.hex -n x 2>&1) == "$tool: invalid argument 'x' for '--max-packets': expected an integer of at least 0"$'\n'* ]] ||
    fail "$2: the service does not check pktcount's count"
  [[ $("$tool" --match='(' a.hex 2>&1) == "$tool: invalid pattern '(' for '--match'"$'\n'* ]] ||
    fail "$2: pktcount does not report its own usage error"
  # Its -v is its own: the run goes on and counts.
  [[ $("$tool" -v a.hex 2>&1) == $'pktcount: reading \'a.hex\'\na.hex: 0 packets' ]] ||
    fail "$2: pktcount -v does not count"
}
checkLinkctl() {
  local tool=$1/bin/linkctl
  [[ $(grep -Ec '^ +linkctl \[OPTION\]\.\.\. (list \[OPTION\]\.\.\.|show \[OPTION\]\.\.\. LINK\.\.\.|set \[OPTION\]\.\.\. LINK KEY VALUE)$' <<<"$(manOf "$1" linkctl | sed -n '/^SYNOPSIS$/,/^DESCRIPTION$/p')") == 3 ]] ||
    fail "$2: linkctl's synopsis does not show its three commands"
  [[ $("$tool" set L1 sls -1) == '/run/ss7/links.sock: set L1 sls=-1' ]] ||
    fail "$2: linkctl set does not give -1 to VALUE"
}
checkLinkwait() {
  local tool=$1/bin/linkwait ended=0
  [[ $("$tool" -q printf '%s|' -x --help 2>&1) == '-x|--help|' ]] ||
    fail "$2: linkwait does not hand the words after COMMAND to it"
  [[ $("$tool" --help) == "Usage: $tool [OPTION]... COMMAND [ARG]..."$'\n'* ]] ||
    fail "$2: linkwait's usage line does not show its operands"
  "$tool" -q linkwait-no-such-program 2>/dev/null || ended=$?
  ((ended == 127)) || fail "$2: linkwait ends with $ended for a program not found"
}

# buildExample TOOL HOW TESTS CMAKE-ARGUMENT...: configures, builds, tests
# and installs examples/TOOL, checks what ctest lists (TESTS) and what the
# install lays, its page and its bash script, then what its own check checks.
buildExample() {
  local tool=$1 how=$2 tree=$scratch/$1-$2 root=$scratch/$1-$2-root listed laid
  if ! { cmake -S "$examples/$tool" -B "$tree" "${@:4}" >/dev/null && cmake --build "$tree" -j2 >/dev/null; }; then
    fail "$tool does not build with $how"
    return
  fi
  listed=$(ctest --test-dir "$tree" -N | sed -n 's/^ *Test *#[0-9]*: //p')
  [[ $listed == "$3" ]] || fail "$tool, $how: ctest -N lists: $listed"
  if [[ -n $3 ]]; then
    ctest --test-dir "$tree" --output-on-failure >/dev/null || fail "$tool, $how: its test fails"
  fi
  cmake --install "$tree" --prefix "$root" >/dev/null
  laid=$(cd "$root" && find . -type f | sort | paste -sd ' ')
  [[ $laid == "./bin/$tool ./share/bash-completion/completions/$tool ./share/fish/vendor_completions.d/$tool.fish ./share/man/man1/$tool.1.gz ./share/zsh/site-functions/_$tool" ]] ||
    fail "$tool, $how: installing lays: $laid"
  gzip -dc "$root/share/man/man1/$tool.1.gz" | mandoc -Tlint -W warning ||
    fail "$tool, $how: mandoc finds faults in $tool.1"
  shellcheck "$root/share/bash-completion/completions/$tool" ||
    fail "$tool, $how: shellcheck finds faults in $tool's bash completion"
  case $tool in
  pktcount) checkPktcount "$root" "$tool, $how" ;;
  linkctl) checkLinkctl "$root" "$tool, $how" ;;
  linkwait) checkLinkwait "$root" "$tool, $how" ;;
  esac
}
buildExample pktcount find-package pktcount.commandLine -DCMAKE_PREFIX_PATH="$prefix"
buildExample pktcount add-subdirectory pktcount.commandLine -DPKTCOUNT_VARNOCK_SOURCE="$source"
buildExample linkctl find-package linkctl.commandLine -DCMAKE_PREFIX_PATH="$prefix"
buildExample linkctl add-subdirectory linkctl.commandLine -DLINKCTL_VARNOCK_SOURCE="$source"
buildExample linkwait find-package "" -DCMAKE_PREFIX_PATH="$prefix"

# The generator of a tool named otherwise than its executable: the build
# stops saying so, and no file of the tool's is written. A generator's main
# of the form before the name was passed still builds, and names the files
# after the executable.
misnamed=$scratch/misnamed
mkdir "$misnamed"
cat >"$misnamed/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.25)
project(misnamed LANGUAGES CXX)
find_package(varnock_cmdline 1.18 CONFIG REQUIRED)
add_library(core STATIC $examples/linkwait/linkwait.cpp)
target_compile_definitions(core PRIVATE LINKWAIT_VERSION="0")
target_link_libraries(core PUBLIC varnock::cmdline)
varnock_cmdline_add_docs(ss7-linkwait SOURCES $examples/linkwait/docsDefinitions.cpp
  LIBRARIES core TEXTS $examples/linkwait/manPageTexts.txt NO_INSTALL)
file(WRITE \${CMAKE_BINARY_DIR}/oldMain.cpp "#include <varnock/cmdline/docs/RVToolDocs.hpp>
int main(int argc, char* argv[]) { return rv::generateDocsMain(argc, argv, &rvToolDefinitions); }")
add_executable(old_generate_docs \${CMAKE_BINARY_DIR}/oldMain.cpp $examples/linkwait/docsDefinitions.cpp)
target_link_libraries(old_generate_docs PRIVATE core varnock::cmdline_docs)
EOF
cmake -S "$misnamed" -B "$misnamed/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$misnamed/build" --target old_generate_docs >/dev/null
mkdir "$misnamed/old"
"$misnamed/build/old_generate_docs" "$examples/linkwait/manPageTexts.txt" "$misnamed/old" 2026-12-11 ||
  fail "a generator's main of the old form fails"
[[ -f $misnamed/old/linkwait.1 ]] || fail "a generator's main of the old form does not write linkwait.1"
if built=$(cmake --build "$misnamed/build" 2>&1); then
  fail "the docs of ss7-linkwait build from a table whose executable is linkwait"
fi
grep -qF "varnock_cmdline_add_docs(ss7-linkwait): the app definition's executable is 'linkwait'" <<<"$built" ||
  fail "a misnamed generator does not say so: $built"
written=$(find "$misnamed/build/ss7-linkwait-docs" -mindepth 1 -printf '%f ' 2>/dev/null || true)
[[ -z $written ]] || fail "a misnamed generator writes: $written"

# A file that cannot be written (a folder stands at its name): the ones
# written before it are taken back.
blocked=$scratch/blocked
mkdir -p "$blocked/copyright"
if "$scratch/linkwait-find-package/linkwait_generate_docs" "$examples/linkwait/manPageTexts.txt" \
  "$blocked" 2026-12-11 2>/dev/null; then
  fail "the generator succeeds without writing its copyright file"
fi
written=$(find "$blocked" -mindepth 1 -maxdepth 1 -printf '%f ')
[[ $written == 'copyright ' ]] || fail "a generator that cannot write its last file leaves: $written"
finish
