#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop would find everything:
# both programs, a valid desktop entry, the match-file type and the icon.
set -euo pipefail
build="$1"
source_dir="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
for f in bin/courtlog bin/courtlog-report share/applications/courtlog.desktop \
         share/mime/packages/courtlog.xml share/icons/hicolor/scalable/apps/courtlog.svg \
         share/doc/courtlog/copyright; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/courtlog" ] || fail "courtlog is not executable"

desktop-file-validate "$prefix/share/applications/courtlog.desktop" || fail "invalid desktop entry"
grep -q '^MimeType=application/x-courtlog;$' "$prefix/share/applications/courtlog.desktop" \
    || fail "the desktop entry does not open match files"

# The type must be what the shared database makes of *.clg.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
grep -q 'application/x-courtlog' "$prefix/share/mime/globs2" || fail "no *.clg glob"
grep -q '\*\.clg' "$prefix/share/mime/globs2" || fail "no *.clg glob"

# The installed report program works on its own.
"$prefix/bin/courtlog-report" --format json "$source_dir/tests/data/fresh.clg" \
    | grep -q '"pointCount": 0' || fail "the installed courtlog-report does not run"
echo "installation looks complete"
