#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the installed AppStream metadata describes what was installed.

appstreamcli checks the form of the file; this checks its content against
the installation: the id is the file's name, the launchable is the installed
menu entry, the provided binary is the installed program, the newest release
is the project's version, the homepage is the package's, and the screenshot
is docs/screenshot.png of that release's tag at its real size.

Usage: metainfo_pruefen.py METAINFO DESKTOP_FILE PROGRAM VERSION SCREENSHOT_PNG HOMEPAGE
Prints one line per problem and exits 1 if there is any.
"""

import os
import struct
import sys
import xml.etree.ElementTree as ET

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def png_size(path):
    """Width and height from the IHDR chunk of a PNG file."""
    with open(path, "rb") as png:
        head = png.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise ValueError("%s is not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def texts(root, path):
    """Texts of the elements at path, by language ('' for untranslated)."""
    return {node.get(XML_LANG, ""): (node.text or "").strip() for node in root.findall(path)}


def check_identity(root, metainfo, desktop, program):
    problems = []
    stem = os.path.basename(metainfo)[: -len(".metainfo.xml")]
    if root.findtext("id") != stem:
        problems.append("id %r is not the file's name %r" % (root.findtext("id"), stem))
    launchables = [node.text for node in root.findall("launchable[@type='desktop-id']")]
    if launchables != [os.path.basename(desktop)]:
        problems.append("launchable %s is not the installed %s" % (launchables, os.path.basename(desktop)))
    binaries = [node.text for node in root.findall("provides/binary")]
    if binaries != [os.path.basename(program)]:
        problems.append("provided binary %s is not the installed %s" % (binaries, os.path.basename(program)))
    if root.findtext("project_license") != "GPL-3.0-or-later":
        problems.append("project_license is %r" % root.findtext("project_license"))
    return problems


def check_texts(root):
    problems = []
    for path in ("summary", "description/p", "screenshots/screenshot/caption"):
        languages = set(texts(root, path))
        if not {"", "de"} <= languages:
            problems.append("%s lacks an English or a German text (has %s)" % (path, sorted(languages)))
    if root.find("content_rating[@type='oars-1.1']") is None:
        problems.append("no OARS 1.1 content rating")
    return problems


def check_release_and_links(root, version, screenshot_png, homepage):
    problems = []
    releases = [node.get("version") for node in root.findall("releases/release")]
    if not releases or releases[0] != version:
        problems.append("newest release %s is not the project's version %s" % (releases[:1], version))
    if root.findtext("url[@type='homepage']") != homepage:
        problems.append("homepage %r is not the package's %r" % (root.findtext("url[@type='homepage']"), homepage))
    images = root.findall("screenshots/screenshot/image")
    if len(images) != 1:
        return problems + ["expected one screenshot image, found %d" % len(images)]
    url = (images[0].text or "").strip()
    expected_end = "/v%s/docs/screenshot.png" % version
    if not url.startswith("https://") or not url.endswith(expected_end):
        problems.append("screenshot %s is not an https URL ending in %s" % (url, expected_end))
    width, height = png_size(screenshot_png)
    if (images[0].get("width"), images[0].get("height")) != (str(width), str(height)):
        problems.append("screenshot is declared %sx%s, docs/screenshot.png is %dx%d"
                        % (images[0].get("width"), images[0].get("height"), width, height))
    return problems


def main(argv):
    if len(argv) != 7:
        sys.exit(__doc__)
    metainfo, desktop, program, version, screenshot_png, homepage = argv[1:]
    root = ET.parse(metainfo).getroot()
    problems = (check_identity(root, metainfo, desktop, program)
                + check_texts(root)
                + check_release_and_links(root, version, screenshot_png, homepage))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
