#!/usr/bin/env bash
# The generated completions through the real shells: the bash script in a
# plain bash (and, where the package is installed, beside bash-completion)
# and through shellcheck, the zsh and fish scripts through their shells'
# syntax checks, and fish's completions through fish itself.
# Usage: completionTest.sh DOCS-FOLDER PCSTAT-DOCS-FOLDER CAPCONV-DOCS-FOLDER
# SIGCTL-DOCS-FOLDER (pcstat: a table with operands and choices that varnock
# has not; capconv: its own -v, optional values, exclusions and "complete";
# sigctl: commands)
set -euo pipefail
docs=$(cd "$1" && pwd)
pcstat=$(cd "$2" && pwd)
capconv=$(cd "$3" && pwd)
sigctl=$(cd "$4" && pwd)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/here" && cd "$scratch/here"
touch isup.flt isup-old.flt monday.hex "my filter.flt" ./-dash.txt && mkdir -p caps/a:b

# Types each line into an interactive shell ($1) on a pseudo-terminal, after
# the setup lines ($2); a key that the setup binds (^X, typed after each
# line) writes the line as completion left it, with a | after it. The keys
# are read in order, so each write follows its completion.
# shellcheck disable=SC2016 # zsh expands these, not bash
type_lines() {
  rm -f "$scratch/typed"
  zsh -f -c '
    zmodload zsh/zpty
    shell=$1 setup=$2 out=$3; shift 3
    zpty typing "$shell"
    for command in "${(@f)setup}"; do zpty -w typing "$command"; done
    for line; do zpty -w -n typing "$line"$'"'"'\C-x'"'"'; done
    for ((tries = 0; tries < 100; tries++)); do
      [[ -f $out && $(wc -l <$out) -ge $# ]] && break
      sleep 0.1
    done
    zpty -d typing' zsh "$1" "$2" "$scratch/typed" "${@:3}"
  cat "$scratch/typed"
}

# Rows of keys typed and the line they leave, in pairs: Tab completes, and
# M-* (readline's insert-completions) inserts every completion.
tab=$'\t' all=$'\e*'
bash_rows=(
  "varnock --fil$all" "varnock --filter --filter-name "
  "varnock --input-format $all" "varnock --input-format mtp3-hexstream pcap "
  "varnock --input-format=$all" "varnock --input-format=mtp3-hexstream pcap "
  "varnock --input-format=p$tab" "varnock --input-format=pcap "
  "varnock -f $all" "varnock -f -dash.txt caps isup-old.flt isup.flt monday.hex my\\ filter.flt "
  "varnock -fca$tab" "varnock -fcaps/"
  "varnock -vfmy$tab" "varnock -vfmy\\ filter.flt "
  "varnock -v --input x -f is$all" "varnock -v --input x -f isup-old.flt isup.flt "
  "varnock --filter-name $tab" "varnock --filter-name "
  "varnock --filter-name -f --verb$tab" "varnock --filter-name -f --verbose "
  "varnock -- -$tab" "varnock -- -"
  "varnock mo$tab" "varnock mo"
  "pcstat --variant itu:$all" "pcstat --variant itu:14 16 "
  "pcstat --variant=itu:1$all" "pcstat --variant=itu:14 16 "
  "pcstat --variant an$tab" "pcstat --variant ansi:24 "
  "pcstat -m b$tab" "pcstat -m b\\'c "
  "pcstat --cache -$tab" "pcstat --cache -dash.txt "
  "pcstat --cache -f --verb$tab" "pcstat --cache -f --verbose "
  "pcstat -n -o ca$tab" "pcstat -n -o caps/"
  "pcstat mo$tab" "pcstat monday.hex "
  "pcstat -v my$tab" "pcstat -v my\\ filter.flt "
  "pcstat -- -$tab" "pcstat -- -dash.txt "
  "pcstat -- --v$tab" "pcstat -- --v"
  "capconv --color=$all" "capconv --color=always auto never "
  "capconv -cn$tab" "capconv -cnever "
  "capconv --color a$all" "capconv --color a"
  "capconv -c mo$tab" "capconv -c monday.hex "
  "capconv -a -$all" "capconv -a --append --color --config --help --interval --no-daemon --peer --spool --verbose --version -V -a -c -h -i -s -v "
  "capconv -vt --ap$tab" "capconv -vt --ap"
  "capconv -ia --tr$tab" "capconv -ia --truncate "
  "capconv -s -a --tr$tab" "capconv -s -a --truncate "
  "capconv --spool $all" "capconv --spool caps "
  "capconv --spool ca$tab" "capconv --spool caps/"
  "capconv -sca$tab" "capconv -scaps/"
  "capconv --spool caps/a:$tab" "capconv --spool caps/a:b/"
  "capconv --peer $tab" "capconv --peer "
  "capconv --interval $tab" "capconv --interval "
  "capconv --config mo$tab" "capconv --config monday.hex "
  "capconv mo$tab" "capconv monday.hex "
  "capconv x mo$tab" "capconv x monday.hex "
  "sigctl $all" "sigctl list set show "
  "sigctl -$all" "sigctl --help --socket --verbose --version -S -V -h -v "
  "sigctl set -$all" "sigctl set --color --force --help --retries -c -f -h -r "
  "sigctl list --format $all" "sigctl list --format json text "
  "sigctl list -ao $all" "sigctl list -ao json text "
  "sigctl set L1 -$tab" "sigctl set L1 -"
  "sigctl show --$all" "sigctl show --all --help "
  "sigctl set --help $tab" "sigctl set --help "
  "sigctl -- s$all" "sigctl -- set show "
  "sigctl -- set --f$tab" "sigctl -- set --force "
  "sigctl -S x set -f L1 K mo$tab" "sigctl -S x set -f L1 K monday.hex "
  "sigctl set --color=n$tab" "sigctl set --color=never "
  "sigctl set -rh $tab" "sigctl set -rh -"
  "sigctl bogus -$tab" "sigctl bogus -"
  "sigctl -Sca$tab" "sigctl -Scaps/"
)
zsh_rows=(
  "varnock -fmy$tab" "varnock -fmy\\ filter.flt "
  "varnock -vfmy$tab" "varnock -vfmy\\ filter.flt "
  "varnock -fca$tab" "varnock -fcaps/"
  "varnock -f my$tab" "varnock -f my\\ filter.flt "
  "varnock --filter-name -f --verb$tab" "varnock --filter-name -f --verbose "
  "varnock --filter-name x --verb$tab" "varnock --filter-name x --verbose "
  "varnock mo$tab" "varnock mo"
  "pcstat -vf -$tab" "pcstat -vf -dash.txt "
  "pcstat --variant ansi:$tab" "pcstat --variant ansi:24 "
  "pcstat --variant=ansi:$tab" "pcstat --variant=ansi:24 "
  "pcstat -m b$tab" "pcstat -m b\\'c "
  "pcstat --cache -$tab" "pcstat --cache -dash.txt "
  "pcstat --cache -f --verb$tab" "pcstat --cache -f --verbose "
  "pcstat -n -o ca$tab" "pcstat -n -o caps/"
  "pcstat -h --he$tab" "pcstat -h --he"
  "pcstat -oj$tab" "pcstat -ojson "
  "pcstat mo$tab" "pcstat monday.hex "
  "pcstat -- -$tab" "pcstat -- -dash.txt "
  "pcstat -- --v$tab" "pcstat -- --v"
  "capconv -v --verb$tab" "capconv -v --verbose "
  "capconv --color=n$tab" "capconv --color=never "
  "capconv -cs mo$tab" "capconv -cs monday.hex "
  "capconv --color mo$tab" "capconv --color monday.hex "
  "capconv --color --no-d$tab" "capconv --color --no-daemon "
  "capconv -vc --no-d$tab" "capconv -vc --no-daemon "
  "capconv -a --tr$tab" "capconv -a --tr"
  "capconv --truncate -a$tab" "capconv --truncate -a"
  "capconv -a --app$tab" "capconv -a --append "
  "capconv --spool ca$tab" "capconv --spool caps/"
  "capconv -s mo$tab" "capconv -s mo"
  "capconv --peer s$tab" "capconv --peer s"
  "capconv -i mo$tab" "capconv -i mo"
  "capconv a mo$tab" "capconv a monday.hex "
  "sigctl l$tab" "sigctl list "
  "sigctl -Sx sh$tab" "sigctl -Sx show "
  "sigctl -- se$tab" "sigctl -- set "
  "sigctl -v --verb$tab" "sigctl -v --verb"
  "sigctl mo$tab" "sigctl mo"
  "sigctl lst --a$tab" "sigctl lst --a"
  "sigctl set --f$tab" "sigctl set --force "
  "sigctl set -cn$tab" "sigctl set -cnever "
  "sigctl list --format j$tab" "sigctl list --format json "
  "sigctl show --fo$tab" "sigctl show --fo"
  "sigctl show --s$tab" "sigctl show --s"
  "sigctl show -- --a$tab" "sigctl show -- --a"
  "sigctl set L1 --fo$tab" "sigctl set L1 --fo"
  "sigctl set -r -1 L1 K mo$tab" "sigctl set -r -1 L1 K monday.hex "
  "sigctl set -- L1 K mo$tab" "sigctl set -- L1 K monday.hex "
  "sigctl set --help --fo$tab" "sigctl set --help --fo"
  "sigctl set -fh --fo$tab" "sigctl set -fh --fo"
  "sigctl --help l$tab" "sigctl --help l"
  "sigctl -V l$tab" "sigctl -V l"
)

# Checks the rows ($3...) typed into the shell $1 after the setup $2.
check_rows() {
  local shell=$1 setup=$2 index expected=''
  shift 2
  local -a rows=("$@") lines=()
  for ((index = 0; index < ${#rows[@]}; index += 2)); do
    lines+=("${rows[index]}")
    expected+="${rows[index + 1]}|"$'\n'
  done
  local got
  got=$(type_lines "$shell" "$setup" "${lines[@]}")$'\n'
  [[ $got == "$expected" ]] || fail "$shell ($setup) completed:"$'\n'"$got"$'\n'"not:"$'\n'"$expected"
}

bash_setup="source '$docs/varnock.bash'; source '$pcstat/pcstat.bash'; source '$capconv/capconv.bash'; source '$sigctl/sigctl.bash'"
# readline reads ^X s as spell-correct-word, which would eat the first
# letter of a line that starts with one (sigctl).
# shellcheck disable=SC2016 # the typed shell expands these
bash_typed='bind -r "\\C-xs"; typed() { printf "%s|\n" "$READLINE_LINE" >>'"'$scratch/typed'"'; READLINE_LINE=; READLINE_POINT=0; }; bind -x "\"\\C-x\": typed"'
check_rows "bash --norc --noprofile -i" "$bash_setup"$'\n'"$bash_typed" "${bash_rows[@]}"
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
  check_rows "bash --norc --noprofile -i" "source /usr/share/bash-completion/bash_completion"$'\n'"$bash_setup"$'\n'"$bash_typed" "${bash_rows[@]}"
else
  echo "bash-completion is not installed: checked in a plain bash only"
fi
# shellcheck disable=SC2016 # the typed shell expands these
# compinit's ^Xc, ^Xs... would take the first letter of the next line.
check_rows "zsh -f -i" "fpath=('$docs' '$pcstat' '$capconv' '$sigctl' \$fpath); autoload -Uz compinit; compinit -u -D"$'\n'"typed() { print -r -- \"\$BUFFER|\" >>'$scratch/typed'; BUFFER=; }; zle -N typed; bindkey -rp '^X'; bindkey ^X typed" "${zsh_rows[@]}"

# Plain shellcheck: the script names its shell itself.
for script in "$docs/varnock.bash" "$pcstat/pcstat.bash" "$capconv/capconv.bash" "$sigctl/sigctl.bash"; do
  shellcheck "$script" || fail "shellcheck finds fault with $script"
done
for script in "$docs/_varnock" "$pcstat/_pcstat" "$capconv/_capconv" "$sigctl/_sigctl"; do
  zsh -n "$script" || fail "zsh -n rejects $script"
done
# _arguments and _describe, stubbed, must get each form's description and
# each command's help line as one word.
# shellcheck disable=SC2016 # zsh expands these
stub='_arguments() { print -rl -- "$@"; }; _describe() { print -rl -- "${(@P)4}"; }; source "$1"'
words=$(zsh -f -c "$stub" zsh "$docs/_varnock") || fail "zsh cannot run _varnock"
grep -qxF -- '(-V --version)-V[shows the software version]' <<<"$words" || fail "zsh: _arguments does not get '-V[...]' as one word"
words=$(zsh -f -c "$stub" zsh "$sigctl/_sigctl") || fail "zsh cannot run _sigctl"
grep -qxF -- 'set:sets a key of a link' <<<"$words" || fail "zsh: _describe does not get 'set:sets a key of a link' as one word"
for script in "$docs/varnock.fish" "$pcstat/pcstat.fish" "$capconv/capconv.fish" "$sigctl/sigctl.fish"; do
  fish --no-execute "$script" || fail "fish --no-execute rejects $script"
done

# In the folder $3 when given; the home folder is the scratch one's "here".
mkdir "$scratch/dashes" && touch "$scratch/dashes/-n" "$scratch/dashes/-e"
expect_fish() {
  local expected=$1 line=$2 got
  # An expected list with a tab holds the descriptions too.
  local fields=1
  [[ $expected == *$'\t'* ]] && fields=1-
  got=$(cd "${3:-.}" && HOME=$scratch/here fish --no-config -c "for script in '$docs/varnock.fish' '$pcstat/pcstat.fish' '$capconv/capconv.fish' '$sigctl/sigctl.fish'; source \$script; end; complete -C '$line'" | cut -f$fields | LC_ALL=C sort | paste -sd ' ')
  [[ $got == "$expected" ]] || fail "fish: '$line' gave '$got', not '$expected'"
}
expect_fish "--filter --filter-name" "varnock --fil"
expect_fish "mtp3-hexstream pcap" "varnock --input-format "
expect_fish "--input-format=mtp3-hexstream --input-format=pcap" "varnock --input-format="
expect_fish "-dash.txt caps/ isup-old.flt isup.flt monday.hex my filter.flt" "varnock -f "
expect_fish "-dash.txt caps/ isup-old.flt isup.flt monday.hex my filter.flt" "varnock -vf "
expect_fish "-fcaps/" "varnock -fca"
expect_fish "-vfmy filter.flt" "varnock -vfmy"
expect_fish "--verbose" "varnock --filter-name -f --verb"
expect_fish "" "varnock mo"
expect_fish "itu:14 itu:16" "pcstat --variant itu:"
expect_fish "--variant=itu:14 --variant=itu:16" "pcstat --variant=itu:1"
expect_fish "b'c" "pcstat -m b"
expect_fish "-dash.txt" "pcstat --cache -"
expect_fish "--verbose" "pcstat --cache -f --verb"
expect_fish "--verbose" "pcstat --dry-run --verb"
expect_fish "-dash.txt caps/ isup-old.flt isup.flt monday.hex my filter.flt" "pcstat -n -o "
expect_fish "monday.hex" "pcstat -v mo"
expect_fish "-dash.txt" "pcstat -- -"
expect_fish "" "pcstat -- --v"
expect_fish "--verbose" "pcstat --cache -- --verb"
expect_fish "-V" "pcstat --cache -- -V"
expect_fish "-e -n" "pcstat --cache -" "$scratch/dashes"
# shellcheck disable=SC2088 # the tilde as fish is to print it
expect_fish "~/monday.hex" "pcstat --cache ~/mo"
expect_fish "-f~/caps/" "varnock -f~/ca"
files="-dash.txt caps/ isup-old.flt isup.flt monday.hex my filter.flt"
expect_fish "--color=always --color=auto --color=never" "capconv --color="
expect_fish "$files" "capconv --color "
expect_fish "$files" "capconv -cs "
expect_fish "monday.hex" "capconv -c mo"
expect_fish "-cnever" "capconv -cn"
expect_fish "--append --color --config --help --interval --no-daemon --peer --spool --verbose --version -V -a -c -h -i -s -v" "capconv -a -"
expect_fish "" "capconv -va --t"
expect_fish "--truncate" "capconv -sat --tr"
expect_fish "caps/" "capconv --spool "
expect_fish "$files" "capconv --config "
expect_fish "" "capconv --peer "
expect_fish "" "capconv --interval "
expect_fish "list"$'\t'"lists the links set"$'\t'"sets a key of a link show"$'\t'"shows one link" "sigctl "
expect_fish "--help --socket --verbose --version -S -V -h -v" "sigctl -"
expect_fish "--color --force --help --retries -c -f -h -r" "sigctl set -"
expect_fish "--color --force --help --retries -c -f -h -r" "sigctl -S x -- set -"
expect_fish "json text" "sigctl list --format "
expect_fish "-ojson" "sigctl list -oj"
expect_fish "" "sigctl set L1 -"
expect_fish "--all --help" "sigctl show --"
expect_fish "" "sigctl show -- -"
expect_fish "-dash.txt" "sigctl set -- a b -"
expect_fish "" "sigctl set --help -"
expect_fish "" "sigctl --help "
expect_fish "" "sigctl -V "
expect_fish "" "sigctl lst -"

# A few rows typed into an interactive fish, where Tab inserts the one
# completion there is, or leaves the line as it is when there is none.
fish_rows=(
  "capconv --spool $tab" "capconv --spool caps/"
  "sigctl li$tab" "sigctl list "
  "sigctl -S x set --f$tab" "sigctl -S x set --force "
  "sigctl list --so$tab" "sigctl list --so"
  "pcstat mo$tab" "pcstat monday.hex "
)
# shellcheck disable=SC2016 # fish expands these
check_rows "fish --no-config -i" "for script in '$pcstat/pcstat.fish' '$capconv/capconv.fish' '$sigctl/sigctl.fish'; source \$script; end"$'\n'"function typed; printf '%s|\n' (commandline) >>'$scratch/typed'; commandline -r ''; end; bind \cx typed" "${fish_rows[@]}"
exit $status
