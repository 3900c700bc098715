#!/usr/bin/env bash
# Installs the built game into a scratch folder as a package would, then checks what a desktop
# needs of it: the program runs through its link and finds its pictures, the menu entry and
# the software centre's description pass their validators, every icon size is there, and the
# manual page names every option the program's --help lists.
#   install_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d "$build/install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install"; }
usr=$work/root/usr

link=$usr/games/cindervane
[[ -e $link ]] || link=$usr/bin/cindervane
[[ -L $link ]] || fail "no link $link"
[[ $(readlink "$link") != /* ]] || fail "the link is absolute: $(readlink "$link")"
program=$(readlink -f "$link")
[[ $program == "$usr"/lib/*/cindervane || $program == "$usr"/lib/cindervane/cindervane ]] ||
    fail "the program is not in the library folder: $program"
ls "$(dirname "$program")"/O0048.BAI "$(dirname "$program")"/W0001.BAS >/dev/null ||
    fail "the pictures and sounds are not beside the program"

# Through the link, headless: the game starts, finds its pictures and draws its logo.
echo "5 screenshot $work/logo.png" >"$work/script"
"$link" --headless --frames 5 --data-dir "$work/data" --script "$work/script" ||
    fail "the installed program did not run"
[[ -s $work/logo.png ]] || fail "no screenshot from the installed program"

desktop=("$usr"/share/applications/*.desktop)
desktop-file-validate "${desktop[@]}" || fail "desktop-file-validate"
grep -q '^Icon=cindervane$' "${desktop[@]}" || fail "the menu entry names another icon"
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
grep -q "<launchable type=\"desktop-id\">$(basename "${desktop[0]}")</launchable>" "${metainfo[@]}" ||
    fail "the description launches another menu entry"

for size in 16 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/cindervane.png
    [[ -s $icon ]] || fail "no icon of $size pixels"
    read -r a b c d e f g h < <(od -An -tu1 -j16 -N8 "$icon")
    width=$(((a << 24) | (b << 16) | (c << 8) | d))
    height=$(((e << 24) | (f << 16) | (g << 8) | h))
    [[ $width == "$size" && $height == "$size" ]] || fail "the $size icon is $width x $height"
done

manual=$usr/share/man/man6/cindervane.6.gz
[[ -s $manual ]] || fail "no manual page"
zcat "$manual" | sed 's/\\-/-/g' >"$work/manual.txt"
options=$("$link" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[[ -n $options ]] || fail "--help lists no options"
for option in $options; do
    grep -q -- "$option" "$work/manual.txt" || fail "the manual page does not name $option"
done
for control in 'Arrow keys' 'pad A' 'pad B' 'Left Shift' 'Esc'; do
    grep -q -- "$control" "$work/manual.txt" || fail "the manual page does not name $control"
done
echo "installed and checked under $usr"
