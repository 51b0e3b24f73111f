#!/usr/bin/env bash
# Installing to a temporary prefix gives a program folder that runs from its own place and
# keeps its settings there, a desktop entry that starts it, the icon in every size, and
# metadata that validates.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.rurized.Rurized
for file in lib/rurized/Rurized.html lib/rurized/Rurized.en.html \
    lib/rurized/librurized_synth.so lib/rurized/librurized_midi.so \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{32x32,48x48,128x128,256x256}/apps/$id.png; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metadata does not validate"
grep -qx "Exec=\"$prefix/lib/rurized/Rurized\"" "$desktop" || fail "Exec is not the installed program"
grep -qx "Path=$prefix/lib/rurized" "$desktop" || fail "the desktop entry does not start in its folder"

program=$prefix/lib/rurized
start_program
main=$(wait_window "Rurized ")
click_button "$main" 8
wait_exit "$pid"
[ "$status" = 0 ] || fail "the installed program did not end normally"
[ -s "$program/Rurized.ini" ] || fail "the installed program did not keep its settings beside itself"
echo "install end-to-end: passed"
