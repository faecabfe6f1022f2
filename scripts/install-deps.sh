#!/usr/bin/env bash
# Installs the Debian packages that building and testing Vantrel need, when
# missing: wine32 with the i386 architecture, so that Wine runs the 32-bit
# program, and the glibc locale zh_CN.UTF-8, through which Wine maps Chinese
# file names. Runs as root or through sudo. When everything is there it only
# looks, and fetches no package lists.
# Usage: scripts/install-deps.sh [build | --check]
#   build    only what building and the checks without Wine need
#   --check  installs nothing; exits with 1 when anything is missing
set -euo pipefail

# clang with libclang-rt-14-dev builds the fuzz targets (libFuzzer and the
# sanitizers); g++ brings its own sanitizers for the unit tests.
build_packages=(
    cmake ninja-build g++ googletest libgtest-dev clang-format python3 git
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
)
run_packages=(wine wine64 wine32:i386 xvfb x11-utils fonts-wqy-microhei imagemagick locales)
locale=zh_CN.UTF-8

mode=${1:-all}
packages=("${build_packages[@]}")
[ "$mode" = build ] || packages+=("${run_packages[@]}")

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# One query for all: the names of the installed ones, without the machine's
# own architecture, as the lists above have them.
native=$(dpkg --print-architecture)
installed=$(dpkg-query -W -f='${binary:Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null |
    sed -n "s/:$native / /; s/ installed$//p" || true)
missing=()
for package in "${packages[@]}"; do
    [[ $'\n'"$installed"$'\n' == *$'\n'"$package"$'\n'* ]] || missing+=("$package")
done
# "locale -a" spells it zh_CN.utf8.
locale_missing=false
if [ "$mode" != build ] && ! grep -qix "${locale/UTF-8/utf8}" <<<"$(locale -a)"; then
    locale_missing=true
fi

if [ "$mode" = --check ]; then
    [ "${#missing[@]}" -eq 0 ] || echo "missing: ${missing[*]}"
    ! $locale_missing || echo "missing: the locale $locale"
    [ "${#missing[@]}" -eq 0 ] && ! $locale_missing
    exit
fi

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [[ " ${missing[*]} " == *:i386\ * ]] &&
        ! grep -qx i386 <<<"$(dpkg --print-foreign-architectures)"; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

if $locale_missing; then
    echo "Generating the locale $locale"
    as_root localedef -i "${locale%%.*}" -f UTF-8 "$locale"
fi
