#!/bin/sh
# scripts/install-deps against a package mirror in mid-sync, played by stand-ins for apt-get and
# dpkg on the PATH: what it asks apt-get, what it says, and its exit status.
# usage: install_deps_test.sh SOURCE-DIR
set -u
src=$1
tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
mkdir "$tmp/bin"
# dpkg-query knows the packages in $INSTALLED; dpkg has i386 already.
cat >"$tmp/bin/dpkg-query" <<'FAKE'
#!/bin/sh
for p in $INSTALLED; do [ "$p" = "$3" ] && { printf 'install ok installed'; exit 0; }; done
exit 1
FAKE
printf '#!/bin/sh\necho i386\n' >"$tmp/bin/dpkg"
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/sudo"
# apt-get logs each call; "update" fails while UPDATE_FAILS; "install" fails without -t while
# MIXED, and always for a package named in BROKEN.
cat >"$tmp/bin/apt-get" <<'FAKE'
#!/bin/sh
echo "apt-get $*" >>"$CALLS"
case " $* " in
  *" update "*)
    [ "$UPDATE_FAILS" = 1 ] && { echo "E: Failed to fetch i386/Packages.xz  File has unexpected size. Mirror sync in progress?"; exit 100; }
    exit 0 ;;
esac
for p in $BROKEN; do
  case " $* " in *" $p "*) echo "E: Unable to correct problems, you have held broken packages."; exit 100 ;; esac
done
case " $* " in *" -t "*) exit 0 ;; esac
[ "$MIXED" = 1 ] && { echo "E: Unable to correct problems, you have held broken packages."; exit 100; }
exit 0
FAKE
chmod +x "$tmp/bin/"*

failed=0 cases=0
# name | installed | update fails | mixed versions | broken | status | said (grep -E) | apt-get updates and installs
while IFS='|' read -r name installed update mixed broken status said calls; do
  [ -n "$name" ] || continue
  cases=$((cases + 1))
  : >"$tmp/calls"
  INSTALLED=$installed UPDATE_FAILS=$update MIXED=$mixed BROKEN=$broken CALLS=$tmp/calls MC_APT_RETRY_SECONDS=0 \
    PATH="$tmp/bin:$PATH" sh "$src/scripts/install-deps" x64 wine-x64 >"$tmp/out" 2>&1
  got=$?
  n=$(grep -cE 'apt-get (update|install -y)' "$tmp/calls")
  if [ -z "$said" ]; then [ ! -s "$tmp/out" ]; else grep -qE "$said" "$tmp/out"; fi
  said_right=$?
  if [ "$got" != "$status" ] || [ "$n" != "$calls" ] || [ $said_right != 0 ]; then
    failed=$((failed + 1))
    echo "FAIL: $name: status $got (wanted $status), $n apt-get calls (wanted $calls), said:"
    sed 's/^/  /' "$tmp/out" "$tmp/calls"
  fi
done <<TABLE
all present: silent, no apt-get|cmake make nlohmann-json3-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64|0|0||0||0
a mirror in order|cmake|0|0||0|^install-deps: installing make nlohmann-json3-dev g\+\+-mingw|2
an index that keeps failing is retried, then left out|cmake|1|0||0|update failed 3 times \(Failed to fetch .*Mirror sync in progress\?\); going on with the package lists that were fetched|4
the architectures at different versions: the release's own|cmake|1|1||0|trying again with the versions of $release itself \(-t $release\)|5
a package that cannot be installed is named|cmake|0|1|wine64|2|^install-deps: cannot install wine64: Unable to correct problems|3
TABLE
echo "$((cases - failed)) passed, $failed failed"
[ $failed = 0 ]
