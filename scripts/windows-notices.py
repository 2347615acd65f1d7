#!/usr/bin/env python3
"""Writes the licence files of the Windows downloads into the staged folder.

THIRD-PARTY-NOTICES.txt names each .exe and .dll there (and the installer), the parts
each holds, and each part's copyright lines and licence text; LGPL-3.0.txt is Qt's licence,
and GPL-3.0-with-GCC-exception.txt the licence of GCC's run time. What the files hold is
read from data/windows-notices.toml; the Qt components and their notices from the
qt_attribution.json files of the Qt source given, the one the DLLs were built from; the
rest from Debian's copyright files. Fails on a Qt component that the data does not
classify, on a file of the folder that no part covers, and on a part without a licence
text.
"""

import argparse
import fnmatch
import json
import re
import subprocess
import sys
import tomllib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
NOTICES = "THIRD-PARTY-NOTICES.txt"
LGPL = "LGPL-3.0.txt"
GCC_LICENCE = "GPL-3.0-with-GCC-exception.txt"
RULE = "-" * 78


class Refusal(Exception):
    pass


def read(path):
    try:
        return Path(path).read_text(encoding="utf-8").replace("\r\n", "\n").strip("\n")
    except OSError as error:
        raise Refusal(f"cannot read {path}: {error.strerror}") from None


def write_windows_text(path, text):
    """Windows' editors show a file with CR LF line ends as it is meant."""
    path.write_bytes((text.rstrip("\n") + "\n").replace("\n", "\r\n").encode("utf-8"))


def qt_components(source):
    """Every component that Qt's qt_attribution.json files describe, with its folder.
    Some of Qt's files break JSON's rules with line breaks inside strings."""
    for path in sorted(source.rglob("qt_attribution.json")):
        entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            yield path.parent, entry


def as_lines(value):
    lines = value if isinstance(value, list) else [value or ""]
    return [line.strip() for text in lines for line in text.splitlines() if line.strip()]


def spdx_ids(expression):
    return [word for word in re.split(r"[\s()]+", expression)
            if word and word not in ("AND", "OR", "WITH")]


def qt_part(folder, entry, data, source):
    """A shipped Qt component as a part: its name, version, copyright lines and texts."""
    key = entry["Id"].lower()
    choice = data["qt"]["choice"].get(key, {})
    licence = choice.get("licence") or entry.get("LicenseId") or entry.get("License", "")
    names = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
    texts = [read(folder / name) for name in names + choice.get("texts", [])]
    if not texts:
        # Qt 6.8 leaves the file out where the licence is a standard one in LICENSES/.
        texts = [read(source / "LICENSES" / f"{spdx}.txt") for spdx in spdx_ids(licence)
                 if (source / "LICENSES" / f"{spdx}.txt").is_file()]
    copyright_lines = as_lines(entry.get("Copyright"))
    if entry.get("CopyrightFile"):
        copyright_lines += as_lines(read(folder / entry["CopyrightFile"]))
    if not texts and "public domain" not in (licence + entry.get("License", "")).lower():
        raise Refusal(f"Qt's {entry['Id']} in {folder.relative_to(source)} has no licence text")
    return {"name": entry["Name"], "version": entry.get("Version", ""),
            "licence": licence or "public domain", "copyright": copyright_lines,
            "texts": texts, "homepage": entry.get("Homepage", "")}


def debian_copyright(where):
    """A Debian package's copyright file (PACKAGE), or one paragraph of it with its
    licence (PACKAGE:FILES)."""
    package, _, files = where.partition(":")
    text = read(f"/usr/share/doc/{package}/copyright")
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                             capture_output=True, text=True, check=True).stdout
    if not files:
        return f"Debian's copyright file of {package} {version}:", [text]
    paragraphs = text.split("\n\n")
    found = [p for p in paragraphs if p.startswith(f"Files: {files}\n")]
    if not found:
        raise Refusal(f"the copyright file of {package} has no paragraph for {files}")
    licence = re.search(r"^License: (.+)$", found[0], re.M).group(1)
    licence_text = [p for p in paragraphs if p.startswith(f"License: {licence}\n")]
    if not licence_text:
        raise Refusal(f"the copyright file of {package} has no text for {licence}")
    return f"From Debian's copyright file of {package} {version}:", [found[0], licence_text[0]]


def other_part(declared, source, stage):
    """A part that data/windows-notices.toml declares, with its licence text."""
    kind, _, where = declared["text"].partition(":")
    intro, texts, shipped = "", [], ""
    if kind == "shipped":
        shipped = where
        if not (stage / where).is_file():
            raise Refusal(f"{declared['name']}'s licence is to be in {where}, which is not there")
    elif kind == "qt":
        texts = [read(source / where)]
    elif kind == "debian":
        intro, texts = debian_copyright(where)
    elif kind == "notice":
        texts = [read(ROOT / "data" / "notices" / where)]
    else:
        raise Refusal(f"{declared['name']} has a licence text of an unknown kind: {declared['text']}")
    copyright_lines = list(declared.get("copyright", []))
    if "copyright-of" in declared:
        first = read(source / declared["copyright-of"]).splitlines()[0]
        copyright_lines.append(re.sub(r"^\W*", "", first))
    return {"name": declared["name"], "licence": declared["licence"], "copyright": copyright_lines,
            "texts": texts, "shipped": shipped, "intro": intro}


