#!/usr/bin/env bash
# Sets up everything, builds the game and starts it under Wine. Without a
# display it starts a virtual one, makes a few moves with real input and
# leaves a screenshot of the board in play.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
# The width this machine plays (scripts/env.sh) reaches the Python side too.
source scripts/env.sh
bash scripts/setup.sh
bash scripts/build.sh
exec python3 scripts/play.py
