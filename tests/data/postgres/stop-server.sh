#!/usr/bin/env bash
# Stops the test server of start-server.sh and removes its folder.
# Usage: stop-server.sh FOLDER
set -uo pipefail
folder=$1
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1)
if [ -f "$folder/data/postmaster.pid" ]; then
    as=()
    [ "$(id -u)" -eq 0 ] && as=(runuser -u "$(stat -c %U "$folder/data")" --)
    "${as[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1
fi
rm -rf "$folder"
