#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages this project needs, when they are missing.
# Safe to run again: it only calls apt-get when something is absent.
set -euo pipefail

PACKAGES=(
  # build tools
  build-essential cmake ninja-build ccache pkg-config clang
  # test and benchmark libraries
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # command line and JSON
  libcli11-dev nlohmann-json3-dev
  # Qt 6: widgets, printing, multimedia
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimediawidgets6
  qt6-qpa-plugins libqt6opengl6-dev
  # video playback through GStreamer (AVI demuxer, codecs)
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  # gst-launch-1.0, which the sample-data script uses to check its videos
  gstreamer1.0-tools
  # Japanese fonts for the Mincho and Gothic faces
  fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  # virtual display and screenshots for running without a screen
  xvfb xauth x11-apps imagemagick
  # a window manager, a hand on its windows and a look at its properties,
  # for the tests of windows under one
  openbox xdotool x11-utils
  # pdftotext and pdftoppm, which read printed PDF files back in the tests
  poppler-utils
  # Qt's own texts (standard buttons, file dialog, context menus) in Japanese
  qt6-translations-l10n
  # dbus-run-session, so a run on a virtual screen leaves no bus daemon behind
  dbus
  # the package: menu-entry check and start (desktop-file-validate, gio),
  # the package checker, window properties (xprop), AppStream validation
  desktop-file-utils libglib2.0-bin lintian x11-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
