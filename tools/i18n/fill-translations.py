# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills empty translations of a Qt .ts file with OpenCC's simplified-to-Taiwan conversion.

Filled entries stay marked unfinished so that a reviewer can see what a machine wrote.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET


def convert(text: str) -> str:
    result = subprocess.run(["opencc", "-c", "s2twp.json"], input=text.encode("utf-8"),
                            capture_output=True, check=True)
    out = result.stdout.decode("utf-8")
    # opencc adds nothing, but keep trailing line breaks exactly as the source has them.
    return out if out.endswith("\n") == text.endswith("\n") else out.rstrip("\n")


def main(path: str) -> None:
    tree = ET.parse(path)
    filled = 0
    for message in tree.iter("message"):
        source = message.find("source")
        translation = message.find("translation")
        if source is None or translation is None:
            continue
        if (translation.text or "") == "" and source.text:
            translation.text = convert(source.text)
            translation.set("type", "unfinished")
            filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{path}: {filled} new translation(s) from OpenCC; check them and mark them finished")


if __name__ == "__main__":
    main(sys.argv[1])
