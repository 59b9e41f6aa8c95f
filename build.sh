#!/bin/sh
# Builds Sorvane and then runs it ("./build.sh run") or its tests ("./build.sh test").
# Installs the Debian packages it needs first, with sudo when not run as root.
set -eu
cd "$(dirname "$0")"

packages="cmake make g++ qt6-base-dev libgtest-dev python3-mutagen"
build_dir=build

install_missing_packages() {
    missing=""
    for package in $packages; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
    done
    [ -z "$missing" ] && return
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing:$missing"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

build() {
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build_dir" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing_packages
    build
    shift
    exec "$build_dir/app/sorvane" "$@"
    ;;
test)
    install_missing_packages
    build
    ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run [files...] | test" >&2
    exit 2
    ;;
esac
