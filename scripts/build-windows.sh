#!/bin/bash
# Cross-builds Kipto2 for 64-bit Windows on Debian 12, with nothing but Debian packages:
#
#   1. fetches the Debian source packages of every library the game needs (apt-get source,
#      through the deb-src entry that scripts/install-windows-deps.sh adds);
#   2. builds them with the mingw-w64 compilers into build-windows/prefix: statically where the
#      licence allows it, as DLLs beside the program for the LGPL ones (mpg123, libxmp);
#      a library already built at the same Debian version is not built again;
#   3. builds the data package Kipto2.bin natively (its tools run on the build machine), then
#      Kipto2.exe (and with --tests the Windows unit tests) with cmake/toolchains/mingw-w64.cmake;
#   4. gathers Kipto2.exe, Kipto2.bin, the DLLs, the fonts, the licences and README.txt in
#      build-windows/Kipto2-windows/ and zips them (CPack) as build-windows/game/Kipto2-windows.zip.
#
# Usage: scripts/build-windows.sh [--libs-only] [--tests]
#   Run scripts/install-windows-deps.sh once first. JOBS (default 1) sets the parallel jobs;
#   every compiler runs under "nice -n 19". KIPTO2_WINDOWS_BUILD moves the build folder.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${KIPTO2_WINDOWS_BUILD:-$root/build-windows}
sources=$out/sources
work=$out/libs
prefix=$out/prefix
jobs=${JOBS:-1}
host=x86_64-w64-mingw32
toolchain=$root/cmake/toolchains/mingw-w64.cmake
low="nice -n 19"

libs_only=0
tests=0
for arg in "$@"; do
    case $arg in
        --libs-only) libs_only=1 ;;
        --tests) tests=1 ;;
        *) echo "usage: $0 [--libs-only] [--tests]" >&2; exit 2 ;;
    esac
done

# pkg-config and CMake see only the cross-built libraries.
export KIPTO2_WINDOWS_PREFIX=$prefix
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig
unset PKG_CONFIG_PATH
mkdir -p "$sources" "$work" "$prefix/lib/pkgconfig" "$prefix/include" "$prefix/stamps"

say() { echo "== build-windows: $*"; }

# The Debian version of a fetched source package.
version_of() { sed -n 's/^Version: //p' "$sources/$1"_*.dsc | head -n 1; }

# Downloads and unpacks one Debian source package (with Debian's patches) into sources/NAME.
# A mirror may lack a package's Debian part (its patches and packaging) while it has the upstream
# tarball, which apt-get has checked against the package's .dsc: the build then goes on from the
# upstream sources and says so.
fetch() {
    local package=$1
    [ -d "$sources/$package" ] && return
    say "fetching the source package $package"
    if (cd "$sources" && apt-get source -q --download-only "$package" >/dev/null 2>&1); then
        dpkg-source -q -x --no-check "$sources/${package}"_*.dsc "$sources/$package" >/dev/null
        return
    fi
    local upstream
    upstream=$(ls "$sources/${package}"_*.orig.tar.* 2>/dev/null | head -n 1)
    [ -n "$upstream" ] || { echo "build-windows: cannot fetch the source package $package" >&2; exit 1; }
    say "$package: the mirror lacks its Debian part; building the upstream sources of the .dsc"
    mkdir -p "$sources/$package"
    tar -xf "$upstream" -C "$sources/$package" --strip-components=1
}

# True when the library was built from the same Debian version before.
built() {
    [ -f "$prefix/stamps/$1" ] && [ "$(cat "$prefix/stamps/$1")" = "$(version_of "$1")" ]
}
stamp() { version_of "$1" >"$prefix/stamps/$1"; }

# A fresh copy of the sources to build in, so that sources/ stays as Debian shipped it.
fresh_copy() {
    rm -rf "${work:?}/$1"
    cp -a "$sources/$1" "$work/$1"
    cd "$work/$1"
}

# configure && make && make install in a fresh copy; later arguments override the static default.
autotools() {
    local package=$1
    shift
    fresh_copy "$package"
    $low ./configure -q --host=$host --prefix="$prefix" --disable-shared --enable-static \
        CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" "$@"
    $low make -j"$jobs" -s
    make -s install
}

# A CMake project, built with the mingw-w64 toolchain and installed into the prefix.
cmake_lib() {
    local package=$1
    shift
    rm -rf "${work:?}/$package"
    cmake -S "$sources/$package" -B "$work/$package" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
        -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
    $low ninja -C "$work/$package" -j"$jobs" >/dev/null
    ninja -C "$work/$package" install >/dev/null
}

