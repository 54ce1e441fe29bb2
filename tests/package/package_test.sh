#!/bin/sh
# The release package: two runs give the same bytes; unpacked, it passes the host-view check
# with nothing missing and nothing extra; and a host folder that holds only the host's own
# mchost.exe and mckernel.dll beside the unpacked files loads the module from there.
# usage: package_test.sh WORKDIR ARCH VERSION HOSTBIN PACKAGE-COMMAND...
set -u
work=$1 arch=$2 version=$3 bin=$4
shift 4
src=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work" && mkdir -p "$work" || exit 2

"$@" --out "$work/first.zip" || fail "packaging"
"$@" --out "$work/second.zip" || fail "packaging again"
cmp "$work/first.zip" "$work/second.zip" || fail "two runs gave different ZIPs"

/usr/bin/python3 -m zipfile -e "$work/first.zip" "$work/host" || fail "unpacking"
/usr/bin/python3 "$src/tests/package/host_view_check.py" "$work/host/SlaveManagement.dll" \
  --machine "$arch" --version "$version" --exact || fail "host view of the package"

cp "$bin/mchost.exe" "$bin/mckernel.dll" "$work/host/" || exit 2
"$src/scripts/wine-run" "$work/host/mchost.exe" info --module "$work/host/SlaveManagement.dll" \
  >"$work/info.txt" 2>&1 || { cat "$work/info.txt"; fail "mchost info from the package folder"; }
grep -q "Slave Management" "$work/info.txt" || { cat "$work/info.txt"; fail "the module's name missing"; }
echo "package for $arch: $(wc -c <"$work/first.zip") bytes, host view and load passed"
