#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and runs Debian's own checker on it: no error
# and no warning, except those overridden with a reason. Skipped (77) without lintian.
set -euo pipefail
build="$1"
source_dir="$2"
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
deb="$(ls "$scratch"/*.deb)"

status=0
lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
grep -v 'running with root' "$scratch/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings"

# The changelog and the AppStream releases start at the version being packaged.
version="$(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-parsechangelog -l "$source_dir/packaging/changelog" -S Version)" = "$version" ] \
    || fail "the changelog does not start at version $version"
grep -q "<release version=\"$version\"" "$source_dir"/data/*.metainfo.xml \
    || fail "the AppStream metadata has no release $version"

# Debian looks for these exact paths.
contents="$(dpkg-deb -c "$deb")"
for f in usr/bin/courtlog usr/bin/courtlog-report usr/share/man/man1/courtlog.1.gz \
         usr/share/man/man1/courtlog-report.1.gz usr/share/doc/courtlog/copyright \
         usr/share/doc/courtlog/changelog.gz usr/share/metainfo/org.example.courtlog.metainfo.xml; do
    grep -q " ./$f\$" <<<"$contents" || fail "$f is not in the package"
done
echo "the package passes lintian"
