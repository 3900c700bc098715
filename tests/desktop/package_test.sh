#!/usr/bin/env bash
# Makes the Debian package of the install, unpacks it into a scratch root and runs the game
# from there; lintian reads the package for errors.
#   package_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d "$build/package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >cpack.log) ||
    { cat "$work/cpack.log"; fail "cpack"; }
package=("$work"/cindervane_*.deb)
[[ -f ${package[0]} ]] || fail "no package made"

dpkg-deb -c "${package[0]}" >"$work/contents"
for path in ./usr/games/cindervane ./usr/share/applications/ ./usr/share/metainfo/ \
    ./usr/share/icons/hicolor/256x256/apps/cindervane.png ./usr/share/man/man6/cindervane.6.gz; do
    grep -q -- " $path" "$work/contents" || fail "the package lacks $path"
done
dpkg-deb -f "${package[0]}" Depends | grep -q libsdl2 || fail "the package does not depend on SDL"

dpkg-deb -x "${package[0]}" "$work/root"
echo "3 screenshot $work/logo.png" >"$work/script"
"$work/root/usr/games/cindervane" --headless --frames 3 --data-dir "$work/data" \
    --script "$work/script" || fail "the unpacked program did not run"
[[ -s $work/logo.png ]] || fail "no screenshot from the unpacked program"

# Errors fail the test; warnings about what only a Debian maintainer's upload has (the
# changelog, the copyright file) are printed.
lintian --tag-display-limit 0 "${package[0]}" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q '^E: ' "$work/lintian.log"; then fail "lintian found errors"; fi
echo "package ${package[0]##*/} checked"
