#!/usr/bin/env bash
# Installs what the project needs, builds it and starts Tarvel.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset default
cmake --build --preset default
if [ -x build/default/src/app/tarvel ]; then
  exec build/default/src/app/tarvel "$@"
fi
exec build/default/src/cli/tarvel-cli "$@"
