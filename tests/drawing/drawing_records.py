"""Model records for the drawing scripts, written as a year file stores them, and a runner of
drawing_sample."""
import subprocess

FIELDS = "A B C D E F G OL OW OH WB TF TR CW WD".split()
WIDTHS = [3] * 13 + [4, 5]


def record(make, model, **values):
    da = "".join(str(values.get(n, "")).rjust(w) for n, w in zip(FIELDS, WIDTHS))
    return ("<MA>%s</MA><MO>%s</MO><DA>%s</DA>" % (make, model, da)).encode("latin-1")


# Every measure given: F + WB + G = OL, sizes in cm.
SALOON = record("ALDER", "Spey", A=150, B=120, C=45, D=60, E=130, F=90, G=110, OL=465, OW=180,
                OH=145, WB=265, TF=150, TR=151, CW=1360, WD="55/45")
# Most measures missing, an unreadable weight distribution, a name with markup and 8-bit text.
SPARSE = record("BIRCH", "Caf\xe9 <&> %%d", F=90, OL=470, OW=180, WB=265, TR=151, WD="x/y")
# Nothing usable at all.
EMPTY = record("CEDAR", "", A=-1, OL=0, OW="1E5", WB="N/A")


def write(tool, records, option, path, imperial=False, top=False, align=None):
    args = [tool, option, path]
    args += ["--imperial"] if imperial else []
    args += ["--top"] if top else []
    args += ["--align", align] if align else []
    run = subprocess.run(args + list(records), capture_output=True, check=False, timeout=60)
    assert run.returncode == 0, run
    return run.stdout.decode("latin-1")
