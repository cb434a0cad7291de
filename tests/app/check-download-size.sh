#!/bin/sh
# check-download-size.sh LIMIT FILE...: the files together take fewer than LIMIT bytes.
limit=$1
shift
total=0
for file in "$@"; do
    size=$(wc -c <"$file") || { echo "FAIL: cannot read $file" >&2; exit 1; }
    echo "$(basename "$file"): $size bytes"
    total=$((total + size))
done
echo "together: $total bytes, limit $limit"
if [ "$total" -ge "$limit" ]; then
    echo "FAIL: the download takes $total bytes, not under $limit" >&2
    exit 1
fi
