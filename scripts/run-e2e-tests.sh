#!/usr/bin/env bash
# End-to-end tests: the real game under Wine on virtual displays, driven with
# real X input, shared out test by test over several slots, each with its own
# Wine prefix and displays (scripts/run-e2e-tests.py tells how).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
python3 "$REPO_ROOT/scripts/run-e2e-tests.py" 2>&1 | tee "$BUILD_ROOT/e2e.log"
exit "${PIPESTATUS[0]}"
