#!/usr/bin/env bash
# Two builds of the same sources in two different folders, with the same
# SOURCE_DATE_EPOCH, must give the same bytes: the release binary, the
# package's binary, the man page, the completion scripts and the .deb. It
# builds only what it compares (no tests), each in a copy of the tree.
# Usage: reproducibleTest.sh   (from anywhere in the repository)
set -euo pipefail
cd "$(dirname "$0")/../.."
# shellcheck source=tests/packaging/versions.sh
source tests/packaging/versions.sh
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The tracked files and the new ones not ignored, as they stand in the tree.
copies=("$scratch/one/varnock" "$scratch/second/build/path/of/another/length/varnock")
for copy in "${copies[@]}"; do
  mkdir -p "$copy"
  git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$copy"
  (
    cd "$copy"
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVARNOCK_TESTS=OFF >/dev/null
    cmake --build build-release -j2 --target varnock >/dev/null
    cmake --workflow --preset package >/dev/null
  ) || { echo "FAIL: the build in $copy failed" >&2; exit 1; }
done

artifacts=(build-release/bin/varnock build-package/bin/varnock build-package/docs/varnock.1
  build-package/docs/gz/varnock.1.gz build-package/docs/varnock.bash build-package/docs/_varnock
  build-package/docs/varnock.fish "build-package/varnock_${toolVersion}_$(dpkg --print-architecture).deb"
  "build-package/libvarnock-cmdline-dev_${libraryVersion}_$(dpkg --print-architecture).deb")
status=0
echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
for artifact in "${artifacts[@]}"; do
  first=$(sha256sum <"${copies[0]}/$artifact" | cut -d' ' -f1)
  second=$(sha256sum <"${copies[1]}/$artifact" | cut -d' ' -f1)
  if [[ $first == "$second" ]]; then
    echo "same      $first  $artifact"
  else
    echo "DIFFERENT $first $second  $artifact"
    status=1
  fi
done
exit $status
