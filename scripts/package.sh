#!/usr/bin/env bash
# Builds the release package in one command:
#   build/release/Vantrel-<version>.zip with
#     x64/vantrel.exe, x86/vantrel.exe   (MinSizeRel, stripped, static)
#     说明.txt                            (the Chinese README, for Notepad on Windows 7 and later)
#     ADB/adbbz.doc, ADB/adbjz.doc       (the work-folder documents, RTF, from docs/workfolder)
# Usage: scripts/package.sh   (prints the package's path last)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh

for preset in windows-x64 windows-x86; do
    echo "== Building vantrel.exe ($preset)"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target vantrel
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$vantrel_win64_dir/CMakeCache.txt")
stage="build/release/Vantrel-$version"
package="build/release/Vantrel-$version.zip"
rm -rf "$stage" "$package"
mkdir -p "$stage/x64" "$stage/x86" "$stage/ADB"

cp "$vantrel_win64_dir/$vantrel_exe_in_build" "$stage/x64/"
cp "$vantrel_win32_dir/$vantrel_exe_in_build" "$stage/x86/"
for document in adbbz adbjz; do
    python3 scripts/text_to_rtf.py "docs/workfolder/$document.txt" "$stage/ADB/$document.doc"
done
# Notepad on Windows 7 takes a file for UTF-8 only with the byte-order mark,
# and shows its lines apart only with CR LF.
{
    printf '\xEF\xBB\xBF'
    sed 's/$/\r/' packaging/说明.txt
} >"$stage/说明.txt"

python3 packaging/release_zip.py "$stage" "$package"
echo "$package"
