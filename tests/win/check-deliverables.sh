#!/usr/bin/env bash
# Static checks of the built deliverables, read with objdump: every file is
# there, exports carry undecorated names, and nothing but system DLLs (and
# lumo's own two libraries) is imported, so the files run on a bare Windows.
#   check-deliverables.sh BIN_DIR OBJDUMP
set -u
bin=$1 objdump=$2
fail=0
say() { echo "check-deliverables: $*"; }
bad() { say "FAIL: $*"; fail=1; }

system_dlls='^(KERNEL32|USER32|GDI32|WINMM|COMCTL32|COMDLG32|SHELL32|ADVAPI32|WS2_32|WSOCK32|WINSPOOL\.DRV|msvcrt|OLE32)(\.dll)?$'

for f in lumo.exe netinfo.dll cover.dll Steel.lth Default.lth vcdaudio.dll; do
  [ -f "$bin/$f" ] || bad "$f is missing from $bin"
done
[ $fail = 0 ] || exit 1

cmp -s "$bin/Steel.lth" "$bin/Default.lth" || bad "Default.lth is not a copy of Steel.lth"

exports_of() { "$objdump" -p "$1" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF} t&&/^[ \t]*$/{t=0}'; }
imports_of() { "$objdump" -p "$1" | awk '/DLL Name:/{print $3}'; }

expect_exports() {
  local file=$1; shift
  local have; have=$(exports_of "$bin/$file" | sort | tr '\n' ' ')
  for name in "$@"; do
    echo " $have" | grep -q " $name " || bad "$file does not export '$name' (exports: $have)"
  done
  if echo "$have" | grep -q '@'; then bad "$file exports decorated names: $have"; fi
}
expect_exports netinfo.dll SeekNetinfo WriteNetinfoBase SearchNetinfoSites QuickUpdate
expect_exports cover.dll PrintCover
expect_exports Steel.lth ThemeCopyright ThemeName
expect_exports vcdaudio.dll DriverProc

"$objdump" -p "$bin/Steel.lth" | grep -q 'Name .*steel\.lth' || bad "Steel.lth's export table does not name steel.lth"
steel_imports=$(imports_of "$bin/Steel.lth" | grep -v -i '^KERNEL32\.dll$')
[ -z "$steel_imports" ] || bad "Steel.lth imports more than KERNEL32: $steel_imports"

for f in lumo.exe netinfo.dll cover.dll vcdaudio.dll; do
  while read -r dll; do
    [ -n "$dll" ] || continue
    if ! echo "$dll" | grep -qiE "$system_dlls"; then
      case "$f:$dll" in
        lumo.exe:netinfo.dll|lumo.exe:cover.dll) ;;
        *) bad "$f imports $dll, which is not a system DLL" ;;
      esac
    fi
  done < <(imports_of "$bin/$f")
done

[ $fail = 0 ] && say "all deliverables in $bin are in order"
exit $fail
