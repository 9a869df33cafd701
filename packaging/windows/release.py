#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the Windows release from the cross-built kazoumi.exe: a folder with the stripped
executable, the game's licence, the licences of Qt and of every third-party library linked into
the executable, and LISEZMOI.txt; that folder as a zip, the same bytes from the same build; and
the installer NSIS makes of it (kazoumi.nsi)."""

import argparse
import json
import pathlib
import posixpath
import re
import shutil
import struct
import subprocess
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
# The zip's entries all carry this time, so that two builds give the same bytes.
ZIP_TIME = (2000, 1, 31, 0, 0, 0)
# Static libraries linked besides Qt, with the Debian files that hold their licences: the MinGW-w64
# runtime (with its POSIX threads) and GCC's runtime, under its runtime library exception.
TOOLCHAIN_LICENCES = {
    "MinGW-w64": "/usr/share/doc/mingw-w64-common/copyright",
    "GCC": "/usr/share/doc/gcc-mingw-w64-base/copyright",
}


def linked_sources(qt, link_map):
    """The source files, relative to Qt's source folder, of the objects the linker took from
    Qt's static libraries: those compiled and those they include."""
    sources = qt / "share/kazoumi-sources"
    # Which object each static library holds, and which sources each object was made from.
    objects = {}
    for line in (sources / "objects.txt").read_text().splitlines():
        obj, source = line.split(" ", 1)
        objects.setdefault(obj, set()).add(source)
    members = {}
    ninja = subprocess.run(["gzip", "-dc", sources / "build.ninja.gz"], check=True,
                           capture_output=True, text=True).stdout
    for line in ninja.splitlines():
        found = re.match(r"build (\S+\.a): \S*STATIC_LIBRARY_LINKER\S* (.*)", line)
        if found:
            library = pathlib.PurePosixPath(found[1]).name
            for obj in found[2].split("||")[0].split():
                members.setdefault((library, pathlib.PurePosixPath(obj).name), set()).update(
                    objects.get(obj, ()))
    linked = set()
    text = link_map.read_text(errors="replace")
    for library, member in set(re.findall(r"([^\s()]+\.a)\(([^\s()]+)\)", text)):
        linked |= members.get((pathlib.PurePosixPath(library).name, member), set())
    return linked


