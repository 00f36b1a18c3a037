#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the shared-database tests, on 127.0.0.1 at a free port.
# Usage: postgres-cluster.sh start|stop STATE_FILE [durable]
# start writes "PORT DIRECTORY" to STATE_FILE (durable: commits are synced as on a real
# server, for benchmarks; otherwise they are not); without the server binaries it writes nothing
# and the tests skip their PostgreSQL cases with a message. As root the cluster runs as the
# postgres user (the server refuses to run as root).
set -euo pipefail
action=$1
state=$2

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop() {
  if [ -f "$state" ]; then
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
  start) ;;
  *) echo "usage: $0 start|stop STATE_FILE" >&2; exit 2 ;;
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
