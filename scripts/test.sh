#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the icon and packaging
# checks, the core's unit tests natively, once plain and once with
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets (their
# corpora replayed and at most 6 s of fuzzing in all, which checks that they
# still hold; scripts/fuzz.sh searches longer), the Windows builds (the whole 64-bit tree;
# of the 32-bit one what the end-to-end run needs), the Win32 layer's tests
# and the end-to-end suite under Wine, 32-bit program included wherever the
# machine can run it.
# The last line adds up the tests of all steps: "total: N passed, M failed";
# a step that fails without a failed test counts as one.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh
# shellcheck source=scripts/fuzz-env.sh
source scripts/fuzz-env.sh

bash scripts/install-deps.sh build
# Wine, the packages around it and the Wine prefixes need no build: they are
# set up meanwhile (sudo asks for its password now, if it must).
if [ "$(id -u)" -ne 0 ] && ! bash scripts/install-deps.sh --check >/dev/null; then
    sudo -v
fi
step_log=$(mktemp)
wine_setup_log=$(mktemp)
{ bash scripts/install-deps.sh && bash scripts/e2e.sh --prefixes; } >"$wine_setup_log" 2>&1 &
wine_setup=$!

passed=0
failed=0
report_total() {
    local status=$?
    # An install must not be cut off halfway.
    wait "$wine_setup" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
        failed=1
    fi
    rm -f "$step_log" "$wine_setup_log"
    echo "total: $passed passed, $failed failed"
}
trap report_total EXIT

# Runs one step: its output shows as it comes and is kept, and once the step
# has ended, its tests are added to the totals. The counts are read from:
# ctest "100% tests passed, 0 tests failed out of 131"; GoogleTest
# "[  PASSED  ] 12 tests." and "[  FAILED  ] 1 test, listed below:"; Python's
# unittest "Ran 3 tests in 0.1s" and "FAILED (failures=1, errors=1)";
# libFuzzer's "Done 356232 runs in 30 second(s)", which it prints only when no
# input failed, as one passed test for each target; and scripts/e2e.sh, whose closing
# "e2e: N passed, M failed" stands for the runs it shows.
step() { # TITLE COMMAND...
    local title=$1 status=0 counts
    shift
    echo "== $title"
    "$@" 2>&1 | tee "$step_log" || status=$?
    counts=$(awk '
        /^e2e: [0-9]+ passed, [0-9]+ failed$/ { e2e = 1; e2e_passed = $2; e2e_failed = $4 }
        /tests passed, [0-9]+ tests? failed out of [0-9]+/ { passed += $NF - $4; failed += $4 }
        /^\[  PASSED  \] [0-9]+ tests?\./ { passed += $4 }
        /^\[  FAILED  \] [0-9]+ tests?, listed below/ { failed += $4 }
        /^Ran [0-9]+ tests? in / { passed += $2 }
        /^Done [0-9]+ runs in [0-9]+ second/ { passed += 1 }
        /^FAILED \(/ {
            for (i = 2; i <= NF; i++) if (split($i, kind, /[=,)]/) >= 2) bad += kind[2]
            passed -= bad; failed += bad
        }
        END { if (e2e) print e2e_passed, e2e_failed; else print passed + 0, failed + 0 }' "$step_log")
    passed=$((passed + ${counts% *}))
    failed=$((failed + ${counts#* }))
    if [ "$status" -ne 0 ] && [ "${counts#* }" -eq 0 ]; then
        failed=$((failed + 1))
    fi
    return "$status"
}

check_formatting() {
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
}

check_icon() {
    local icon status=0
    icon=$(mktemp)
    python3 assets/make_icon.py "$icon" && cmp "$icon" assets/vantrel.ico || status=$?
    rm -f "$icon"
    return "$status"
}

unit_tests() {
    vantrel_configure native "$vantrel_native_dir" &&
        cmake --build "$vantrel_native_dir" &&
        "$vantrel_native_dir/$vantrel_unit_tests_in_build" --gtest_brief=1 --gtest_color=no
}

# Any report of either sanitizer ends the program with a failure.
sanitized_unit_tests() {
    vantrel_configure native-sanitize "$vantrel_native_sanitize_dir" &&
        cmake --build "$vantrel_native_sanitize_dir" &&
        ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
            "$vantrel_native_sanitize_dir/$vantrel_unit_tests_in_build" --gtest_brief=1 --gtest_color=no
}

show_wine_setup() { # STATUS
    cat "$wine_setup_log"
    return "$1"
}

windows_builds() {
    vantrel_configure windows-x64 "$vantrel_win64_dir" &&
        vantrel_configure windows-x86 "$vantrel_win32_dir" &&
        cmake --build "$vantrel_win64_dir" &&
        cmake --build "$vantrel_win32_dir" --target "${vantrel_win32_e2e_targets[@]}"
}

step "Source formatting (clang-format)" check_formatting
step "The committed icon is the one assets/make_icon.py draws" check_icon
step "Release ZIP file names" python3 packaging/test_release_zip.py
step "Unit tests (native)" unit_tests
step "Unit tests with AddressSanitizer and UndefinedBehaviorSanitizer (native, g++)" \
    sanitized_unit_tests
step "The readers of dropped file lists, USB serial descriptors and flash scripts: their fuzz corpora replayed, then fuzzed for at most 6 s in all (libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, clang)" \
    vantrel_fuzz_all 6 shared
step "Windows builds: 64-bit, and the 32-bit program and probes (MinGW-w64, warnings are errors)" \
    windows_builds
wine_setup_status=0
wait "$wine_setup" || wine_setup_status=$?
step "Wine and its prefixes (set up meanwhile)" show_wine_setup "$wine_setup_status"
step "Win32 layer tests and end-to-end suite (Wine)" \
    env VANTREL_E2E_NO_BUILD=1 bash scripts/e2e.sh "$vantrel_win64_dir" "$vantrel_win32_dir"
