#!/usr/bin/env bash
# Installs what is missing, builds the two programs (Tornavel and Verolan, with the
# help pages beside them, not the tests) into build/ and starts Tornavel.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh --target tornavel --target verolan build
exec ./build/tornavel "$@"
