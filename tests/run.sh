#!/usr/bin/env bash
# Builds and runs every test: the unit and end-to-end tests (the end-to-end
# table once more under valgrind), the generated man page and completions
# through groff, mandoc, man and the shells, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, a seeded run of the fuzz
# target, the Debian packages through lintian, hardening-check and dpkg, a
# distribution-style build, and the command-line service as another tool of
# the set takes it (the tools of examples/). Whatever of their tools is missing
# is installed first with apt-get. Each step's whole output goes to a log in
# build-logs/; one line per step, and a last line that counts every test.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

missing=()
need() { "${@:2}" >/dev/null 2>&1 || missing+=("$1"); }
need cmake command -v cmake
need make command -v make
need g++ command -v g++
need libgtest-dev test -f /usr/include/gtest/gtest.h
need valgrind command -v valgrind
need strace command -v strace
need clang command -v clang++
need libclang-rt-14-dev compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a'
need groff command -v groff
need man-db command -v man
need bsdextrautils command -v col
need zsh command -v zsh
need fish command -v fish
need bash-completion test -f /usr/share/bash-completion/bash_completion
need mandoc command -v mandoc
need help2man command -v help2man
need shellcheck command -v shellcheck
need lintian command -v lintian
need devscripts command -v hardening-check
need dpkg-dev command -v dpkg-shlibdeps
need pkg-config command -v pkg-config
need file command -v file
need gzip command -v gzip
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" || exit 1
fi

logs=build-logs
mkdir -p "$logs"
passed=0 failed=0

# step NAME COMMAND...: runs the command with its output in the step's log.
# A step that runs CTest counts CTest's tests; any other counts as one.
step() {
  local name=$1 log=$logs/$1.log started=$SECONDS status counted ran bad
  "${@:2}" >"$log" 2>&1
  status=$?
  counted=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' "$log" | tail -n 1)
  if [[ -n $counted ]]; then
    read -r bad ran <<<"$counted"
    ((status != 0 && bad == 0)) && bad=1 && ran=$((ran + 1))
  else
    ran=1 bad=$((status != 0))
  fi
  passed=$((passed + ran - bad)) failed=$((failed + bad))
  printf '%-10s %s passed, %s failed, %ss (log: %s)\n' "$name:" "$((ran - bad))" "$bad" "$((SECONDS - started))" "$log"
  if ((status != 0)); then
    tail -n 40 "$log"
  fi
}

arch=$(dpkg --print-architecture)
step default cmake --workflow --preset default
step sanitize cmake --workflow --preset sanitize
step fuzz cmake --workflow --preset fuzz
# shellcheck source=tests/packaging/versions.sh
source tests/packaging/versions.sh
step package bash -c "cmake --workflow --preset package &&
  bash tests/packaging/packageTest.sh build-package/varnock_${toolVersion}_$arch.deb"
step library bash tests/packaging/libraryTest.sh build
echo "tests: $passed passed, $failed failed"
((failed == 0))
