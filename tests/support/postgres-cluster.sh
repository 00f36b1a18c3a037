#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throw-away PostgreSQL cluster for the shared-database tests, on 127.0.0.1 at a free port.
# Usage: postgres-cluster.sh start|stop|pause|resume STATE_FILE [durable]
# start writes "PORT DIRECTORY" to STATE_FILE (durable: commits are synced as on a real
# server, for benchmarks; otherwise they are not); without the server binaries it writes nothing
# and the tests skip their PostgreSQL cases with a message. As root the cluster runs as the
# postgres user (the server refuses to run as root). pause stops every process of the cluster
# (SIGSTOP: a server that hangs while its kernel still acknowledges every packet); resume lets
# them go on; stop resumes a paused cluster first.
set -euo pipefail
action=$1
state=$2

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# Sends a signal to the postmaster, then to every process it started (after the postmaster, so
# that no new one escapes a SIGSTOP).
signal_cluster() {
  [ -f "$state" ] || return 0
  read -r _ dir < "$state" || true
  [ -n "${dir:-}" ] && [ -f "$dir/data/postmaster.pid" ] || return 0
  pid=$(head -n 1 "$dir/data/postmaster.pid")
  kill "-$1" "$pid" 2>/dev/null || return 0
  children=$(pgrep -P "$pid" || true)
  if [ -n "$children" ]; then kill "-$1" $children 2>/dev/null || true; fi
}

stop() {
  if [ -f "$state" ]; then
    signal_cluster CONT
    read -r _ dir < "$state" || true
    if [ -n "${dir:-}" ] && [ -d "$dir/data" ]; then
      as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
      rm -rf "$dir"
    fi
    rm -f "$state"
  fi
}

case "$action" in
  stop) stop; exit 0 ;;
  pause) signal_cluster STOP; exit 0 ;;
  resume) signal_cluster CONT; exit 0 ;;
  start) ;;
  *) echo "usage: $0 start|stop|pause|resume STATE_FILE" >&2; exit 2 ;;
esac

durability="-c fsync=off -c synchronous_commit=off -c full_page_writes=off"
if [ "${3:-}" = durable ]; then durability=""; fi

stop
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
  echo "PostgreSQL server binaries not found: the PostgreSQL test cases will be skipped"
  exit 0
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/pg-test-cluster.XXXXXX")
chmod 755 "$dir"
if [ "$(id -u)" -eq 0 ]; then chown postgres: "$dir"; fi
as_owner "$bin/initdb" -D "$dir/data" --auth=trust -E UTF8 --locale=C.UTF-8 -U postgres \
  >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log"; rm -rf "$dir"; exit 1; }
for attempt in 1 2 3 4 5 6 7 8; do
  port=$((20000 + RANDOM % 40000))
  # Durability is of no use to tests on a cluster thrown away after the run.
  if as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-p $port -c listen_addresses=127.0.0.1 -c unix_socket_directories=$dir $durability" \
      start >/dev/null 2>&1; then
    echo "$port $dir" > "$state"
    echo "PostgreSQL test cluster on 127.0.0.1:$port"
    exit 0
  fi
done
cat "$dir/server.log" >&2 || true
rm -rf "$dir"
exit 1
