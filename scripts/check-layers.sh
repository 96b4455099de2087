#!/usr/bin/env bash
# Checks that no source file reaches up into a higher layer: neither by #include (every tracked
# file under src/) nor by calling or using a name that only a higher layer defines (the core's
# object files, read with nm).
#   check-layers.sh SOURCE_DIR [OBJECT_FILES...]   (object files also as one ;-separated list)
# A folder may use its own files and those of lower layers only; folders of one layer stay apart.
# A new folder under src/ must be given its layer below before it passes.
set -euo pipefail

# folder (under src/, a topic subject folder counts as core/topics) and its layer, lowest first.
layers='
core/journal 1
core/files 1
generated 1
core/json 2
core/engine 2
core/topics 3
core/entries 3
core/catalogue 4
core/layout 5
core/search 5
core/practice 5
core/accounts 2
core/vouchers 7
core/books 7
cli 8
gui 8
web 8
'

src=$1
shift
# CMake hands the object files over as one list separated by semicolons.
objects=()
for arg in "$@"; do
  IFS=';' read -r -a some <<<"$arg"
  for object in "${some[@]}"; do [[ -n $object ]] && objects+=("$object"); done
done
status=0

# Includes: every "#include" line of every file under src/.
(cd "$src" && find src -name '*.cpp' -o -name '*.h' | sort | xargs grep -H '^#include "') | awk -v layers="$layers" '
  function folder(path,   d) {
    d = path
    sub(/\/[^\/]*$/, "", d)
    if (d ~ /^core\/topics\//) d = "core/topics"
    return d
  }
  BEGIN {
    n = split(layers, l, "\n")
    for (i = 1; i <= n; ++i) if (split(l[i], w, " ") == 2) rank[w[1]] = w[2]
  }
  {
    file = substr($0, 1, index($0, ":") - 1)
    rel = substr(file, 5)
    inc = $0
    sub(/^[^:]*:#include "/, "", inc)
    sub(/".*/, "", inc)
    from = folder(rel)
    if (!(from in rank)) {
      if (!(from in told)) print file ": folder " from " has no layer in scripts/check-layers.sh"
      told[from] = 1
      bad = 1
      next
    }
    to = folder(inc)
    if (to == from || !(to in rank)) next  # its own folder, or a library header
    if (rank[to] + 0 >= rank[from] + 0) {
      print file " includes " inc ": " from " (layer " rank[from] ") may not use " to " (layer " rank[to] ")"
      bad = 1
    }
  }
  END { exit bad }' || status=1

# Names used: every symbol an object file needs must be defined in its own folder or a lower
# layer, never only in a higher one.
if ((${#objects[@]} > 0)); then
  # nm -A names the object file before each symbol: ".../varnello_core.dir/src/core/engine/press.cpp.o: name type".
  { nm -A -P --defined-only "${objects[@]}" | sed 's/^/D /'; nm -A -P --undefined-only "${objects[@]}" | sed 's/^/U /'; } |
    awk -v layers="$layers" '
    function folder(object,   d) {
      d = object
      sub(/:$/, "", d)
      sub(/^.*\.dir\//, "", d)
      sub(/^src\//, "", d)
      sub(/\/[^\/]*$/, "", d)
      if (d ~ /^core\/topics\//) d = "core/topics"
      return d
    }
    BEGIN {
      n = split(layers, l, "\n")
      for (i = 1; i <= n; ++i) if (split(l[i], w, " ") == 2) rank[w[1]] = w[2]
    }
    {
      f = folder($2)
      if (!(f in rank)) {
        if (!(f in told)) print $2 " folder " f " has no layer"
        told[f] = 1
        bad = 1
        next
      }
    }
    $1 == "D" && $4 != "U" { def[$3] = def[$3] " " f ":" rank[f]; next }
    $1 == "U" { uses[++u] = $3 " " f " " rank[f] " " $2 }
    END {
      for (i = 1; i <= u; ++i) {
        split(uses[i], x, " ")
        if (!(x[1] in def)) continue  # from a library outside
        ok = 0
        k = split(def[x[1]], places, " ")
        for (j = 1; j <= k; ++j) {
          split(places[j], p, ":")
          if (p[1] == x[2] || p[2] + 0 < x[3] + 0) ok = 1
        }
        if (!ok) {
          print x[4] " (" x[2] ", layer " x[3] ") uses " x[1] ", defined only in" def[x[1]]
          bad = 1
        }
      }
      exit bad
    }' | c++filt || status=1
fi

if ((status == 0)); then echo "layers: no file reaches up"; fi
exit $status
