#!/bin/sh
# Runs a test (the arguments) in a private D-Bus session with GNOME Keyring's Secret Service,
# unlocked, in a home of its own: the test needs no desktop and never sees the user's keychain.
set -eu
dom=$(mktemp -d)
trap 'rm -rf "$dom"' EXIT INT TERM
mkdir -m 700 "$dom/run"
export HOME="$dom" XDG_DATA_HOME="$dom/dane" XDG_CONFIG_HOME="$dom/konfig" XDG_RUNTIME_DIR="$dom/run"
unset DISPLAY WAYLAND_DISPLAY
# --start waits until the unlocked daemon serves the collections
dbus-run-session -- sh -c 'printf zentora | gnome-keyring-daemon --unlock --daemonize --components=secrets >/dev/null &&
  gnome-keyring-daemon --start --components=secrets >/dev/null && exec "$@"' zsejfem "$@"
