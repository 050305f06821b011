#!/usr/bin/env bash
# Builds the libraries the Windows build needs and Debian does not package for MinGW, from
# Debian's own source packages, with mingw-w64 (x86-64, posix threads): wxWidgets 3.2
# (static: base, core and html), SDL2, a minimal FFmpeg (the demuxers, decoders and resampler
# the import uses) and GoogleTest. Each is built once into a folder of the cache, named by
# its version and by a digest of the recipe that built it, and reused from there; prints the
# prefixes, one a line.
#   scripts/windows-deps.sh
# The cache is $PLINKAPAD_WINDOWS_CACHE, or ~/.cache/plinkapad-windows: outside the clone.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${PLINKAPAD_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/plinkapad-windows}
host=x86_64-w64-mingw32
jobs=$(nproc)

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Debian's source packages need a deb-src entry; the archive's key is the one its binary
# entries name (apt refuses two keys for one archive).
if ! apt-get indextargets --format '$(TARGET_OF)' 2>/dev/null | grep -qx deb-src; then
    signed=$(grep -rhs '^Signed-By:' /etc/apt/sources.list.d/*.sources | head -n 1 || true)
    $sudo tee /etc/apt/sources.list.d/plinkapad-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
$signed

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
$signed
SOURCES
    $sudo apt-get update -qq
fi

version_of() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1; }

# Unpacks a source package into a fresh folder; prints the source tree's path.
unpack() {
    local package=$1 work=$2
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq "$package=$(version_of "$package")" >/dev/null 2>&1)
    find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# build NAME PACKAGE: runs build_NAME SOURCE PREFIX once for this version and recipe.
build() {
    local name=$1 package=$2 version prefix recipe
    version=$(version_of "$package")
    recipe=$(declare -f "build_$name" | sha256sum | cut -c1-12)
    prefix=$cache/$name-${version//[:~]/_}-$recipe
    if [ ! -e "$prefix/.built" ]; then
        echo "building $name $version for Windows (once, into $prefix)" >&2
        local source
        source=$(unpack "$package" "$cache/source-$name")
        rm -rf "$prefix"
        mkdir -p "$prefix"
        local started=$SECONDS
        ("build_$name" "$source" "$prefix") >"$cache/$name.log" 2>&1 ||
            { tail -n 40 "$cache/$name.log" >&2; echo "building $name failed" >&2; exit 1; }
        rm -rf "$cache/source-$name"
        echo "$((SECONDS - started)) s" >"$prefix/.built"
    fi
    echo "$prefix"
}

cross_env=(CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib
    WINDRES=$host-windres STRIP=$host-strip)

build_wx() {
    local source=$1 prefix=$2
    mkdir -p "$source/build-msw" && cd "$source/build-msw" &&
    # Only what the program uses: the base, core and HTML libraries, without the image
    # formats (the program reads its own BMPs) and the libraries Debian's source leaves out.
    env "${cross_env[@]}" ../configure --host=$host --build=x86_64-linux-gnu --prefix="$prefix" \
        --with-msw --disable-shared --disable-debug_info --without-opengl \
        --without-libpng --without-libjpeg --without-libtiff --without-zlib --without-expat \
        --without-regex --without-liblzma --without-nanosvg --disable-svg \
        --disable-xrc --disable-aui --disable-ribbon --disable-propgrid \
        --disable-richtext --disable-stc --disable-webview --disable-mediactrl \
        --disable-sockets --disable-webrequest --disable-debugreport --disable-sound \
        --disable-zipstream --disable-tarstream --disable-fs_zip --disable-fs_archive \
        --disable-protocols --disable-url --disable-secretstore --disable-printarch \
        --disable-postscript &&
        make -j"$jobs" && make install
}

build_sdl() {
    local source=$1 prefix=$2
    mkdir -p "$source/build-msw" && cd "$source/build-msw" &&
    env "${cross_env[@]}" ../configure --host=$host --build=x86_64-linux-gnu --prefix="$prefix" \
        --disable-static --enable-shared --disable-video-opengl --disable-video-vulkan \
        --disable-render-d3d --disable-joystick --disable-haptic --disable-hidapi \
        --disable-sensor --disable-power &&
        make -j"$jobs" && make install
}

build_ffmpeg() {
    local source=$1 prefix=$2
    mkdir -p "$source/build-msw" && cd "$source/build-msw" &&
    # The clips a phone makes and the sounds a parent has: the same list as the import's.
    ../configure --prefix="$prefix" --enable-cross-compile --target-os=mingw32 --arch=x86_64 \
        --cross-prefix=$host- --cc=$host-gcc-posix --cxx=$host-g++-posix \
        --disable-everything --disable-programs --disable-doc --disable-network \
        --disable-autodetect --disable-debug --enable-shared --disable-static \
        --disable-pthreads --enable-w32threads \
        --disable-avdevice --disable-avfilter --disable-swscale --disable-postproc \
        --enable-swresample \
        --enable-demuxer=mov,mp3,aac,ogg,wav,flac,amr \
        --enable-decoder=aac,aac_latm,mp3,mp3float,vorbis,opus,flac,alac,amrnb,amrwb,pcm_s16le,pcm_s16be,pcm_s24le,pcm_s32le,pcm_f32le,pcm_u8,pcm_alaw,pcm_mulaw,adpcm_ima_wav,adpcm_ms \
        --enable-parser=aac,mpegaudio,vorbis,opus,flac \
        --enable-protocol=file &&
        make -j"$jobs" && make install
}

build_chmlib() {
    local source=$1 prefix=$2
    # The reader of compiled help files behind the help viewer, as a static library.
    mkdir -p "$prefix/include" "$prefix/lib" &&
        $host-gcc-posix -O2 -DWIN32 -c "$source/src/chm_lib.c" -o "$source/chm_lib.o" &&
        $host-gcc-posix -O2 -DWIN32 -c "$source/src/lzx.c" -o "$source/lzx.o" &&
        $host-ar rcs "$prefix/lib/libchm.a" "$source/chm_lib.o" "$source/lzx.o" &&
        cp "$source/src/chm_lib.h" "$prefix/include/"
}

build_gtest() {
    local source=$1 prefix=$2
    cmake -S "$source" -B "$source/build-msw" -DCMAKE_SYSTEM_NAME=Windows \
        -DCMAKE_C_COMPILER=$host-gcc-posix -DCMAKE_CXX_COMPILER=$host-g++-posix \
        -DCMAKE_RC_COMPILER=$host-windres -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF &&
        cmake --build "$source/build-msw" --parallel "$jobs" &&
        cmake --install "$source/build-msw"
}

mkdir -p "$cache"
build wx wxwidgets3.2
build sdl libsdl2
build ffmpeg ffmpeg
build chmlib chmlib
build gtest googletest