# A pkg-config file for a library whose build does not write one.
write_pc() {
    local name=$1 version=$2 libs=$3 cflags=${4:-}
    cat >"$prefix/lib/pkgconfig/$name.pc" <<EOF
prefix=$prefix
Name: $name
Description: $name, cross-built for Windows
Version: $version
Libs: -L\${prefix}/lib $libs
Cflags: -I\${prefix}/include $cflags
EOF
}

# Debian's zlib sources lack the Windows makefile: the library is its C files in one archive.
build_zlib() {
    fresh_copy zlib
    local file
    for file in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast \
        inflate inftrees trees uncompr zutil; do
        $low $host-gcc-posix -O2 -c $file.c -o $file.o
    done
    $host-gcc-ar-posix rcs libz.a ./*.o
    cp zlib.h zconf.h "$prefix/include/"
    cp libz.a "$prefix/lib/"
    write_pc zlib 1.2.13 "-lz"
}

# The SQLite source tree makes its one-file amalgamation with tclsh on the build machine; the
# amalgamation is then compiled for Windows.
build_sqlite3() {
    rm -rf "${work:?}/sqlite3"
    mkdir -p "$work/sqlite3"
    cd "$work/sqlite3"
    $low "$sources/sqlite3/configure" -q --disable-tcl >/dev/null
    $low make -s sqlite3.c
    $low $host-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -c sqlite3.c -o sqlite3.o
    $host-gcc-ar-posix rcs libsqlite3.a sqlite3.o
    cp sqlite3.h sqlite3ext.h "$prefix/include/"
    cp libsqlite3.a "$prefix/lib/"
    write_pc sqlite3 3.40.1 "-lsqlite3"
}

build_libpng1.6() { autotools libpng1.6 --disable-tests --without-binconfigs; }

# Only the library: its command-line programs would take longer than it.
build_libjpeg-turbo() {
    local dir=$work/libjpeg-turbo
    rm -rf "${dir:?}"
    cmake -S "$sources/libjpeg-turbo" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
        -DWITH_TURBOJPEG=OFF >/dev/null
    $low ninja -C "$dir" -j"$jobs" jpeg-static >/dev/null
    cp "$dir/libjpeg.a" "$prefix/lib/"
    cp "$dir/jconfig.h" "$sources/libjpeg-turbo/jpeglib.h" "$sources/libjpeg-turbo/jmorecfg.h" \
        "$sources/libjpeg-turbo/jerror.h" "$prefix/include/"
    write_pc libjpeg 2.1.5 "-ljpeg"
}

# With the zlib above: FreeType's own copy of zlib would clash with it in the program.
build_freetype() {
    autotools freetype --without-harfbuzz --without-brotli --without-bzip2 --without-png --with-zlib=yes
}

build_libogg() { autotools libogg; }

build_libvorbis() { autotools libvorbis --with-ogg="$prefix" --disable-docs --disable-examples; }

# LGPL: a DLL beside the program. Only the libraries and their headers are installed.
build_mpg123() {
    fresh_copy mpg123
    $low ./configure -q --host=$host --prefix="$prefix" --enable-shared --disable-static \
        --with-audio=dummy --enable-modules=no
    $low make -j"$jobs" -s install-libLTLIBRARIES install-includeHEADERS install-nodist_includeHEADERS \
        install-pkgconfigDATA
}

# LGPL: a DLL beside the program.
# The game plays plain MOD, S3M, XM and IT files: no unpackers of packed modules.
build_libxmp() { autotools libxmp --enable-shared --disable-static --disable-depackers --disable-prowizard; }

build_libxml2() {
    cmake_lib libxml2 -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_PYTHON=OFF \
        -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_ICU=OFF \
        -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF
}

# HTTPS through Windows' own TLS (Schannel); no other protocol is needed.
build_curl() {
    cmake_lib curl -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF \
        -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF -DUSE_LIBIDN2=OFF \
        -DHTTP_ONLY=ON -DCURL_DISABLE_LDAP=ON -DENABLE_UNIX_SOCKETS=OFF -DBUILD_CURL_EXE=OFF \
        -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF
    # curl's CMake build does not tell its users that the library is static.
    sed -i '/^Cflags:/s/$/ -DCURL_STATICLIB/' "$prefix/lib/pkgconfig/libcurl.pc"
}

# OpenGL's function pointers for the OpenGL window target, through WGL on Windows.
build_libepoxy() {
    rm -rf "${work:?}/libepoxy"
    $low meson setup "$work/libepoxy" "$sources/libepoxy" --cross-file "$root/cmake/toolchains/mingw-w64-meson.ini" \
        --prefix="$prefix" --libdir=lib --buildtype=release --default-library=static \
        -Ddocs=false -Dglx=no -Degl=no -Dx11=false -Dtests=false >/dev/null
    $low ninja -C "$work/libepoxy" -j"$jobs" >/dev/null
    ninja -C "$work/libepoxy" install >/dev/null
}

# Without the game controller parts, which the game does not read.
build_libsdl2() {
    cmake_lib libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_JOYSTICK=OFF \
        -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
}

build_googletest() { cmake_lib googletest -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=ON; }

# The game links the libraries statically through pkg-config without --static, which CMake's
# pkg_check_modules cannot ask for: fold the private flags into the public ones. SDL's own entry
# point (SDL2main) is left out: the game has its own main.
flatten_pkg_config() {
    local pc
    for pc in "$prefix"/lib/pkgconfig/*.pc; do
        awk '
            /^Libs\.private:/   { sub(/^Libs\.private:/, ""); extraLibs = extraLibs $0; next }
            /^Cflags\.private:/ { sub(/^Cflags\.private:/, ""); extraCflags = extraCflags $0; next }
            /^Requires\.private:/ { sub(/^Requires\.private:/, ""); extraRequires = extraRequires $0; next }
            { lines[n++] = $0 }
            END {
                for (i = 0; i < n; i++) {
                    line = lines[i]
                    if (line ~ /^Libs:/) line = line extraLibs
                    if (line ~ /^Cflags:/) line = line extraCflags
                    if (line ~ /^Requires:/) { line = line (extraRequires != "" ? ", " extraRequires : ""); hasRequires = 1 }
                    print line
                }
                if (!hasRequires && extraRequires != "") print "Requires:" extraRequires
            }' "$pc" >"$pc.new"
        sed -i -e 's/ -lSDL2main//g' -e 's/ -mwindows//g' -e 's/ -Dmain=SDL_main//g' "$pc.new"
        mv "$pc.new" "$pc"
    done
}

# Every library of the game, each after the ones it needs.
libraries="zlib libpng1.6 libjpeg-turbo freetype libogg libvorbis mpg123 libxmp sqlite3 libxml2 curl libsdl2 libepoxy"
[ "$tests" = 1 ] && libraries="$libraries googletest"

started=$(date +%s)
for library in $libraries; do
    fetch "$library"
    if built "$library"; then
        continue
    fi
    say "building $library $(version_of "$library")"
    (set -e; "build_$library")
    stamp "$library"
done
flatten_pkg_config
say "libraries ready in $prefix ($(($(date +%s) - started)) s)"
[ "$libs_only" = 1 ] && exit 0

# The data package and the icon picture: their generators and packer run on the build machine.
# KIPTO2_NATIVE_BUILD may name a native build folder to use instead of build-windows/native.
native=${KIPTO2_NATIVE_BUILD:-$out/native}
say "building the data package natively in $native"
(
    unset PKG_CONFIG_LIBDIR KIPTO2_WINDOWS_PREFIX
    [ -f "$native/CMakeCache.txt" ] ||
        cmake -S "$root" -B "$native" -G Ninja -DKIPTO2_TESTS=OFF -DKIPTO2_BENCH=OFF >/dev/null
    $low ninja -C "$native" -j"$jobs" content >/dev/null
)

say "building Kipto2.exe"
launcher=$(command -v ccache || true)
cmake -S "$root" -B "$out/game" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher -DCMAKE_C_COMPILER_LAUNCHER=$launcher} \
    -DKIPTO2_TESTS=$([ "$tests" = 1 ] && echo ON || echo OFF) -DKIPTO2_BENCH=OFF \
    -DKIPTO2_NATIVE_BUILD="$native" -DKIPTO2_WINDOWS_LIBRARY_SOURCES="$sources" >/dev/null
# The compilers' messages go to a log, shown when the build fails.
$low ninja -C "$out/game" -j"$jobs" Kipto2 $([ "$tests" = 1 ] && echo windows_tests) >"$out/game.log" 2>&1 ||
    { grep -E -A12 '^FAILED|error:' "$out/game.log" | head -n 60; echo "build-windows: see $out/game.log" >&2; exit 1; }

say "gathering the package in $out/Kipto2-windows and zipping it"
rm -rf "$out/Kipto2-windows"
cmake --install "$out/game" --prefix "$out/Kipto2-windows" >/dev/null
ninja -C "$out/game" windows_package >/dev/null
say "done in $(($(date +%s) - started)) s: $out/game/Kipto2-windows.zip"
