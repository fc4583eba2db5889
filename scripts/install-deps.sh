#!/bin/sh
# Installs what building and testing Velk needs on Debian 12 (run as root or with sudo).
# Packages given as arguments are installed too (CI adds its fuzzing and locale tools).
set -e
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
PACKAGES="build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev \
  libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation \
  poppler-utils dpkg-dev file desktop-file-utils shared-mime-info libdxflib-dev python3-ezdxf \
  $*"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends $missing
fi
