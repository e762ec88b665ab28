#!/usr/bin/env python3
"""Minifies the runtime library's section files as one script and writes them
back out as section files, each still ended by its marker line.

usage: MinifyRuntime.py ESBUILD OUTPUT_FOLDER SECTION_FILE...

The sections run together in one function scope in the library file, so they
are minified together: the scope's own names become short. A section may span
several files; its last one ends with the section's marker. Each file's end and
each section's end marker travel through the minifier as kept comments ("//!")
and split the result again, so the library assembly finds every file and every
section in its place.
"""
import os
import re
import subprocess
import sys

MARKER = "//EndOfSection "
# Properties of the popups that only the library itself reads (the preview reads tid1): they may be shortened too.
PRIVATE_PROPERTIES = "^(fitted|fwm|zepOut|zepFoc|scrEv|leftTabberObj|tos|sp7)$"
# Closes every file in the minifier's input and output.
FILE_END = "//! EndOfFile"


def section_name(text):
    """The name in the file's closing marker, or None when its section goes on in the next file."""
    lines = [line.strip() for line in text.splitlines() if line.strip()]
    return lines[-1][len(MARKER):] if lines and lines[-1].startswith(MARKER) else None


def main():
    esbuild, out_dir, sources = sys.argv[1], sys.argv[2], sys.argv[3:]
    names, script = [], ["(function(){"]
    for path in sources:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        names.append(section_name(text))
        script.append(text.replace(MARKER, "//! " + MARKER) + "\n" + FILE_END)
    if names and names[-1] is None:
        sys.exit(f"{sources[-1]}: the last line is not a section marker")
    script.append("})();")
    result = subprocess.run([esbuild, "--minify", "--legal-comments=inline", "--target=es5", "--log-level=warning",
                             "--mangle-props=" + PRIVATE_PROPERTIES], input="\n".join(script), capture_output=True,
                            text=True, check=False)
    if result.returncode != 0:
        sys.exit(result.stderr)
    code = result.stdout.strip()
    if not code.startswith("(function(){") or not code.endswith("})();"):
        sys.exit("unexpected minifier output around the library scope")
    pieces = (code[len("(function(){"):-len("})();")] + "\n").split(FILE_END + "\n")
    if len(pieces) != len(sources) + 1 or pieces[-1].strip():
        sys.exit(f"the minifier kept {len(pieces) - 1} file ends, expected {len(sources)}")
    os.makedirs(out_dir, exist_ok=True)
    for path, name, piece in zip(sources, names, pieces):
        body, *after = re.split(r"//! //EndOfSection (\w+)\n", piece)
        if after[0::2] != ([name] if name else []) or any(text.strip() for text in after[1::2]):
            sys.exit(f"{path}: section markers came out as {after[0::2]}, expected {name}")
        with open(os.path.join(out_dir, os.path.basename(path)), "w", encoding="utf-8", newline="\n") as f:
            f.write(f"// Built from {os.path.basename(path)} by the minifier.\n{body}\n")
            if name:
                f.write(f"{MARKER}{name}\n")


main()
