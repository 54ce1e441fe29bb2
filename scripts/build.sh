# Sourced by the scripts: configures a CMake preset and builds it, or some of its targets, quietly
# (the compilers' messages still reach the standard error).
#   mc_build PRESET tests|no-tests [TARGET...]
# The test programs need GoogleTest and clang, which the demo and the host do not install: a
# build that starts without tests keeps them off until a script that tests turns them on.
mc_build() {
  mc_preset_name=$1 mc_configure="-DMC_BUILD_TESTS=ON"
  # Once configured, a build that needs no tests leaves the configuration as it is (the build
  # configures again by itself when a CMakeLists.txt changed).
  if [ "$2" != tests ]; then
    mc_configure=-DMC_BUILD_TESTS=OFF
    [ -f "$here/build/$1/CMakeCache.txt" ] && mc_configure=
  fi
  shift 2
  [ $# = 0 ] || set -- --target "$@"
  (cd "$here" && { [ -z "$mc_configure" ] || cmake --preset "$mc_preset_name" "$mc_configure" >/dev/null; } &&
    cmake --build --preset "$mc_preset_name" "$@" >/dev/null) ||
    { echo "building $mc_preset_name failed (cmake --build --preset $mc_preset_name shows why)" >&2; return 1; }
}
