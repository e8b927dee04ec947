#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player on its bundled lists.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/bin/kestova "$@"
