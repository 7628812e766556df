#!/usr/bin/env bash
# The generated man page through the real tools: groff and mandoc's lint
# pass it without a single warning, lexgrog reads its NAME line, and man
# shows every section and every option form that varnock's own help screen
# lists.
# Usage: manPageTest.sh VARNOCK-BINARY MAN-PAGE
set -euo pipefail
varnock=$1 page=$2
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff failed"
[[ -z $warnings ]] || fail "groff warns: $warnings"
warnings=$(mandoc -Tlint -W warning "$page" 2>&1) || fail "mandoc -Tlint warns: $warnings"
# whatis and apropos find the page by what lexgrog reads from its NAME line.
name=$(lexgrog "$page") || fail "lexgrog cannot read the NAME line"
[[ $name == *': "varnock - '* ]] || fail "lexgrog reads: $name"

shown=$(MANWIDTH=80 man -l "$page" | col -b)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" EXAMPLES VERSION COPYRIGHT; do
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
exit $status
