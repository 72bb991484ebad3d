#!/usr/bin/env bash
# Runs a Windows test program in a throw-away Wine prefix that has no CD-ROM
# drive: it shares drive C: and the registry of the project's prefix (copied,
# without the line making D: a CD-ROM drive) but runs its own Wine server, so
# the tests running in the project's prefix at the same time keep their D:.
#   without-cdrom.sh ARCH PROGRAM [ARGS...]
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
arch=$1; shift
env=$("$root/tools/wine/lumo-wine" --env "$arch") || exit 1
eval "$env"
shared=$WINEPREFIX
prefix=$(mktemp -d "${TMPDIR:-/tmp}/lumo-without-cdrom.XXXXXX") || exit 1
export WINEPREFIX=$prefix
finish() {
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  rm -rf "$prefix"
}
trap finish EXIT

mkdir "$prefix/dosdevices"
ln -s "$shared/drive_c" "$prefix/dosdevices/c:"
ln -s / "$prefix/dosdevices/z:"
cp "$shared/user.reg" "$shared/userdef.reg" "$shared/.update-timestamp" "$prefix/"
grep -v '^"d:"="cdrom"' "$shared/system.reg" > "$prefix/system.reg"

# The server and Wine's services hold none of our descriptors (ctest reads our
# output to its end); the server outlives a killed run by a few seconds only.
setsid -f "$WINESERVER" -p5 </dev/null >/dev/null 2>&1
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1
"$WINE" "$@"
