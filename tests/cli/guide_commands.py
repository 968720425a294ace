#!/usr/bin/python3
"""Runs every command line of the user guide's console blocks as the guide shows it ("$ " and the
command; the lines up to the next "$ " are what the terminal shows, standard output and standard
error together) in a scratch folder holding the guide's example files, with the torvale-calc under
test first on PATH. The exit status must be 0, or N where the line ends in "# 退出状态 N".

guide_commands.py CALC_DIR GUIDE DOCS_DIR"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

calc_dir, guide, docs = sys.argv[1:4]
with open(guide, encoding="utf-8") as f:
    text = f.read()
cases = []
for block in re.findall(r"^```console\n(.*?)^```", text, re.M | re.S):
    for chunk in re.split(r"^\$ ", block, flags=re.M)[1:]:
        command, *shown = chunk.rstrip("\n").split("\n")
        status = re.search(r"#\s*退出状态\s*(\d+)\s*$", command)
        cases.append((command, int(status.group(1)) if status else 0, shown))

env = dict(os.environ, PATH=calc_dir + os.pathsep + os.environ.get("PATH", ""), LC_ALL="C.UTF-8")
failures = 0
with tempfile.TemporaryDirectory() as scratch:
    for name in ("夏季工况.torvale", "示例气象-七月一周.epw"):
        shutil.copy(os.path.join(docs, name), scratch)
    for command, status, shown in cases:
        run = subprocess.run(["/bin/sh", "-c", command], cwd=scratch, env=env,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
        got = run.stdout.decode("utf-8", "replace")
        want = "".join(line + "\n" for line in shown)
        if "torvale-calc" not in command or run.returncode != status or got != want:
            failures += 1
            print(f"$ {command}\n  exit status {run.returncode}, the guide shows {status}\n"
                  f"--- the guide shows\n{want}--- the terminal shows\n{got}---")
print(f"{len(cases)} command lines, {failures} differ from the guide")
sys.exit(1 if failures or len(cases) < 10 else 0)
