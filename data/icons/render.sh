#!/usr/bin/env bash
# Renders the hicolor PNG icons from the SVG sources in src/ (needs
# rsvg-convert, Debian package librsvg2-bin). The PNGs are committed, so the
# build needs nothing of this; run it again after changing a source.
# The two smallest sizes come from their own pixel-fitted sources, so they
# stay sharp instead of being shrunk from the large drawing.
set -euo pipefail
cd "$(dirname "$0")"
render() {  # <source.svg> <size> <context> <name>
  local out="hicolor/$2x$2/$3/$4.png"
  mkdir -p "$(dirname "$out")"
  rsvg-convert --width "$2" --height "$2" --output "$out" "src/$1"
}
app=org.example.Tablerix
mime=application-x-tablerix-game
for size in 16 24 32 48 64 128 256; do
  case $size in
    16|24) render "$app-$size.svg" "$size" apps "$app" ;;
    *) render "$app.svg" "$size" apps "$app" ;;
  esac
  case $size in
    16) render "$mime-16.svg" "$size" mimetypes "$mime" ;;
    *) render "$mime.svg" "$size" mimetypes "$mime" ;;
  esac
done
