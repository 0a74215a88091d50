#!/usr/bin/env bash
# Fails when a source file includes from a folder of a later layer (or from a sibling of the
# same layer): base -> model -> calc, input, library -> report -> app -> print -> ui, cli.
# Inside ui/ each window family includes only itself and ui/platform; the wiring file of the
# shell alone knows every family, and main.cpp reaches the shell and the platform.
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
        target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
        to = target; sub(/\/.*/, "", to)
        if (from == "ui" && to == "ui") {
            family = rel; sub(/^ui\//, "", family); sub(/\/.*/, "", family)
            if (family ~ /\./) family = ""  # a file at the root of ui/
            other = target; sub(/^ui\//, "", other); sub(/\/.*/, "", other)
            if (rel == "ui/shell/wiring.cpp" || other == family || other == "platform") next
            if (family == "" && other == "shell") next
            print "venster: " $0 "  (" (family == "" ? "ui" : "ui/" family) " mag niet uit ui/" other " lezen)"; bad = 1
            next
        }
        if (from == to || !(to in rank)) next
        if (!(from in rank) || rank[to] >= rank[from]) {
            print "laag: " $0 "  (" from " mag niet uit " to " lezen)"; bad = 1
        }
    }
    END { if (bad) exit 1; print "lagen in orde" }'
