#!/bin/sh
# The release package: two runs give the same bytes. The kit test then takes the ZIP it leaves.
# usage: package_test.sh WORKDIR ZIPNAME PACKAGE-COMMAND...
set -u
work=$1 zip=$1/$2
shift 2
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work" && mkdir -p "$work" || exit 2

"$@" --out "$zip" || fail "packaging"
"$@" --out "$work/again.zip" || fail "packaging again"
cmp "$zip" "$work/again.zip" || fail "two runs gave different ZIPs"
