#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders DXF drawings to PNG images with ezdxf's drawing add-on and matplotlib, on white paper:
render-dxf.py DRAWING.dxf IMAGE.png [DRAWING.dxf IMAGE.png ...]"""
import logging
import sys

import matplotlib

matplotlib.use("Agg")
# the drawing's style names Arial; Liberation Sans has its metrics
matplotlib.rcParams["font.sans-serif"] = ["Liberation Sans", "DejaVu Sans"]
logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
import matplotlib.pyplot as plt  # noqa: E402
from ezdxf import recover  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.addons.drawing.properties import LayoutProperties  # noqa: E402


def render(source, target):
    # the recovering reader turns the \U+XXXX escapes into letters, as CAD programs do
    doc, auditor = recover.readfile(source)
    if auditor.has_errors:
        raise SystemExit(f"{source}: {len(auditor.errors)} errors")
    figure = plt.figure(figsize=(16, 11))
    axes = figure.add_axes([0, 0, 1, 1])
    layout = doc.modelspace()
    properties = LayoutProperties.from_layout(layout)
    properties.set_colors("#ffffff")
    Frontend(RenderContext(doc), MatplotlibBackend(axes)).draw_layout(layout, layout_properties=properties, finalize=True)
    left, right = axes.get_xlim()
    bottom, top = axes.get_ylim()
    width = 16
    figure.set_size_inches(width, width * (top - bottom) / max(right - left, 1e-9))
    figure.savefig(target, dpi=100, facecolor="#ffffff")
    plt.close(figure)


if __name__ == "__main__":
    arguments = sys.argv[1:]
    if not arguments or len(arguments) % 2:
        raise SystemExit(__doc__)
    for i in range(0, len(arguments), 2):
        render(arguments[i], arguments[i + 1])
