#!/usr/bin/python3
"""Cross-checks of the desktop integration files against each other and the program.

    check_metadata.py icons    SOURCE_DIR PROGRAM_NAME
    check_metadata.py versions SOURCE_DIR PROJECT_VERSION

Desktops match a window, its launcher, its icon and its software-centre entry only by
name, so one renamed file silently breaks the chain; each failure is printed and the
exit status is 1 if there was any.
"""
import email.utils
import re
import struct
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

APP_ID = "org.example.Pipwell"
# What a desktop needs at the least: the panel and menu sizes, and a scalable one.
REQUIRED_SIZES = {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256",
                  "scalable"}

problems = []


def fail(message):
    problems.append(message)


def desktop_entry(path):
    entry = {}
    group = None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("["):
            group = line.strip()
        elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            entry[key.strip()] = value.strip()
    return entry


def png_size(path):
    data = path.read_bytes()[:24]
    if len(data) < 24 or data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def check_icons(source, program):
    packaging = source / "packaging"
    desktop_path = packaging / f"{APP_ID}.desktop"
    entry = desktop_entry(desktop_path)
    metainfo = ET.parse(packaging / f"{APP_ID}.metainfo.xml").getroot()

    icon = entry.get("Icon", "")
    if icon != APP_ID:
        fail(f"desktop file Icon={icon!r}, expected the application id {APP_ID!r}")

    hicolor = source / "assets" / "icons" / "hicolor"
    size_dirs = sorted(p for p in hicolor.iterdir() if p.is_dir()) if hicolor.is_dir() else []
    missing_sizes = REQUIRED_SIZES - {p.name for p in size_dirs}
    if missing_sizes:
        fail(f"hicolor has no folder for {sorted(missing_sizes)}")
    for size_dir in size_dirs:
        apps = size_dir / "apps"
        # Only the application's own icons are installed; anything else is a leftover.
        strays = sorted(p.name for p in apps.glob("*") if p.stem != APP_ID)
        if strays:
            fail(f"{apps.relative_to(source)} holds other files too: {strays}")
        if size_dir.name == "scalable":
            svg = apps / f"{APP_ID}.svg"
            if not svg.is_file():
                fail(f"{svg.relative_to(source)} is missing")
                continue
            try:
                root = ET.parse(svg).getroot()
            except ET.ParseError as error:
                fail(f"{svg.relative_to(source)} is not well-formed: {error}")
                continue
            if root.tag.rsplit("}", 1)[-1] != "svg":
                fail(f"{svg.relative_to(source)} has root <{root.tag}>, not <svg>")
            continue
        match = re.fullmatch(r"(\d+)x(\d+)", size_dir.name)
        if not match:
            fail(f"hicolor/{size_dir.name} is neither a WxH size nor 'scalable'")
            continue
        png = apps / f"{APP_ID}.png"
        if not png.is_file():
            fail(f"{png.relative_to(source)} is missing")
            continue
        actual = png_size(png)
        wanted = (int(match.group(1)), int(match.group(2)))
        if actual != wanted:
            fail(f"{png.relative_to(source)} is {actual}, its folder says {wanted}")

    cid = metainfo.findtext("id", "").strip()
    if cid != APP_ID:
        fail(f"metainfo id {cid!r}, expected {APP_ID!r}")
    launchables = [l.text.strip() for l in metainfo.findall("launchable")
                   if l.get("type") == "desktop-id" and l.text]
    if launchables != [desktop_path.name]:
        fail(f"metainfo desktop-id launchables {launchables}, expected [{desktop_path.name!r}]")

    # The window is tied to its launcher through the desktop file name the program reports.
    main_cpp = (source / "src" / "main.cpp").read_text(encoding="utf-8")
    reported = re.findall(r'setDesktopFileName\(\s*QStringLiteral\("([^"]*)"\)', main_cpp)
    if reported != [desktop_path.stem]:
        fail(f"main.cpp sets desktop file name {reported}, expected [{desktop_path.stem!r}]")

    command = entry.get("Exec", "").split()
    if not command or command[0] != program:
        fail(f"desktop file Exec={entry.get('Exec')!r} does not start the program {program!r}")
    binaries = [b.text.strip() for b in metainfo.iter("binary") if b.text]
    if binaries != [program]:
        fail(f"metainfo provides binaries {binaries}, expected [{program!r}]")


def check_versions(source, version):
    packaging = source / "packaging"
    metainfo = ET.parse(packaging / f"{APP_ID}.metainfo.xml").getroot()
    releases = metainfo.findall("releases/release")
    if not releases:
        fail("metainfo lists no release")
        return
    newest = releases[0]
    if newest.get("version") != version:
        fail(f"newest metainfo release is {newest.get('version')!r}, the project is {version!r}")

    changelog = (packaging / "changelog").read_text(encoding="utf-8")
    head = re.match(r"pipwell \(([^)]+)\) \S+; urgency=\w+\n", changelog)
    if not head:
        fail("packaging/changelog does not start with a 'pipwell (VERSION) ...' entry")
    elif head.group(1) != version:
        fail(f"newest changelog entry is {head.group(1)!r}, the project is {version!r}")
    trailer = re.search(r"^ -- .+ <[^>]+>  (.+)$", changelog, re.MULTILINE)
    if not trailer:
        fail("packaging/changelog has no ' -- name <address>  date' line")
    else:
        stamp = email.utils.parsedate_to_datetime(trailer.group(1))
        if stamp.date().isoformat() != newest.get("date"):
            fail(f"changelog dated {stamp.date()}, metainfo release dated {newest.get('date')}")
        if stamp.strftime("%a") != trailer.group(1)[:3]:
            fail(f"changelog date {trailer.group(1)!r} names the wrong weekday")

    manpage = (packaging / "pipwell.6").read_text(encoding="utf-8")
    th = re.search(r'^\.TH PIPWELL 6 "[^"]*" "Pipwell ([^"]+)"', manpage, re.MULTILINE)
    if not th or th.group(1) != version:
        fail(f"man page header names version {th.group(1) if th else None!r}, expected {version!r}")

    main_cpp = (source / "src" / "main.cpp").read_text(encoding="utf-8")
    shown = re.findall(r'setApplicationVersion\(\s*QStringLiteral\("([^"]*)"\)', main_cpp)
    if shown != [version]:
        fail(f"main.cpp reports version {shown}, expected [{version!r}]")


def main(argv):
    if len(argv) != 4 or argv[1] not in ("icons", "versions"):
        print(__doc__, file=sys.stderr)
        return 2
    source = Path(argv[2])
    if argv[1] == "icons":
        check_icons(source, argv[3])
    else:
        check_versions(source, argv[3])
    for message in problems:
        print(f"FAIL: {message}")
    if not problems:
        print(f"{argv[1]}: all consistent")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
