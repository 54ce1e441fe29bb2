#!/bin/sh
# A trial kit as a user gets it: the ZIP holds exactly its files below one folder; unpacked into
# a folder whose path has a space, in a fresh Wine prefix with nothing of the build on the PATH,
# it passes the host view, and its own mchost.exe runs the module from there, while another
# program's libstdc++-6.dll lies in the current directory and in a folder on the PATH, where a
# copy of the kit without its own is seen to take that one.
# usage: kit_test.sh ZIP ARCH VERSION UIROBOT FOREIGN-LIBSTDC++ MODULE-DEF
set -u
zip=$1 arch=$2 version=$3 robot=$4 foreign=$5 def=$6
# The test runs from another directory: the files it is given are taken by their full paths.
absolute() { case $1 in /*) printf '%s' "$1" ;; *) printf '%s/%s' "$PWD" "$1" ;; esac; }
zip=$(absolute "$zip") robot=$(absolute "$robot") foreign=$(absolute "$foreign") def=$(absolute "$def")
src=$(cd "$(dirname "$0")/../.." && pwd)
run=$src/scripts/wine-run
failed=0
fail() { printf 'FAIL: %s\n' "$*"; failed=$((failed + 1)); }
case $arch in
  x64) bits=64 libgcc=libgcc_s_seh-1.dll ;;
  x86) bits=32 libgcc=libgcc_s_dw2-1.dll ;;
  *) echo "kit_test: ARCH must be x64 or x86" >&2; exit 2 ;;
esac
root=SlaveManagement-$version-trial-win$bits
[ "$(basename "$zip")" = "$root.zip" ] || fail "$(basename "$zip") is not named $root.zip"

tmp=$(mktemp -d) || exit 2
export WINEPREFIX="$tmp/prefix" MC_ARCH="$arch"
# Wine's background processes would hold the caller's output open: they end with the test, and
# the prefix goes once its server is gone.
cleanup() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
trap 'exit 129' HUP INT TERM

# The file list, and text that is not CR LF throughout (shown as a line of its own).
/usr/bin/python3 - "$zip" >"$tmp/files" <<'EOF' || exit 2
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
for name in sorted(archive.namelist()):
    print(name)
    data = archive.read(name)
    if name.endswith((".txt", ".json", ".prog")) and data.count(b"\n") != data.count(b"\r\n"):
        print("not CR LF: " + name)
EOF
for f in README.txt mchost.exe mckernel.dll mcplatform.dll SlaveManagement.dll libstdc++-6.dll $libgcc \
         libwinpthread-1.dll examples/default-network.json examples/startup.prog examples/mistakes.prog; do
  echo "$root/$f"
done | LC_ALL=C sort >"$tmp/want"
cmp -s "$tmp/want" "$tmp/files" || { fail "the ZIP's files (< wanted, > got):"; diff "$tmp/want" "$tmp/files"; }

started=$(date +%s)
# MC_KIT_PREFIX_TEMPLATE (CTest sets it): a pristine prefix to copy (scripts/wine-prefix), since
# making one takes most of the test's time. Wine's first start in a new prefix fails now and then
# on a loaded machine: once more, in another folder, and the reason shown either way.
template=${MC_KIT_PREFIX_TEMPLATE:-}
# shellcheck disable=SC2086
if ! "$src/scripts/wine-prefix" "$WINEPREFIX" $template </dev/null >"$tmp/prefix.log" 2>&1; then
  echo "kit_test: making the prefix failed, once more:"; cat "$tmp/prefix.log"
  wineserver -k 2>/dev/null
  [ -z "$template" ] || WINEPREFIX="$template" wineserver -k 2>/dev/null
  export WINEPREFIX="$tmp/prefix-again"
  # shellcheck disable=SC2086
  "$src/scripts/wine-prefix" "$WINEPREFIX" $template </dev/null >"$tmp/prefix.log" 2>&1 ||
    { echo "kit_test: no Wine prefix:"; cat "$tmp/prefix.log"; exit 2; }
fi
prefix_seconds=$(($(date +%s) - started))
kit="$WINEPREFIX/drive_c/Trial kits/$root" kitwin="C:\\Trial kits\\$root"
/usr/bin/python3 -m zipfile -e "$zip" "$WINEPREFIX/drive_c/Trial kits" || exit 2
sed -n 1p "$kit/README.txt" | grep -q "Slave Management $version, trial kit for $bits-bit Windows" ||
  fail "README.txt does not begin with the version and bitness"
/usr/bin/python3 "$src/tests/module/exports/host_view_check.py" "$kit/SlaveManagement.dll" \
  --machine "$arch" --version "$version" --def "$def" --exact --kit || fail "host view of the kit"

# The foreign DLL where a careless search would take it; Wine prepends WINEPATH to the PATH.
mkdir "$tmp/cwd" "$tmp/path" && cp "$foreign" "$tmp/cwd/" && cp "$foreign" "$tmp/path/" || exit 2
WINEPATH="Z:$(printf '%s' "$tmp/path" | tr / '\\')"
export WINEPATH
cd "$tmp/cwd" || exit 2
wineserver -p30 </dev/null >/dev/null 2>&1
"$run" cmd /c exit </dev/null >/dev/null 2>&1  # starts Wine's services, away from our output

# No run may hang the test: each has two minutes.
mchost() { timeout 120 "$run" "$kit/mchost.exe" "$@" >"$tmp/out" 2>"$tmp/err"; status=$?; cat "$tmp/err" >>"$tmp/errors"; }
has() { # name, expected status, text the output holds
  [ "$status" = "$2" ] && grep -qF -- "$3" "$tmp/out" ||
    { fail "$1 (status $status, wanted $2; looked for: $3)"; cat "$tmp/out" "$tmp/err" | head -20; }
}
same() { # name, expected status, expected bytes (printf format)
  printf "$3" >"$tmp/want"
  [ "$status" = "$2" ] && cmp -s "$tmp/want" "$tmp/out" ||
    { fail "$1 (status $status, wanted $2)"; od -c "$tmp/out" | head -10; head -20 "$tmp/err"; }
}

mchost info
has "info names the element" 0 "Element:  Slave Management"
has "info gives the class" 0 "Class:    Assignment && Data Transfer"
has "info gives the order ID" 0 "Order ID: 20533"
mchost translate 'Type=0;ATIME=250[ms];'
same "translate" 0 '  TIMEOUT 250; // Set wait timeout to 250[ms]\r\n  INITSLAVES; //Initialize the slaves\r\n'
mchost compile --network "$kitwin\\examples\\default-network.json" "$kitwin\\examples\\startup.prog"
has "compile the kit's startup.prog" 0 "$(printf '(B) { ABORT; } //Abort last function call on slave B\r')"
mchost compile --network "$kitwin\\examples\\default-network.json" "$kitwin\\examples\\mistakes.prog"
has "compile the kit's mistakes.prog" 1 "$kitwin\\examples\\mistakes.prog:7: The value of parameter Function is invalid."

# The editor, worked by the build's robot on the prefix's desktop.
timeout 120 "$run" "$kit/mchost.exe" edit >"$tmp/out" 2>"$tmp/err" &
pid=$!
timeout 120 "$run" "$robot" wait "Slave Management" click IDOK gone >"$tmp/robot" 2>&1 ||
  { cat "$tmp/robot"; kill "$pid" 2>/dev/null; }
wait "$pid"; status=$?
cat "$tmp/err" >>"$tmp/errors"
same "edit, OK on the default text" 0 'Type=0;ATIME=5[s];'
loaded="another libstdc++-6.dll loaded"
grep -qF "$loaded" "$tmp/errors" && fail "the kit's mchost loaded the other libstdc++-6.dll"

# The other libstdc++-6.dll is within reach: a copy of the kit without its own loads it from the
# current directory, and from the PATH when the current directory has none.
bare="$WINEPREFIX/drive_c/Bare kit"
cp -r "$kit" "$bare" && rm "$bare/libstdc++-6.dll" || exit 2
for where in "current directory:$tmp/cwd" "PATH:$tmp"; do
  (cd "${where#*:}" && timeout 120 "$run" "$bare/mchost.exe" info) >/dev/null 2>"$tmp/err"
  grep -qF "$loaded" "$tmp/err" || fail "a kit without its own libstdc++-6.dll did not load the other one from the ${where%%:*}"
done

[ "$failed" = 0 ] || { echo "kit $root: $failed checks failed"; exit 1; }
echo "kit $root: files, host view, info, translate, compile and edit passed beside another libstdc++-6.dll (fresh prefix ${prefix_seconds}s${template:+, copied})"
