#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Tornavel.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh build
exec ./build/tornavel "$@"
