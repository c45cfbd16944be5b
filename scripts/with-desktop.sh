#!/usr/bin/env bash
# Runs a command inside a private desktop session: its own D-Bus session bus, an X
# server (Xvfb) and an unlocked Secret Service keyring, all in temporary folders that
# are removed afterwards. Tests of the X11, clipboard and keyring adapters need these.
set -euo pipefail

if [ -z "${OSKEL_IN_DBUS_SESSION:-}" ]; then
  export OSKEL_IN_DBUS_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi

tmp=$(mktemp -d /tmp/oskel-desktop-XXXXXX)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "${GNOME_KEYRING_PID:-}" ] && kill "$GNOME_KEYRING_PID" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" XDG_STATE_HOME="$tmp/state" XDG_CACHE_HOME="$tmp/cache"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_CACHE_HOME"

# Xvfb picks a free display and writes its number to the pipe.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
exec 3<&-
export DISPLAY=":$display"

# A login keyring, created and unlocked with a throw-away password.
eval "$(printf 'oskel-test' | gnome-keyring-daemon --unlock --components=secrets)"
export GNOME_KEYRING_CONTROL GNOME_KEYRING_PID 2>/dev/null || true

"$@"
