#!/usr/bin/env bash
# Checks that every include of the plug-in points down its floors, and that no floor but
# frame/ keeps mutable global state. Prints each offending line; fails when
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

# Mutable global state lives in frame/ alone (the plug-in object's state record, the suite
# globals): elsewhere no variable is static or at namespace scope unless it is constant.
# Code inside namespaces is not indented, so a declaration at column 0 is at namespace
# scope; an indented `static` is a function's or a class's.
mutable_globals() {
    awk '
    /^[ \t]*(\/\/|\*|\/\*)/ { next }
    /^[ \t]*static[ \t]/ {
        if ($0 ~ /^[ \t]*static[ \t]+(const|constexpr|inline[ \t]+const|inline[ \t]+constexpr)[ \t]/) next
        if ($0 ~ /^[ \t]*static[ \t]+[^=]*\(/) next  # a function
        print FILENAME ":" FNR ": " $0; next
    }
    /^[A-Za-z_]/ {
        if ($0 ~ /^(const|constexpr|extern|using|typedef|return|struct|class|enum|union|namespace|template|friend|static_assert|inline|explicit|virtual|public|private|protected|case|default|goto|else|if|for|while|do|switch)[ \t:({]/) next
        if ($0 ~ /^[^=]*\(/) next        # a function, or its declaration
        if ($0 ~ /^[^=(]*[ \t*&][A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])*[ \t]*(=[^=].*|\{[^}]*\})?;[ \t]*(\/\/.*)?$/ ||
            $0 ~ /^[^=(]*[ \t*&][A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])*[ \t]*=[ \t]*\{[ \t]*$/)
            print FILENAME ":" FNR ": " $0
    }' "$@"
}
if mutable_globals $(find . -path ./frame -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sort) |
    grep .; then
    echo "mutable global state belongs to frame/ (the plug-in object's state record)"
    status=1
fi
exit $status
