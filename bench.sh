#!/usr/bin/env bash
# The speed benchmark (prints figures, asserts nothing): start-up, idle CPU,
# paint and action times of the game beside a minimal Win32 program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
# The width this machine plays (scripts/env.sh) reaches the Python side too.
source scripts/env.sh
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
exec python3 scripts/bench.py
