#!/usr/bin/env bash
# Installs what is missing, builds and starts タグポット. Arguments are passed on (a file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/tagpot "$@"