def main():
    arguments = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    arguments.add_argument("--qt-source", type=Path, required=True)
    arguments.add_argument("--stage", type=Path, required=True)
    arguments.add_argument("--title", required=True, help="the program and its version")
    arguments.add_argument("--setup", required=True, help="the installer's file name")
    arguments.add_argument("--sources", required=True, help="the source archive's file name")
    options = arguments.parse_args()
    source, stage = options.qt_source, options.stage
    data = tomllib.loads(read(ROOT / "data" / "windows-notices.toml"))
    qt_version = re.search(r'QT_REPO_MODULE_VERSION "([^"]+)"', read(source / ".cmake.conf")).group(1)

    # The files of the folder, and the two that the installer writes or is.
    built = sorted(str(p.relative_to(stage)) for p in stage.rglob("*")
                   if p.suffix.lower() in (".exe", ".dll"))
    files = {name: [] for name in built + ["uninstall.exe", options.setup]}

    # Licence texts that the parts below refer to, from Qt's source and Debian's files.
    write_windows_text(stage / LGPL, read(source / "LICENSES" / "LGPL-3.0-only.txt"))
    gcc = read("/usr/share/doc/gcc-mingw-w64-base/copyright")
    exception = re.search(r"^GCC RUNTIME LIBRARY EXCEPTION$.*?copyleft\nrequirements of the license of GCC\.$",
                          gcc, re.S | re.M)
    if not exception:
        raise Refusal("gcc-mingw-w64-base's copyright file holds no GCC Runtime Library Exception")
    write_windows_text(stage / GCC_LICENCE, exception.group(0) + "\n\n\n" + read("/usr/share/common-licenses/GPL-3"))

    # A file counts as covered only where a part names it by more than "*", so that a new
    # DLL is looked at before it ships.
    def holds(name, pattern):
        return name in built if pattern == "*" else fnmatch.fnmatchcase(name, pattern)

    parts, named = [], set()
    for declared in data["part"]:
        name = declared["name"].format(qt_version=qt_version)
        part = other_part(declared | {"name": name}, source, stage)
        patterns = [options.setup if p == "setup" else p for p in declared["in"]]
        holders = [f for f in files if any(holds(f, p) for p in patterns)]
        named.update(f for f in files if any(p != "*" and holds(f, p) for p in patterns))
        if not holders:
            raise Refusal(f"no file holds {declared['name']}: {', '.join(declared['in'])}")
        parts.append((part, holders))

    shipped, unshipped = data["qt"]["shipped"], data["qt"]["not-shipped"]
    unknown, qt_parts = [], []
    for folder, entry in qt_components(source):
        key = entry["Id"].lower()
        if any(fnmatch.fnmatchcase(key, pattern) for pattern in unshipped):
            continue
        if key not in shipped:
            unknown.append(f"{entry['Id']} ({folder.relative_to(source)})")
            continue
        if shipped[key] not in files:
            raise Refusal(f"Qt's {entry['Id']} is to be in {shipped[key]}, which is not there")
        qt_parts.append((qt_part(folder, entry, data, source), [shipped[key]]))
    if unknown:
        raise Refusal("Qt's source holds components that data/windows-notices.toml does not say"
                      " are shipped or not: " + ", ".join(unknown))

    # Qt's components by the file they are in, so that each file's are numbered in a run.
    parts += sorted(qt_parts, key=lambda part: list(files).index(part[1][0]))
    for number, (part, holders) in enumerate(parts, 1):
        part["number"] = number
        for name in holders:
            files[name].append(part)
    bare = [name for name in files if name not in named]
    if bare:
        raise Refusal("no part of data/windows-notices.toml covers " + ", ".join(bare))

    title = f"{options.title} for Windows: third-party notices"
    program = options.title.split()[0]
    out = [title, "=" * len(title), "", f"""\
{program} is free software under the GNU General Public License, version 3 or later,
in LICENSE.txt. Its Windows downloads also hold the work of others, under their own
licences. Below, each file of the downloads is listed with the parts it holds, and then
each part with its copyright lines and its licence.

Qt {qt_version} is used under the GNU Lesser General Public License, version 3, in
{LGPL}, which adds to the GPL in LICENSE.txt. You may replace Qt's DLLs in the
program's folder with your own build of Qt. The source of the Qt that these DLLs were
built from is in
    {options.sources}
published beside these downloads. Its README.txt says how to build it.

GCC's run-time libraries are linked into the program files under the GCC Runtime
Library Exception, in {GCC_LICENCE}.

Portions of this software are copyright (C) The FreeType Project (www.freetype.org).
All rights reserved.""", "", "Files", "-----"]
    notes = {"uninstall.exe": " (written by the installer)", options.setup: " (the installer)"}
    for name, held in files.items():
        out.append(f"{name}{notes.get(name, '')}:")
        out += [f"    [{p['number']}] {p['name']}" for p in held]
    out += ["", "Parts", "-----"]
    for part, holders in parts:
        out += ["", RULE, f"[{part['number']}] {part['name']}"]
        out += [f"Version: {part['version']}"] if part.get("version") else []
        out += [f"Homepage: {part['homepage']}"] if part.get("homepage") else []
        out.append(f"In: {', '.join(holders)}")
        out += ["Copyright:"] + [f"    {line}" for line in part["copyright"]] if part["copyright"] else []
        if part.get("shipped"):
            out.append(f"Licence: {part['licence']}, text in {part['shipped']}")
        elif part["texts"]:
            out.append(f"Licence: {part['licence']}, text below")
            for text in ([part["intro"]] if part.get("intro") else []) + part["texts"]:
                out += ["", text]
        else:
            out.append(f"Licence: {part['licence']}, no licence text")
    write_windows_text(stage / NOTICES, "\n".join(out))


if __name__ == "__main__":
    try:
        main()
    except Refusal as refusal:
        sys.exit(f"windows-notices: {refusal}")
