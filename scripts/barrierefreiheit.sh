#!/usr/bin/env bash
# Reads and drives the main window as a screen reader does: the real program on a virtual X
# screen with its own session bus, and barrierefreiheit.py as the accessibility client.
# Usage: bash scripts/barrierefreiheit.sh [PROGRAMM] (default build/quadrix).
set -euo pipefail
cd "$(dirname "$0")/.."
programm="${1:-build/quadrix}"
if [ ! -x "$programm" ]; then
  echo "Barrierefreiheit: FEHLER: $programm fehlt (erst bauen)" >&2
  exit 1
fi
# pyatspi comes from Debian's package, for Debian's own interpreter.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
# A virtual screen that a busy machine did not bring up in time gets one more try.
for versuch in 1 2; do
  if timeout 180 xvfb-run -a -s '-screen 0 1400x900x24' \
    dbus-run-session -- "$python" scripts/barrierefreiheit.py "$programm"; then
    exit 0
  fi
  [ "$versuch" -eq 2 ] || echo "Barrierefreiheit: zweiter Versuch" >&2
done
exit 1
