# shellcheck shell=bash disable=SC2154 # build-env.sh names the build folders
# Sourced by scripts/test.sh and scripts/fuzz.sh, after scripts/build-env.sh:
# builds the fuzz targets of the readers of outside input (preset native-fuzz:
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs them on
# their corpora. Each target is named by its corpus folder in tests/fuzz/corpus.

vantrel_fuzz_targets=(dropped-file-list usb-serial flash-script)

# Replays the seeds in the repository and the build folder's corpus of the
# target, then fuzzes until SECONDS have passed since the start (a replay that
# takes longer leaves no time to fuzz). New inputs that widen the coverage go
# to the build folder's corpus, kept for the next run; the seeds stay as they
# are. A finding ends the run with a failure and leaves the input that caused
# it in the build folder. Only a run without a finding prints libFuzzer's
# closing "Done N runs in N second(s)". The progress lines and the recommended
# dictionary stay in the target's log there.
vantrel_fuzz_one() { # TARGET SECONDS (2 or more)
    local corpus="$vantrel_native_fuzz_dir/corpus-$1" log="$vantrel_native_fuzz_dir/fuzz-$1.log"
    local status=0
    mkdir -p "$corpus" || return
    echo "-- $1 (log: $log)"
    # libFuzzer stops once the whole seconds since its start exceed its limit:
    # one below SECONDS ends it within SECONDS.
    "$vantrel_native_fuzz_dir/$vantrel_fuzz_targets_in_build/vantrel_fuzz_${1//-/_}" -max_total_time=$(($2 - 1)) \
        -artifact_prefix="$vantrel_native_fuzz_dir/" "$corpus" "tests/fuzz/corpus/$1" \
        >"$log" 2>&1 || status=$?
    grep -a -v -E '^#[0-9]+[[:space:]]|^###### |^"' "$log" || true
    return "$status"
}

# Builds the targets and runs each for SECONDS, or, with "shared", all of them
# within SECONDS in all (2 seconds each at least).
vantrel_fuzz_all() { # SECONDS [shared]
    local seconds=$1 target status=0
    if [ "${2:-}" = shared ]; then
        seconds=$(($1 / ${#vantrel_fuzz_targets[@]}))
        [ "$seconds" -ge 2 ] || seconds=2
    fi
    vantrel_configure native-fuzz "$vantrel_native_fuzz_dir" &&
        cmake --build "$vantrel_native_fuzz_dir" || return
    for target in "${vantrel_fuzz_targets[@]}"; do
        vantrel_fuzz_one "$target" "$seconds" || status=$?
    done
    return "$status"
}
