# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the Windows release needs to know of the static Qt it links, kept with that Qt when
scripts/windows-qt builds it, so that release.py can name the licences of what the game holds:

  qtsources.py licences QT-SOURCE FOLDER    copies Qt's licence texts, every qt_attribution.json
                                            and the licence files they name into FOLDER
  qtsources.py objects QT-SOURCE            reads `ninja -t deps` on its input and prints
                                            "OBJECT SOURCE" for each source file an object was
                                            compiled from and each third-party header it includes
                                            (third-party code is often included into Qt's files)
"""

import json
import shutil
import sys
from pathlib import Path


def copy_licences(source, target):
    """Copies Qt's own licence texts and each third-party attribution, with the licence files it
    names, from the Qt source folder into target, keeping their paths."""
    source = source.resolve()
    wanted = set((source / "LICENSES").glob("*"))
    for attribution in source.glob("**/qt_attribution.json"):
        if attribution.relative_to(source).parts[0] in ("tests", "examples"):
            continue
        wanted.add(attribution)
        entries = json.loads(attribution.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            files = entry.get("LicenseFiles", [entry.get("LicenseFile")])
            wanted.update(attribution.parent / name for name in files if name)
    for path in wanted:
        path = path.resolve()
        if path.is_file():
            copy = target / path.relative_to(source)
            copy.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(path, copy)


def print_objects(source, deps):
    """Prints, from ninja's dependency records, each object with the files of the Qt source it
    was compiled from: its own source files, and the headers of Qt's third-party code."""
    root, target = f"{source}/", None
    for line in deps:
        if not line.startswith(" ") and ": #deps" in line:
            target = line.split(": #deps")[0]
        elif line.strip().startswith(root) and target:
            path = line.strip()[len(root):]
            if "/3rdparty/" in path or not path.endswith((".h", ".hpp")):
                print(target, path)


def main(command=None, source=None, *target):
    source = Path(source or ".")
    if command == "licences" and len(target) == 1:
        copy_licences(source, Path(target[0]))
    elif command == "objects" and not target:
        print_objects(source, sys.stdin)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(*sys.argv[1:])
