#!/bin/sh
# The command-line host as a user runs it: outputs and exit statuses.
# usage: host_cli_test.sh MCHOST_EXE SOURCE_DIR
exe="$1"; src="$2"
run="$src/scripts/wine-run"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
pass=0; fail=0
check() { # name, expected status, actual status, file, expected text (grep -F)
  if [ "$2" = "$3" ] && grep -qF -- "$5" "$4"; then pass=$((pass+1)); else
    fail=$((fail+1)); echo "FAIL: $1 (status $3, wanted $2; looked for: $5)"; cat "$4"; fi
}
mchost() { "$run" "$exe" "$@" >"$tmp/out" 2>"$tmp/err"; echo $?; }

s=$(mchost info); check "info names the element" 0 "$s" "$tmp/out" "Element:  Slave Management"
check "info gives the class" 0 "$s" "$tmp/out" "Class:    Assignment && Data Transfer"
check "info gives the order" 0 "$s" "$tmp/out" "Order ID: 20533"
check "info enables the master" 0 "$s" "$tmp/out" "master                       enabled (IsEnabled 1)"
check "info tells a slave without setup" 0 "$s" "$tmp/out" "no setup"

s=$(mchost info --network "$src/examples/default-network.json"); check "the example network is the built-in one" 0 "$s" "$tmp/out" "slave 7 (H, axis ID 8)"

s=$(mchost info --network "$tmp/none.json"); check "missing network" 2 "$s" "$tmp/err" "none.json: cannot open the network file"
printf '{"master": [' >"$tmp/bad.json"
s=$(mchost info --network "$tmp/bad.json"); check "network not JSON" 2 "$s" "$tmp/err" "bad.json: not valid JSON"
printf '{"master": {"setup": {"motionController": "yes"}}}' >"$tmp/schema.json"
s=$(mchost info --network "$tmp/schema.json"); check "network breaks the schema" 2 "$s" "$tmp/err" "schema.json: master.setup.motionController: must be an integer"
s=$(mchost info --module "$tmp/none.dll"); check "missing module" 2 "$s" "$tmp/err" "none.dll: cannot load the element module"
s=$(mchost info --module "$(dirname "$exe")/mckernel.dll"); check "module without the exports" 2 "$s" "$tmp/err" "has no export GetName"
s=$(mchost frobnicate); check "unknown command" 2 "$s" "$tmp/err" "unknown command 'frobnicate'"
s=$(mchost info --network); check "option without its file" 2 "$s" "$tmp/err" "--network needs a file name"

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
