#!/bin/bash
# mchost edit as a user works it: a UI robot in another process clicks through the editor, and
# stdout must hold exactly the parameter text the element wrote.
# usage: host_edit_test.sh BIN_DIR SOURCE_DIR
bin="$1"; src="$2"
run="$src/scripts/wine-run"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
pass=0; fail=0

# edit N MCHOST_ARG... ROBOT_STEP...: mchost edit with N arguments, worked by the robot's steps.
edit() {
  local n=$1; shift
  local args=("${@:1:n}"); shift "$n"
  "$run" "$bin/mchost.exe" edit "${args[@]}" >"$tmp/out" 2>"$tmp/err" &
  local pid=$!
  if ! "$run" "$bin/uirobot.exe" wait "Slave Management" "$@" gone >"$tmp/robot" 2>&1; then
    echo "robot:"; cat "$tmp/robot"
    kill "$pid" 2>/dev/null  # a dialog the robot could not finish would never close
  fi
  wait "$pid"; status=$?
}
same() { # name, expected status, expected stdout (printf format)
  printf "$3" >"$tmp/want"
  if [ "$status" = "$2" ] && cmp -s "$tmp/want" "$tmp/out"; then pass=$((pass+1)); else
    fail=$((fail+1)); echo "FAIL: $1 (status $status, wanted $2)"; echo "got:"; cat "$tmp/out"; echo; cat "$tmp/err"; fi
}

edit 1 'Type=3;Slave=0;' click IDCANCEL
same "cancel prints nothing" 1 ''

edit 0 click IDOK
same "OK on the default text" 0 'Type=0;ATIME=5[s];'

edit 1 'Type=0;ATIME=5[s];' choose IDC_TIMEOUT_UNIT ms click IDOK
same "another unit keeps the time" 0 'Type=0;ATIME=5000[ms];'

edit 1 'Type=3;Slave=0;' click IDC_INIT_SLAVES type IDC_TIMEOUT 7 click IDOK
same "a timeout given to an element that had none" 0 'Type=0;Slave=0;ATIME=7[s];'

edit 1 'Type=0;ATIME=5[s];' choose IDC_SLAVE 1 click IDC_CALL_FUNCTION choose IDC_FUNCTION Jog click IDC_WAIT click IDOK
same "call a function of slave A" 0 'Type=2;ATIME=5[s];Slave=0;Function="Jog";Wait=1;'

edit 3 --network "$src/examples/default-network.json" 'Type=1;Slave=1;MER_MASK=0x3;' select IDC_SEND_BITS 0 click IDC_SELECTED_TO_IGNORED click IDOK
same "move bit 0 out of the error mask" 0 'Type=1;Slave=1;MER_MASK=0x2;'

# No operation left after a change of slave: OK is refused with a message, Cancel ends.
edit 1 'Type=1;Slave=0;MER_MASK=0x1;' choose IDC_SLAVE 3 press IDOK box click IDCANCEL
same "OK without an operation is refused" 1 ''
if grep -q "Please choose an operation." "$tmp/robot"; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: the refusal names its reason"; cat "$tmp/robot"; fi

# A base dialog that keeps m_checkInput set and runs no exchange on clicks: the function box is
# still disabled at OK, and the refusal enables it for the name it asks for.
edit 5 --check-input always --click-exchange off 'Type=0;ATIME=5[s];' choose IDC_SLAVE 1 click IDC_CALL_FUNCTION press IDOK box type IDC_FUNCTION Jog click IDOK
same "a call named after OK asked for it" 0 'Type=2;ATIME=5[s];Slave=0;Function="Jog";Wait=0;'

# Help belongs to the host: the Help button, F1 and the context-help mark each open the host's
# help for the element over the editor, which stays open behind it.
for ask in "press ID_DEFAULT_HELP" "key F1" "help"; do
  edit 1 'Type=0;ATIME=5[s];' $ask wait "Motion Host" print 65535 click IDOK wait "Slave Management" click IDCANCEL
  same "help by $ask leaves the editor open" 1 ''
  if head -1 "$tmp/robot" | grep -q "^Slave Management.\?$"; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: help by $ask shows the element's topic"; cat "$tmp/robot"; fi
done

# A timeout past what the drive can count is refused with the range, in the unit shown.
edit 1 'Type=0;ATIME=5[s];' type IDC_TIMEOUT 3000000 press IDOK box click IDCANCEL
same "a timeout out of range is refused" 1 ''
if grep -qF "Please enter a number from 0 to 2147483.647 s." "$tmp/robot"; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: the refusal gives the range"; cat "$tmp/robot"; fi

# What OK confirms translates: an unused timeout that does not read gets the element's valid one.
edit 1 'Type=3;Slave=0;ATIME=3000000[s];' click IDOK
same "OK writes a valid timeout over one out of range" 0 'Type=3;Slave=0;ATIME=0[s];'

# A German name chosen in the editor by the robot's UTF-8 argument is printed as UTF-8.
printf '{"master": {"setup": {"motionController": 1}, "slaves": [{"axisId": 1, "setup": {}, "motion": {"functions": ["Home", "\303\234bergabe"]}}]}}' >"$tmp/german.json"
edit 3 --network "$tmp/german.json" 'Type=2;Slave=0;Function="Home";' choose IDC_FUNCTION "$(printf '\303\234bergabe')" click IDOK
same "a German function name from the editor" 0 'Type=2;Slave=0;Function="\303\234bergabe";Wait=0;'

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
