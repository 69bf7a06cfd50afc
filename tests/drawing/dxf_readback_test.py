#!/usr/bin/env python3
"""DXF drawings read back by ezdxf: a clean audit, units, layers, closed outlines, extents at
real size, labels, styles of an overlay; one rendered by ezdxf's drawing add-on."""
import logging
import os
import sys
import tempfile

from drawing_records import EMPTY, SALOON, SPARSE, write

try:
    import ezdxf
    from ezdxf import bbox
except ImportError:
    print("python3-ezdxf is missing: skipped")
    sys.exit(77)
logging.getLogger("matplotlib").setLevel(logging.ERROR)  # font substitutions are expected

LAYERS = {"OUTLINE", "AXLES", "WHEELS", "CG", "DIMENSIONS", "TEXT"}


def read(tool, folder, records, **options):
    path = os.path.join(folder, "d.dxf")
    write(tool, records, "--dxf", path, **options)
    doc = ezdxf.readfile(path)
    audit = doc.audit()
    assert not audit.errors and not audit.fixes, [m.message for m in audit.errors + audit.fixes]
    assert doc.dxfversion == "AC1015"
    imperial = options.get("imperial", False)
    assert doc.header["$INSUNITS"] == (1 if imperial else 4)
    assert doc.header["$MEASUREMENT"] == (0 if imperial else 1)
    assert LAYERS <= {layer.dxf.name for layer in doc.layers}
    msp = doc.modelspace()
    assert {e.dxf.layer for e in msp} <= LAYERS
    assert all(p.closed for p in msp.query("LWPOLYLINE[layer=='OUTLINE']"))
    return doc, msp


def outline_box(msp):
    return bbox.extents(msp.query("*[layer=='OUTLINE']"))


def texts(msp):
    return {t.dxf.text for t in msp.query("TEXT")}


def main(tool):
    passed = 0
    with tempfile.TemporaryDirectory() as folder:
        # The saloon at real size: front end -90 cm, rear end 375 cm, height 145 cm.
        for imperial, unit in ((False, 10.0), (True, 1 / 2.54)):
            doc, msp = read(tool, folder, [SALOON], imperial=imperial)
            box = outline_box(msp)
            assert abs(box.extmin.x + 90 * unit) < 1e-6 and abs(box.extmax.x - 375 * unit) < 1e-6
            assert abs(box.extmax.y - 145 * unit) < 1e-6, box
            assert ("OL 183.2 in" if imperial else "OL 465 cm") in texts(msp)
            extmin, extmax = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
            assert extmin[0] <= box.extmin.x and extmax[1] >= box.extmax.y
            doc, msp = read(tool, folder, [SALOON], imperial=imperial, top=True)
            box = outline_box(msp)
            assert abs(box.extmin.y + 90 * unit) < 1e-6 and abs(box.extmax.y - 90 * unit) < 1e-6
            passed += 2
        # Sparse and empty records: still clean files; 8-bit text comes back in code page 1252.
        for record, title in ((SPARSE, "1995 BIRCH Caf\xe9 <&> % %d"), (EMPTY, "1995 CEDAR")):
            for top in (False, True):
                doc, msp = read(tool, folder, [record], top=top)
                assert any(t.startswith(title + " - ") for t in texts(msp)), texts(msp)
                passed += 1
        # An overlay: the second vehicle's outline in its own colour and linetype.
        doc, msp = read(tool, folder, [SALOON, SPARSE, EMPTY], align="rear-axle")
        second = msp.query("LWPOLYLINE[layer=='OUTLINE' & color==1]")
        assert len(second) > 0 and all(p.dxf.linetype == "DASHED" for p in second)
        passed += 1
        render(doc, os.path.join(folder, "d.png"))
        passed += 1
    print("%d passed, 0 failed" % passed)


def render(doc, png):
    """Draws the model space with ezdxf's drawing add-on; the picture must not be empty."""
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
        from ezdxf.addons.drawing import Frontend, RenderContext
        from ezdxf.addons.drawing.matplotlib import MatplotlibBackend
    except ImportError:
        print("python3-matplotlib is missing: rendering skipped")
        return
    fig = plt.figure(figsize=(8, 5))
    ax = fig.add_axes([0, 0, 1, 1])
    Frontend(RenderContext(doc), MatplotlibBackend(ax)).draw_layout(doc.modelspace(), finalize=True)
    fig.savefig(png, dpi=60)
    plt.close(fig)
    assert os.path.getsize(png) > 5000


if __name__ == "__main__":
    main(sys.argv[1])
