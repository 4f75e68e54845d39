#!/bin/sh
# What `make run` starts: the program just built, with any arguments given.
set -eu
build="${1:-build}"
shift || true
exec "$build/app/amortix" "$@"
