#!/bin/sh
# Installs what the Windows cross-build (scripts/build-windows.sh) and its tests under Wine
# (scripts/test-windows.sh) need besides scripts/install-deps.sh, and adds the deb-src entry
# through which the build fetches the libraries' Debian source packages. CI does not need it.
# Safe to run again. Works as root, or as a user with sudo.
set -eu

packages="
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  dpkg-dev
  make tcl meson
  wine wine64
"
# Why they are here:
#   *-mingw-w64-*     the cross compilers for 64-bit Windows ("posix" threads: std::thread)
#   dpkg-dev          apt-get source unpacks the libraries' source packages with dpkg-source
#   make, tcl         the libraries' own builds (SQLite makes its one-file source with tclsh)
#   meson             libepoxy's own build
#   wine, wine64      the cross-built tests and the game run under Wine

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

# Source packages come from the same mirrors and suites as the binary ones: the system's own
# entries, read again as deb-src.
sources=/etc/apt/sources.list.d/kipto2-deb-src.sources
list=/etc/apt/sources.list.d/kipto2-deb-src.list
updated=yes
if [ ! -f "$sources" ] && [ ! -f "$list" ]; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $sudo tee "$sources" >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $sudo tee "$list" >/dev/null
    fi
    updated=no
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -z "$missing" ] && [ "$updated" = yes ]; then
    echo "install-windows-deps: everything is installed"
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
[ -n "$missing" ] && $sudo apt-get install -y -q --no-install-recommends $missing
exit 0
