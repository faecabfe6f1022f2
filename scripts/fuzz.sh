#!/usr/bin/env bash
# Fuzzes each reader of outside input (dropped file lists, USB serial
# descriptors, flash scripts) for as long as asked, with the sanitizers and
# corpora of scripts/test.sh's short run. Worth a run after a change to a
# reader or to any new reader of outside input.
# Usage: scripts/fuzz.sh [SECONDS]   (each target; default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh
# shellcheck source=scripts/fuzz-env.sh
source scripts/fuzz-env.sh

seconds=${1:-600}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 2 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS]   (a whole number, 2 or more; default 600)" >&2
    exit 2
fi
bash scripts/install-deps.sh build
echo "Fuzzing each target for $seconds s"
vantrel_fuzz_all "$seconds"
