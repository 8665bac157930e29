#!/usr/bin/env bash
# Checks that every include of the plug-in points down its floors, and that the two
# bottom floors keep no mutable global state. Prints each offending line; fails when
# there is one.
#
#   geometry < text < services < settings < dimensions < associative < tools < panel
#   < feedback < frame
#
# A file may include its own floor and the floors below it, never one above.
set -euo pipefail
cd "$(dirname "$0")/../plugin"

status=0
awk '
BEGIN {
    n = split("geometry text services settings dimensions associative tools panel feedback frame", order, " ")
    for (i = 1; i <= n; ++i) floor[order[i]] = i
    floor["resources"] = floor["services"]  # the resource packer, a build tool
}
FNR == 1 { split(FILENAME, part, "/"); from = part[2] }
/^[ \t]*#[ \t]*include[ \t]*"plugin\// {
    line = $0
    sub(/^[^"]*"plugin\//, "", line)
    split(line, target, "/")
    to = target[1]
    if (!(from in floor)) { printf "%s: the folder %s has no floor\n", FILENAME, from; bad = 1; next }
    if (!(to in floor)) { printf "%s:%d: includes %s, which has no floor\n", FILENAME, FNR, to; bad = 1; next }
    if (floor[to] > floor[from]) {
        printf "%s:%d: %s includes %s, a floor above it\n", FILENAME, FNR, from, to
        bad = 1
    }
}
END { exit bad }
' $(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort | sed 's|^|./|') || status=1

# Mutable globals: a static variable that is not constant (functions have parentheses).
if grep -nE '^\s*static\s' geometry/*.h geometry/*.cpp text/*.h text/*.cpp |
    grep -vE 'static\s+(const|constexpr)\s' | grep -v '('; then
    echo "geometry/ and text/ keep no mutable global state"
    status=1
fi
exit $status
