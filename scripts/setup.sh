#!/usr/bin/env bash
# Installs, from Debian packages, whatever the build, the program and the tests
# need and the machine does not have yet. Safe to run again: it installs only
# what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libqt6multimedia6
  gstreamer1.0-plugins-good gstreamer1.0-plugins-base
  fonts-liberation fonts-dejavu qt6-translations-l10n
  libbenchmark-dev
  poppler-utils
  clang libclang-rt-14-dev
  ccache
)
if [ "${PRATOVIA_WITH_TEST_TOOLS:-0}" = 1 ]; then
  packages+=(libreoffice-calc-nogui)
fi
# Only to make the agenda's alert sound again (scripts/avviso.sh); the built
# file is kept in the repository.
if [ "${PRATOVIA_WITH_SOUND_TOOLS:-0}" = 1 ]; then
  packages+=(sox lame)
fi
# Only to look at the windows on a machine without a screen: a virtual
# display, typing and clicking into it, and screenshots.
if [ "${PRATOVIA_WITH_SCREEN_TOOLS:-0}" = 1 ]; then
  packages+=(xvfb xdotool imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
