#!/usr/bin/env bash
# Installs what is missing, builds タグポット and starts it. Arguments are passed on (a file to open).
# Only the program is built: the tests and benchmarks are scripts/test.sh's business, so the
# window appears as soon as the program is ready, and a second run with nothing changed is quick.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh --target tagpot
exec build/tagpot "$@"
