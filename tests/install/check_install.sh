#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop would find everything:
# both programs, a valid desktop entry, the match-file type, the icon, the AppStream metadata a
# software centre reads, and manual pages that render cleanly and name every option.
set -euo pipefail
build="$1"
source_dir="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
for f in bin/courtlog bin/courtlog-report share/applications/courtlog.desktop \
         share/mime/packages/courtlog.xml share/icons/hicolor/scalable/apps/courtlog.svg \
         share/doc/courtlog/copyright share/doc/courtlog/changelog.gz \
         share/metainfo/org.example.courtlog.metainfo.xml share/courtlog/courtlog-report.schema.json \
         share/man/man1/courtlog.1.gz share/man/man1/courtlog-report.1.gz; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/courtlog" ] || fail "courtlog is not executable"

desktop-file-validate "$prefix/share/applications/courtlog.desktop" || fail "invalid desktop entry"
grep -q '^MimeType=application/x-courtlog;application/x-courtlog-match;$' \
    "$prefix/share/applications/courtlog.desktop" \
    || fail "the desktop entry does not open both kinds of match"

# The types must be what the shared database makes of *.clg and *.courtlog.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
grep -q 'application/x-courtlog:\*\.clg$' "$prefix/share/mime/globs2" || fail "no *.clg glob"
grep -q 'application/x-courtlog-match:\*\.courtlog$' "$prefix/share/mime/globs2" \
    || fail "no *.courtlog glob"

# The metadata and the desktop entry it launches, as a software centre sees them.
appstreamcli validate --no-net --pedantic \
    "$prefix/share/metainfo/org.example.courtlog.metainfo.xml" || fail "invalid AppStream metadata"
appstreamcli validate-tree --no-net "$prefix" || fail "AppStream does not find the program"

# The manual pages render without a warning, and say every option the program's help lists.
for page in courtlog courtlog-report; do
    warnings="$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1)"
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done
report_page="$(zcat "$prefix/share/man/man1/courtlog-report.1.gz")"
for option in $("$prefix/bin/courtlog-report" --help | grep -o -- '--[a-z]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$report_page" || fail "courtlog-report.1 does not say $option"
done

# The installed report program works on its own.
# Read whole: grep -q stops at the first match and would cut the program's output short.
json="$("$prefix/bin/courtlog-report" --format json "$source_dir/tests/data/fresh.clg")" \
    || fail "the installed courtlog-report does not run"
grep -q '"pointCount": 0' <<<"$json" || fail "the installed courtlog-report writes no match"
echo "installation looks complete"
