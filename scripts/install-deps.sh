#!/usr/bin/env bash
# Installs the Debian packages needed to build, run, test, benchmark and fuzz
# Quorvanta. Only missing packages are installed; when nothing is missing the
# script touches neither the package lists nor the network.
set -euo pipefail

packages=(
    build-essential
    cmake
    ninja-build
    qt6-base-dev
    qt6-svg-dev  # SVG export of the graph
    libgl1-mesa-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    libmuparser-dev
    clang
    libclang-rt-14-dev  # libFuzzer and the sanitizer runtimes for clang
    poppler-utils  # pdftoppm: the tests look at printed and exported pages
    desktop-file-utils  # desktop-file-validate
    appstream  # appstreamcli validate
    xvfb
    xauth
)

is_installed() {
    dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null | grep -qx installed
}

missing=()
for package in "${packages[@]}"; do
    if ! is_installed "$package"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

if [[ "$(id -u)" -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo available" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
apt_options=(-y -q -o DPkg::Lock::Timeout=600)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install "${missing[@]}" </dev/null
