#!/bin/sh
# Fetches the Access sample that the MIT-licensed npm package node-adodb ships, so no .mdb
# is kept in the repository. Usage: fetch-mdb-sample.sh OUT.mdb (does nothing when present).
set -eu
out=$1
[ -s "$out" ] && exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private cache: CI may run without a usable home folder.
(cd "$work" && npm_config_cache="$work/cache" npm pack --silent node-adodb@5.0.3 >/dev/null)
tar -xzf "$work/node-adodb-5.0.3.tgz" -C "$work" package/examples/node-adodb.mdb
# Several test processes may fetch at once: each renames its own complete copy into place.
cp "$work/package/examples/node-adodb.mdb" "$out.$$"
mv -f "$out.$$" "$out"
