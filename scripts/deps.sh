#!/usr/bin/env bash
# Installs the Debian 12 packages Tablerix needs to build, test and run.
# Safe to run again: apt-get only acts on what is missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation2 poppler-utils xvfb xauth
  desktop-file-utils appstream libxml2-utils shared-mime-info
  dpkg-dev fakeroot file lintian
  fontconfig fonts-dejavu-extra fonts-noto-core
  clang-format git
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
