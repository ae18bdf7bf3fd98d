#!/usr/bin/env bash
# The layering check passes on a sound copy of a few sources and fails once an include, quoted or
# angled, runs up the layers, up the concerns inside search, from the platform's Qt back-end
# into a form, or climbs out of its folder with "..", even to a header it may use.
# Usage: check-layers-test.sh REPOSITORY
set -euo pipefail
repo=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

for file in src/foundation/CharClass.h src/search/pattern/RegExp.h src/search/engine/SearchControl.h \
  src/platform/qt/QtHost.cpp src/search/forms/TSubSetDlg.cpp; do
  mkdir -p "$tree/$(dirname "$file")"
  cp "$repo/$file" "$tree/$file"
done

"$repo/scripts/check-layers" "$tree" || { echo "FAIL: the sound copy was refused"; exit 1; }

fails=0
plant() {  # plant FILE HEADER: the check must name the planted include, in either form
  local file=$1 header=$2
  plant_line "$file" "$header" "#include \"$header\""
  plant_line "$file" "$header" "#include <$header>"
}
plant_line() {
  local file=$1 header=$2 line=$3
  cp "$tree/$file" "$tree/$file.sound"
  echo "$line" >>"$tree/$file"
  if out=$("$repo/scripts/check-layers" "$tree"); then
    echo "FAIL: $file with $line passed"
    fails=1
  elif [[ $out != *"$file"*"$header"* ]]; then
    echo "FAIL: $file with $line reported as: $out"
    fails=1
  fi
  mv "$tree/$file.sound" "$tree/$file"
}
plant src/foundation/CharClass.h search/pattern/RegExp.h
plant src/search/pattern/RegExp.h search/engine/SearchControl.h
plant src/platform/qt/QtHost.cpp search/forms/TSubSetDlg.h
plant src/foundation/CharClass.h ../search/pattern/RegExp.h
plant src/search/engine/SearchControl.h ../pattern/RegExp.h
exit $fails
