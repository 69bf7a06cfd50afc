#!/usr/bin/env python3
"""The comparison page of orvane-cli compare rendered by headless Chromium: two vehicles in
metric, four in imperial; the picture is not blank and shows every vehicle's line colour
in strokes, not only in the legend's swatches."""
import os
import shutil
import subprocess
import sys
import tempfile

DA = ["150120 45 60130 90110465180145265150151136055/4564",
      "   120 45 60130100115465176150250148149125060/4064",
      "140110 40 55120 80100420170140240146147110058/4264",
      "160130 50 65140100120500185150285155156150052/4864"]
# The overlay's line colours after the first (black), as DrawingLook.h has them.
COLOURS = [(0xc8, 0x1e, 0x1e), (0x1e, 0x50, 0xc8), (0x1e, 0x8c, 0x32)]


def pixels_near(image, colour):
    return sum(1 for p in image.getdata() if all(abs(a - b) < 30 for a, b in zip(p, colour)))


def render(chromium, cli, folder, count, units):
    page, png = os.path.join(folder, "cmp.htm"), os.path.join(folder, "cmp.png")
    args = [cli, "--data", folder, "-o", page, "compare", "--units", units]
    for i in range(count):
        args += ["--vehicle", "1995", "ALDER", "M%d" % i]
    subprocess.run(args, check=True)
    with tempfile.TemporaryDirectory() as profile:
        subprocess.run([chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                        "--disable-background-networking", "--disable-component-update",
                        "--disable-sync", "--user-data-dir=" + profile, "--screenshot=" + png,
                        "--window-size=1100,3400", "file://" + page],
                       capture_output=True, check=False, timeout=120)
    from PIL import Image
    image = Image.open(png).convert("RGB")
    dark = sum(1 for p in image.convert("L").getdata() if p < 128) / (1100 * 3400)
    assert 0.002 < dark < 0.3, (count, units, dark)
    for colour in COLOURS[:count - 1]:
        # A legend swatch takes under 100 pixels; the outlines of two views many more.
        assert pixels_near(image, colour) > 1000, (count, units, colour)


def main(cli):
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    if not chromium:
        print("chromium is missing: rendering skipped")
        sys.exit(77)
    with tempfile.TemporaryDirectory() as folder:
        records = "".join("<R><MA>ALDER</MA><MO>M%d</MO><DA>%s</DA></R>\r\n" % (i, da)
                          for i, da in enumerate(DA))
        with open(os.path.join(folder, "SP1995.TXT"), "w", encoding="ascii") as f:
            f.write(records)
        render(chromium, cli, folder, 2, "metric")
        render(chromium, cli, folder, 4, "imperial")
    print("2 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
