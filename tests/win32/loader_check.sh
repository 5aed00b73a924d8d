#!/usr/bin/env bash
# Reads built spacewell.exe files as Windows' loader does before the program runs, which Wine
# forgives: the embedded manifest (well-formed, each element Windows allows once present once,
# the exe's own processor, run as invoker, the supported systems, per-monitor DPI awareness),
# the DLLs it imports (only those every Windows has) and the version resource (the project's).
# Usage: tests/win32/loader_check.sh EXE...
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib/checks.sh

# What the program imports today: system DLLs of every Windows since 7.
allowed_dlls="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll version.dll"
# Windows 7, 8, 8.1 and 10 (11 reads 10's).
supported_os="{35138b9a-5d96-4fbd-8e2d-a2440225f93a} {4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}
{1f676c76-80e1-4239-95bb-83d0f6d0da78} {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
version=$(sed -n 's/^project(Spacewell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
IFS=. read -r major minor patch _ <<<"$version"
numbers="${major:-0}, ${minor:-0}, ${patch:-0}, 0"

asm1=urn:schemas-microsoft-com:asm.v1
asm3=urn:schemas-microsoft-com:asm.v3
compat=urn:schemas-microsoft-com:compatibility.v1
step() { printf "/*[local-name()='%s' and namespace-uri()='%s']" "$1" "$2"; }
assembly=$(step assembly $asm1)
identity=$assembly$(step assemblyIdentity $asm1)
trust=$assembly$(step trustInfo $asm3)$(step security $asm3)$(step requestedPrivileges $asm3)
level=$trust$(step requestedExecutionLevel $asm3)
os_list=$assembly$(step compatibility $compat)$(step application $compat)
settings=$assembly$(step application $asm3)$(step windowsSettings $asm3)
dpi_aware=$settings$(step dpiAware http://schemas.microsoft.com/SMI/2005/WindowsSettings)
dpi_awareness=$settings$(step dpiAwareness http://schemas.microsoft.com/SMI/2016/WindowsSettings)

# The RT_MANIFEST resource (type 24) of ID 1, the one the loader reads for an exe, out of the
# resources as a .res file: entries of data size, header size, type, name, ... then the data.
manifest_of() {
  x86_64-w64-mingw32-windres -J coff -O res -i "$1" -o "$2.res" &&
    perl -e 'local $/; my $res = <STDIN>; my $pos = 0; my $found = 0;
      while ($pos + 16 <= length $res) {
        my ($size, $head) = unpack "VV", substr($res, $pos, 8);
        last if $head < 16;
        if (substr($res, $pos + 8, 8) eq pack("v4", 0xffff, 24, 0xffff, 1)) {
          print substr($res, $pos + $head, $size); $found = 1;
        }
        $pos += ($head + $size + 3) & ~3;
      }
      exit !$found' <"$2.res" >"$2"
}

xpath() { xmllint --xpath "$1" "$manifest" 2>/dev/null; }
once() {  # description, xpath: Windows takes the element once; it must be there once
  check "$name: the manifest holds $1 once" "$(xpath "count($2)")" 1
}

check_manifest() {  # machine as the manifest names it
  local errors os
  if ! manifest_of "$exe" "$manifest"; then
    fail "$name: no RT_MANIFEST resource of ID 1"
    return
  fi
  if ! errors=$(xmllint --noout "$manifest" 2>&1); then
    fail "$name: the manifest is not well-formed XML: $errors"
    return
  fi
  pass "$name: the manifest is well-formed XML"
  once "assemblyIdentity" "$identity"
  once "requestedExecutionLevel" "$level"
  once "the compatibility application" "$os_list"
  once "windowsSettings" "$settings"
  once "dpiAware (2005 namespace)" "$dpi_aware"
  once "dpiAwareness (2016 namespace)" "$dpi_awareness"
  check "$name: processorArchitecture names the exe's machine" \
    "$(xpath "string($identity/@processorArchitecture)")" "$1"
  check "$name: the assembly version is the project's" \
    "$(xpath "string($identity/@version)")" "${numbers//, /.}"
  check "$name: it runs as invoker" "$(xpath "string($level/@level)")" asInvoker
  check "$name: it asks for no UI access" "$(xpath "string($level/@uiAccess)")" false
  for os in $supported_os; do
    check "$name: supportedOS $os once" \
      "$(xpath "count($os_list/*[local-name()='supportedOS' and @Id='$os'])")" 1
  done
  check "$name: DPI aware per monitor, system-aware before Windows 10" \
    "$(xpath "normalize-space($dpi_aware)")" true/pm
  check "$name: DPI awareness per monitor V2, then per monitor" \
    "$(xpath "normalize-space($dpi_awareness)")" "PerMonitorV2, PerMonitor"
}

check_exe() {
  local format machine dll resources stray=""
  if [ ! -f "$exe" ]; then
    fail "$name: not built"
    return
  fi
  format=$(objdump -p "$exe" | sed -n 's/.*file format //p')
  case "$format" in
    pei-i386) machine=x86 ;;
    pei-x86-64) machine=amd64 ;;
    *) fail "$name: not a Windows program for x86 or x64 ($format)"; return ;;
  esac
  pass "$name: $format"
  check_manifest "$machine"
  for dll in $(objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z'); do
    [[ " $allowed_dlls " == *" $dll "* ]] || stray+="$dll "
  done
  if [ -z "$stray" ]; then pass "$name: imports only system DLLs"
  else fail "$name: imports ${stray% }, beyond the system DLLs ($allowed_dlls)"; fi
  resources=$(x86_64-w64-mingw32-windres -J coff -O rc -i "$exe" 2>&1)
  check "$name: FILEVERSION is the project's" \
    "$(sed -n 's/^ *FILEVERSION //p' <<<"$resources")" "$numbers"
  check "$name: ProductVersion is the project's" \
    "$(sed -n 's/.*VALUE "ProductVersion", "\(.*\)"/\1/p' <<<"$resources")" "$version"
  check "$name: FileVersion is the project's" \
    "$(sed -n 's/.*VALUE "FileVersion", "\(.*\)"/\1/p' <<<"$resources")" "$version"
}

[ $# -gt 0 ] || { echo "usage: $0 EXE..." >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
n=0
for exe in "$@"; do
  name=$exe
  n=$((n + 1))
  manifest=$work/$n.manifest
  check_exe
done
[ "$failures" -eq 0 ] && echo "loader_check: PASS" || echo "loader_check: FAIL ($failures checks failed)"
[ "$failures" -eq 0 ]
