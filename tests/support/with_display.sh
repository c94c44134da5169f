#!/usr/bin/env bash
# Runs a window test program on the display there is, or on a virtual one
# when there is none (CI, ssh sessions).
set -euo pipefail
export NO_AT_BRIDGE=1  # no accessibility bus on test machines; keeps GTK quiet
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$@"
fi
# Window tests may run side by side (ctest -j): start the search for a free
# display number at a random place so that two runs do not race for the same.
exec xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" "$@"
