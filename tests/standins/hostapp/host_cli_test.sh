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
# A choice of the base dialog as edit's usage gives it ("[--option default|other]"), whichever.
mchost --help >/dev/null
choice=$(sed -n 's/.*mchost edit .*\[\(--[a-z-]*\) \([a-z]*\)|\([a-z]*\)\].*/\1 \2 \3/p' "$tmp/out")
set -- $choice
s=$(mchost edit "$1" sometimes); check "a choice of the base dialog that is none" 2 "$s" "$tmp/err" "$1 takes $2 or $3, not 'sometimes'"
s=$(mchost translate "$1" "$3" 'Type=3;'); check "the base dialog's choices are edit's" 2 "$s" "$tmp/err" "$1 is an option of edit only"

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

# What people give the host as input: standard input, devices, texts longer than a command line,
# and memory running out. One row a case, fields separated by '|':
#   name | exit status | out: stdout is exactly these bytes (a printf format), or err: stderr
#   holds this text | standard input: a printf format, <FILE, or =GENERATOR (a function below
#   whose output is piped) | memory limit in KB (empty: none) | the arguments, as the shell reads
#   them; LAUNCHER first runs ./mchost instead of mchost.exe
# A run that exits 2 prints nothing on stdout and one line on stderr. Each run has two minutes:
# a device opened instead of refused would hang.
abort='  (A) { ABORT; } //Abort last function call on slave A\r\n'
abortB='  (B) { ABORT; } //Abort last function call on slave B\r\n'
device='is a device, not a program file'
awk 'BEGIN { printf "Type=3;Slave=0;Note=\""; for (i = 0; i < 40000; i++) printf "x"; printf "\";\n" }' >"$tmp/long.txt"
mkdir "$tmp/sub"
longline() { head -c 200000000 /dev/zero | tr '\0' x; }
inits() { awk 'BEGIN { for (i = 0; i < 2000000; i++) print "Type=0;" }'; }
printf '{"master": {"setup": {"motionController": 1, "errorBits": ["' >"$tmp/huge.json"
head -c 160000000 /dev/zero | tr '\0' x >>"$tmp/huge.json"; printf '"]}}}' >>"$tmp/huge.json"
# The memory cases bound the data that the process may commit (RLIMIT_DATA: Wine does not
# enforce a job object's memory limit) far below what they read. The wineserver and Wine's
# services must not run under that limit: a host reading a pipe held open keeps them up, started
# without one, until the cases are done; Wine's crash debugger is kept from starting.
# The pipe's other end (descriptor 9) is no child's: a Wine service started by a child would keep
# it open, and the holder would never end.
mkfifo "$tmp/hold"; "$run" "$exe" compile - <"$tmp/hold" >/dev/null 2>&1 & holder=$!; exec 9>"$tmp/hold"
"$run" "$exe" default >/dev/null 2>&1 9>&-  # Wine up, without a limit, before the first case
limited() { # KB or nothing, then the command
  kb=$1; shift
  if [ -n "$kb" ]; then (ulimit -d "$kb" && WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" "$@"); else "$@"; fi
}
while IFS='|' read -r name want where text input kb args; do
  case "$name" in ''|'#'*) continue ;; esac
  eval "set -- $args"
  case "$1" in LAUNCHER) shift; set -- "$src/mchost" "$@" ;; *) set -- "$run" "$exe" "$@" ;; esac
  case "$input" in
    '<'*) limited "$kb" timeout 120 "$@" <"${input#<}" >"$tmp/out" 2>"$tmp/err" 9>&-; s=$? ;;
    '='*) "${input#=}" 9>&- | limited "$kb" timeout 120 "$@" >"$tmp/out" 2>"$tmp/err" 9>&-; s=$? ;;
    *) printf "$input" | limited "$kb" timeout 120 "$@" >"$tmp/out" 2>"$tmp/err" 9>&-; s=$? ;;
  esac
  if [ "$where" = out ]; then same "$name" "$want" "$s" "$text"; else check "$name" "$want" "$s" "$tmp/err" "$text"; fi
  if [ "$s" = 2 ] && { [ -s "$tmp/out" ] || [ "$(wc -l <"$tmp/err")" != 1 ]; }; then
    fail=$((fail+1)); echo "FAIL: $name: a refusal prints no output and one line"; head -c 300 "$tmp/out"; cat "$tmp/err"
  fi
