# Sourced by ./mchost: the length of the command line that Wine builds for mchost.exe, so that a
# line longer than Windows takes (32766 characters; Wine ends a longer one with exit 1 and
# nothing printed) is refused with a message instead.
# Wine builds it from the program's quoted DOS path ("Z:BUILD\bin\mchost.exe"), then each
# argument in UTF-16 units, quoted when it is empty or holds a blank, each '"' escaped by a
# backslash (and the backslashes before it doubled).
mc_cmdline_limit=32766

# mc_cmdline_length BUILD-DIR ARGS...: prints the length, counted exactly only when a bound
# (3 units a byte and 4 an argument) could reach the limit. Assumes wine-run's UTF-8 locale.
mc_cmdline_length() {
  mc_program=$((${#1} + 19))
  shift
  mc_n=$mc_program
  for a in "$@"; do mc_n=$((mc_n + 3 * ${#a} + 4)); done
  [ $mc_n -gt $mc_cmdline_limit ] || { echo $mc_n; return; }
  mc_tab=$(printf '\t') mc_n=$mc_program
  for a in "$@"; do
    # UTF-8: a unit for each byte but continuation bytes, two for a character beyond 16 bits
    u=$(($(printf '%s' "$a" | LC_ALL=C tr -d '\200-\277' | wc -c) + $(printf '%s' "$a" | LC_ALL=C tr -cd '\360-\367' | wc -c)))
    case "$a" in
      '' | *' '* | *"$mc_tab"*) t=$a; while [ "${t%\\}" != "$t" ]; do t=${t%\\}; u=$((u + 1)); done; u=$((u + 2)) ;;
    esac
    case "$a" in
      *'"'* | '' | *' '* | *"$mc_tab"*) u=$((u + $(printf '%s' "$a" | LC_ALL=C grep -o '\\*"' | tr -d '\n' | wc -c))) ;;
    esac
    mc_n=$((mc_n + 1 + u))
  done
  echo $mc_n
}
