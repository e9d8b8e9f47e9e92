#!/bin/sh
# Installs every Debian package that building, testing and packaging Kipto2 needs.
# This is the list of packages for Linux (the Windows cross-build adds its own in
# scripts/install-windows-deps.sh). Safe to run again: apt skips
# what is already installed. Works as root, or as a user with sudo.
set -eu

packages="
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libx11-dev libepoxy-dev
  libpng-dev zlib1g-dev libjpeg62-turbo-dev
  libfreetype-dev libfontconfig-dev
  libogg-dev libvorbis-dev libmpg123-dev libxmp-dev
  libcurl4-openssl-dev
  libsqlite3-dev
  libxml2-dev
  libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libpixman-1-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation fonts-noto-color-emoji fonts-comic-neue
  xvfb xauth xdotool x11-apps imagemagick
  dpkg-dev file lintian desktop-file-utils appstream
  libgl1-mesa-dri libglx-mesa0 libegl-mesa0
"
# Why the less obvious ones are here:
#   libx11-dev        the SDL platform layer tells Xlib to ignore one harmless error of SDL's
#                     X11 driver (src/window/sdl/x11/)
#   libepoxy-dev      the OpenGL window target's function pointers (src/window/gl/)
#   libgl1-mesa-dri, libglx-mesa0, libegl-mesa0
#                     Mesa's software OpenGL (llvmpipe), so that the OpenGL target's tests
#                     and the comparison with the software target run under Xvfb
#   libpixman-1-dev   only the drawing benchmark links it, as a yardstick
#   libcpp-httplib-dev   the HTTP server of the score service kipto2-scores (and its tests' client)
#   clang, libclang-rt-14-dev   libFuzzer targets and the sanitizer builds
#   fonts-*           the fonts that fontconfig resolves and the content build bakes
#   xvfb, xauth, xdotool, x11-apps, imagemagick
#                     end-to-end tests: a virtual X display, scripted clicks, screenshots
#   dpkg-dev, file    cpack's Debian package: dpkg-shlibdeps computes the library dependencies
#                     of the programs that `file` recognises
#   lintian           checks the Debian package in the install test
#   desktop-file-utils, appstream
#                     desktop-file-validate and appstreamcli check the desktop entry and the
#                     AppStream metainfo in the tests

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && { echo "install-deps: everything is installed"; exit 0; }

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends $missing