def linked_attributions(qt, link_map):
    """Qt's third-party attributions whose code is in the executable, each with its folder."""
    sources = qt / "share/kazoumi-sources"
    linked = linked_sources(qt, link_map)
    found = {}
    for attribution in sorted(sources.glob("**/qt_attribution.json")):
        folder = attribution.parent.relative_to(sources).as_posix()
        entries = json.loads(attribution.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            # An entry names its files (a list, or one string of names; they may lie in a
            # folder beside), or stands for its whole folder.
            paths = entry.get("Files") or entry.get("Path") or ""
            if isinstance(paths, str):
                paths = paths.split()
            prefixes = [posixpath.normpath(f"{folder}/{path}") for path in paths] or [f"{folder}/"]
            if any(source.startswith(prefix) for source in linked for prefix in prefixes):
                found[entry["Id"]] = (entry, attribution.parent)
    return found


def licence(entry):
    return entry.get("LicenseId") or entry.get("License", "")


def licence_text(entry, folder, licences):
    """The licence file of one attribution, led by what it is and whose."""
    copyright = entry.get("Copyright", "")
    if isinstance(copyright, list):
        copyright = "\n".join(copyright)
    lines = [entry["Name"] + (f" {entry['Version']}" if entry.get("Version") else ""),
             entry.get("Homepage", ""), "", copyright.strip(), "",
             f"Licence : {licence(entry)}", ""]
    names = entry.get("LicenseFiles", [entry.get("LicenseFile")])
    files = [folder / name for name in names if name]
    if not files:
        # An attribution that names no file of its own takes the texts of the licences it is
        # under from Qt's LICENSES folder, one file an SPDX identifier.
        identifiers = set(re.findall(r"[\w.+-]+", licence(entry))) - {"AND", "OR", "WITH"}
        files = [licences / f"{name}.txt" for name in sorted(identifiers)
                 if (licences / f"{name}.txt").is_file()]
    for path in files:
        lines += ["-" * 72, path.resolve().read_text(errors="replace")]
    return "\n".join(line for line in lines) + "\n"


def write_text(path, text):
    """Windows' text files end their lines with CR LF."""
    path.write_bytes(text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8"))


def stage_executable(exe, staged):
    """The stripped executable, at `staged`."""
    subprocess.run(["x86_64-w64-mingw32-strip", "-o", staged, exe], check=True)
    # strip writes the time into the COFF header that the linker was told to leave at zero, and
    # the header's checksum over it: both go back to zero (Windows checks the sum of drivers only).
    data = bytearray(staged.read_bytes())
    header = struct.unpack_from("<I", data, 0x3C)[0]
    struct.pack_into("<I", data, header + 8, 0)
    struct.pack_into("<I", data, header + 24 + 64, 0)
    staged.write_bytes(data)


def stage_licences(stage, qt, link_map):
    """The licences of Qt and of everything else linked in, in the stage's licences/: Qt's
    version, and the lines of LISEZMOI.txt that name them."""
    sources = qt / "share/kazoumi-sources"
    qt_version = json.loads((qt / "modules/Core.json").read_text())["version"]
    lgpl = sources / "LICENSES/LGPL-3.0-only.txt"
    write_text(stage / "licences/Qt.txt", (
        f"Qt {qt_version} (Qt Core, Qt GUI, Qt Widgets et le module de plate-forme Windows)\n"
        "https://www.qt.io\n\n"
        "Copyright (C) The Qt Company Ltd. et les autres contributeurs de Qt.\n\n"
        "Qt est distribué ici sous la licence publique générale limitée GNU, version 3\n"
        "(LGPL-3.0-only), ci-dessous ; la GPL version 3 qu'elle complète est dans COPYING.txt.\n"
        "Qt est lié statiquement à kazoumi.exe : LISEZMOI.txt dit où trouver le source du jeu\n"
        "et de Qt, et comment refaire le programme avec un autre Qt.\n\n"
        + "-" * 72 + "\n" + lgpl.read_text()))
    libraries = ["- Qt " + qt_version + " (LGPL-3.0-only) : licences/Qt.txt"]
    for name, (entry, folder) in sorted(linked_attributions(qt, link_map).items()):
        write_text(stage / f"licences/{name}.txt",
                   licence_text(entry, folder, sources / "LICENSES"))
        libraries.append(f"- {entry['Name']} ({licence(entry)}) : licences/{name}.txt")
    for name, path in TOOLCHAIN_LICENCES.items():
        write_text(stage / f"licences/{name}.txt", pathlib.Path(path).read_text())
        libraries.append(f"- le support d'exécution de {name} : licences/{name}.txt")
    return qt_version, libraries


def write_zip(stage, files, path, name):
    """The staged files in a zip, under the folder `name`: the same bytes from the same files."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for file in files:
            info = zipfile.ZipInfo(f"{name}/{file}", ZIP_TIME)
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, (stage / file).read_bytes())
    print(f"wrote {path}")


def make_installer(args, stage, files, out):
    """The installer, from the staged files, with makensis."""
    # What the installer puts, and so what its uninstaller removes.
    nsis = out / "nsis"
    nsis.mkdir(exist_ok=True)
    install, remove, folders = [], [], set()
    for name in files:
        folder, _, base = name.rpartition("/")
        target = "$INSTDIR" + ("\\" + folder.replace("/", "\\") if folder else "")
        install += [f'SetOutPath "{target}"', f'File "/oname={base}" "{(stage / name).resolve()}"']
        remove.append(f'Delete "{target}\\{base}"')
        if folder:
            folders.add(target)
    remove += [f'RMDir "{folder}"' for folder in sorted(folders, reverse=True)]
    (nsis / "files.nsh").write_text("\n".join(install + ['SetOutPath "$INSTDIR"']) + "\n")
    (nsis / "unfiles.nsh").write_text("\n".join(remove) + "\n")
    setup = out / f"{args.name}-setup.exe"
    command = [args.makensis, "-V2", "-INPUTCHARSET", "UTF8", f"-DVERSION={args.version}",
               f"-DNUMERIC_VERSION={args.numeric_version}", f"-DSTAGE={stage.resolve()}",
               f"-DLISTS={nsis.resolve()}", f"-DICON={pathlib.Path(args.icon).resolve()}",
               f"-DPICTURES={pathlib.Path(args.pictures).resolve()}",
               f"-DOUTFILE={setup.resolve()}", str(HERE / "kazoumi.nsi")]
    # Kept for the Windows check, which makes the installer of a later version from it.
    (nsis / "makensis.json").write_text(json.dumps(command, indent=1) + "\n")
    subprocess.run(command, check=True)
    print(f"wrote {setup}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("exe", "map", "qt", "version", "numeric-version", "copying", "icon",
                   "pictures", "makensis", "out", "name"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()
    qt = pathlib.Path(args.qt).resolve()
    out = pathlib.Path(args.out)
    stage = out / args.name
    shutil.rmtree(stage, ignore_errors=True)
    (stage / "licences").mkdir(parents=True)

    stage_executable(args.exe, stage / "kazoumi.exe")
    write_text(stage / "COPYING.txt", pathlib.Path(args.copying).read_text())
    qt_version, libraries = stage_licences(stage, qt, pathlib.Path(args.map))
    readme = (HERE / "LISEZMOI.txt").read_text()
    for key, value in (("VERSION", args.version), ("QT_VERSION", qt_version),
                       ("LIBRARIES", "\n".join(libraries))):
        readme = readme.replace(f"@{key}@", value)
    write_text(stage / "LISEZMOI.txt", readme)

    files = sorted(path.relative_to(stage).as_posix() for path in stage.rglob("*")
                   if path.is_file())
    write_zip(stage, files, out / f"{args.name}.zip", args.name)
    make_installer(args, stage, files, out)


if __name__ == "__main__":
    main()
