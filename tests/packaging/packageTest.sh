#!/usr/bin/env bash
# The Debian package as a distribution checks it and a user installs it:
# lintian reports no error and no warning, dpkg installs it into a scratch
# root, every file stands where man and the shells look, varnock --help runs
# from there, and removing the package leaves nothing behind.
# Usage: packageTest.sh PACKAGE.deb
set -euo pipefail
package=$(realpath "$1")
# shellcheck source=tests/endToEnd/installChecks.sh
# shellcheck source=tests/endToEnd/installChecks.sh
source "$(dirname "$0")/../endToEnd/installChecks.sh"

[[ ${package##*/} == "varnock_1.15.0_$(dpkg --print-architecture).deb" ]] ||
  fail "the package is called ${package##*/}"

# Info tags are listed, not counted.
report=$(lintian --display-info "$package" 2>&1 | grep -v '^running with root privileges' || true)
echo "${report:-lintian: no tags}"
if grep -q '^[EW]: ' <<<"$report"; then
  fail "lintian reports errors or warnings"
fi

# A root of its own, with an empty package database: the package's
# dependencies are the system's, which that database does not list.
root=$scratch/root
mkdir -p "$root"/var/lib/dpkg/{info,updates,triggers}
touch "$root"/var/lib/dpkg/{status,available}
dpkg --root="$root" --force-depends --force-not-root -i "$package" >/dev/null 2>&1 ||
  fail "dpkg does not install the package"
expectWhereReadersLook "$root" /usr
help=$("$root/usr/bin/varnock" --help) || fail "varnock --help does not run from the package"
[[ $help == "Usage: $root/usr/bin/varnock [OPTION]..."$'\n'* ]] || fail "varnock --help from the package shows no usage line"
[[ $(gzip -dc "$root/usr/share/doc/varnock/changelog.gz" | head -n 1) == "varnock (1.15.0) "* ]] ||
  fail "the changelog does not start with this version"

dpkg --root="$root" --force-not-root -r varnock >/dev/null 2>&1 || fail "dpkg does not remove the package"
left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/*')
[[ -z $left ]] || fail "removing the package leaves: $left"
finish
