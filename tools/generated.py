"""Writes generated files, or checks that the committed ones are what the generator makes."""

import sys
from pathlib import Path


def write_or_check(argv, outputs):
    """outputs: {Path: bytes}. With --check, compares instead of writing.

    Returns the process exit status: 0 all written or all agree, 1 a difference, 2 bad usage.
    """
    args = argv[1:]
    if any(a != "--check" for a in args):
        print(f"usage: {argv[0]} [--check]", file=sys.stderr)
        return 2
    check = "--check" in args
    failed = False
    for path, data in outputs.items():
        path = Path(path)
        if check:
            try:
                current = path.read_bytes()
            except OSError as err:
                print(f"{path}: cannot read: {err}", file=sys.stderr)
                failed = True
                continue
            if current != data:
                print(f"{path}: differs from what {argv[0]} makes; rerun it", file=sys.stderr)
                failed = True
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    return 1 if failed else 0
