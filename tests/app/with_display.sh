#!/usr/bin/env bash
# Runs a window test program on the display there is, or on a virtual one
# when there is none (CI, ssh sessions).
set -euo pipefail
export NO_AT_BRIDGE=1  # no accessibility bus on test machines; keeps GTK quiet
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
