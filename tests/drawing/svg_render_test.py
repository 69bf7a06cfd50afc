#!/usr/bin/env python3
"""SVG drawings parsed as XML (file and inline variants), their printed size checked against
the scale they state, and each rendered by headless Chromium to a picture that is not blank."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from drawing_records import SALOON, SPARSE, write

SVG = "{http://www.w3.org/2000/svg}"


def check_file(path, imperial):
    root = ET.parse(path).getroot()
    assert root.tag == SVG + "svg"
    unit = "in" if imperial else "mm"
    width, height = root.get("width"), root.get("height")
    assert width.endswith(unit) and height.endswith(unit), (width, height)
    scale = int(re.search(r"Scale 1:(\d+)", "".join(root.itertext())).group(1))
    box = [float(v) for v in root.get("viewBox").split()]
    # The viewBox is the real size, the printed size that divided by the scale.
    assert abs(float(width[:-2]) * scale - box[2]) < 1e-2 * scale
    assert abs(float(height[:-2]) * scale - box[3]) < 1e-2 * scale
    assert {g.get("id") for g in root.findall(SVG + "g")} >= {"OUTLINE", "DIMENSIONS", "TEXT"}
    return float(width[:-2]) * (1 if imperial else 1 / 25.4), float(height[:-2]) * (
        1 if imperial else 1 / 25.4)


def check_inline(path):
    with open(path, "rb") as f:
        text = f.read()
    assert text.startswith(b"<svg ") and b"<?xml" not in text and b" id=" not in text
    assert max(text) < 0x80  # plain ASCII: fits a page of any encoding
    ET.fromstring(text)


def dark_share(png):
    from PIL import Image
    image = Image.open(png).convert("L")
    pixels = image.getdata()
    return sum(1 for p in pixels if p < 128) / len(pixels)


def render(chromium, svg, png, inches):
    width, height = (int(v * 96) + 40 for v in inches)
    with tempfile.TemporaryDirectory() as profile:
        subprocess.run([chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                        "--disable-background-networking", "--disable-component-update",
                        "--disable-sync", "--user-data-dir=" + profile, "--screenshot=" + png,
                        "--window-size=%d,%d" % (width, height), "file://" + svg],
                       capture_output=True, check=False, timeout=120)
    share = dark_share(png)
    assert 0.002 < share < 0.3, (svg, share)


def main(tool):
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    passed = 0
    with tempfile.TemporaryDirectory() as folder:
        svg, png, inline = (os.path.join(folder, n) for n in ("d.svg", "d.png", "i.svg"))
        for records in ([SALOON], [SPARSE], [SALOON, SPARSE]):
            for imperial in (False, True):
                for top in (False, True):
                    write(tool, records, "--svg", svg, imperial=imperial, top=top)
                    write(tool, records, "--inline", inline, imperial=imperial, top=top)
                    inches = check_file(svg, imperial)
                    check_inline(inline)
                    if chromium and top == imperial:
                        render(chromium, svg, png, inches)
                    passed += 1
    if not chromium:
        print("chromium is missing: rendering skipped")
        sys.exit(77)
    print("%d passed, 0 failed" % passed)


if __name__ == "__main__":
    main(sys.argv[1])
