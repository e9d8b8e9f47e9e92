#!/bin/sh
# Platform headers (SDL, OpenGL, SQLite, curl, libxml2) may be included only by the back-end files
# that live in folders named after them (src/*/sdl/, src/*/gl/, src/*/sqlite/, src/*/curl/,
# src/*/xml/), so that every other file reads the same on any platform. Prints the offenders and
# fails when any exist.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
pattern='#[[:space:]]*include[[:space:]]*[<"](SDL[^>"]*|GL/[^>"]*|sqlite3\.h|curl/[^>"]*|libxml/[^>"]*)[>"]'
offenders=$(grep -rEl "$pattern" "$root/src" | grep -vE '/src/[^/]+/(.*/)?(sdl|gl|sqlite|curl|xml)/' || true)
if [ -n "$offenders" ]; then
  echo "platform headers outside their back-end folders:"
  echo "$offenders"
  exit 1
fi
echo "platform headers stay in their back-end folders"
