#!/bin/sh
# Builds Sorvane and then runs it ("./build.sh run"), every test ("./build.sh test": the
# suite, then the suite again under AddressSanitizer and UndefinedBehaviorSanitizer together
# with the fuzz targets), the benchmark ("./build.sh bench") or a Debian package of it
# ("./build.sh package"). Installs the Debian packages it needs first, with sudo when not run
# as root.
set -eu
cd "$(dirname "$0")"

# Everything the four commands use that a minimal Debian 12 system lacks: CPack reads the
# binary's dependencies with file and dpkg-shlibdeps, the package test runs lintian, and the
# install test asks GLib's gio what "Open with" offers; the tag tests write tags with
# python3-mutagen and id3tool and read what was saved back with mutagen and eyeD3; Qt's
# Linguist tools build the translations, which the program shows beside Qt's own.
packages="cmake make g++ clang libclang-rt-14-dev qt6-base-dev pkg-config libtag1-dev libgtest-dev python3-mutagen eyed3 id3tool
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          desktop-file-utils appstream dpkg-dev file lintian libglib2.0-bin
          fusefat exfat-fuse dosfstools exfatprogs"

install_missing_packages() {
    missing=""
    for package in $packages; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
    done
    [ -z "$missing" ] && return
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "$0: sudo is missing: run this as root, or install sudo, to install:$missing" >&2
            exit 1
        fi
        sudo="sudo"
    fi
    echo "Installing:$missing"
    # env carries the setting through sudo, which drops it from the environment.
    # shellcheck disable=SC2086
    if ! { $sudo apt-get update -q && $sudo env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q --no-install-recommends $missing; }; then
        echo "$0: could not install the packages; as root, run: apt-get install$missing" >&2
        exit 1
    fi
}

# build FOLDER [CMAKE OPTIONS...]
# A folder configured for another source or build path (the checkout was moved or renamed)
# is configured afresh: CMake refuses its cache, and only the cache is given up.
build() {
    folder=$1
    shift
    fresh=""
    cache="$folder/CMakeCache.txt"
    if [ -f "$cache" ] && ! { grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$(pwd -P)" "$cache" &&
            grep -qxF "CMAKE_CACHEFILE_DIR:INTERNAL=$(pwd -P)/$folder" "$cache"; }; then
        echo "$folder was configured in another place; configuring it afresh"
        fresh="--fresh"
    fi
    cmake ${fresh:+"$fresh"} -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder" --parallel "$(nproc)"
}

# ctest names the tests that skipped, but not why: each one's reason follows its summary.
run_tests() {
    status=0
    ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" || status=$?
    awk '/^[0-9]+\/[0-9]+ Test: / { test = $3 }
         /: Skipped$/ { getline; print "Skipped " test ": " $0 }
         /^SKIP: / { sub(/^SKIP: /, ""); print "Skipped " test ": " $0 }' "$1/Testing/Temporary/LastTest.log"
    return $status
}

case "${1:-}" in
run)
    install_missing_packages
    build build
    shift
    exec build/app/sorvane "$@"
    ;;
test)
    install_missing_packages
    build build
    run_tests build
    build build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DSORVANE_SANITIZE=ON -DSORVANE_FUZZ=ON
    export UBSAN_OPTIONS=print_stacktrace=1
    run_tests build-sanitize
    ;;
bench)
    install_missing_packages
    build build
    build/bench/sorvane_bench
    ;;
package)
    install_missing_packages
    build build
    (cd build && cpack -G DEB)
    ;;
*)
    echo "usage: $0 run [files...] | test | bench | package" >&2
    exit 2
    ;;
esac
