# shellcheck shell=bash disable=SC2034,SC2154 # the log's name is for the callers; build-env.sh names the rest
# Sourced by scripts/test.sh and scripts/fuzz.sh, after scripts/build-env.sh:
# builds the fuzz target of the reader of dropped file lists (preset
# native-fuzz: libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs it on its corpus.

vantrel_fuzz_log="$vantrel_native_fuzz_dir/fuzz-dropped-file-list.log"

# Replays the seeds in the repository and the build folder's corpus, then
# fuzzes until SECONDS have passed since the start (a replay that takes longer
# leaves no time to fuzz). New inputs that widen the coverage go to the build
# folder's corpus, kept for the next run; the seeds stay as they are. A finding
# ends the run with a failure and leaves the input that caused it in the build
# folder. Only a run without a finding prints libFuzzer's closing "Done N runs
# in N second(s)". The progress lines and the recommended dictionary stay in
# the log there.
vantrel_fuzz_dropped_file_list() { # SECONDS (2 or more)
    local corpus="$vantrel_native_fuzz_dir/corpus-dropped-file-list" status=0
    vantrel_configure native-fuzz "$vantrel_native_fuzz_dir" &&
        cmake --build "$vantrel_native_fuzz_dir" &&
        mkdir -p "$corpus" || return
    # libFuzzer stops once the whole seconds since its start exceed its limit:
    # one below SECONDS ends it within SECONDS.
    "$vantrel_native_fuzz_dir/$vantrel_fuzz_dropped_file_list_in_build" -max_total_time=$(($1 - 1)) \
        -artifact_prefix="$vantrel_native_fuzz_dir/" "$corpus" tests/fuzz/corpus/dropped-file-list \
        >"$vantrel_fuzz_log" 2>&1 || status=$?
    grep -a -v -E '^#[0-9]+[[:space:]]|^###### |^"' "$vantrel_fuzz_log" || true
    return "$status"
}
