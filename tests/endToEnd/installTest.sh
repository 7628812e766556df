#!/usr/bin/env bash
# Installs the build under the prefixes /usr/local and /usr, into scratch
# folders (DESTDIR), and checks that every file lands where its reader looks
# under that prefix, and that the installed files work from there.
# Usage: installTest.sh CMAKE BUILD-FOLDER
set -euo pipefail
cmake=$1 build=$2
# shellcheck source=tests/endToEnd/installChecks.sh
# shellcheck source=tests/endToEnd/installChecks.sh
source "$(dirname "$0")/installChecks.sh"

for prefix in /usr/local /usr; do
  root=$scratch/root$prefix
  DESTDIR=$root "$cmake" --install "$build" --prefix "$prefix" >/dev/null
  expectWhereReadersLook "$root" "$prefix"
done

# The files work where they landed.
usr=$scratch/root/usr/usr
"$usr/bin/varnock" --version >/dev/null || fail "bin/varnock does not run"
# The page is read whole before it is searched: grep -q would stop at the
# first match and leave col to die of SIGPIPE, which pipefail reports.
shown=$(MANWIDTH=80 man -M "$usr/share/man" varnock 2>&1 | col -b)
grep -qx COPYRIGHT <<<"$shown" || fail "man -M $usr/share/man varnock does not show the whole page"
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
  XDG_DATA_DIRS=$usr/share bash --norc --noprofile -c \
    'source /usr/share/bash-completion/bash_completion && __load_completion varnock' ||
    fail "bash-completion does not load the completion from $usr/share"
fi
got=$(zsh -f -c 'fpath=("$1" $fpath); autoload -Uz compinit; compinit -u -D; print -r -- $_comps[varnock]' \
  zsh "$usr/share/zsh/vendor-completions")
[[ $got == _varnock ]] || fail "zsh's compinit does not find _varnock"
# fish loads completions only for a command on PATH.
got=$(PATH=$usr/bin:$PATH HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_DIRS=$usr/share \
  fish -c 'complete -C "varnock --input-format "' | cut -f1 | paste -sd ' ')
[[ $got == "mtp3-hexstream pcap" ]] || fail "fish does not find the completion under $usr/share: '$got'"
finish
