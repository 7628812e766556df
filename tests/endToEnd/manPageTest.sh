#!/usr/bin/env bash
# The generated man pages through the real tools: groff and mandoc's lint
# (at its default level, at -W warning and at -W all) pass them without a
# single message and lexgrog reads their NAME line. Of varnock's, man shows
# every section and every option form that varnock's own help screen lists,
# the help screen points to the page, and a page that help2man makes from
# --help and --version holds the copyright once. Of the test tools' pages,
# man shows their sections in order and what the rows below say.
# Usage: manPageTest.sh VARNOCK-BINARY MAN-PAGE
#        manPageTest.sh --test-tools DOCS-FOLDER...
set -euo pipefail
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

readsCleanly() {
  local page=$1 name=$2 warnings level levelOption
  warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff failed on $page"
  [[ -z $warnings ]] || fail "groff warns of $page: $warnings"
  for level in default warning all; do
    levelOption=()
    [[ $level == default ]] || levelOption=(-W "$level")
    if ! warnings=$(mandoc -Tlint "${levelOption[@]}" "$page" 2>&1) || [[ -n $warnings ]]; then
      fail "mandoc -Tlint at level $level: $warnings"
    fi
  done
  # whatis and apropos find the page by what lexgrog reads from its NAME line.
  warnings=$(lexgrog "$page") || fail "lexgrog cannot read the NAME line of $page"
  [[ $warnings == *": \"$name - "* ]] || fail "lexgrog reads: $warnings"
}

# What man shows of a test tool's page: its section headings in order, then
# a phrase that must stand in its text (blanks squeezed, lines joined), or
# one after "!" that must not.
toolRows=(
  "pcstat|NAME SYNOPSIS DESCRIPTION OPTIONS OPERANDS COMMAND LINE EXIT STATUS VERSION"
  "pcstat|and so is a lone -; what it stands for is left to the entry of its operand."
  "pcstat|!by convention"
  "capconv|NAME SYNOPSIS DESCRIPTION OPTIONS OPERANDS COMMAND LINE EXIT STATUS ENVIRONMENT FILES EXAMPLES VERSION SEE ALSO"
  "capconv|-c, --color[={always | never | auto}] colours the report The value is one of always, never or auto. Without a value it is always."
  "capconv|An optional value, shown in brackets (--name[=value]), is given only joined to its option"
  "capconv|-a, --append adds to DEST It cannot be given with --truncate."
  "capconv|-t, --truncate empties DEST first It cannot be given with --append."
  "capconv|!tells on standard error how it read"
  "capconv|or memory ran out also when DEST cannot be written 2 the command line is wrong"
  "capconv|or a missing operand 3 a SOURCE is not a capture ENVIRONMENT CAPCONV_SPOOL the folder"
  "capconv|FILES /etc/capconv.conf the settings read before those of --config"
  "capconv|capconv --color=never -t a.pcap b.pcap out"
  "capconv|SEE ALSO pcstat(1), sigctl(1)"
  "sigctl|NAME SYNOPSIS DESCRIPTION OPTIONS COMMANDS COMMAND LINE EXIT STATUS ENVIRONMENT EXAMPLES VERSION SEE ALSO"
  "sigctl|SYNOPSIS sigctl [OPTION]... list [OPTION]... sigctl [OPTION]... show [OPTION]... LINK sigctl [OPTION]... set [OPTION]... LINK KEY VALUE DESCRIPTION"
  "sigctl|set sigctl [OPTION]... set [OPTION]... LINK KEY VALUE sets a key of a link -f, --force"
  "sigctl|-c, --color[={always | never}] colours what it says The value is one of always or never. Without a value it is always."
  "sigctl|-h, --help shows the help screen LINK the link KEY the key to set VALUE its new value COMMAND LINE"
  "sigctl|-h (--help) given after the command shows the help of that command. -V (--version) and -v (--verbose) are given before the command only."
  "sigctl|The options of show may stand before, between and after its operands."
  "sigctl|The options of set come before its operands: the first operand ends them, and so does --."
  "sigctl|a missing or unknown command, a global option after the command, a missing operand, or a word that no operand takes 3 the daemon could not be reached"
  "sigctl|sigctl -- set -c --retries=3 L1 sls 5"
)

if [[ ${1-} == --test-tools ]]; then
  shift
  for folder in "$@"; do
    name=$(basename "$folder" -docs)
    readsCleanly "$folder/$name.1" "$name"
    shown=$(MANWIDTH=200 man --no-hyphenation --no-justification -l "$folder/$name.1" | col -bx)
    headings=$(grep -E '^[A-Z][A-Z ]*$' <<<"$shown" | tr '\n' ' ')
    text=$(tr -s ' \n' ' ' <<<"$shown")
    for row in "${toolRows[@]}"; do
      [[ ${row%%|*} == "$name" ]] || continue
      phrase=${row#*|}
      if [[ $phrase == NAME\ * ]]; then
        [[ $headings == "$phrase " ]] || fail "$name's sections: $headings"
      elif [[ $phrase == !* ]]; then
        [[ $text != *"${phrase#!}"* ]] || fail "$name's page shows: ${phrase#!}"
      else
        [[ $text == *"$phrase"* ]] || fail "$name's page does not show: $phrase"
      fi
    done
  done
  exit $status
fi

varnock=$1 page=$2
readsCleanly "$page" varnock
shown=$(MANWIDTH=80 man -l "$page" | col -b)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "COMMAND LINE" "EXIT STATUS" EXAMPLES VERSION COPYRIGHT; do
  grep -qx "$section" <<<"$shown" || fail "no section $section"
done
# The footer closes the whole page and names the version the tool reports.
version=$("$varnock" --version | head -n 1)
[[ $(tail -n 1 <<<"$shown") == *"$version"* ]] || fail "the last line does not show '$version'"

# Every form in the help screen's left column ("-f, --filter=filename" gives
# "-f" and "--filter") stands in the OPTIONS section.
options=$(sed -n '/^OPTIONS$/,/^EXIT STATUS$/p' <<<"$shown")
forms=$("$varnock" --help | sed -nE 's/^ +(-[^ ]*)/\1/p' | sed -E 's/  .*//; s/=.*//; s/,//')
count=0
for form in $forms; do
  count=$((count + 1))
  grep -qE -- "^ +(-[^ ]+, )?$form(,|=|$)" <<<"$options" || fail "man does not show $form"
done
((count > 0)) || fail "found no option in the help screen"

last=$("$varnock" --help | tail -n 1)
[[ $last == "See 'man varnock' "* ]] || fail "the help screen ends with: $last"
generated=$(help2man -N "$varnock") || fail "help2man failed"
[[ $(grep -c '^\.SH COPYRIGHT' <<<"$generated") == 1 && $(grep -c 'Copyright' <<<"$generated") == 1 ]] ||
  fail "help2man's page does not hold the copyright once: $(grep -A3 '^\.SH COPYRIGHT' <<<"$generated")"
exit $status
