#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file lands
# where the README says, and that the installed files work from there.
# Usage: installTest.sh CMAKE BUILD-FOLDER
set -euo pipefail
cmake=$1 build=$2
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for file in bin/varnock share/man/man1/varnock.1 share/bash-completion/completions/varnock \
  share/zsh/site-functions/_varnock share/fish/vendor_completions.d/varnock.fish; do
  [[ -f $prefix/$file ]] || fail "$file is not installed"
done
{ [[ -x $prefix/bin/varnock ]] && "$prefix/bin/varnock" --version >/dev/null; } || fail "bin/varnock does not run"

# man finds the page by name under the prefix, as "man varnock" will. The
# page is read whole before it is searched: grep -q would stop at the first
# match and leave col to die of SIGPIPE, which pipefail reports as a failure.
shown=$(MANWIDTH=80 man -M "$prefix/share/man" varnock 2>&1 | col -b)
grep -qx COPYRIGHT <<<"$shown" || fail "man -M $prefix/share/man varnock does not show the whole page"

got=$(bash --norc --noprofile -c '
  source "$1" || exit 1
  COMP_WORDS=(varnock --input-format ""); COMP_CWORD=2
  registered=$(complete -p varnock) && registered=${registered#*-F } && "${registered%% *}"
  printf "%s\n" "${COMPREPLY[@]}"' bash "$prefix/share/bash-completion/completions/varnock" | sort | paste -sd ' ')
[[ $got == "mtp3-hexstream pcap" ]] || fail "the installed bash completion gave '$got'"

# Each shell finds its file by its own search rules, given only the prefix.
share=$prefix/share
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
  XDG_DATA_DIRS=$share bash --norc --noprofile -c \
    'source /usr/share/bash-completion/bash_completion && __load_completion varnock' ||
    fail "bash-completion does not load the completion from $share"
fi
got=$(zsh -f -c 'fpath=("$1" $fpath); autoload -Uz compinit; compinit -u -D; print -r -- $_comps[varnock]' \
  zsh "$share/zsh/site-functions")
[[ $got == _varnock ]] || fail "zsh's compinit does not find _varnock under $share"
# fish loads completions only for a command on PATH, and builds its search
# path in its own config.fish, so it runs without --no-config; an empty
# XDG_CONFIG_HOME keeps the user's configuration out.
mkdir "$prefix/config"
got=$(PATH=$prefix/bin:$PATH XDG_CONFIG_HOME=$prefix/config XDG_DATA_DIRS=$share \
  fish -c 'complete -C "varnock --input-format "' | cut -f1 | paste -sd ' ')
[[ $got == "mtp3-hexstream pcap" ]] || fail "fish does not find the completion under $share: '$got'"
exit $status
