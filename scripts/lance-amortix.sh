#!/bin/sh
# What `make run` shows: the worked example of a 10 000 loan at 6 % over 12 months.
set -eu
build="${1:-build}"
exec "$build/app/amortix-cli" schedule --amount 10000 --duration 12 --rate 6 \
    --first-date 2007-01-31 --locale fr_FR
