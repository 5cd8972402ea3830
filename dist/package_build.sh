#!/bin/sh
# Builds the Debian packages of a commit (the current one unless given) in OUTDIR: the commit's files
# (no build output, no uncommitted change) are unpacked into OUTDIR/duskbell-VERSION and built there
# by dpkg-buildpackage, so two builds of one commit in two folders can be compared byte for byte.
# The commit built is written to OUTDIR/commit.
# Usage: package_build.sh OUTDIR [COMMIT]
set -eu
out=$(mkdir -p "$1" && cd "$1" && pwd)
top=$(git rev-parse --show-toplevel)
commit=$(git -C "$top" rev-parse --verify "${2:-HEAD}^{commit}")
version=$(git -C "$top" show "$commit:debian/changelog" | dpkg-parsechangelog -l - -S Version)
src=$out/duskbell-$version
# Every file's time in the package comes from the commit, not from the day of the build.
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
rm -rf "$out"/*
mkdir -p "$src"
git -C "$top" archive --format=tar "$commit" | tar -x -C "$src"
echo "$commit" >"$out/commit"
echo "package: building duskbell $version of commit $(git -C "$top" rev-parse --short "$commit") in $src"
(cd "$src" && DEB_BUILD_OPTIONS="parallel=2" dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1) ||
    { tail -n 30 "$out/build.log"; echo "package: dpkg-buildpackage failed (the log: $out/build.log)" >&2; exit 1; }
ls "$out"/*.deb
