#!/usr/bin/env bash
# Makes the test Wine prefix of a build tree: 32-bit, Wine's fonts copied in,
# the core faces mapped to metric-compatible Liberation fonts, unmanaged windows
# (no window manager runs under Xvfb), the hot-tracking colour of Windows, and
# the print-to-file test printer.
# Usage: scripts/make-wine-prefix.sh BUILD_DIR. Does nothing when it is ready.
set -euo pipefail

BUILD=$(cd "$1" && pwd)
export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
STAMP="$WINEPREFIX/.zq-prefix-ready"
[ -f "$STAMP" ] && exit 0

echo "== making the test Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"
# A server of this prefix left from an earlier attempt would hold the old state.
wineboot -i >/dev/null 2>&1
wineserver -w

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts/" 2>/dev/null || true

reg() { wine reg add "$@" /f >/dev/null 2>&1; }
replacements='HKCU\Software\Wine\Fonts\Replacements'
reg "$replacements" /v "Arial" /d "Liberation Sans"
reg "$replacements" /v "Times New Roman" /d "Liberation Serif"
reg "$replacements" /v "Courier New" /d "Liberation Mono"
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# Wine's default theme gives the hot-tracking colour (the colour of links) a
# light grey that reads as nothing on a light face; Windows' default is blue.
reg 'HKCU\Control Panel\Colors' /v HotTrackingColor /d "0 102 204"

wine "$BUILD/tools/InstallTestPrinter.exe"
wineserver -w
touch "$STAMP"
