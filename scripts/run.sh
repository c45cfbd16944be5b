#!/usr/bin/env bash
# Installs what is missing, builds Oskel and starts it: the answer service on
# 127.0.0.1:8787 with a fresh secret, then the tray application pointed at it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${OSKEL_BUILD_ROOT:-$root/build}/release

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOSKEL_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

state=${XDG_STATE_HOME:-$HOME/.local/state}/oskel
mkdir -p "$state" && chmod 700 "$state"
if [ -x "$build/server/oskel-answerd" ]; then
  rm -f "$state/answerd.secret"
  "$build/server/oskel-answerd" --listen 127.0.0.1:8787 --secret-file "$state/answerd.secret" &
  answerd=$!
  trap 'kill $answerd 2>/dev/null || true' EXIT
fi
if [ -x "$build/src/oskel" ]; then
  "$build/src/oskel"
else
  echo "The tray application is not built yet; oskelctl is at $build/tools/oskelctl." >&2
  [ -n "${answerd:-}" ] && wait "$answerd"
fi
