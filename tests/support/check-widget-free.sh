#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a library or program meant to be free of widgets depends on Qt Widgets.
# Usage: check-widget-free.sh LIBQT6WIDGETS.so -- FILE...
#   A static library (.a) fails when it needs any symbol that Qt Widgets defines;
#   a program fails when Qt Widgets is among its needed shared libraries.
set -euo pipefail
widgets_so=$1
shift 2
widgets_soname=$(readelf -d "$widgets_so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
widget_symbols=$(mktemp)
trap 'rm -f "$widget_symbols"' EXIT
nm -D --defined-only "$widgets_so" | awk '{print $NF}' | sed 's/@.*//' | sort -u >"$widget_symbols"
failed=0
for file in "$@"; do
  case "$file" in
    *.a)
      hits=$(nm -u "$file" 2>/dev/null | awk '{print $NF}' | sort -u | comm -12 - "$widget_symbols" || true)
      if [ -n "$hits" ]; then
        echo "FAIL: $(basename "$file") uses Qt Widgets:"; echo "$hits" | sed -n '1,3p' | c++filt | sed 's/^/    /'
        failed=1
      fi
      ;;
    *)
      if readelf -d "$file" | grep -q "(NEEDED).*\[$widgets_soname\]"; then
        echo "FAIL: $(basename "$file") links $widgets_soname"
        failed=1
      fi
      ;;
  esac
done
[ "$failed" -eq 0 ] && echo "$# files free of Qt Widgets"
exit "$failed"
