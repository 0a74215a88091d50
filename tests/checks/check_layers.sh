#!/usr/bin/env bash
# Fails when a source file includes from a folder of a later layer (or from a sibling of the
# same layer): base -> model -> calc, input, library -> report -> app -> print -> ui, cli.
set -u
src=${1:?usage: check_layers.sh SRC_DIR}
grep -rnE --include='*.h' --include='*.cpp' '^\s*#\s*include\s+"[a-z]+/' "$src" |
    awk -v src="$src/" '
    BEGIN {
        split("base:0 model:1 calc:2 input:2 library:2 report:3 app:4 print:5 ui:6 cli:6", pairs, " ")
        for (i in pairs) { split(pairs[i], kv, ":"); rank[kv[1]] = kv[2] }
    }
    {
        file = $0; sub(/:.*/, "", file)
        rel = substr(file, length(src) + 1); from = rel; sub(/\/.*/, "", from)
        to = $0; sub(/^[^"]*"/, "", to); sub(/\/.*/, "", to)
        if (from == to || !(to in rank)) next
        if (!(from in rank) || rank[to] >= rank[from]) {
            print "laag: " $0 "  (" from " mag niet uit " to " lezen)"; bad = 1
        }
    }
    END { if (bad) exit 1; print "lagen in orde" }'
