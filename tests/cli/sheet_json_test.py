#!/usr/bin/env python3
"""orvane-cli sheet --format json read by Python's json module: strict UTF-8, 8-bit names as
their Latin-1 characters, the year file's digest by hashlib, and derived values that are the
very doubles Python computes from the same measurements."""
import hashlib
import json
import os
import subprocess
import sys
import tempfile

# F 90, G 110, OL 465, OW 180, WB 265, TF 150, TR 151, CW 1360, WD 55/45, measured in '03.
DA = " " * 15 + " 90110465180   265150151136055/4503"
YEAR = ('<R><MA>CAF\xc9</MA><MO>Spey "GT" \\</MO><DA>%s</DA></R>' % DA).encode("latin-1")


def main(cli):
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "SP1995.TXT"), "wb") as f:
            f.write(YEAR)
        run = subprocess.run([cli, "--data", folder, "sheet", "--year", "1995", "--make",
                              b"caf\xc9", "--model", 'spey "gt" \\', "--format", "json"],
                             capture_output=True, check=True)
    sheet = json.loads(run.stdout.decode("utf-8"))
    assert (sheet["make"], sheet["model"], sheet["measurements"]["measured"]) == (
        "CAF\xc9", 'Spey "GT" \\', 2003), sheet
    p = 55 / (55 + 45)
    derived = [1360 * p, 1360 * (1 - p), 1360 * p / 2, 1360 * (1 - p) / 2, 265 * (1 - p),
               265 * p, 90 + 265 * (1 - p), 110 + 265 * p, 265 * (150 + 151) / 2 / 10000,
               465 * 180 / 10000]
    assert list(sheet["derived"].values()) == derived, sheet["derived"]  # exact: full precision
    assert sheet["source"] == {"version": "", "file": "SP1995.TXT",
                               "sha256": hashlib.sha256(YEAR).hexdigest()}, sheet["source"]
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
