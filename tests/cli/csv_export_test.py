#!/usr/bin/env python3
"""orvane-cli export read back with Python's csv module: quoting, CR LF, 8-bit text, gaps."""
import csv
import io
import os
import subprocess
import sys
import tempfile

DA = " 95120 45 60130 90110480180140265150151136055/4564"
GAPS = "N/A120 -1   130 90110480180140265150151" + "1360" + " " * 5 + "  "


def record(make, model, da):
    return "<R><MA>%s</MA><MO>%s</MO><DA>%s</DA></R>\r\n" % (make, model, da)


def main(cli):
    with tempfile.TemporaryDirectory() as folder:
        data = record("ALDER", 'Spey, "GT"', GAPS) + record("BIRCH", "Caf\xe9", DA)
        data += record("BIRCH", "", DA)  # the grid shows a row without a model blank
        with open(os.path.join(folder, "SP1995.TXT"), "wb") as f:
            f.write(data.encode("latin-1"))
        run = subprocess.run([cli, "--data", folder, "export", "--year", "1995"],
                             capture_output=True, check=False)
        assert run.returncode == 0 and run.stderr == b"", run
        assert run.stdout.count(b"\r\n") == 4 and b"\n" not in run.stdout.replace(b"\r\n", b"")
        rows = list(csv.reader(io.StringIO(run.stdout.decode("latin-1"), newline=""),
                               strict=True))
        expected = [
            "Year,Make,Model,A,B,C,D,E,F,G,OL,OW,OH,WB,TF,TR,CW,WD,Measured".split(","),
            ["1995", "ALDER", 'Spey, "GT"', "", "120", "", "", "130", "90", "110", "480",
             "180", "140", "265", "150", "151", "1360", "", ""],
            ["1995", "BIRCH", "Caf\xe9", "95", "120", "45", "60", "130", "90", "110", "480",
             "180", "140", "265", "150", "151", "1360", "55/45", "2064"],
            ["1995", "BIRCH", ""] + [""] * 16,
        ]
        assert rows == expected, rows
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
