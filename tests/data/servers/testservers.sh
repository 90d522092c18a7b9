#!/bin/sh
# Starts and stops the database servers the server tests talk to, all on this machine:
#   testservers.sh start STATE_DIR   a PostgreSQL server on a free loopback port, run from a
#                                    temporary folder; a SQLite file; ODBC DSNs for both
#   testservers.sh stop STATE_DIR    stops the server and removes everything start made
# STATE_DIR/env tells the tests where things are (shell syntax, KEY=VALUE lines).
# The password is random, lives only in a libpq password file beside the server, and is
# never part of a connection string.
set -eu

action=$1
state=$2
env_file=$state/env

log() { echo "testservers: $*" >&2; }

# Commands for the server run as its owner: initdb and postgres refuse to run as root.
as_owner() {
    if [ -n "${SERVER_USER:-}" ]; then
        runuser -u "$SERVER_USER" -- "$@"
    else
        "$@"
    fi
}

stop() {
    [ -f "$env_file" ] || return 0
    # shellcheck disable=SC1090
    . "$env_file"
    if [ -n "${PG_DATA:-}" ] && [ -f "$PG_DATA/postmaster.pid" ]; then
        as_owner "$PG_BIN/pg_ctl" -D "$PG_DATA" -m fast -w stop >/dev/null || log "pg_ctl stop failed"
    fi
    [ -n "${WORK_DIR:-}" ] && rm -rf "$WORK_DIR"
    rm -f "$env_file"
}

start() {
    stop # whatever an interrupted run left behind
    mkdir -p "$state"
    PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
    [ -x "$PG_BIN/initdb" ] || { log "no PostgreSQL server installed (scripts/install-deps.sh)"; exit 1; }
    SERVER_USER=
    if [ "$(id -u)" -eq 0 ]; then
        SERVER_USER=postgres
        id -u "$SERVER_USER" >/dev/null 2>&1 || SERVER_USER=nobody
    fi

    WORK_DIR=$(mktemp -d /tmp/tessarine-servers-XXXXXX)
    chmod 755 "$WORK_DIR"
    PG_DATA=$WORK_DIR/pgdata
    PG_SOCKETS=$WORK_DIR/sockets
    mkdir -p "$PG_SOCKETS"
    [ -n "$SERVER_USER" ] && chown "$SERVER_USER" "$PG_SOCKETS"
    PG_PORT=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    PG_USER=tessarine
    PG_DATABASE=labels
    password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
    password_file=$WORK_DIR/initdb-password
    printf '%s\n' "$password" >"$password_file"
    [ -n "$SERVER_USER" ] && chown "$SERVER_USER" "$password_file" && mkdir "$PG_DATA" && chown "$SERVER_USER" "$PG_DATA"
    PGPASSFILE=$WORK_DIR/pgpass
    printf '127.0.0.1:%s:*:%s:%s\n' "$PG_PORT" "$PG_USER" "$password" >"$PGPASSFILE"
    chmod 600 "$PGPASSFILE"
    export PGPASSFILE

    ODBC_DIR=$WORK_DIR/odbc
    SQLITE_FILE=$WORK_DIR/products.db
    {
        echo "WORK_DIR=$WORK_DIR"
        echo "SERVER_USER=$SERVER_USER"
        echo "PG_BIN=$PG_BIN"
        echo "PG_DATA=$PG_DATA"
        echo "PG_PORT=$PG_PORT"
        echo "PG_USER=$PG_USER"
        echo "PG_DATABASE=$PG_DATABASE"
        echo "PGPASSFILE=$PGPASSFILE"
        echo "ODBC_DIR=$ODBC_DIR"
        echo "SQLITE_FILE=$SQLITE_FILE"
    } >"$env_file"

    as_owner "$PG_BIN/initdb" -D "$PG_DATA" -U "$PG_USER" -E UTF8 --locale=C --auth-local=trust \
        --auth-host=scram-sha-256 --pwfile="$password_file" >"$WORK_DIR/initdb.log" 2>&1 ||
        { cat "$WORK_DIR/initdb.log" >&2; exit 1; }
    rm -f "$password_file"
    as_owner "$PG_BIN/pg_ctl" -D "$PG_DATA" -l "$PG_DATA/server.log" -w -t 60 \
        -o "-p $PG_PORT -k $PG_SOCKETS -c listen_addresses=127.0.0.1" start >/dev/null ||
        { cat "$PG_DATA/server.log" >&2; exit 1; }

    rows="('6901234567892', '绿茶', 12.5), ('6902234567891', '红茶', 15), ('7001234567897', '乌龙', 20.25)"
    "$PG_BIN/psql" -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$PG_PORT" -U "$PG_USER" -d postgres \
        -c "CREATE DATABASE $PG_DATABASE ENCODING 'UTF8' TEMPLATE template0"
    "$PG_BIN/psql" -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$PG_PORT" -U "$PG_USER" -d "$PG_DATABASE" \
        -c "CREATE TABLE products (code text, name text, price double precision); INSERT INTO products VALUES $rows"
    /usr/bin/python3 -c "import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute('CREATE TABLE products (code TEXT, name TEXT, price REAL)')
db.execute(\"INSERT INTO products VALUES $rows\")
db.commit()" "$SQLITE_FILE"

    # Data source names the way a user sets them up, in a private configuration.
    odbc_lib=$(dirname "$(find /usr/lib -name psqlodbcw.so -print -quit)")
    mkdir -p "$ODBC_DIR"
    cat >"$ODBC_DIR/odbcinst.ini" <<INI
[PostgreSQL Unicode]
Driver=$odbc_lib/psqlodbcw.so

[SQLite3]
Driver=$odbc_lib/libsqlite3odbc.so
INI
    cat >"$ODBC_DIR/odbc.ini" <<INI
[TessarinePg]
Driver=PostgreSQL Unicode
Servername=127.0.0.1
Port=$PG_PORT
Database=$PG_DATABASE
Username=$PG_USER

[TessarineSqlite]
Driver=SQLite3
Database=$SQLITE_FILE
INI
    log "PostgreSQL on 127.0.0.1:$PG_PORT${SERVER_USER:+ as $SERVER_USER}"
}

case $action in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
