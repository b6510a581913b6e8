#!/usr/bin/env bash
# Fails when a source includes a header of a layer that is not below its own: the program's
# folders from the bottom up, and inside document/ the template engine below the proceeding's
# files and the output, those below the interfaces at document/'s top, and those below the view.
# document/files and document/output, on one level, may not include each other. tools/ and tests/ may include anything.
#   scripts/check-include-layers.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}"

layers="framework/core:0 framework/ui:1 framework/db:2 framework/shell:3 model:4 controls:5
        app:6 document/engine:7 document/files:8 document/output:8 document:9 document/view:10
        evaluation:11 proceeding:12 mainframe:13 program:14"

find framework model controls app document evaluation proceeding mainframe program \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 grep -H '^#include "' | awk -v layers="$layers" '
    BEGIN { n = split(layers, entries, /[ \n]+/)
            for (i = 1; i <= n; i++) if (split(entries[i], p, ":") == 2) level[p[1]] = p[2] }
    # The layer of a path: its longest listed folder.
    function layer_of(path,    best, name) {
        best = ""
        for (name in level)
            if (index(path, name "/") == 1 && length(name) > length(best)) best = name
        return best
    }
    { split($0, parts, ":"); source = parts[1]
      header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
      from = layer_of(source); to = layer_of(header)
      if (to == "" || to == from) next
      if (level[to] >= level[from]) { print source " includes " header ": " to " is not below " from; faults++ } }
    END { if (faults) { print faults " includes against the layers"; exit 1 }
          print "include layers: every include goes downward" }'
