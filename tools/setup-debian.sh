#!/bin/sh
# Installs what building, running and testing need on Debian 12: the tests under a window manager need Xvfb,
# openbox, xdotool and ImageMagick's import; the package check needs lintian; the checks of the code's shape
# need Python, clang-format and clang-tidy.
set -e
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
    g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev \
    fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n xdg-utils \
    dpkg-dev file desktop-file-utils appstream lintian \
    xvfb openbox xdotool x11-utils imagemagick python3 clang-format clang-tidy git >/dev/null
