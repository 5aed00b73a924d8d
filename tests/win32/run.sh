#!/usr/bin/env bash
# Runs the cross-built tests under Wine (the prefix comes from scripts/wine-env.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/wine-env.sh
ctest --test-dir build/win64 --output-on-failure
