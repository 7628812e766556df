#!/usr/bin/env bash
# The generated completions through the real shells: the bash script in a
# plain bash (and, where the package is installed, beside bash-completion)
# and through shellcheck, the zsh and fish scripts through their shells'
# syntax checks, and fish's completions through fish itself.
# Usage: completionTest.sh DOCS-FOLDER
set -euo pipefail
docs=$(cd "$1" && pwd)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/here" && cd "$scratch/here"
touch isup.flt isup-old.flt monday.hex "my filter.flt" && mkdir caps

# Completes the words as COMP_WORDS, the last one being the word under the
# cursor, with the function that the script registered for varnock.
# $setup runs first, to load bash-completion or not.
setup=:
complete_bash() {
  bash --norc --noprofile -c '
    eval "$1"; shift
    source "$0" || exit 1
    COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    registered=$(complete -p varnock) || exit 1
    registered=${registered#*-F }; "${registered%% *}" varnock "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}"' "$docs/varnock.bash" "$setup" "$@" | sort | paste -sd ' '
}

expect_bash() {
  local expected=$1; shift
  local got
  got=$(complete_bash "$@") || { fail "bash failed on: $*"; return; }
  [[ $got == "$expected" ]] || fail "bash${setup:+ ($setup)}: '$*' gave '$got', not '$expected'"
}

check_bash() {
  expect_bash "--filter --filter-name" varnock --fil
  expect_bash "mtp3-hexstream pcap" varnock --input-format ""
  expect_bash "mtp3-hexstream pcap" varnock --input-format =
  expect_bash "pcap" varnock --input-format = p
  expect_bash "--input-format=mtp3-hexstream --input-format=pcap" varnock --input-format=
  expect_bash "caps isup-old.flt isup.flt monday.hex my filter.flt" varnock -f ""
  expect_bash "-fcaps/" varnock -fca
  expect_bash "-vfmy\\ filter.flt" varnock -vfmy
  expect_bash "isup-old.flt isup.flt" varnock -v --input x -f is
  expect_bash "" varnock --filter-name ""
}

check_bash
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
  setup="source /usr/share/bash-completion/bash_completion"
  check_bash
else
  echo "bash-completion is not installed: checked in a plain bash only"
fi

shellcheck -s bash "$docs/varnock.bash" || fail "shellcheck finds fault with varnock.bash"
zsh -n "$docs/_varnock" || fail "zsh -n rejects _varnock"
# _arguments, stubbed, must get each form's description as one word.
words=$(zsh -f -c '_arguments() { print -rl -- "$@"; }; source "$1"' zsh "$docs/_varnock") || fail "zsh cannot run _varnock"
grep -qxF -- '-V[shows the software version]' <<<"$words" || fail "zsh: _arguments does not get '-V[...]' as one word"
fish --no-execute "$docs/varnock.fish" || fail "fish --no-execute rejects varnock.fish"

# An interactive zsh with compinit, on a pseudo-terminal: each line is typed
# with a Tab, and a key bound to a widget of ours writes the line as the Tab
# left it. The keys are read in order, so each write follows its completion.
# shellcheck disable=SC2016 # zsh expands these, not bash
complete_zsh() {
  zsh -f -c '
    zmodload zsh/zpty
    docs=$1 out=$2; shift 2
    zpty typing zsh -f -i
    zpty -w typing "fpath=(${(q)docs} \$fpath); autoload -Uz compinit; compinit -u -D"
    zpty -w typing "typed() { print -r -- \"\$BUFFER|\" >>${(q)out}; BUFFER=; }; zle -N typed; bindkey ^X typed"
    for line; do zpty -w -n typing "$line"$'"'"'\t\C-x'"'"'; done
    for ((tries = 0; tries < 100; tries++)); do
      [[ -f $out && $(wc -l <$out) -ge $# ]] && break
      sleep 0.1
    done
    zpty -d typing' zsh "$docs" "$scratch/zsh.out" "$@"
  cat "$scratch/zsh.out"
}
expected=$'varnock -fmy\\ filter.flt |\nvarnock -vfmy\\ filter.flt |\nvarnock -fcaps/|\nvarnock -f my\\ filter.flt |'
got=$(complete_zsh "varnock -fmy" "varnock -vfmy" "varnock -fca" "varnock -f my")
[[ $got == "$expected" ]] || fail "zsh completed:"$'\n'"$got"$'\n'"not:"$'\n'"$expected"

expect_fish() {
  local expected=$1 line=$2 got
  got=$(fish --no-config -c "source '$docs/varnock.fish'; complete -C '$line'" | cut -f1 | sort | paste -sd ' ')
  [[ $got == "$expected" ]] || fail "fish: '$line' gave '$got', not '$expected'"
}
expect_fish "--filter --filter-name" "varnock --fil"
expect_fish "mtp3-hexstream pcap" "varnock --input-format "
expect_fish "--input-format=mtp3-hexstream --input-format=pcap" "varnock --input-format="
expect_fish "caps/ isup-old.flt isup.flt monday.hex my filter.flt" "varnock -f "
expect_fish "caps/ isup-old.flt isup.flt monday.hex my filter.flt" "varnock -vf "
expect_fish "-fcaps/" "varnock -fca"
expect_fish "-vfmy filter.flt" "varnock -vfmy"
exit $status
