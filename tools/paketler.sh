#!/usr/bin/env bash
# Debian packages the program, its tests, its tools and its own package need.
set -euo pipefail
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
$SUDO apt-get update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
  cmake ninja-build g++ pkg-config git clang clang-format clang-tidy libclang-rt-14-dev \
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev \
  libsqlite3-dev unixodbc unixodbc-dev tdsodbc libsqliteodbc \
  libgsf-1-dev libpng-dev zlib1g-dev libdeflate-dev libxlsxwriter-dev qpdf python3-xlrd chromium \
  fonts-liberation fonts-urw-base35 poppler-utils \
  xvfb openbox xdotool x11-utils python3-pyatspi at-spi2-core dbus \
  libreoffice-calc-nogui python3-openpyxl gnumeric \
  help2man librsvg2-bin dpkg-dev lintian appstream \
  cups printer-driver-cups-pdf >/dev/null
