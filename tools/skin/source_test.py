#!/usr/bin/python3
"""The committed skin source is exactly what the generator writes (run from CTest).

usage: source_test.py REPO       exit 0 when identical, 1 when not, 77 (skipped) without numpy
"""

import filecmp
import os
import subprocess
import sys
import tempfile

repo = sys.argv[1]
try:
    import numpy  # noqa: F401  the generator's only dependency beyond the standard library
except ImportError:
    print("numpy is not installed; skipped")
    sys.exit(77)

source = os.path.join(repo, "resources", "skin", "source")
with tempfile.TemporaryDirectory() as out:
    subprocess.run([sys.executable, os.path.join(repo, "tools", "skin", "make_skin.py"), out], check=True)
    names = sorted(os.listdir(source))
    match, mismatch, errors = filecmp.cmpfiles(source, out, names, shallow=False)
    extra = sorted(set(os.listdir(out)) - set(names))
    for name in mismatch + errors + extra:
        print("differs from the generator's output:", name)
    sys.exit(1 if mismatch or errors or extra else 0)
