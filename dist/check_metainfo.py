#!/usr/bin/python3
"""The metainfo says what is true: content-rating ids that the AppStream library knows, the package's
version as the newest release, and screenshots of the sizes the build made them.
Usage: check_metainfo.py METAINFO CHANGELOG SCREENSHOTDIR"""
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

import gi

gi.require_version("AppStream", "1.0")
from gi.repository import AppStream  # noqa: E402

metainfo, changelog, shots = sys.argv[1:4]
root = ET.parse(metainfo).getroot()
faults = []

known = set(AppStream.ContentRating.get_all_rating_ids())
for attribute in root.iter("content_attribute"):
    if attribute.get("id") not in known:
        faults.append(f"content rating id {attribute.get('id')!r} is not an OARS id")
    if attribute.text not in ("none", "mild", "moderate", "intense"):
        faults.append(f"content rating {attribute.get('id')} has the value {attribute.text!r}")

with open(changelog, encoding="utf-8") as f:
    package_version = re.match(r"\S+ \(([^)]+)\)", f.readline()).group(1)
release = root.find("releases/release").get("version")
if release != package_version:
    faults.append(f"newest release {release} is not the package's version {package_version}")

for image in root.iter("image"):
    path = os.path.join(shots, os.path.basename(image.text))
    with open(path, "rb") as f:
        head = f.read(24)
    size = struct.unpack(">II", head[16:24]) if head[:8] == b"\x89PNG\r\n\x1a\n" else None
    if size != (int(image.get("width")), int(image.get("height"))):
        faults.append(f"{path} is {size}, the metainfo says {image.get('width')}x{image.get('height')}")

for fault in faults:
    print("check_metainfo:", fault, file=sys.stderr)
sys.exit(1 if faults else 0)
