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
same() { # name, expected status, actual status, expected bytes (printf format, no arguments)
  printf "$4" >"$tmp/want"
  if [ "$2" = "$3" ] && cmp -s "$tmp/want" "$tmp/out"; then pass=$((pass+1)); else
    fail=$((fail+1)); echo "FAIL: $1 (status $3, wanted $2)"; od -c "$tmp/out" | head -20; fi
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
printf '{"master": {"setup": {"motionController": 1}, "slaves": [{"axisId": 1, "motion": {"functions": ["Line\\r\\nTWO"]}}]}}' >"$tmp/crlf.json"
s=$(mchost translate --network "$tmp/crlf.json" 'Type=3;Slave=0;')
check "a function name with a line break" 2 "$s" "$tmp/err" "crlf.json: master.slaves[0].motion.functions[0]: holds a control character"
[ "$(wc -l <"$tmp/err")" = 1 ] && pass=$((pass+1)) || { fail=$((fail+1)); echo "FAIL: the refusal is one line"; cat "$tmp/err"; }
s=$(mchost info --module "$tmp/none.dll"); check "missing module" 2 "$s" "$tmp/err" "none.dll: cannot load the element module"
s=$(mchost info --module "$(dirname "$exe")/mckernel.dll"); check "module without the exports" 2 "$s" "$tmp/err" "has no export GetName"
s=$(mchost frobnicate); check "unknown command" 2 "$s" "$tmp/err" "unknown command 'frobnicate'"
s=$(mchost info --network); check "option without its file" 2 "$s" "$tmp/err" "--network needs a file name"

# Parameter text and translation: stdout holds exactly the export's bytes.
s=$(mchost default); same "default text" 0 "$s" 'Type=0;ATIME=5[s];'
s=$(mchost default --network "$src/examples/default-network.json"); same "default on a network file" 0 "$s" 'Type=0;ATIME=5[s];'
s=$(mchost default extra); check "default takes no argument" 2 "$s" "$tmp/err" "default takes no arguments"
s=$(mchost translate 'Type=0;ATIME=250[ms];')
same "translate InitSlaves" 0 "$s" '  TIMEOUT 250; // Set wait timeout to 250[ms]\r\n  INITSLAVES; //Initialize the slaves\r\n'
s=$(mchost translate 'Type=2;Slave=0;Function="Home";Wait=1;')
same "translate a call with a quoted name" 0 "$s" '  (A) { FUNCTION 0; } //Call function Home on slave A\r\n  WOF(A); //Wait for function completion\r\n'
s=$(mchost translate 'Type=2;ATIME=x;Slave=5;Function="Nope";')
same "translate gives every error line" 1 "$s" 'Parameter ATIME: "x" is not a number with its unit in square brackets.\r\nThe value of parameter Slave is invalid.\r\nThe value of parameter Function is invalid.\r\n'
s=$(mchost translate); check "translate needs the text" 2 "$s" "$tmp/err" "translate takes one argument"
s=$(mchost translate a b); check "translate takes one text" 2 "$s" "$tmp/err" "translate takes one argument"
s=$(mchost translate --network "$tmp/none.json" 'Type=3;'); check "translate on a missing network" 2 "$s" "$tmp/err" "cannot open the network file"

s=$(mchost compile "$src/examples/startup.prog"); check "compile a valid program" 0 "$s" "$tmp/out" "(B) { ABORT; } //Abort last function call on slave B"
[ "$(grep -c "$(printf '\r')\$" "$tmp/out")" = 8 ] && pass=$((pass+1)) || { fail=$((fail+1)); echo "FAIL: compile keeps CR LF on all 8 lines"; }
s=$(mchost compile "$src/examples/mistakes.prog"); check "compile names the line of each error" 1 "$s" "$tmp/out" "mistakes.prog:7: The value of parameter Function is invalid."
check "compile lists every invalid element" 1 "$s" "$tmp/out" "mistakes.prog:11: Parameter Slave: ';' is missing after the value."
grep -q "INITSLAVES" "$tmp/out" && { fail=$((fail+1)); echo "FAIL: a refused program prints no program line"; } || pass=$((pass+1))
printf '# nothing but comments\n\n   \n' >"$tmp/empty.prog"
s=$(mchost compile "$tmp/empty.prog"); same "an empty program compiles to nothing" 0 "$s" ''
printf 'Type=3;Slave=0;\r\nType=3;Slave=1;' >"$tmp/crlf.prog"
s=$(mchost compile "$tmp/crlf.prog")
same "a program with CR LF lines and no last line end" 0 "$s" '  (A) { ABORT; } //Abort last function call on slave A\r\n  (B) { ABORT; } //Abort last function call on slave B\r\n'
mkfifo "$tmp/fifo.prog" && { timeout 60 cat "$tmp/crlf.prog" >"$tmp/fifo.prog" 2>/dev/null & }
s=$(mchost compile "$tmp/fifo.prog")  # read once: the program is kept for the print
same "a program from a pipe" 0 "$s" '  (A) { ABORT; } //Abort last function call on slave A\r\n  (B) { ABORT; } //Abort last function call on slave B\r\n'
s=$(mchost compile "$tmp/none.prog"); check "compile a missing file" 2 "$s" "$tmp/err" "none.prog: cannot open the program file"
awk 'BEGIN { for (i = 0; i < 100000; i++) print (i % 2 ? "Type=3;Slave=1;" : "Type=1;Slave=0;MER_MASK=0x3;") }' >"$tmp/large.prog"
s=$(mchost compile "$tmp/large.prog"); [ "$s" = 0 ] && [ "$(wc -l <"$tmp/out")" = 100000 ] && pass=$((pass+1)) || { fail=$((fail+1)); echo "FAIL: a program of 100000 elements"; }

# A failed write is no success: every command that prints says so and exits 2.
for args in "compile $src/examples/startup.prog" "translate Type=3;Slave=0;" "info" "default" "--help"; do
  # shellcheck disable=SC2086
  "$run" "$exe" $args >/dev/full 2>"$tmp/err"; s=$?
  check "mchost $args to a full disk" 2 "$s" "$tmp/err" "mchost: cannot write the output"
done

# Text is UTF-8 outside, in the command line, files and output, and the ANSI code page inside:
# a German name and description are the same characters everywhere.
printf '\357\273\277Type=3;Slave=0;\r\n# done\r\n' >"$tmp/bom.prog"
s=$(mchost compile "$tmp/bom.prog")
same "a program file with a byte-order mark" 0 "$s" '  (A) { ABORT; } //Abort last function call on slave A\r\n'
printf '{"master": {"setup": {"motionController": 1}, "slaves": [{"axisId": 1, "setup": {"errorBits": ["\303\234berstrom"], "variables": ["MER_MASK"]}, "motion": {"functions": ["Home", "\303\234bergabe"]}}]}}' >"$tmp/german.json"
call='  (A) { FUNCTION 1; } //Call function \303\234bergabe on slave A\r\n'
s=$(mchost translate --network "$tmp/german.json" "$(printf 'Type=2;Slave=0;Function="\303\234bergabe";')")
same "translate a German function name" 0 "$s" "$call"
printf 'Type=2;Slave=0;Function="\303\234bergabe";\n' >"$tmp/german.prog"
s=$(mchost compile --network "$tmp/german.json" "$tmp/german.prog"); same "compile a German function name" 0 "$s" "$call"
s=$(mchost translate --network "$tmp/german.json" "$(printf 'Type=2;Slave=0;Function="\303\234ber";')")
same "a German name that the program lacks" 1 "$s" 'The value of parameter Function is invalid.\r\n'
printf '{"master": {"setup": {"motionController": 1}, "slaves": [{"axisId": 1, "motion": {"functions": ["\316\251mega"]}}]}}' >"$tmp/greek.json"
s=$(mchost info --network "$tmp/greek.json")
check "a name that the code page cannot hold" 2 "$s" "$tmp/err" "greek.json: master.slaves[0].motion.functions[0]: holds a character that the ANSI code page 1252 cannot hold"
s=$(mchost translate "$(printf 'Type=2;Slave=0;Function="\316\251mega";')")
check "a text that the code page cannot hold" 2 "$s" "$tmp/err" "argument 2 holds a character that the ANSI code page 1252 cannot hold"
printf 'Type=3;Slave=0;\nType=2;Slave=0;Function="\334bergabe";\n' >"$tmp/latin1.prog"
s=$(mchost compile --network "$tmp/german.json" "$tmp/latin1.prog")
check "a program line that is no UTF-8" 2 "$s" "$tmp/err" "latin1.prog:2: the line is no UTF-8 text"

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
