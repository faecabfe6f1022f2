#!/usr/bin/env bash
# Runs one Windows test program under Wine on a private X display, with the
# Chinese code page; its exit code is the program's.
# Usage: run-under-wine.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
trap vantrel_stop_wine EXIT
vantrel_start_display
vantrel_prepare_prefix
"$VANTREL_WINE" "$@"
