#!/bin/sh
# Wraps one PNG picture in an icon file (one entry whose image data is the PNG itself, which
# Windows reads since Vista): png-to-ico.sh picture.png out.ico
set -eu
png=$1
ico=$2
le16() { printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
# The PNG header gives the size: width and height are big-endian at bytes 16 and 20.
width=$(od -An -tu1 -j18 -N2 "$png" | awk '{ print $1 * 256 + $2 }')
height=$(od -An -tu1 -j22 -N2 "$png" | awk '{ print $1 * 256 + $2 }')
size=$(wc -c <"$png")
{
    le16 0; le16 1; le16 1                      # reserved, type icon, one image
    printf "\\$(printf %03o $((width & 255)))"  # 256 is written as 0
    printf "\\$(printf %03o $((height & 255)))"
    le16 0                                      # no palette, reserved
    le16 1; le16 32                             # planes, bits per pixel
    le32 "$size"; le32 22                       # image bytes, offset after this header
    cat "$png"
} >"$ico"
