# Sourced by the scripts: which architectures are built, and which of them run under Wine here.
# Found out once a run and handed to the scripts it calls through the environment:
#   MC_BUILD_ARCHS  the Windows builds to make (x64, x86)
#   MC_RUN_ARCHS    those whose programs run here under Wine
#   MC_SKIP_REASON  one line: why a built architecture does not run
# MC_ARCHS (x64, x86 or "x64 x86") chooses by hand: only those are built, and they run whatever
# the probe says. Otherwise both are built, and x86 runs where the kernel runs 32-bit programs.

# A 32-bit Linux program of 91 bytes that only exits with status 0. A kernel without IA-32
# emulation (booted with ia32_emulation=off, or a virtual machine without it) refuses it with
# ENOEXEC; there 32-bit Wine cannot start, and neither can any program through Debian's wine
# script once wine32 is installed.
mc_ia32_probe='\177\105\114\106\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\133\0\0\0\133\0\0\0\5\0\0\0\0\20\0\0\61\333\61\300\100\315\200'

# Succeeds where this machine runs 32-bit programs; otherwise sets mc_ia32_error to what the
# kernel said.
mc_ia32_runs() {
  mkdir -p "$here/build" || return 1
  probe="$here/build/ia32-probe"
  printf "$mc_ia32_probe" >"$probe" && chmod +x "$probe" || return 1
  mc_ia32_error=$("$probe" 2>&1) && return 0
  mc_ia32_error=${mc_ia32_error##*: }
  return 1
}

mc_find_archs() {
  [ -n "${MC_RUN_ARCHS+set}" ] && return 0
  if [ -n "${MC_ARCHS:-}" ]; then
    for a in $MC_ARCHS; do
      case $a in x64|x86) ;; *) echo "MC_ARCHS takes x64 and x86, not '$a'" >&2; exit 2 ;; esac
    done
    MC_BUILD_ARCHS=$MC_ARCHS MC_RUN_ARCHS=$MC_ARCHS MC_SKIP_REASON="not in MC_ARCHS"
  elif mc_ia32_runs; then
    MC_BUILD_ARCHS="x64 x86" MC_RUN_ARCHS="x64 x86" MC_SKIP_REASON=
  else
    MC_BUILD_ARCHS="x64 x86" MC_RUN_ARCHS="x64"
    MC_SKIP_REASON="this kernel runs 64-bit programs only (a 32-bit one gave: ${mc_ia32_error:-no answer}), so 32-bit Wine cannot run"
  fi
  export MC_BUILD_ARCHS MC_RUN_ARCHS MC_SKIP_REASON
}

mc_builds() { case " $MC_BUILD_ARCHS " in *" $1 "*) return 0 ;; esac; return 1; }
mc_runs() { case " $MC_RUN_ARCHS " in *" $1 "*) return 0 ;; esac; return 1; }
# The CMake preset of an architecture's Windows build, the one table of them that every script
# uses; it fails for another architecture.
mc_preset() { case $1 in x64) echo windows ;; x86) echo windows-x86 ;; *) return 1 ;; esac; }
# The build folder of an architecture: build/PRESET, as the presets' binaryDir makes it.
mc_build_dir() { mc_dir_preset=$(mc_preset "$1") && echo "$here/build/$mc_dir_preset"; }
# A variable of a build folder's CMake cache (the version, the module's .def).
mc_cached() { sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"; }

# Installs the named parts and, for each architecture built and run, its MinGW-w64 and Wine.
# Where Wine's 32-bit side cannot be installed (a mirror in mid-sync may offer its i386 libraries
# at other versions than the 64-bit ones installed), x86 is built and checked but not run, and
# the reason says so; unless MC_ARCHS asked for x86 by hand.
mc_install_for_archs() {
  mc_parts="$*"
  for a in $MC_BUILD_ARCHS; do mc_parts="$mc_parts $a"; done
  mc_runs x64 && mc_parts="$mc_parts wine-x64"
  # shellcheck disable=SC2086
  "$here/scripts/install-deps" $mc_parts || exit 2
  mc_runs x86 || return 0
  "$here/scripts/install-deps" wine-x86 && return 0
  [ -z "${MC_ARCHS:-}" ] || exit 2
  MC_RUN_ARCHS=x64 MC_SKIP_REASON="Wine's 32-bit side could not be installed (install-deps said why above)"
  export MC_RUN_ARCHS MC_SKIP_REASON
}
