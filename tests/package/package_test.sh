#!/bin/sh
# The release package: two runs give the same bytes, and the ZIP passes the kit test.
# usage: package_test.sh WORKDIR ZIPNAME ARCH VERSION UIROBOT FOREIGN-LIBSTDC++ PACKAGE-COMMAND...
set -u
work=$1 zip=$1/$2 arch=$3 version=$4 robot=$5 foreign=$6
shift 6
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work" && mkdir -p "$work" || exit 2

"$@" --out "$zip" || fail "packaging"
"$@" --out "$work/again.zip" || fail "packaging again"
cmp "$zip" "$work/again.zip" || fail "two runs gave different ZIPs"
sh "$(dirname "$0")/kit_test.sh" "$zip" "$arch" "$version" "$robot" "$foreign"
