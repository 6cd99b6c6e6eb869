#!/usr/bin/env bash
# validate.sh TOOL ARGS...: runs a validator, or exits 77 (skipped) when it is not installed.
set -euo pipefail
command -v "$1" >/dev/null || { echo "skipped: $1 is not installed"; exit 77; }
exec "$@"
