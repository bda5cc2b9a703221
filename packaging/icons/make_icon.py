#!/usr/bin/env python3
"""Writes the program icon (kuyu.svg) and its PNG sizes.

The picture is the title window's plant in full flower on its meadow (the
same shapes and colours as the title animation), on a rounded square.
PNGs are rendered with rsvg-convert:  packaging/icons/make_icon.py
"""
import math
import pathlib
import subprocess

HERE = pathlib.Path(__file__).resolve().parent


def rgb(r, g, b):
    return f"#{r:02x}{g:02x}{b:02x}"


LEAF, LEAF_DARK, STEM = rgb(60, 150, 60), rgb(30, 100, 40), rgb(70, 130, 50)


def leaf(base, tip, width, veins):
    bx, by = base
    tx, ty = tip
    dx, dy = tx - bx, ty - by
    length = math.hypot(dx, dy)
    sx, sy = -dy * width / length, dx * width / length
    mx, my = bx + dx * 0.5, by + dy * 0.5
    out = [f'<path d="M{bx},{by} Q{mx + sx:.2f},{my + sy:.2f} {tx},{ty} '
           f'Q{mx - sx:.2f},{my - sy:.2f} {bx},{by} Z" fill="{LEAF}" '
           f'stroke="{LEAF_DARK}" stroke-width="1"/>',
           f'<line x1="{bx}" y1="{by}" x2="{tx}" y2="{ty}" stroke="{LEAF_DARK}" stroke-width="1"/>']
    if veins:
        for t in (0.3, 0.5, 0.7):
            px, py = bx + dx * t, by + dy * t
            for s in (0.6, -0.6):
                out.append(f'<line x1="{px:.2f}" y1="{py:.2f}" x2="{px + dx * 0.15 + sx * s:.2f}" '
                           f'y2="{py + dy * 0.15 + sy * s:.2f}" stroke="{LEAF_DARK}" stroke-width="1"/>')
    return out


def flower(cx, cy, r, size):
    colours = [(235, 90, 150), (245, 120, 170), (230, 80, 140), (245, 120, 170), (235, 90, 150)]
    out = []
    for i, c in enumerate(colours):
        a = 2 * math.pi * i / 5 - math.pi / 2
        dark = tuple(int(v / 1.4) for v in c)
        out.append(f'<circle cx="{cx + r * math.cos(a):.2f}" cy="{cy + r * math.sin(a):.2f}" '
                   f'r="{size}" fill="{rgb(*c)}" stroke="{rgb(*dark)}" stroke-width="0.8"/>')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="{size * 0.7:.2f}" fill="{rgb(250, 210, 40)}" '
               f'stroke="{rgb(180, 130, 0)}" stroke-width="0.8"/>')
    return out


def svg():
    h = 70.0
    top = (60, 98 - h)
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="120" height="120" viewBox="0 0 120 120">',
        '<defs>',
        '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="120" gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="#78b4f0"/><stop offset="0.75" stop-color="#e1f0ff"/></linearGradient>',
        '<radialGradient id="sun" cx="96" cy="22" r="18" gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="#fffac8"/><stop offset="0.6" stop-color="#ffdc5a"/>'
        '<stop offset="1" stop-color="#ffdc5a" stop-opacity="0"/></radialGradient>',
        '<linearGradient id="earth" x1="0" y1="96" x2="0" y2="120" gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="#6e5032"/><stop offset="1" stop-color="#503723"/></linearGradient>',
        '<clipPath id="tile"><rect x="2" y="2" width="116" height="116" rx="18"/></clipPath>',
        '</defs>',
        '<g clip-path="url(#tile)">',
        '<rect width="120" height="120" fill="url(#sky)"/>',
        '<circle cx="96" cy="22" r="18" fill="url(#sun)"/>',
        '<rect x="0" y="98" width="120" height="22" fill="url(#earth)"/>',
        '<rect x="0" y="96" width="120" height="4" fill="#64aa46"/>',
        f'<path d="M60,98 C56,{98 - h * 0.4} 64,{98 - h * 0.7} {top[0]},{top[1]}" fill="none" '
        f'stroke="{STEM}" stroke-width="3" stroke-linecap="round"/>',
    ]
    parts += leaf((60, 92), (46, 86), 3.5, False)
    parts += leaf((60, 92), (74, 86), 3.5, False)
    parts += leaf((59, 78), (38, 68), 6, True)
    parts += leaf((61, 66), (82, 56), 6, True)
    parts += leaf((60, 54), (44, 44), 5, True)
    parts += flower(top[0], top[1], 13, 8)
    parts += ['</g>',
              '<rect x="2" y="2" width="116" height="116" rx="18" fill="none" stroke="#2d5a2d" stroke-width="2"/>',
              '</svg>']
    return "\n".join(parts) + "\n"


def main():
    out = HERE / "kuyu.svg"
    out.write_text(svg())
    for size in (16, 22, 24, 32, 48, 64, 128, 256):
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o",
                        str(HERE / f"kuyu-{size}.png"), str(out)], check=True)


if __name__ == "__main__":
    main()
