#!/usr/bin/env python3
"""Minifies the runtime library's section files as one script and writes them
back out as section files, each still ended by its marker line.

usage: MinifyRuntime.py ESBUILD OUTPUT_FOLDER SECTION_FILE...

The sections run together in one function scope in the library file, so they
are minified together: the scope's own names become short. Each section's end
marker travels through the minifier as a kept comment ("//!") and splits the
result again, so the library assembly finds every section in its place.
"""
import os
import re
import subprocess
import sys

MARKER = "//EndOfSection "
# Properties of the popups that only the library itself reads (the preview reads tid1): they may be shortened too.
PRIVATE_PROPERTIES = "^(fitted|fwm|zepOut|zepFoc|scrEv|leftTabberObj|tos|sp7)$"


def section_name(text, path):
    lines = [line.strip() for line in text.splitlines() if line.strip()]
    if not lines or not lines[-1].startswith(MARKER):
        sys.exit(f"{path}: the last line is not a section marker")
    return lines[-1][len(MARKER):]


def main():
    esbuild, out_dir, sources = sys.argv[1], sys.argv[2], sys.argv[3:]
    names, script = [], ["(function(){"]
    for path in sources:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        names.append(section_name(text, path))
        script.append(text.replace(MARKER, "//! " + MARKER))
    script.append("})();")
    result = subprocess.run([esbuild, "--minify", "--legal-comments=inline", "--target=es5", "--log-level=warning",
                             "--mangle-props=" + PRIVATE_PROPERTIES], input="\n".join(script), capture_output=True,
                            text=True, check=False)
    if result.returncode != 0:
        sys.exit(result.stderr)
    code = result.stdout.strip()
    if not code.startswith("(function(){") or not code.endswith("})();"):
        sys.exit("unexpected minifier output around the library scope")
    parts = re.split(r"//! //EndOfSection (\w+)\n", code[len("(function(){"):-len("})();")] + "\n")
    found = parts[1::2]
    if found != names or parts[-1].strip():
        sys.exit(f"section markers came out as {found}, expected {names}")
    os.makedirs(out_dir, exist_ok=True)
    for path, name, body in zip(sources, names, parts[0::2]):
        with open(os.path.join(out_dir, os.path.basename(path)), "w", encoding="utf-8", newline="\n") as f:
            f.write(f"// Built from {os.path.basename(path)} by the minifier.\n{body}\n{MARKER}{name}\n")


main()
