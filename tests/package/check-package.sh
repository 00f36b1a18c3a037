#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package made by scripts/package: its contents, its dependencies, lintian's
# verdict, its menu entry, metainfo and copyright file, and that the program unpacked under a
# temporary prefix starts under Xvfb from an empty folder, opening a new event folder. Skipped
# (77) when no package was built.
# Usage: check-package.sh PACKAGE_DIR
set -uo pipefail
deb=$(ls "$1"/sortilo_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  echo "no package in $1 (run scripts/package): skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=
fail() { echo "FAIL: $*"; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in ./usr/bin/sortilo ./usr/libexec/sortilo/sortilo-xls-reader ./usr/share/sortilo/skin/skin.ini ./usr/share/sortilo/skin/main.png \
         ./usr/share/sortilo/Sound/sound1.wav ./usr/share/sortilo/schema.sql \
         ./usr/share/sortilo/demo-participants.sql ./usr/share/sortilo/bigRes.qm \
         ./usr/share/applications/io.github.sortilo.Sortilo.desktop \
         ./usr/share/metainfo/io.github.sortilo.Sortilo.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/io.github.sortilo.Sortilo.svg \
         ./usr/share/icons/hicolor/48x48/apps/io.github.sortilo.Sortilo.png \
         ./usr/share/man/man1/sortilo.1.gz ./usr/share/doc/sortilo/copyright \
         ./usr/share/doc/sortilo/operator-guide.zh.md ./usr/share/doc/sortilo/operator-guide.en.md \
         ./usr/share/doc/sortilo/stations.md ./usr/share/doc/sortilo/images/participants.png; do
  grep -qxF "$f" <<<"$contents" || fail "missing $f"
done
# The operator's data never ships: an installed program makes its own.
grep -q 'Data.db\|config.ini' <<<"$contents" && fail "the package carries event data"

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6sql6-sqlite libc6; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian finds fault with the package"
fi

dpkg-deb -x "$deb" "$work/root" || fail "cannot unpack"
metainfo="$work/root/usr/share/metainfo/io.github.sortilo.Sortilo.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "metainfo does not validate"
grep -qF '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
  || fail "metainfo does not name GPL-3.0-or-later"
# The copyright file is in the machine-readable format, every licence it names has its text, and
# the program and its shared files fall under GPL-3.0-or-later.
/usr/bin/python3 - "$work/root/usr/share/doc/sortilo/copyright" <<'PY' || fail "copyright file"
import re, sys
from debian import copyright

with open(sys.argv[1], encoding="utf-8") as f:
    c = copyright.Copyright(f, strict=True)
texts = {p.license.synopsis for p in c.all_license_paragraphs()}
for p in c.all_files_paragraphs():
    if not p.copyright:
        sys.exit(f"no Copyright for {p.files}")
    for name in re.split(r"\s+(?:and|or)\s+", p.license.synopsis):
        if not p.license.text and name not in texts:
            sys.exit(f"no text of licence {name}")
for path in ("usr/bin/sortilo", "usr/share/sortilo/skin/main.png"):
    if "GPL-3.0-or-later" not in c.find_files_paragraph(path).license.synopsis:
        sys.exit(f"{path} is not under GPL-3.0-or-later")
PY
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/io.github.sortilo.Sortilo.desktop" \
    || fail "desktop entry does not validate"
fi
zcat "$work/root/usr/share/man/man1/sortilo.1.gz" | grep -q '^\.SH OPTIONS' || fail "man page"

program="$work/root/usr/bin/sortilo"
"$program" --version | grep -q '^sortilo ' || fail "--version"
# The .xls reader the program runs, found from bin/ as ../libexec/sortilo. For a missing file
# it writes its stream's refusal and exits 1.
reader_start=$("$work/root/usr/libexec/sortilo/sortilo-xls-reader" "$work/none.xls" | head -c 9) \
  || true
[ "$reader_start" = SORTXLS1F ] || fail "the .xls reader does not run"

# Started from an empty folder, the unpacked program (any prefix) opens a new event folder
# with the shared files it ships, and shows its window.
mkdir -p "$work/empty" "$work/data"
cat >"$work/run.sh" <<RUN
cd "$work/empty"
XDG_DATA_HOME="$work/data" "$program" >"$work/log" 2>&1 &
echo \$! >"$work/pid"
for i in \$(seq 1 100); do
  xdotool search --onlyvisible --classname sortilo >/dev/null 2>&1 && exit 0
  sleep 0.1
done
exit 1
RUN
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash -c "bash '$work/run.sh'; rc=\$?; kill \$(cat '$work/pid') 2>/dev/null; exit \$rc" \
  || { cat "$work/log"; fail "the window did not appear"; }
event="$work/data/Sortilo/events/default"
[ -f "$event/Data.db" ] || fail "no event folder at $event"
[ ! -e "$event/config.ini" ] || fail "a new event got a config.ini"
[ ! -e "$work/empty/Data.db" ] || fail "a database was made in the current folder"
echo "package $deb: OK"
