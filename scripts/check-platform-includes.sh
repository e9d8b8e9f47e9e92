#!/bin/sh
# Platform, codec and POSIX headers may be included only by the files in folders named after
# them (src/window/sdl/, src/window/image/png/, src/lang/posix/, src/lang/windows/, ...), so that every other file
# reads the same on any platform and each library stays behind its seam. Prints the offenders
# and fails when any exist.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# One rule a line: the headers (an extended regular expression for what follows "#include <" or
# "#include \"", or FreeType's macro includes) and the folders they may be included in.
rules='SDL[^>"]*|sdl
X11/[^>"]*|x11
GL/[^>"]*|epoxy/[^>"]*|gl
sqlite3\.h|sqlite
curl/[^>"]*|curl
ft2build\.h|FT_[A-Z0-9_]+_H|freetype/[^>"]*|freetype
fontconfig/[^>"]*|freetype
png\.h|pngconf\.h|png
jpeglib\.h|jerror\.h|jconfig\.h|jmorecfg\.h|jpeg
mpg123\.h|mpg123
vorbis/[^>"]*|ogg/[^>"]*|vorbis
xmp\.h|xmp
libxml/[^>"]*|xml
unistd\.h|sys/[^>"]*|langinfo\.h|posix
windows\.h|shlobj\.h|dbghelp\.h|shellapi\.h|windows'

failed=0
while IFS= read -r rule; do
    headers=${rule%|*}
    folder=${rule##*|}
    pattern="#[[:space:]]*include[[:space:]]*([<\"]($headers)[>\"]|($headers)([[:space:]]|\$))"
    offenders=$(grep -rEl "$pattern" "$root/src" | grep -vE "/src/([^/]+/)*$folder/" || true)
    if [ -n "$offenders" ]; then
        echo "headers of $folder/ outside their folders:"
        echo "$offenders"
        failed=1
    fi
done <<RULES
$rules
RULES
if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "platform, codec and POSIX headers stay in their folders"
