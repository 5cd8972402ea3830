#!/usr/bin/env python3
"""Writes the girls' SVG figures (and the album page) beside this file, and ../girls.list.

The drawing lives in drawing/: svg.py (colours, the SVG writer), face.py, hair.py, body.py (uniform, arms,
poses), figure.py (a whole girl), one module per girl (her look, hair and own props), boys.py, album.py,
and scenes.py (which pose, expression and props each picture shows). The SVGs are committed; run this
again after changing a drawing, then rebuild the pictures. Output is deterministic.
"""
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches

from drawing import scenes  # noqa: E402

if __name__ == '__main__':
    scenes.main()
