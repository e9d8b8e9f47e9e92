#!/bin/sh
# The AppStream metainfo passes appstreamcli's validation, and every screenshot it names is a
# file of the repository at that path. Usage: metainfo_check.sh METAINFO SOURCE_DIR SOURCE_URL
set -u
metainfo=$1
source=$2
url=$3
fail() { echo "FAIL: $*"; exit 1; }

appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli refuses $metainfo"
images=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|<image>\(.*\)</image>|\1|')
[ -n "$images" ] || fail "no screenshots"
for image in $images; do
    path=${image#"$url"/}
    [ "$path" != "$image" ] || fail "$image does not lie under $url"
    [ -f "$source/$path" ] || fail "$image names $path, which the repository lacks"
done
echo "metainfo: passed"
