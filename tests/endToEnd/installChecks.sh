# shellcheck shell=bash
# Sourced by the install and package tests. It gives them a scratch folder,
# removed at the end, with an empty home in it that keeps the user's own
# folders and configuration out; fail, which marks the test failed and goes
# on, and finish, which ends it with its status; and the folders that man and
# each shell search, one per line, as the reader itself reports them, so that
# a test checks an installed file against the reader and not against a list
# of folders typed here.
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
finish() { exit "$status"; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
home=$scratch/home
mkdir "$home"

searchedByMan() { manpath -g | tr ':' '\n' | sed 's|$|/man1|'; }

# shellcheck disable=SC2016 # zsh and fish expand these, not bash
searchedByZsh() { HOME=$home zsh -fc 'print -rl -- $fpath'; }

# fish builds its search path in its own config.fish, so it runs with its
# configuration, and an empty home keeps the user's out. $1, when given, is
# XDG_DATA_DIRS, as a desktop session sets it.
# shellcheck disable=SC2016
searchedByFish() {
  if [[ -n ${1:-} ]]; then
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_DIRS=$1 fish -c 'printf "%s\n" $fish_complete_path'
  else
    env -u XDG_DATA_DIRS HOME="$home" XDG_CONFIG_HOME="$home/.config" fish -c 'printf "%s\n" $fish_complete_path'
  fi
}

# bash-completion's loader probes each folder it searches with [[ -d ]]
# before it looks for the command's file there; its trace names them.
searchedByBash() {
  env -u XDG_DATA_DIRS -u BASH_COMPLETION_USER_DIR HOME="$home" bash --norc --noprofile -c \
    'source /usr/share/bash-completion/bash_completion; set -x; __load_completion varnock-absent || :' 2>&1 |
    sed -n 's/^+* \[\[ -d \(.*\) \]\]$/\1/p'
}

# expectSearched READER FOLDER [ARGUMENT]: FOLDER is one that READER searches.
expectSearched() {
  local searched
  searched=$("searchedBy$1" "${@:3}")
  grep -qxF -- "$2" <<<"$searched" || fail "$1 does not search $2; it searches: $(paste -sd ' ' <<<"$searched")"
}

# expectWhereReadersLook ROOT PREFIX: every file installed under ROOT, for
# PREFIX, stands in a folder that its reader searches.
expectWhereReadersLook() {
  local root=$1 prefix=$2 file
  for file in bin/varnock share/man/man1/varnock.1.gz share/bash-completion/completions/varnock \
    share/fish/vendor_completions.d/varnock.fish; do
    [[ -f $root$prefix/$file ]] || fail "$prefix/$file is not installed"
  done
  file=$(cd "$root" && find ."$prefix" -name _varnock | sed 's|^\.||')
  [[ -n $file ]] || fail "_varnock is not installed under $prefix"
  expectSearched Man "$prefix/share/man/man1"
  expectSearched Bash "$prefix/share/bash-completion/completions"
  expectSearched Zsh "${file%/*}"
  if [[ $prefix == /usr ]]; then
    expectSearched Fish "$prefix/share/fish/vendor_completions.d"
  else
    expectSearched Fish "$prefix/share/fish/vendor_completions.d" "$prefix/share:/usr/share"
  fi
}
