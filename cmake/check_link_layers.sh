#!/bin/sh
# Fails when a layer's library calls into a layer it may not use: the
# include check sees only the headers a file names, this one every symbol the
# compiled code needs.
#   check_link_layers.sh NM LAYER=ARCHIVE=ALLOWED,ALLOWED ...
# A layer needs no name of its own in ALLOWED; "-" allows nothing else.
set -eu
nm_tool="$1"
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Strong definitions only: inline functions and template instances (weak)
# are defined in every library that uses them.
for spec in "$@"; do
  layer=${spec%%=*}
  rest=${spec#*=}
  archive=${rest%%=*}
  "$nm_tool" -g -P --defined-only "$archive" 2>/dev/null |
    awk 'NF >= 2 && $2 ~ /^[TDBRGS]$/ { print $1 }' | sort -u >"$work/$layer.defined"
  "$nm_tool" -g -P -u "$archive" 2>/dev/null | awk 'NF >= 2 { print $1 }' | sort -u >"$work/$layer.needed"
done

failed=0
for spec in "$@"; do
  layer=${spec%%=*}
  allowed=,${spec##*=},
  for other in "$@"; do
    other_layer=${other%%=*}
    [ "$other_layer" = "$layer" ] && continue
    case "$allowed" in *,"$other_layer",*) continue ;; esac
    comm -12 "$work/$layer.needed" "$work/$other_layer.defined" >"$work/wrong"
    if [ -s "$work/wrong" ]; then
      failed=1
      echo "The $layer layer uses the $other_layer layer, which it may not:" >&2
      c++filt <"$work/wrong" | sed 's/^/  /' >&2
    fi
  done
done
exit "$failed"
