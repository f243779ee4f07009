#!/usr/bin/env bash
# End-to-end tests: the real game under Wine on virtual displays, driven with
# real X input. Each tests/e2e/test_*.py file is one group.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT/tests/e2e"
python3 -m unittest discover -s . -p 'test_*.py' -v 2>&1 | tee "$BUILD_ROOT/e2e.log"
exit "${PIPESTATUS[0]}"
