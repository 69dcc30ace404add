#!/usr/bin/env bash
# Starts a throwaway PostgreSQL server for the record-layer tests in folder $1:
# a Unix socket in that folder, no TCP, trust for local connections. As root
# the server runs as an unprivileged user (the server refuses to run as root).
# Usage: start-server.sh FOLDER
set -euo pipefail
folder=$1
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1)
[ -x "$bin/initdb" ] || { echo "PostgreSQL server programs not found (install postgresql)" >&2; exit 1; }

"$(dirname "$0")/stop-server.sh" "$folder" || true
mkdir -p "$folder"
as=()
if [ "$(id -u)" -eq 0 ]; then
    user=velkora-test
    id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    chown "$user" "$folder"
    as=(runuser -u "$user" --)
fi
"${as[@]}" "$bin/initdb" -D "$folder/data" -A trust -U velkora --no-sync >"$folder/initdb.log" 2>&1 ||
    { cat "$folder/initdb.log" >&2; exit 1; }
"${as[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
    -o "-k $folder -c listen_addresses= -c fsync=off -c max_connections=200" start >/dev/null ||
    { cat "$folder/server.log" >&2; exit 1; }
"$bin/psql" -h "$folder" -U velkora -d postgres -qc "CREATE DATABASE velkora" >/dev/null
