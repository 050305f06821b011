#!/usr/bin/env bash
# Installs the built program into a fresh prefix and checks what a desktop and a
# distribution check: every file where the install rules put it, the desktop entry and the
# AppStream metainfo valid, the icons of the sizes their folders say, the manual page clean,
# and the menu entry's command reaching the executable.
#   InstalledFiles.sh CMAKE BUILD_DIRECTORY
set -euo pipefail
cmake=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

prefix=$work/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
id=io.github.plinkapad.Plinkapad
for file in lib/plinkapad/plinkapad lib/plinkapad/libhelpviewer.so lib/plinkapad/plinkapad-import \
    bin/plinkapad \
    share/plinkapad/Nuv.ini share/plinkapad/NUV2Help.chm share/plinkapad/Hello.wav \
    share/plinkapad/GoodBye.wav share/plinkapad/DefVoice/Pop.wav \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man6/plinkapad.6.gz \
    share/doc/plinkapad/LICENSE share/plinkapad/NUV2Help.fr.chm share/plinkapad/NUV2Help.de.chm \
    share/plinkapad/NUV2Help.es.chm share/locale/fr/LC_MESSAGES/plinkapad.mo \
    share/locale/zh_CN/LC_MESSAGES/plinkapad.mo share/man/de/man6/plinkapad.6.gz; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
[ "$(find "$prefix/share/plinkapad" -name '*-*-*-*-*.ini' | wc -l)" = 2 ] ||
    fail "the two sample picture groups are not installed"
# The build folder's own library is no part of the installation.
[ -z "$(find "$prefix" -name samples.stamp -o -name '*.plinkapad-filled')" ] ||
    fail "build leftovers are installed"
[ "$(readlink -f "$prefix/bin/plinkapad")" = "$prefix/lib/plinkapad/plinkapad" ] ||
    fail "bin/plinkapad does not lead to the executable"
readelf -d "$prefix/lib/plinkapad/plinkapad" | grep -q 'R.*PATH.*\[\$ORIGIN\]' ||
    fail "the executable does not look for its module beside itself"
# The decoders of photos and clips are the import program's alone; the program a child plays
# with never loads them.
! readelf -d "$prefix/lib/plinkapad/plinkapad" | grep -Eq 'NEEDED.*(libav|libswresample)' ||
    fail "the executable loads FFmpeg's libraries"
readelf -d "$prefix/lib/plinkapad/plinkapad-import" | grep -q 'NEEDED.*libavcodec' ||
    fail "the import program does not decode sounds"

desktop-file-validate --no-hints "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "metainfo"; }
# The identity is one name everywhere: the entry's name, its window class, the AppStream id,
# the icon.
grep -qx "StartupWMClass=$id" "$prefix/share/applications/$id.desktop" || fail "StartupWMClass"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the icon is not named by the id"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the AppStream id"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the licence"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/plinkapad.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"
# In the parent's language: the entry's name and comment, the metainfo's summary, the manual
# page's short description.
grep -q '^Comment\[de\]=' "$prefix/share/applications/$id.desktop" &&
    grep -q '^GenericName\[ru\]=' "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry is not translated"
grep -q '<summary xml:lang="fr">' "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo is not translated"
name=$(zcat "$prefix/share/man/de/man6/plinkapad.6.gz" | sed -n '/^\.SH NAME/{n;p}')
[[ $name == 'plinkapad \- '* && $name != *toddlers* ]] ||
    fail "the German manual page's short description is not German"

icon=$(sed -n 's/^Icon=//p' "$prefix/share/applications/$id.desktop")
count=0
for png in "$prefix"/share/icons/hicolor/*/apps/"$icon".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(identify -format '%wx%h' "$png")" = "$size" ] || fail "$png is not $size"
    count=$((count + 1))
done
[ "$count" -ge 6 ] || fail "only $count icon sizes"

# The menu entry's command, as a desktop starts it, is the installed one.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
command=${exec_line%% *}
[ "$(PATH="$prefix/bin:/usr/bin:/bin" command -v "$command")" = "$prefix/bin/plinkapad" ] ||
    fail "Exec=$exec_line does not start the installed program"
echo "1 passed, 0 failed"
