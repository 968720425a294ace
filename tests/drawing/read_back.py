#!/usr/bin/python3
"""A second, independent reader of the drawing: torvale-calc writes the DXF of a design (the
summer design, its points and outlets renamed in Chinese, comfort zones on), and Debian's
python3-ezdxf reads it, audits it and finds on its layer each thing the design says must be
there: a mark and a label (its name as Chinese text) per point, an arrowhead per process line
(two for a mixing), an ε line per supply point, an outline per comfort zone.

    read_back.py TORVALE_CALC DESIGN.torvale WORK_FOLDER

Exit status 0 when all is found, 1 when not, 77 (skipped) without python3-ezdxf.
"""
import json
import os
import subprocess
import sys

try:
    import ezdxf
except ImportError:
    print("python3-ezdxf is not installed (apt-get install python3-ezdxf): skipped")
    sys.exit(77)

CHINESE = ["甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"]
LAYERS = ["图框", "标题栏", "网格", "相对湿度线", "饱和线", "等焓线", "状态点", "过程",
          "热湿比线", "热湿比标尺", "舒适区", "文字", "表格"]

problems = []


def expect(condition, what):
    if not condition:
        problems.append(what)


def main(calc, source, folder):
    os.makedirs(folder, exist_ok=True)
    with open(source, encoding="utf-8") as f:
        design = json.load(f)
    # Chinese names for every point and outlet, and zones on.
    names = [p["name"] for p in design["points"]] + [p["outlet"] for p in design["processes"]]
    rename = {old: CHINESE[i % len(CHINESE)] + "点" + str(i) for i, old in enumerate(names)}
    for p in design["points"]:
        p["name"] = rename[p["name"]]
    for p in design["processes"]:
        for key in ("from", "other", "outlet"):
            if key in p:
                p[key] = rename[p[key]]
    design["zones"] = {"on": ["供冷工况 I级", "供冷工况 II级"],
                       "user": [{"name": "自定义区", "t": [20, 30]}]}
    path = os.path.join(folder, "设计.torvale")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(design, f, ensure_ascii=False)
    out = os.path.join(folder, "设计.dxf")
    run = subprocess.run([calc, "--workspace", path, "--dxf", out, "--paper", "A3,landscape"],
                         capture_output=True)
    expect(run.returncode == 0, f"torvale-calc ended with {run.returncode}: {run.stderr!r}")

    # What the design says must be there.
    points = len(names)
    arrows = sum(2 if p["kind"] == "mix" else 1 for p in design["processes"])
    epsilon = sum(p["kind"] == "supply" for p in design["processes"]) + len(design.get("lines", []))
    zones = len(design["zones"]["on"]) + len(design["zones"]["user"])

    doc = ezdxf.readfile(out)
    auditor = doc.audit()
    expect(not auditor.has_errors, f"audit errors: {[str(e) for e in auditor.errors]}")
    expect(not auditor.has_fixes, f"audit fixes: {[str(e) for e in auditor.fixes]}")
    expect(doc.dxfversion == "AC1021", f"version {doc.dxfversion}")
    for name in LAYERS:
        expect(name in doc.layers, f"no layer {name}")
    msp = doc.modelspace()

    def on(layer, kind):
        return [e for e in msp if e.dxf.layer == layer and e.dxftype() == kind]

    marks = [e for e in on("状态点", "LWPOLYLINE")
             if len(e) == 2 and e.closed and e.dxf.const_width > 0]
    darts = on("状态点", "SOLID")
    expect(len(marks) + len(darts) // 2 == points,
           f"{len(marks)} marks and {len(darts)} edge arrows for {points} points")
    expect(len(on("过程", "SOLID")) == arrows,
           f"{len(on('过程', 'SOLID'))} arrowheads for {arrows} process lines")
    expect(len(on("热湿比线", "LWPOLYLINE")) == epsilon,
           f"{len(on('热湿比线', 'LWPOLYLINE'))} ε lines for {epsilon}")
    outlines = [e for e in on("舒适区", "LWPOLYLINE") if e.closed]
    expect(len(outlines) == zones, f"{len(outlines)} zone outlines for {zones} zones")
    labels = [e.plain_text() for e in on("状态点", "MTEXT")]
    for name in rename.values():
        expect(any(t.split("\n")[0].split("  ")[0] == name for t in labels),
               f"no label of point {name}")
    texts = [e.plain_text() for e in on("文字", "MTEXT")]
    for zone in design["zones"]["on"] + [z["name"] for z in design["zones"]["user"]]:
        expect(zone in texts, f"no name of zone {zone}")
    expect(doc.styles.get("汉字").dxf.font == "simfang.ttf", "no Chinese text style")

    for p in problems:
        print("FAILED:", p)
    print(f"{points} points, {arrows} arrowheads, {epsilon} ε lines, {zones} zones: "
          + ("all found" if not problems else f"{len(problems)} problems"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
