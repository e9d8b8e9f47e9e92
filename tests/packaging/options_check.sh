#!/bin/sh
# The program's two options: --version prints the project's version (with the commit of a
# checkout) and --help names every environment variable the sources read; other arguments
# are ignored. Usage: options_check.sh PROGRAM VERSION SOURCE_DIR
set -u
program=$1
version=$2
source=$3
fail() { echo "FAIL: $*"; exit 1; }

first=$("$program" --version | head -n 1)
case "$first" in
    "Kipto2 $version" | "Kipto2 $version ("*")") ;;
    *) fail "--version printed '$first', not the version $version" ;;
esac
[ "$("$program" --not-an-option --version | head -n 1)" = "$first" ] || fail "another argument changed --version"

help=$("$program" --help) || fail "--help failed"
variables=$(grep -rhoE '"KIPTO2_[A-Z_]+"' "$source/src" | tr -d '"' | sort -u)
[ -n "$variables" ] || fail "no environment variables found in $source/src"
for variable in $variables; do
    echo "$help" | grep -q -- "$variable" || fail "--help does not name $variable"
done
for option in --version --help; do
    echo "$help" | grep -q -- "$option" || fail "--help does not name $option"
done
echo "$help" | grep -q "Kipto2.bin" || fail "--help does not say where the data is looked for"
echo "options: passed"
