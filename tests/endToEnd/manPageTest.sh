#!/usr/bin/env bash
# The generated man page through the real tools: groff and mandoc's lint
# (at its default level, at -W warning and at -W all) pass it without a
# single message, lexgrog reads its NAME line, and man shows every section
# and every option form that varnock's own help screen lists. The help
# screen points to the page, and a page that help2man makes from --help and
# --version holds the copyright once.
# Usage: manPageTest.sh VARNOCK-BINARY MAN-PAGE
set -euo pipefail
varnock=$1 page=$2
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff failed"
[[ -z $warnings ]] || fail "groff warns: $warnings"
for level in default warning all; do
  levelOption=()
  [[ $level == default ]] || levelOption=(-W "$level")
  if ! warnings=$(mandoc -Tlint "${levelOption[@]}" "$page" 2>&1) || [[ -n $warnings ]]; then
    fail "mandoc -Tlint at level $level: $warnings"
  fi
done
# whatis and apropos find the page by what lexgrog reads from its NAME line.
name=$(lexgrog "$page") || fail "lexgrog cannot read the NAME line"
[[ $name == *': "varnock - '* ]] || fail "lexgrog reads: $name"

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
