#!/usr/bin/env bash
# Builds and runs every test: the unit and end-to-end tests (the end-to-end
# table once more under valgrind), the generated man page and completions
# through groff, man and the shells, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, a seeded run of the fuzz target, and the
# Debian package through lintian, an install into a scratch root and removal.
# Whatever of their tools is missing is installed first with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."

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
need shellcheck command -v shellcheck
need lintian command -v lintian
need dpkg-dev command -v dpkg-shlibdeps
need file command -v file
need gzip command -v gzip
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --workflow --preset default
cmake --workflow --preset sanitize
cmake --workflow --preset fuzz
cmake --workflow --preset package
bash tests/packaging/packageTest.sh "build-package/varnock_1.15.0_$(dpkg --print-architecture).deb"
