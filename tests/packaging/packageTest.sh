#!/usr/bin/env bash
# The Debian packages as a distribution checks them and a user installs
# them: lintian --pedantic reports nothing for either but, for varnock, that
# no call of it has a fortifiable destination; hardening-check passes
# varnock's binary; dpkg installs varnock into a scratch root, every file
# stands where man and the shells look, varnock --help runs from there, and
# removing the package leaves nothing behind. Then varnock built as a
# distribution builds it (a plain configuration, dpkg-buildflags' flags in
# the environment) links the C library dynamically and passes
# hardening-check too.
# Usage: packageTest.sh [PACKAGE.deb]   (the development package beside it;
# by default the package preset's varnock package of this version)
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=tests/packaging/versions.sh
source "$source/tests/packaging/versions.sh"
architecture=$(dpkg --print-architecture)
package=$(realpath "${1:-$source/build-package/varnock_${toolVersion}_$architecture.deb}")
# shellcheck source=tests/endToEnd/installChecks.sh
source "$source/tests/endToEnd/installChecks.sh"

# expectHardened BINARY ALL-COMPILES-FORTIFIED: the five lines that
# hardening=+all asks for. Fortify can only say yes where some call has a
# destination size the compiler knows; where none has, every compile line
# must have asked for it.
expectHardened() {
  local report
  report=$(hardening-check "$1" || true) # it fails on the lines not asked for too
  echo "$report"
  for line in "Position Independent Executable: yes" "Stack protected: yes" \
    "Read-only relocations: yes" "Immediate binding: yes"; do
    grep -qF " $line" <<<"$report" || fail "hardening-check: not '$line' for $1"
  done
  if ! grep -qF ' Fortify Source functions: yes' <<<"$report" &&
    ! { [[ $2 == yes ]] && grep -qF ' Fortify Source functions: no, only unprotected functions found!' <<<"$report"; }; then
    fail "hardening-check: $1 is not fortified"
  fi
  # Immediate binding binds every function the binary names at each start:
  # none of those that only the C++ runtime's default terminate handler and
  # its demangler call, which the executable's own handler keeps out.
  local unused
  unused=$(nm -D --undefined-only "$1" | awk '{ sub(/@.*/, "", $NF); print $NF }' |
    grep -xE 'fputs|fputc|fwrite|stderr|realloc|sprintf|strncmp' | paste -sd ' ' || true)
  [[ -z $unused ]] || fail "$1 binds what no run calls: $unused"
}

[[ ${package##*/} == "varnock_${toolVersion}_$architecture.deb" ]] ||
  fail "the package is called ${package##*/}"

# Each package at its own version, in its control file as in its name.
development=${package%/*}/libvarnock-cmdline-dev_${libraryVersion}_$architecture.deb
[[ $(dpkg-deb -f "$package" Version) == "$toolVersion" ]] || fail "varnock's package is not at $toolVersion"
[[ $(dpkg-deb -f "$development" Version) == "$libraryVersion" ]] ||
  fail "the development package is not at $libraryVersion"
[[ $(dpkg-deb --fsys-tarfile "$development" | tar -xO ./usr/share/doc/libvarnock-cmdline-dev/changelog.gz |
  gzip -dc | head -n 1) == "libvarnock-cmdline-dev ($libraryVersion) "* ]] ||
  fail "the development package's changelog does not start with its version"
for deb in "$package" "$development"; do
  report=$(lintian --display-info --pedantic "$deb" 2>&1 | grep -v '^running with root privileges' || true)
  echo "${deb##*/}: ${report:-lintian: no tags}"
  if grep -v '^I: varnock: hardening-no-fortify-functions \[usr/bin/varnock\]$' <<<"$report" | grep -q .; then
    fail "lintian reports tags for ${deb##*/}"
  fi
done
# The package preset passes -D_FORTIFY_SOURCE=2 to every compile line.
extracted=$scratch/extracted
dpkg-deb -x "$package" "$extracted"
expectHardened "$extracted/usr/bin/varnock" yes

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
[[ $(gzip -dc "$root/usr/share/doc/varnock/changelog.gz" | head -n 1) == "varnock ($toolVersion) "* ]] ||
  fail "the changelog does not start with this version"

dpkg --root="$root" --force-not-root -r varnock >/dev/null 2>&1 || fail "dpkg does not remove the package"
left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/*')
[[ -z $left ]] || fail "removing the package leaves: $left"

# As debhelper builds it: CMake reads no CPPFLAGS, so they join CXXFLAGS.
distribution=$scratch/distribution
(
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS) cmake -S "$source" -B "$distribution" \
    -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
  cmake --build "$distribution" -j2 --target varnock >/dev/null
) || fail "the distribution's build fails"
unfortified=$(grep '"command"' "$distribution/compile_commands.json" | grep -vc -- '-D_FORTIFY_SOURCE=2' || true)
expectHardened "$distribution/bin/varnock" "$([[ $unfortified == 0 ]] && echo yes || echo no)"
file -L "$distribution/bin/varnock" | grep -q 'dynamically linked' ||
  fail "the distribution's build does not link the C library dynamically"
finish
