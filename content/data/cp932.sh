#!/bin/sh
# Readable talk source (UTF-8, LF, '#' comment lines) -> game file (code page 932, CR LF).
# Comment and empty lines are dropped: the game's reader would take them for fields.
# iconv fails on any character code page 932 cannot hold, so such a text stops the build.
set -e
sed -e '/^#/d' -e '/^[[:space:]]*$/d' -e 's/$/\r/' "$1" | iconv -f UTF-8 -t CP932 > "$2.tmp"
mv "$2.tmp" "$2"
