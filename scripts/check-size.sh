#!/usr/bin/env bash
# The release must stay small: at most the given number of bytes.
set -eu
exe=$1
limit=$2
size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $size bytes (at most $limit)"
[ "$size" -le "$limit" ]
