#!/usr/bin/env python3
"""orvane-cli sheet --format json read back with Python's json module: strict UTF-8 text,
8-bit names as their Latin-1 characters, the digest of the year file, and derived values
that are exactly the doubles Python computes from the same measurements."""
import hashlib
import json
import os
import subprocess
import sys
import tempfile

# F 90, G 110, OL 465, OW 180, WB 265, TF 150, TR 151, CW 1360, WD 55/45; A to E and OH
# blank; measured in '03.
DA = " " * 15 + " 90110465180   265150151136055/4503"


def main(cli):
    with tempfile.TemporaryDirectory() as folder:
        year_file = ('SP1995\r\n<R><MA>CAF\xc9</MA><MO>Spey "GT" \\ \x7f</MO><DA>%s</DA></R>\r\n'
                     % DA).encode("latin-1")
        with open(os.path.join(folder, "SP1995.TXT"), "wb") as f:
            f.write(year_file)
        with open(os.path.join(folder, "VERSION.TXT"), "wb") as f:
            f.write(b"2018.2 data")
        run = subprocess.run([cli, "--data", folder, "sheet", "--year", "1995", "--make",
                              "caf\xc9".encode("latin-1"), "--model", 'spey "gt" \\ \x7f',
                              "--format", "json"], capture_output=True, check=False)
        assert run.returncode == 0 and run.stderr == b"", run
        sheet = json.loads(run.stdout.decode("utf-8"))

    assert (sheet["year"], sheet["make"], sheet["model"]) == (1995, "CAF\xc9", 'Spey "GT" \\ \x7f')
    m = sheet["measurements"]
    assert [m[k] for k in ("A", "OH", "F", "CW", "WD", "measured")] == [
        None, None, 90, 1360, "55/45", 2003], m
    p = 55 / (55 + 45)
    d = sheet["derived"]
    expected = {
        "front_axle_load_kg": 1360 * p,
        "rear_axle_load_kg": 1360 * (1 - p),
        "front_tyre_load_kg": 1360 * p / 2,
        "rear_tyre_load_kg": 1360 * (1 - p) / 2,
        "cg_behind_front_axle_cm": 265 * (1 - p),
        "cg_ahead_of_rear_axle_cm": 265 * p,
        "front_bumper_to_cg_cm": 90 + 265 * (1 - p),
        "rear_bumper_to_cg_cm": 110 + 265 * p,
        "footprint_m2": 265 * (150 + 151) / 2 / 10000,
        "shadow_m2": 465 * 180 / 10000,
    }
    assert list(d) == list(expected) and d == expected, d  # exact: full precision
    assert sheet["source"] == {"version": "2018.2", "file": "SP1995.TXT",
                               "sha256": hashlib.sha256(year_file).hexdigest()}, sheet["source"]
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
