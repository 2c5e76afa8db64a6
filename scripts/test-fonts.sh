#!/usr/bin/env bash
# Runs the tests that draw, measure or lay out text once more under another
# default font, to show that they hold on any machine: a private fontconfig
# file gives the desktop's sans-serif face to another family, and a headless
# screen of another resolution changes the size of every font given in points.
# Reuses the release build of scripts/test.sh (and makes it if it is missing).
#
#   scripts/test-fonts.sh [SETTING]
#     condensed  "DejaVu Sans Condensed" at 144 dpi (the default)
#     serif      "Liberation Serif" at 120 dpi
#     unnamed    "Noto Sans" at 72 dpi, with the Liberation and DejaVu faces
#                hidden: every face the program or a test names falls back
set -euo pipefail
cd "$(dirname "$0")/.."

setting=${1:-condensed}
hide=()
case "$setting" in
  condensed) family="DejaVu Sans Condensed"; dpi=144 ;;
  serif)     family="Liberation Serif";      dpi=120 ;;
  unnamed)   family="Noto Sans";             dpi=72; hide=("*/liberation*/*" "*/dejavu/*") ;;
  *) echo "usage: $0 [condensed|serif|unnamed]" >&2; exit 2 ;;
esac

scripts/deps.sh
[[ -f build/release/CMakeCache.txt ]] || cmake --preset release >/dev/null
cmake --build --preset release

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Qt asks fontconfig for "Sans Serif" when it looks for the default face; the
# rule runs before the system's own, which then add their usual fallbacks.
reject=""
for glob in "${hide[@]}"; do reject+="<glob>$glob</glob>"; done
[[ -n $reject ]] && reject="<selectfont><rejectfont>$reject</rejectfont></selectfont>"
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <test qual="first" name="family"><string>Sans Serif</string></test>
    <edit name="family" mode="assign" binding="strong"><string>$family</string></edit>
  </match>
  $reject
  <include ignore_missing="no">/etc/fonts/fonts.conf</include>
</fontconfig>
EOF
export FONTCONFIG_FILE="$work/fonts.conf"
got=$(fc-match -f '%{family}' 'Sans Serif')  # every name of the face, comma-separated
if [[ ",$got," != *",$family,"* ]]; then
  echo "test-fonts: the default face is \"$got\", not \"$family\"" >&2
  exit 1
fi

# Same size as the offscreen platform's own screen; only the resolution
# differs. Qt's scaling is off so that the resolution reaches the fonts
# instead of turning into a device pixel ratio.
cat >"$work/screen.json" <<EOF
{ "screens": [ { "name": "Offscreen", "x": 0, "y": 0, "width": 800, "height": 800,
                 "logicalDpi": $dpi, "logicalBaseDpi": 96, "dpr": 1 } ] }
EOF
export QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json"
export QT_ENABLE_HIGHDPI_SCALING=0

echo "test-fonts: default face \"$family\" at $dpi dpi${hide[*]:+, hiding ${hide[*]}}"
# Not through the test preset: its environment would put the plain
# offscreen platform back.
ctest --test-dir build/release -L 'widgets|view|app' --output-on-failure -j2 --timeout 600
