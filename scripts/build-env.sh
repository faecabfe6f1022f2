# shellcheck shell=bash disable=SC2034 # the variables are for the scripts that source this
# Sourced by the scripts that build: the build folders of the CMake presets,
# where the programs that the scripts run lie inside them, and a configure
# step that runs only once per folder. A change of the source layout is
# followed here and nowhere else.

vantrel_native_dir=build/native
vantrel_native_sanitize_dir=build/native-sanitize
vantrel_native_fuzz_dir=build/native-fuzz
vantrel_win64_dir=build/win64
vantrel_win32_dir=build/win32

# Inside a build folder.
vantrel_unit_tests_in_build=tests/unit/vantrel_unit_tests
# The fuzz targets, vantrel_fuzz_<corpus name with underscores>.
vantrel_fuzz_targets_in_build=tests/fuzz
vantrel_exe_in_build=src/win32/window/vantrel.exe
vantrel_win32_tests_in_build=tests/win32/vantrel_win32_tests.exe
vantrel_e2e_driver_in_build=tests/e2e/vantrel_e2e.exe
# probehost.exe and probe.dll, which a 32-bit vantrel.exe needs of its own bitness.
vantrel_e2e_probes_in_build=tests/e2e
vantrel_standin_console_in_build=tools/standin-console/standin-console.exe

# What the end-to-end run of the 32-bit vantrel.exe needs from a 32-bit build.
vantrel_win32_e2e_targets=(vantrel vantrel_e2e_probe vantrel_e2e_probe_host vantrel_e2e_devmgr)

# Configures BUILD_DIR with PRESET unless it is configured already: later
# builds re-run CMake by themselves when a CMakeLists.txt changes (a changed
# CMakePresets.json or toolchain file needs the folder removed).
vantrel_configure() { # PRESET BUILD_DIR
    [ -f "$2/build.ninja" ] || cmake --preset "$1" -B "$2" >/dev/null
}
