#!/usr/bin/env bash
# Installs what the project needs, then builds and runs every test twice
# (the optimised build and the sanitizer build) and each fuzz target for a
# fixed number of executions from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --workflow --preset default
cmake --workflow --preset asan
cmake --workflow --preset fuzz
