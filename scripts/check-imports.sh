#!/usr/bin/env bash
# Release checks of the shipped executables in dist/: they import only protected system DLLs (never a MinGW
# runtime DLL that could be planted beside them), are hardened GUI images, and Setup.exe carries exactly one
# manifest (asInvoker, system DPI aware), the icon group MAINICON (one 32 x 32, 16-colour image) and a version.
# Uses build/native/pecheck, cross-checked against objdump. Ends with "checks: N passed, N failed".
set -uo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kPecheck="$kRoot/build/native/pecheck"
kDist=${DIST_DIR:-$kRoot/dist}
# DLLs Windows loads only from the system folder (KnownDLLs), whatever lies beside the program.
kAllowed="kernel32.dll user32.dll gdi32.dll shell32.dll advapi32.dll msvcrt.dll ole32.dll oleaut32.dll comdlg32.dll shlwapi.dll"

passed=0
failed=0

Check() {  # description, then a command whose success is the check
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   - $what"
  else
    failed=$((failed + 1))
    echo "FAIL - $what"
  fi
}

Lower() { tr '[:upper:]' '[:lower:]'; }

ImportsAllowed() {  # report
  local dll bad=""
  for dll in $(grep -E '^(delay-)?import ' "$1" | cut -d' ' -f2 | Lower); do
    case " $kAllowed " in *" $dll "*) ;; *) bad="$bad $dll" ;; esac
  done
  [ -z "$bad" ] || echo "       not allowed:$bad"
  [ -z "$bad" ]
}

ObjdumpAgrees() {  # triple exe report
  local ours theirs
  ours=$(grep -E '^(delay-)?import ' "$3" | cut -d' ' -f2 | Lower | sort)
  theirs=$("$1-objdump" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | Lower | sort)
  [ "$ours" = "$theirs" ] || echo "       pecheck: $(echo $ours) / objdump: $(echo $theirs)"
  [ "$ours" = "$theirs" ]
}

HasLine() { grep -qxF "$2" "$1"; }
HasWord() { grep -q "^$2 .*\\b$3\\b" "$1"; }
CountIs() {  # report pattern count
  local n
  n=$(grep -cE "$2" "$1")
  [ "$n" = "$3" ] || echo "       found $n"
  [ "$n" = "$3" ]
}
ManifestHas() { "$kPecheck" --dump MANIFEST '#1' "$1" | tr -d '\r\n' | grep -qE "$2"; }

CheckImage() {  # exe machine triple
  local exe=$1 machine=$2 triple=$3
  local name=${exe#"$kRoot"/}
  local report
  report=$(mktemp)
  if ! "$kPecheck" "$exe" >"$report"; then
    Check "$name: is a readable PE image" false
    rm -f "$report"
    return
  fi
  Check "$name: machine $machine" HasLine "$report" "machine $machine"
  Check "$name: GUI subsystem" HasLine "$report" "subsystem gui"
  Check "$name: ASLR (dynamic base)" HasWord "$report" dll-characteristics dynamic-base
  Check "$name: DEP (NX compatible)" HasWord "$report" dll-characteristics nx-compat
  if [ "$machine" = amd64 ]; then
    Check "$name: high-entropy ASLR" HasWord "$report" dll-characteristics high-entropy-va
  fi
  Check "$name: imports only protected system DLLs" ImportsAllowed "$report"
  Check "$name: objdump lists the same imports" ObjdumpAgrees "$triple" "$exe" "$report"
  if [ "$(basename "$exe")" = Setup.exe ]; then
    CheckSetupResources "$exe" "$name" "$report"
  fi
  rm -f "$report"
}

CheckSetupResources() {  # exe name report
  local exe=$1 name=$2 report=$3
  Check "$name: exactly one manifest" CountIs "$report" '^resource MANIFEST ' 1
  Check "$name: the manifest is id 1" grep -q '^resource MANIFEST #1 ' "$report"
  Check "$name: manifest asks for asInvoker" ManifestHas "$exe" 'requestedExecutionLevel[^>]*level="asInvoker"'
  Check "$name: manifest declares system DPI awareness" \
    ManifestHas "$exe" '<dpiAware[^>]*>true</dpiAware>.*<dpiAwareness[^>]*>system</dpiAwareness>'
  Check "$name: manifest lists Windows 7 to 10/11" ManifestHas "$exe" \
    '35138b9a-5d96-4fbd-8e2d-a2440225f93a.*4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38.*1f676c76-80e1-4239-95bb-83d0f6d0da78.*8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a'
  Check "$name: icon group MAINICON" grep -q '^resource GROUP_ICON MAINICON ' "$report"
  Check "$name: MAINICON holds exactly one image" \
    CountIs "$report" '^icon MAINICON ' 1
  Check "$name: MAINICON's image is 32x32, 4 bits per pixel" HasLine "$report" "icon MAINICON 32x32 colors=16 bits=4"
  Check "$name: one version resource" CountIs "$report" '^resource VERSION ' 1
}

Main() {
  if [ ! -x "$kPecheck" ]; then
    echo "check-imports: $kPecheck is missing (native build)"
    echo "checks: 0 passed, 1 failed"
    return 1
  fi
  local tree machine triple exe
  for tree in win32 win64; do
    case $tree in
      win32) machine=i386 triple=i686-w64-mingw32 ;;
      win64) machine=amd64 triple=x86_64-w64-mingw32 ;;
    esac
    for exe in "$kDist/$tree/Setup.exe" "$kDist/$tree/data/InstDB.exe"; do
      if [ -f "$exe" ]; then
        CheckImage "$exe" "$machine" "$triple"
      else
        Check "${exe#"$kRoot"/} exists" false
      fi
    done
  done
  echo "checks: $passed passed, $failed failed"
  [ "$failed" = 0 ]
}

Main "$@"
