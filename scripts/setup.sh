#!/usr/bin/env bash
# Installs what building, testing and looking at Quadrix needs on Debian (12 or later).
set -euo pipefail
pakete=(build-essential cmake ninja-build clang libclang-rt-dev qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
        libgtest-dev libbenchmark-dev libmuparser-dev fonts-liberation2 xvfb xauth clang-format
        locales qt6-translations-l10n python3-pyatspi at-spi2-core dbus poppler-utils
        desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin librsvg2-bin)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
