#!/usr/bin/python3
"""Renders a DXF drawing to PNG with ezdxf's drawing add-on (Debian's python3-ezdxf and
python3-matplotlib), on white paper, every text style's font mapped to WenQuanYi Micro Hei
(fonts-wqy-microhei) for the Chinese, behind DejaVu Sans for Latin letters, digits and the
symbols (WenQuanYi Micro Hei has no outline for ℃), so that the picture does not depend on the
CAD fonts a machine lacks.

    /usr/bin/python3 tools/render_dxf.py DRAWING.dxf PICTURE.png [DPI]
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.properties import LayoutProperties  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.tools import _matplotlib_font_support as mpl_fonts  # noqa: E402
from ezdxf.tools import fonts  # noqa: E402
from ezdxf.tools.text_size import mtext_size  # noqa: E402

FAMILY, FILE = ("DejaVu Sans", "WenQuanYi Micro Hei"), "wqy-microhei.ttc"


def mask_texts(msp):
    """Puts a WIPEOUT of each masked MTEXT's patch just beneath it, which is how CAD programs draw
    the MTEXT background fill (its box plus (scale − 1) × the text height round it) and what
    ezdxf's drawing add-on leaves out."""
    order = {}
    for entity in list(msp):
        order[entity.dxf.handle] = int(entity.dxf.handle, 16) * 2
        if entity.dxftype() != "MTEXT" or not entity.dxf.get("bg_fill", 0):
            continue
        size = mtext_size(entity)
        w, h = size.total_width, size.total_height
        column, row = (entity.dxf.attachment_point - 1) % 3, (entity.dxf.attachment_point - 1) // 3
        margin = (entity.dxf.get("box_fill_scale", 1.5) - 1) * entity.dxf.char_height
        left, right = -column * w / 2 - margin, w - column * w / 2 + margin
        top, bottom = row * h / 2 + margin, row * h / 2 - h - margin
        x, y = entity.dxf.insert[0], entity.dxf.insert[1]
        direction = entity.dxf.get("text_direction", (1, 0, 0))
        ux, uy = direction[0], direction[1]
        corners = [(x + a * ux - b * uy, y + a * uy + b * ux)
                   for a, b in ((left, bottom), (right, bottom), (right, top), (left, top))]
        wipeout = msp.add_wipeout(corners)
        order[wipeout.dxf.handle] = order[entity.dxf.handle] - 1
    msp.set_redraw_order({k: format(v, "X") for k, v in order.items()})


def main(source, target, dpi=200):
    doc = ezdxf.readfile(source)
    fonts.load()
    # Each style's font file, and the font's own file, which the text layout looks up again.
    for name in [style.dxf.font for style in doc.styles] + [FILE]:
        key = fonts.cache_key(name)
        face = fonts.FontFace(key, FAMILY, "normal", "normal", 400)
        fonts.font_face_cache[key] = face
        fonts.font_measurement_cache[key] = mpl_fonts.get_font_measurements(face)
    msp = doc.modelspace()
    mask_texts(msp)
    context = RenderContext(doc)
    # Once more, now that the linetypes are loaded, so that the layers' dashes are drawn.
    context.set_current_layout(msp)
    paper = LayoutProperties.from_layout(msp)
    paper.set_colors(bg="#ffffff")
    low, high = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    width, height = high[0] - low[0], high[1] - low[1]
    figure = plt.figure(figsize=(width / 25.4, height / 25.4))
    axes = figure.add_axes([0, 0, 1, 1])
    Frontend(context, MatplotlibBackend(axes, adjust_figure=False)).draw_layout(
        msp, finalize=True, layout_properties=paper
    )
    axes.set_xlim(low[0], high[0])
    axes.set_ylim(low[1], high[1])
    figure.savefig(target, dpi=dpi, facecolor="#ffffff")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 200)
