#!/usr/bin/env python3
"""Writes the Moon-phase icons 100-111 and the rating fish 201-204 as 32 x 32 SVG files.

Run from this folder after changing a shape or a colour; the SVG files are committed.
"""
import math

R = 14.0
C = 16.0
DARK = "#1f2530"
OUTLINE = "#8c98a8"
LIT = "#f3efd2"

# Phase angle of each picture lit from the right: 0 is new, 180 full.
ANGLES = {101: 45, 102: 72, 103: 90, 104: 115, 105: 145}


def lit_path(angle):
    """The lit part of a Moon lit from the right, as an SVG path."""
    rx = abs(math.cos(math.radians(angle))) * R
    rx = max(rx, 0.01)
    # Right limb from the top down, then the terminator back up: on the right side for a
    # crescent, on the left for a gibbous Moon.
    sweep = 0 if angle < 90 else 1
    return (f"M {C:g} {C - R:g} A {R:g} {R:g} 0 0 1 {C:g} {C + R:g} "
            f"A {rx:.3f} {R:g} 0 0 {sweep} {C:g} {C - R:g} Z")


def moon(id_):
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
             f'<circle cx="{C:g}" cy="{C:g}" r="{R:g}" fill="{DARK}"/>']
    if id_ == 106:
        parts.append(f'<circle cx="{C:g}" cy="{C:g}" r="{R:g}" fill="{LIT}"/>')
    elif 101 <= id_ <= 105:
        parts.append(f'<path d="{lit_path(ANGLES[id_])}" fill="{LIT}"/>')
    elif 107 <= id_ <= 111:
        parts.append(f'<path d="{lit_path(ANGLES[212 - id_])}" fill="{LIT}" '
                     'transform="matrix(-1 0 0 1 32 0)"/>')
    parts.append(f'<circle cx="{C:g}" cy="{C:g}" r="{R:g}" fill="none" stroke="{OUTLINE}" '
                 'stroke-width="1.5"/>')
    parts.append('</svg>')
    return "\n".join(parts) + "\n"


FISH = {201: "#0000c0", 202: "#00ff00", 203: "#ffff80", 204: "#ffffff"}


def fish(id_):
    colour = FISH[id_]
    return "\n".join([
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        f'<path d="M 23 16 L 31 9 L 29 16 L 31 23 Z" fill="{colour}" stroke="#202020" '
        'stroke-width="1.2" stroke-linejoin="round"/>',
        f'<path d="M 14 9 Q 17 4 21 9 Z" fill="{colour}" stroke="#202020" stroke-width="1"/>',
        f'<ellipse cx="13.5" cy="16" rx="11.5" ry="7" fill="{colour}" stroke="#202020" stroke-width="1.4"/>',
        '<path d="M 8.5 11 Q 11 16 8.5 21" fill="none" stroke="#202020" stroke-width="1"/>',
        '<circle cx="5.5" cy="14.5" r="1.4" fill="#202020"/>',
        '</svg>',
    ]) + "\n"


for i in range(100, 112):
    with open(f"{i}.svg", "w") as f:
        f.write(moon(i))
for i in FISH:
    with open(f"{i}.svg", "w") as f:
        f.write(fish(i))
