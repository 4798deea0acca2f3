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
    qt6-l10n-tools  # lrelease and lupdate: the translations
    qt6-translations-l10n  # Qt's own texts in the user's language
    locales  # the German locale the translation test runs under
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
    xdotool  # keys for the accessibility test
    dbus-daemon  # dbus-run-session: a private session bus for it
    at-spi2-core  # the accessibility bus a screen reader listens on
    python3-pyatspi  # reading the program through that bus
    python3-gi
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

# The translation test runs the window under de_DE.UTF-8; without that
# locale the C library would quietly stay in "C" and the test would not see
# what a German user's program does with numbers.
make_locale() {
    if locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
        return 0
    fi
    "${as_root[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 ||
        echo "install-deps: could not make the de_DE.UTF-8 locale" >&2
}

as_root=()
if [[ "$(id -u)" -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    elif ((${#missing[@]} > 0)); then
        echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo available" >&2
        exit 1
    fi
fi

if ((${#missing[@]} > 0)); then
    echo "install-deps: installing ${missing[*]}"
    apt_options=(-y -q -o DPkg::Lock::Timeout=600)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install "${missing[@]}" </dev/null
fi
make_locale
