#!/usr/bin/env python3
"""orvane-cli compare --format csv read back with Python's csv module: quoted names, CR LF,
8-bit text, gaps left empty, the differences to the first vehicle in either unit system."""
import csv
import io
import os
import subprocess
import sys
import tempfile

# A 150, F 90, WB 265, OL 465, OW 180, CW 1360, WD 55/45; the second lacks A, its WD 00/00
# gives no shares, and it has F 100, WB 250, CW 1250.
FIRST = "150120 45 60130 90110465180145265150151136055/4564"
SECOND = "   120 45 60130100110465180145250150151125000/00  "


def run(cli, folder, *options):
    result = subprocess.run([cli, "--data", folder, "compare", "--vehicle", "1995", "ALDER",
                             'Spey, "GT"', "--vehicle", "1995", b"caf\xc9", "Tay", "--format",
                             "csv"] + list(options), capture_output=True, check=False)
    assert result.returncode == 0 and result.stderr == b"", result
    assert b"\n" not in result.stdout.replace(b"\r\n", b"")
    rows = list(csv.reader(io.StringIO(result.stdout.decode("latin-1"), newline=""), strict=True))
    assert len(rows) == 26 and all(len(r) == 5 for r in rows), rows
    return {r[0]: r[1:] for r in rows}


def main(cli):
    with tempfile.TemporaryDirectory() as folder:
        data = '<R><MA>ALDER</MA><MO>Spey, "GT"</MO><DA>%s</DA></R>\r\n' % FIRST
        data += "<R><MA>CAF\xc9</MA><MO>Tay</MO><DA>%s</DA></R>\r\n" % SECOND
        with open(os.path.join(folder, "SP1995.TXT"), "wb") as f:
            f.write(data.encode("latin-1"))
        metric = run(cli, folder)
        imperial = run(cli, folder, "--units", "imperial")
    names = ['1995 ALDER Spey, "GT"', "1995 CAF\xc9 Tay", "Difference 2-1"]
    assert metric["Measure"] == ["Unit"] + names, metric["Measure"]
    expected = {
        "A": ["cm", "150", "", ""],
        "F": ["cm", "90", "100", "10.0"],
        "WB": ["cm", "265", "250", "-15.0"],
        "CW": ["kg", "1360", "1250", "-110.0"],
        "WD": ["", "55/45", "00/00", ""],
        "Front axle load": ["kg", "748.0", "", ""],  # 00/00 gives no shares
        "Shadow": ["m2", "8.37", "8.37", "0.00"],
    }
    for measure, values in expected.items():
        assert metric[measure] == values, (measure, metric[measure])
    # 265 and 250 cm x 0.394 = 104.41 and 98.5 in, -15 x 0.394 = -5.91; CW x 2.2 as the grid
    # shows it (whole pounds), the difference with one decimal.
    assert imperial["WB"] == ["in", "104.4", "98.5", "-5.9"], imperial["WB"]
    assert imperial["CW"] == ["lb", "2992", "2750", "-242.0"], imperial["CW"]
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
