#!/bin/sh
# Installs the Debian 12 packages the game needs to build, run and test,
# only those that are missing.
set -e
packages="cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools
  libsdl2-dev libfluidsynth-dev fluid-soundfont-gm timgm6mb-soundfont
  abcmidi fonts-ipafont-gothic fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb sox alsa-utils
  desktop-file-utils appstream lintian"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
