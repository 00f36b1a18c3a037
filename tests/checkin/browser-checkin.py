#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The check-in page in a real browser (headless chromium): the form loads, and the form's post
# from a page shows each outcome. Usage: browser-checkin.py SERVER [SHOTS_DIR]; SERVER prints
# the page's address and serves participants A001 张三 and A002 李四. With SHOTS_DIR, phone-sized pictures of
# the page before and after a check-in are saved there. Exits 77 (skipped) without chromium.
import html
import os
import shutil
import subprocess
import sys
import tempfile

chromium = shutil.which("chromium")
if not chromium:
    print("skipped: chromium is not installed")
    sys.exit(77)

server = subprocess.Popen([sys.argv[1]], stdout=subprocess.PIPE, text=True)
shots = sys.argv[2] if len(sys.argv) > 2 else None
failures = []
try:
    url = server.stdout.readline().strip()
    work = tempfile.mkdtemp()

    def browse(target, *extra):
        args = [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--user-data-dir=" + os.path.join(work, "profile"),
                "--virtual-time-budget=5000", *extra, target]
        done = subprocess.run(args, capture_output=True, text=True, timeout=60, cwd=work)
        return done.stdout

    def posting(name, person_id, person_name):
        # A page whose form posts to the check-in page as soon as it loads, as a phone's would.
        path = os.path.join(work, name + ".html")
        with open(path, "w", encoding="utf-8") as page:
            page.write('<!DOCTYPE html><meta charset="utf-8"><form id="f" method="post" '
                       f'action="{html.escape(url)}"><input name="id" '
                       f'value="{html.escape(person_id)}"><input name="name" '
                       f'value="{html.escape(person_name)}"></form>'
                       "<script>document.getElementById('f').submit()</script>")
        return "file://" + path

    def expect(what, dom, text):
        if text not in dom:
            failures.append(f"{what}: '{text}' not in the page:\n{dom[:2000]}")

    form = browse(url, "--dump-dom")
    expect("the form", form, 'name="id"')
    expect("the form", form, '<html lang="zh-CN">')
    if shots:
        browse(url, "--window-size=390,844", "--screenshot=" + os.path.join(shots, "checkin-page-form.png"))
    expect("a check-in", browse(posting("first", "A001", "张三"), "--dump-dom"), "签到成功")
    expect("again", browse(posting("again", "A001", " 张三 "), "--dump-dom"), "已签到")
    wrong = browse(posting("wrong", "A001", "李四"), "--dump-dom")
    unknown = browse(posting("unknown", "Z999", "张三"), "--dump-dom")
    expect("a wrong name", wrong, "编号或姓名不正确")
    if wrong != unknown:
        failures.append("a wrong name and an unknown number are not shown alike")
    if shots:
        browse(posting("shot", "A002", "李四"), "--window-size=390,844",
               "--screenshot=" + os.path.join(shots, "checkin-page-checked-in.png"))
    shutil.rmtree(work, ignore_errors=True)
finally:
    server.kill()
    server.wait()

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
