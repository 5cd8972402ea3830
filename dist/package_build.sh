#!/bin/sh
# Builds the Debian packages of the current commit in OUTDIR: the commit's files (no build output,
# no uncommitted change) are unpacked into OUTDIR/duskbell-VERSION and built there by
# dpkg-buildpackage, so two builds of one commit in two folders can be compared byte for byte.
# Usage: package_build.sh OUTDIR
set -eu
out=$(mkdir -p "$1" && cd "$1" && pwd)
top=$(git rev-parse --show-toplevel)
version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
src=$out/duskbell-$version
# Every file's time in the package comes from the commit, not from the day of the build.
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
rm -rf "$out"/*
mkdir -p "$src"
git -C "$top" archive --format=tar HEAD | tar -x -C "$src"
echo "package: building duskbell $version of commit $(git -C "$top" rev-parse --short HEAD) in $src"
(cd "$src" && DEB_BUILD_OPTIONS="parallel=2" dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1) ||
    { tail -n 30 "$out/build.log"; echo "package: dpkg-buildpackage failed (the log: $out/build.log)" >&2; exit 1; }
ls "$out"/*.deb
