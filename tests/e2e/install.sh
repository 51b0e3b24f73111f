#!/usr/bin/env bash
# Installing to a temporary prefix gives a program folder that runs from its own place and
# keeps its settings there, a desktop entry that starts it, the icon in every size, and
# metadata that validates.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.rurized.Rurized
for file in lib/rurized/Rurized lib/rurized/Rurized.html lib/rurized/librurized_engines.so share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{32x32,48x48,128x128,256x256}/apps/$id.png; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
[ "$(identify -format '%w %h' "$prefix/share/icons/hicolor/48x48/apps/$id.png")" = "48 48" ] ||
    fail "the 48-pixel icon has the wrong size"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metadata does not validate"
grep -qx "Exec=\"$prefix/lib/rurized/Rurized\"" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry does not start the installed program"
grep -qx "Path=$prefix/lib/rurized" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry does not start the program in its folder"

# Run the installed program where it lies: it keeps its settings beside itself.
program=$prefix/lib/rurized
ini=$program/Rurized.ini
start_program
main=$(wait_window "Rurized ")
xdotool windowmove --sync "$main" 500 300
click_button "$main" 8
wait_exit "$pid"
[ "$status" = 0 ] || fail "the installed program did not end normally"
tr -d '\r' <"$ini" | grep -qx 'Left=7500' || fail "the installed program did not keep its settings"
start_program
main=$(wait_window "Rurized ")
[ "$(window_position "$main")" = "500 300" ] || fail "the installed program did not restore its place"
click_button "$main" 8
wait_exit "$pid"
echo "install end-to-end: passed"
