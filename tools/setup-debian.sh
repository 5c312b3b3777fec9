#!/bin/sh
# Installs what building, running and testing need on Debian 12.
set -e
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
    g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev \
    fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n xdg-utils \
    dpkg-dev file desktop-file-utils appstream >/dev/null
