#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test binary with a private PulseAudio server whose only output is a null sink, so the
# sound code that runs only when a device exists (opening, decoding and streaming the files) runs
# headless. Exits 77 (skipped) when pulseaudio is not installed or does not start.
set -u
test_binary="$1"
shift
for tool in pulseaudio pactl; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
dir=$(mktemp -d)
server_pid=
cleanup() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
# The server keeps its cookie and state under HOME and XDG_RUNTIME_DIR: both private here.
export HOME="$dir" XDG_RUNTIME_DIR="$dir"
pulseaudio --daemonize=no -n --load="module-null-sink sink_name=null" \
  --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
  --exit-idle-time=-1 --disallow-exit >"$dir/server.log" 2>&1 &
server_pid=$!
export PULSE_SERVER="unix:$dir/native"
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "skipped: pulseaudio did not start"
  cat "$dir/server.log"
  exit 77
fi
SORTILO_NULL_SINK=1 "$test_binary" "$@"