done <<EOF
# 1. A file that cannot be read twice, however it is named. Under Wine a Unix device is opened
#    by the wineserver, whose standard input is /dev/null: a device, not the caller's pipe.
/dev/stdin is no program file|2|err|/dev/stdin: $device|Type=3;Slave=2;\n||compile /dev/stdin
/dev/fd/0 is no program file|2|err|/dev/fd/0: $device|Type=3;Slave=2;\n||compile /dev/fd/0
/proc/self/fd/0 is no program file|2|err|/proc/self/fd/0: $device|Type=3;Slave=2;\n||compile /proc/self/fd/0
/dev/zero is no program file|2|err|/dev/zero: $device|||compile /dev/zero
# 2. "-" is standard input: the program for compile, the one text for translate.
compile - reads the program from a pipe|0|out|$abort$abortB|Type=3;Slave=0;\r\nType=3;Slave=1;||compile -
compile - reads the program from a file|0|out|$abort$abortB|<$tmp/crlf.prog||compile -
compile - takes the options|0|out|  (A) { FUNCTION 1; } //Call function \303\234bergabe on slave A\r\n|<$tmp/german.prog||compile --network "$tmp/german.json" -
compile - names standard input in errors|1|out|<stdin>:2: Parameter Slave: 9 is out of range (0 to 8).\r\n|Type=3;Slave=0;\nType=3;Slave=9;\n||compile -
compile - of nothing compiles to nothing|0|out||||compile -
translate - reads the text|0|out|$abort|Type=3;Slave=0;\n||translate -
translate - drops one final CR LF|0|out|$abort|Type=3;Slave=0;\r\n||translate -
translate - without a line end|0|out|$abort|Type=3;Slave=0;||translate -
translate - skips a byte-order mark|0|out|$abort|\357\273\277Type=3;Slave=0;\n||translate -
translate - takes a 40000-character text|0|out|$abort|<$tmp/long.txt||translate -
translate - refuses text that is no UTF-8|2|err|standard input is no UTF-8 text|Type=2;Slave=0;Function="\334bergabe";||translate -
translate takes one text|2|err|translate takes one argument|||translate - -
the launcher refuses a 40000-character command line|2|err|Windows takes at most 32766|||LAUNCHER translate "\$(cat "$tmp/long.txt")"
# 3. A name that Windows maps to a device is refused before it is opened.
com1 is a device|2|err|com1: $device|||compile com1
aux is a device|2|err|aux: $device|||compile aux
con is a device|2|err|con: $device|||compile con
nul is a device|2|err|nul: $device|||compile nul
NUL.txt is a device|2|err|NUL.txt: $device|||compile NUL.txt
Con.prog in a folder is a device|2|err|sub/Con.prog: $device|||compile "$tmp/sub/Con.prog"
lpt1 with a blank and an extension is a device|2|err|LPT1 .prog: $device|||compile "LPT1 .prog"
COM1: is a device|2|err|COM1:: $device|||compile COM1:
the device namespace holds no program file|2|err|$device|||compile '\\\\.\\COM1'
a network named nul is a device|2|err|nul: is a device, not a network file|||info --network nul
# 4. Memory that runs out: one line naming what was being read, exit 2, no program.
a program line beyond memory|2|err|mchost: out of memory reading the program from standard input|=longline|131072|compile -
a line of a program file beyond memory|2|err|mchost: out of memory reading the program file $tmp/huge.json||131072|compile "$tmp/huge.json"
a program kept beyond memory|2|err|mchost: out of memory reading the program from standard input: its motion program is held in memory|=inits|131072|compile -
a network beyond memory|2|err|mchost: out of memory reading the network file $tmp/huge.json||131072|info --network "$tmp/huge.json"
a text beyond memory|2|err|mchost: out of memory reading the parameter text from standard input|=longline|131072|translate -
EOF
exec 9>&-  # the end of its input: the holder ends, at the latest in a minute
i=0; while kill -0 "$holder" 2>/dev/null && [ $i -lt 60 ]; do sleep 1; i=$((i+1)); done
if kill -0 "$holder" 2>/dev/null; then kill "$holder"; fail=$((fail+1)); echo "FAIL: the host that kept Wine up did not end"
else wait "$holder" || { fail=$((fail+1)); echo "FAIL: the host that kept Wine up"; }; fi

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
