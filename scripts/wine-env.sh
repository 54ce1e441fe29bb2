# Sourced by wine-run and wine-prefix: the environment of Wine for MC_ARCH (x64, the default, or
# x86), and in mc_wine the loader of that architecture, called directly. Debian's wine script
# takes the 32-bit loader whenever wine32 is installed, and on a kernel that runs 64-bit programs
# only that loader starts nothing, not even a 64-bit program: the 64-bit loader needs no script.
case "${MC_ARCH:=x64}" in
  x64)
    mc_wine=/usr/lib/wine/wine64
    [ -x "$mc_wine" ] || mc_wine=$(command -v wine64 || command -v wine)
    # What Wine runs for a new process of the other bitness is found beside this one.
    export WINELOADER="$mc_wine"
    ;;
  x86)
    mc_wine=/usr/lib/wine/wine
    [ -x "$mc_wine" ] || mc_wine=$(command -v wine)
    export WINEARCH=win32
    ;;
  *) echo "MC_ARCH must be x64 or x86" >&2; exit 2 ;;
esac
[ -n "$mc_wine" ] || { echo "Wine is not installed (scripts/install-deps wine-$MC_ARCH)" >&2; exit 2; }
# Wine takes the ANSI code page of its programs from the locale, and the command line's encoding
# too: C.UTF-8, on every Debian system, gives code page 1252 and a command line read as UTF-8,
# whatever the caller's locale. MC_WINE_LOCALE names another (de_DE.UTF-8 is 1252 as well).
export LC_ALL="${MC_WINE_LOCALE:-C.UTF-8}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
