#!/usr/bin/env python3
"""Writes the girls' SVG figures (and the album page) beside this file.

Every girl is drawn by one set of functions: her head, face and hair are defined once here, and each
picture only picks a pose (arms, prop) and an expression. The SVGs are committed; run this again after
changing a girl, then rebuild the pictures. Output is deterministic.

Figure space: 200 x 520 units, head centre x = 100, the feet at y ~ 500.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


# ----------------------------------------------------------------------------- colours
def rgb(h):
    h = h.lstrip('#')
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def hexc(c):
    return '#%02x%02x%02x' % tuple(max(0, min(255, int(round(v)))) for v in c)


def mix(a, b, t):
    a, b = rgb(a), rgb(b)
    return hexc(tuple(a[i] + (b[i] - a[i]) * t for i in range(3)))


def dark(c, t=0.3):
    return mix(c, '#1a1030', t)


def light(c, t=0.3):
    return mix(c, '#ffffff', t)


class Paint:
    """Scene light: every colour of a figure passes through here, so a girl at dusk is warmer."""

    def __init__(self, tint='#ffffff', amount=0.0):
        self.tint, self.amount = tint, amount

    def __call__(self, c):
        if not self.amount or not c.startswith('#'):
            return c
        return mix(c, self.tint, self.amount)


def f(v):
    s = '%.1f' % v
    return s[:-2] if s.endswith('.0') else s


def pts(*p):
    return ' '.join(f(v) for v in p)


# ----------------------------------------------------------------------------- cast
SKIN = '#fde6d8'
SKIN_TAN = '#f1c9a4'
NAVY = '#232c4d'
PLAID = '#7b8296'
PLAID_DARK = '#2c3554'
SOCK = '#1e2440'
SHOE = '#5b3524'


class Girl:
    def __init__(self, **kw):
        self.skin = SKIN
        self.height = 1.0
        self.glasses = False
        self.corsage = True
        self.eye_h = 1.0
        self.eye_tilt = 0.0
        self.lashes = 1.0
        self.brow_w = 1.3
        self.__dict__.update(kw)


GIRLS = {
    1: Girl(name='reina', hair='#1c1b2b', hair_light='#5a6890', eyes='#3a2a2a', ribbon='#9b7fd4',
            style='hime', height=1.03, eye_h=0.92, lashes=1.2),
    2: Girl(name='hinata', hair='#9a5a30', hair_light='#d89a62', eyes='#d08a1c', ribbon='#f2b705',
            style='bob', height=0.93, eye_h=1.08),
    3: Girl(name='saya', hair='#c49058', hair_light='#ecc891', eyes='#1f9e6e', ribbon='#1f9e6e',
            style='ponytail', eye_tilt=3.0, eye_h=0.9),
    4: Girl(name='shiori', hair='#1d1c26', hair_light='#52546e', eyes='#5d7891', ribbon='#2f4f8f',
            style='braids', height=0.93, glasses=True),
    7: Girl(name='shiori7', hair='#1d1c26', hair_light='#52546e', eyes='#5d7891', ribbon='#2f4f8f',
            style='loose', height=0.93),
    5: Girl(name='misaki', hair='#553520', hair_light='#9a6a44', eyes='#a0582a', ribbon='#d7263d',
            style='boyish', skin=SKIN_TAN, eye_h=1.0),
    6: Girl(name='reika', hair='#c0893c', hair_light='#f0cc80', eyes='#7d4fb8', ribbon='#c2185b',
            style='wavy', height=1.04, lashes=1.3, eye_tilt=1.5),
    8: Girl(name='yukari', hair='#2b2024', hair_light='#6a5458', eyes='#7a4a2a', ribbon='#00897b',
            style='shoulder', eye_tilt=1.5),
    9: Girl(name='madoka', hair='#2e2230', hair_light='#6e5876', eyes='#6a3a2a', ribbon='#ec6fa5',
            style='twintails', height=0.9, eye_h=1.1, corsage=False),
}


# ----------------------------------------------------------------------------- drawing helpers
class Svg:
    def __init__(self, paint):
        self.p = paint
        self.parts = []
        self.defs = []
        self.ids = 0

    def add(self, s):
        self.parts.append(s)

    def path(self, d, fill='none', stroke=None, sw=1.2, op=None, cap='round'):
        a = 'd="%s" fill="%s"' % (d, self.p(fill) if fill != 'none' else 'none')
        if stroke:
            a += ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="%s"' % (
                self.p(stroke), f(sw), cap)
        if op is not None:
            a += ' opacity="%s"' % f(op) if op >= 0.1 else ' opacity="%.2f"' % op
        self.add('<path %s/>' % a)

    def ellipse(self, cx, cy, rx, ry, fill, stroke=None, sw=1.0, op=None):
        a = 'cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"' % (f(cx), f(cy), f(rx), f(ry),
                                                           self.p(fill) if fill != 'none' else 'none')
        if stroke:
            a += ' stroke="%s" stroke-width="%s"' % (self.p(stroke), f(sw))
        if op is not None:
            a += ' opacity="%.2f"' % op
        self.add('<ellipse %s/>' % a)

    def circle(self, cx, cy, r, fill, stroke=None, sw=1.0, op=None):
        self.ellipse(cx, cy, r, r, fill, stroke, sw, op)

    def grad(self, stops, x1=0, y1=0, x2=0, y2=1):
        self.ids += 1
        gid = 'g%d' % self.ids
        s = ''.join('<stop offset="%s" stop-color="%s"/>' % (f(o), self.p(c)) for o, c in stops)
        self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>' % (
            gid, f(x1), f(y1), f(x2), f(y2), s))
        return 'url(#%s)' % gid

    def rgrad(self, stops, cx=0.5, cy=0.5, r=0.5):
        self.ids += 1
        gid = 'g%d' % self.ids
        s = ''.join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (
            f(o), self.p(c), f(a)) for o, c, a in stops)
        self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>' % (
            gid, f(cx), f(cy), f(r), s))
        return 'url(#%s)' % gid

    def limb(self, points, width, fill, outline):
        d = 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in points)
        self.path(d, stroke=outline, sw=width + 2.4)
        self.path(d, stroke=fill, sw=width)

    def text(self, vb_w, vb_h, vb=None):
        vb = vb or (0, 0, vb_w, vb_h)
        head = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%s" height="%s" viewBox="%s">\n' % (f(vb_w), f(vb_h), pts(*vb)))
        defs = '<defs>\n' + '\n'.join(self.defs) + '\n</defs>\n' if self.defs else ''
        return head + defs + '\n'.join(self.parts) + '\n</svg>\n'


def mirror_d(points):
    return [(200 - x, y) for x, y in points]


def poly(points, close=True):
    d = 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in points)
    return d + (' Z' if close else '')


def smooth(points, close=True):
    """Catmull-Rom through the points, as cubic Beziers: soft hair outlines from a few points."""
    n = len(points)
    if n < 3:
        return poly(points, close)
    d = 'M%s %s' % (f(points[0][0]), f(points[0][1]))
    rng = range(n) if close else range(n - 1)
    for i in rng:
        p0 = points[(i - 1) % n] if (close or i > 0) else points[i]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if (close or i + 2 < n) else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += ' C%s %s %s' % (pts(*c1), pts(*c2), pts(*p2))
    return d + (' Z' if close else '')


def locks(start, tips, sweep=2.5):
    """A fringe edge: from start, through (notch, tip) pairs. Notches stay shallow so the locks are broad,
    and every edge bows the same way, which gives the fringe its soft sweep."""
    d = ''
    px, py = start
    for (nx, ny), (tx, ty) in tips:
        if ny < 70:
            ny = 57 + (ny - 44) * 0.45
        d += ' Q%s %s %s %s' % (f((px + nx) / 2 + sweep), f((py + ny) / 2), f(nx), f(ny))
        d += ' Q%s %s %s %s' % (f((nx + tx) / 2 + sweep), f((ny + ty) / 2), f(tx), f(ty))
        px, py = tx, ty
    return d


# ----------------------------------------------------------------------------- hair
def hair_colours(g):
    return g.hair, dark(g.hair, 0.45), g.hair_light


def cap_path(top=17, side=58, low=96):
    # left side low point, over the crown, to the right side low point
    return 'M%s %s C%s %s %s %s 100 %s C%s %s %s %s %s %s' % (
        f(side), f(low), f(side - 8), f(low - 60), f(78), f(top), f(top),
        f(122), f(top), f(200 - side + 8), f(low - 60), f(200 - side), f(low))


def shine(s, g, y=42, span=30, width=5):
    """The glossy ring across the crown: a band with a jagged lower edge."""
    base, line, hi = hair_colours(g)
    top = []
    bot = []
    n = 9
    for i in range(n + 1):
        t = i / n
        x = 100 - span + 2 * span * t
        yy = y + ((x - 100) / span) ** 2 * span * 0.28
        top.append((x, yy - 1))
        bot.append((x, yy + (width if i % 2 else width * 0.35)))
    d = poly(top + bot[::-1])
    s.path(d, fill=hi, op=0.55)


def strands(s, g, lines, op=0.55):
    base, line, hi = hair_colours(g)
    for d in lines:
        s.path(d, stroke=line, sw=1.0, op=op)


FRINGE_STD = [((132, 64), (127, 80)), ((120, 52), (113, 78)), ((106, 50), (99, 76)),
              ((93, 50), (86, 78)), ((80, 54), (72, 80)), ((68, 66), (64, 100))]


def front_hair(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    st = g.style
    if st == 'hime':
        tips = []
        xs = [136, 128, 121, 114, 107, 100, 93, 86, 79, 72, 64]
        for i in range(len(xs) - 1):
            tips.append(((xs[i] - 3.5, 69.6), (xs[i + 1] + 0.5, 71.5 + (i % 2) * 0.6)))
        d = cap_path(17, 57, 80) + ' L143 80' + ' L142 70 L136 71' + locks((136, 71), tips, 0.3) + ' Z'
        s.path(d, fill=base, stroke=line)
        # the hime side locks, cut straight at the chin
        for side in (1, -1):
            x0 = 100 - side * 43
            x1 = 100 - side * 30
            s.path(poly([(x0 - side * 1, 60), (x1, 66), (x1 + side * 1, 122), (x0 - side * 1, 122)]),
                   fill=base, stroke=line)
            strands(s, g, ['M%s 78 L%s 118' % (f((x0 + x1) / 2), f((x0 + x1) / 2 + side * 0.5))], 0.5)
        strands(s, g, ['M84 30 Q74 46 72 68', 'M116 30 Q126 46 128 68', 'M100 24 L100 66'], 0.35)
        shine(s, g, 38, 30)
    elif st == 'bob':
        tips = [((133, 62), (124, 80)), ((118, 50), (110, 74)), ((104, 48), (97, 72)),
                ((90, 50), (82, 76)), ((74, 56), (68, 82))]
        d = cap_path(16, 55, 96) + ' Q146 104 152 112 Q140 112 136 100 Q138 84 134 74' + locks((134, 74), tips)
        d += ' Q64 92 64 100 Q60 112 48 112 Q54 104 55 96 Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M120 40 Q132 60 140 96', 'M80 40 Q68 60 60 96', 'M100 30 Q104 48 106 60'], 0.45)
        shine(s, g, 36, 30)
        # star hairpin over her left temple (viewer's right)
        star = []
        import math
        for k in range(10):
            r = 7.5 if k % 2 == 0 else 3.2
            a = -math.pi / 2 + k * math.pi / 5
            star.append((128 + r * math.cos(a), 58 + r * math.sin(a)))
        s.path(poly(star), fill=g.ribbon, stroke=dark(g.ribbon, 0.35), sw=1.0)
        s.circle(126.5, 56, 1.4, '#fff8d0')
    elif st == 'ponytail':
        tips = [((130, 60), (121, 80)), ((114, 48), (104, 76)), ((98, 46), (88, 74)),
                ((84, 50), (74, 78)), ((70, 58), (64, 96))]
        d = cap_path(17, 58, 88) + ' Q144 96 142 104 Q136 96 134 80' + locks((134, 80), tips) + ' Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M118 34 Q130 54 138 86', 'M84 36 Q72 56 64 90'], 0.45)
        shine(s, g, 36, 28)
    elif st in ('braids', 'loose'):
        tips = [((131, 62), (125, 80)), ((119, 54), (112, 77)), ((106, 52), (100, 76)),
                ((94, 52), (88, 77)), ((81, 54), (75, 80)), ((69, 62), (64, 104))]
        d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80' + locks((134, 80), tips) + ' Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
        shine(s, g, 37, 29)
        if st == 'braids':
            for side in (1, -1):
                cx = 100 - side * 36
                # the braid, segment by segment, lying over the front of the shoulder
                for k in range(8):
                    y = 104 + k * 11.5
                    x = cx - side * (k * 0.9)
                    s.ellipse(x, y, 7.2 - k * 0.25, 7.2, base, stroke=line, sw=1.0)
                    s.path('M%s %s Q%s %s %s %s' % (f(x - 5), f(y - 2), f(x), f(y + 3), f(x + 5), f(y - 2)),
                           stroke=hi, sw=1.0, op=0.5)
                yb = 104 + 8 * 11.5 - 4
                xb = cx - side * 7.2
                s.path(poly([(xb - 5, yb), (xb + 5, yb), (xb + 4, yb + 4), (xb - 4, yb + 4)]),
                       fill=g.ribbon, stroke=dark(g.ribbon), sw=0.8)
                s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (
                    f(xb - 4), f(yb + 4), f(xb - 6), f(yb + 14), f(xb), f(yb + 18), f(xb + 5), f(yb + 14),
                    f(xb + 4), f(yb + 4)), fill=base, stroke=line, sw=1.0)
        else:
            for side in (1, -1):
                x0 = 100 - side * 40
                pts_ = [(x0 + side * 2, 78), (x0 - side * 6, 120), (x0 - side * 3, 160), (x0 - side * 9, 200),
                        (x0 + side * 3, 214), (x0 + side * 7, 188), (x0 + side * 10, 150), (x0 + side * 8, 110),
                        (x0 + side * 9, 84)]
                s.path(smooth(pts_), fill=base, stroke=line)
                strands(s, g, ['M%s 100 Q%s 150 %s 200' % (f(x0 + side * 3), f(x0 + side * 1),
                                                         f(x0 - side * 3))], 0.5)
    elif st == 'boyish':
        tips = [((134, 58), (126, 78)), ((122, 46), (114, 74)), ((110, 44), (102, 72)),
                ((96, 46), (89, 74)), ((84, 50), (76, 76)), ((70, 58), (63, 90))]
        d = cap_path(18, 59, 80) + ' Q146 92 140 96 Q138 86 135 78' + locks((135, 78), tips) + ' Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M116 34 Q128 50 136 78', 'M86 34 Q74 52 66 80'], 0.45)
        shine(s, g, 37, 28)
        # red hair clip over her right temple (viewer's left)
        for k, dy in enumerate((0, 6)):
            s.path(poly([(66, 56 + dy), (82, 50 + dy), (83, 53 + dy), (67, 59 + dy)]),
                   fill=g.ribbon, stroke=dark(g.ribbon), sw=0.8)
    elif st == 'wavy':
        tips = [((128, 58), (120, 80)), ((112, 48), (106, 74)), ((100, 44), (100, 50)),
                ((98, 48), (90, 74)), ((82, 52), (74, 80)), ((68, 64), (64, 100))]
        d = cap_path(16, 56, 96) + ' Q144 100 140 104 Q136 92 133 80' + locks((133, 80), tips) + ' Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M112 30 Q130 52 138 92', 'M88 30 Q70 52 62 92'], 0.45)
        shine(s, g, 36, 30)
        for side in (1, -1):
            x0 = 100 - side * 40
            pts_ = [(x0 + side * 2, 80), (x0 - side * 6, 112), (x0 + side * 1, 140), (x0 - side * 7, 170),
                    (x0 - side * 1, 198), (x0 + side * 5, 206), (x0 + side * 4, 184), (x0 + side * 11, 160),
                    (x0 + side * 7, 130), (x0 + side * 11, 100)]
            s.path(smooth(pts_), fill=base, stroke=line)
            strands(s, g, ['M%s 96 Q%s 128 %s 150 Q%s 176 %s 196' % (
                f(x0 + side * 4), f(x0 - side * 3), f(x0 + side * 3), f(x0 + side * 6), f(x0 + side * 1))], 0.5)
    elif st == 'shoulder':
        tips = [((132, 62), (124, 80)), ((118, 52), (110, 77)), ((104, 50), (97, 76)),
                ((90, 52), (83, 78)), ((76, 58), (68, 84)), ((66, 66), (62, 100))]
        d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80' + locks((134, 80), tips) + ' Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
        shine(s, g, 40, 28)
        # white hairband over the crown
        s.path('M57 66 C60 30 80 18 100 18 C120 18 140 30 143 66', stroke='#6a6a78', sw=7.2, cap='butt')
        s.path('M57 66 C60 30 80 18 100 18 C120 18 140 30 143 66', stroke='#fbfbff', sw=5.2, cap='butt')
    elif st == 'twintails':
        tips = [((132, 62), (125, 80)), ((119, 52), (112, 78)), ((106, 50), (100, 75)),
                ((94, 50), (88, 78)), ((81, 52), (75, 80)), ((69, 62), (64, 100))]
        d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80' + locks((134, 80), tips) + ' Z'
        s.path(d, fill=base, stroke=line)
        strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
        shine(s, g, 37, 29)
        for side in (1, -1):
            bow(s, 100 - side * 44, 36, g.ribbon, 1.0)


def bow(s, x, y, colour, k):
    sh = dark(colour, 0.3)
    s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(x), f(y), f(x - 14 * k), f(y - 12 * k), f(x - 15 * k),
                                                   f(y + 2 * k), f(x - 10 * k), f(y + 8 * k), f(x), f(y)),
           fill=colour, stroke=sh, sw=1.0)
    s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(x), f(y), f(x + 14 * k), f(y - 12 * k), f(x + 15 * k),
                                                   f(y + 2 * k), f(x + 10 * k), f(y + 8 * k), f(x), f(y)),
           fill=colour, stroke=sh, sw=1.0)
    s.path('M%s %s L%s %s L%s %s Z' % (f(x - 2 * k), f(y + 2 * k), f(x - 7 * k), f(y + 16 * k), f(x - 2 * k),
                                        f(y + 14 * k)), fill=colour, stroke=sh, sw=0.9)
    s.path('M%s %s L%s %s L%s %s Z' % (f(x + 2 * k), f(y + 2 * k), f(x + 8 * k), f(y + 15 * k), f(x + 3 * k),
                                        f(y + 14 * k)), fill=colour, stroke=sh, sw=0.9)
    s.ellipse(x, y + 1 * k, 3.6 * k, 3.8 * k, light(colour, 0.1), stroke=sh, sw=0.9)


def back_hair(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    st = g.style
    if st == 'hime':
        d = smooth([(100, 20), (138, 34), (148, 80), (150, 150), (152, 210), (150, 252), (124, 256),
                    (100, 250), (76, 256), (50, 252), (48, 210), (50, 150), (52, 80), (62, 34)])
        s.path(d, fill=shade, stroke=line)
        strands(s, g, ['M58 120 Q56 190 60 248', 'M142 120 Q144 190 140 248', 'M70 150 L72 250',
                       'M130 150 L128 250'], 0.45)
        s.path('M52 100 Q50 160 52 230', stroke=hi, sw=2.0, op=0.3)
        s.path('M148 100 Q150 160 148 230', stroke=hi, sw=2.0, op=0.3)
    elif st == 'bob':
        s.path(smooth([(100, 20), (140, 34), (150, 80), (150, 112), (120, 118), (100, 116), (80, 118),
                       (50, 112), (50, 80), (60, 34)]), fill=shade, stroke=line)
    elif st == 'ponytail':
        s.path(smooth([(100, 22), (138, 36), (144, 80), (140, 106), (100, 112), (60, 106), (56, 80), (62, 36)]),
               fill=shade, stroke=line)
        # the tail springs from the crown and falls behind her right shoulder (viewer's right)
        tail = [(118, 28), (146, 14), (164, 30), (166, 72), (160, 120), (164, 170), (150, 198), (152, 160),
                (142, 118), (146, 70), (136, 40)]
        s.path(smooth(tail), fill=base, stroke=line)
        strands(s, g, ['M150 30 Q160 80 152 130 Q150 160 154 186', 'M140 40 Q150 90 148 140'], 0.5)
        s.path('M156 40 Q162 80 156 120', stroke=hi, sw=2.5, op=0.45)
        s.path(poly([(124, 20), (136, 14), (140, 26), (128, 32)]), fill=g.ribbon, stroke=dark(g.ribbon), sw=0.9)
    elif st == 'braids':
        s.path(smooth([(100, 20), (138, 34), (146, 80), (142, 110), (100, 116), (58, 110), (54, 80), (62, 34)]),
               fill=shade, stroke=line)
    elif st == 'loose':
        d = smooth([(100, 20), (140, 34), (150, 80), (152, 140), (156, 200), (150, 222), (126, 226),
                    (100, 216), (74, 226), (50, 222), (44, 200), (48, 140), (50, 80), (60, 34)])
        s.path(d, fill=shade, stroke=line)
        strands(s, g, ['M56 120 Q52 170 58 218', 'M144 120 Q148 170 142 218'], 0.45)
    elif st == 'boyish':
        s.path(smooth([(100, 22), (138, 36), (144, 80), (140, 100), (100, 106), (60, 100), (56, 80), (62, 36)]),
               fill=shade, stroke=line)
    elif st == 'wavy':
        # the big magenta bow sits at the back of her head and shows above it on both sides
        bow(s, 100, 22, g.ribbon, 1.9)
        d = smooth([(100, 20), (140, 34), (154, 80), (148, 120), (160, 160), (150, 200), (160, 232),
                    (130, 240), (100, 228), (70, 240), (40, 232), (50, 200), (40, 160), (52, 120), (46, 80),
                    (60, 34)])
        s.path(d, fill=shade, stroke=line)
        strands(s, g, ['M54 110 Q46 150 56 180 Q46 210 54 232', 'M146 110 Q154 150 144 180 Q154 210 146 232'],
                0.45)
    elif st == 'shoulder':
        d = smooth([(100, 20), (140, 34), (148, 80), (150, 130), (152, 146), (126, 150), (100, 142), (74, 150),
                    (48, 146), (50, 130), (52, 80), (60, 34)])
        s.path(d, fill=shade, stroke=line)
        strands(s, g, ['M56 100 L54 144', 'M144 100 L146 144'], 0.45)
    elif st == 'twintails':
        s.path(smooth([(100, 20), (138, 34), (146, 80), (142, 110), (100, 116), (58, 110), (54, 80), (62, 34)]),
               fill=shade, stroke=line)
        for side in (1, -1):
            x = 100 - side * 46
            t = [(x + side * 6, 34), (x - side * 16, 44), (x - side * 22, 90), (x - side * 18, 140),
                 (x - side * 26, 190), (x - side * 12, 214), (x - side * 12, 180), (x - side * 4, 140),
                 (x - side * 6, 90), (x + side * 4, 50)]
            s.path(smooth(t), fill=base, stroke=line)
            strands(s, g, ['M%s 60 Q%s 120 %s 196' % (f(x - side * 10), f(x - side * 16), f(x - side * 16))], 0.5)
            s.path('M%s 60 Q%s 110 %s 150' % (f(x - side * 14), f(x - side * 18), f(x - side * 12)),
                   stroke=hi, sw=2.2, op=0.4)


# ----------------------------------------------------------------------------- face
def face(s, g, expr):
    skin = g.skin
    sh = mix(skin, '#d08a80', 0.35)
    outline = mix(skin, '#6a3030', 0.55)
    # neck with the shadow under the chin
    s.path(poly([(91, 104), (91, 140), (109, 140), (109, 104)]), fill=skin, stroke=outline, sw=1.0)
    s.path('M91 112 Q100 128 109 112 L109 126 Q100 134 91 126 Z', fill=sh)
    # ears
    for side in (1, -1):
        s.ellipse(100 - side * 36, 88, 5, 8, skin, stroke=outline, sw=1.0)
    # skull and cheeks
    s.path('M63 70 C62 40 80 28 100 28 C120 28 138 40 137 70 C137 96 118 116 100 121 C82 116 63 96 63 70 Z',
           fill=skin, stroke=outline, sw=1.1)
    eyes(s, g, expr)
    # nose: a small light stroke
    s.path('M100.5 100 Q102 103 100 104', stroke=mix(skin, '#b06050', 0.6), sw=1.0)
    mouth(s, g, expr)
    blush = expr.get('blush', 1)
    if blush:
        for side in (1, -1):
            s.ellipse(100 - side * 22, 103, 8, 4, '#ff8098', op=0.30 + 0.18 * blush)
            if blush > 1:
                for k in range(3):
                    x = 100 - side * 22 - 4 + k * 3.5
                    s.path('M%s 101 L%s 105' % (f(x + 1.5), f(x - 0.5)), stroke='#e0506a', sw=0.8, op=0.7)


def eyes(s, g, expr):
    kind = expr.get('eyes', 'open')
    look = expr.get('look', 0.0)  # sideways glance, units (+ = toward the viewer's right)
    lash = '#2a1a1c'
    brow_c = mix(g.hair, '#3a2020', 0.3)
    brows = expr.get('brows', 'normal')
    h = g.eye_h
    tilt = g.eye_tilt
    for side in (1, -1):  # 1 = the eye on the viewer's left
        cx = 100 - side * 17
        cy = 91

        def X(dx):
            return cx + side * dx  # dx > 0 toward the nose

        if kind == 'smile':
            s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(cy + 2), f(X(0)), f(cy - 6), f(X(8)), f(cy + 1)),
                   stroke=lash, sw=2.4)
            continue
        if kind == 'closed':
            s.path('M%s %s Q%s %s %s %s' % (f(X(-9.5)), f(cy - 1), f(X(0)), f(cy + 5), f(X(8)), f(cy)),
                   stroke=lash, sw=2.2)
            s.path('M%s %s l%s %s' % (f(X(-9.5)), f(cy - 1), f(-side * 2.5), f(-1.5)), stroke=lash, sw=1.4)
            continue
        top = cy - 11 * h
        if kind == 'wide':
            top -= 1.5
        lid = 4.0 * h if kind == 'soft' else 0.0
        bot = cy + 9.5 * h
        # white of the eye
        s.path('M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Q%s %s %s %s Z' % (
            f(X(-9.5)), f(cy - 2 - tilt), f(X(-3)), f(top - 0.5 - tilt * 0.5), f(X(7.5)), f(top + 3),
            f(X(8.5)), f(cy + 3), f(X(7)), f(bot), f(X(0)), f(bot + 1.5), f(X(-8)), f(bot - 1), f(X(-9.5)),
            f(cy - 2 - tilt)),
            fill='#ffffff')
        # iris, pupil and the two catch-lights
        ix = X(-0.5) + look
        iy = cy + 1.0 * h
        rx, ry = (6.9, 9.4 * h) if kind != 'wide' else (6.0, 8.4 * h)
        iris = s.grad([(0, dark(g.eyes, 0.6)), (0.5, g.eyes), (1, light(g.eyes, 0.5))])
        s.ellipse(ix, iy, rx, ry, iris, stroke=dark(g.eyes, 0.65), sw=0.8)
        s.ellipse(ix, iy + 0.6, rx * 0.45, ry * 0.48, dark(g.eyes, 0.75))
        s.path('M%s %s Q%s %s %s %s' % (f(ix - rx * 0.75), f(iy + ry * 0.45), f(ix), f(iy + ry * 0.95),
                                         f(ix + rx * 0.75), f(iy + ry * 0.45)),
               stroke=light(g.eyes, 0.7), sw=1.2, op=0.7)
        s.ellipse(ix - 2.4, iy - ry * 0.42, 2.5, 3.1, '#ffffff')
        s.circle(ix + 2.6, iy + ry * 0.38, 1.3, '#ffffff', op=0.95)
        # lid shadow over the top of the iris
        s.path('M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Z' % (
            f(X(-9)), f(cy - 2 - tilt), f(X(-3)), f(top + lid - 0.5 - tilt * 0.5), f(X(8)), f(top + lid + 3),
            f(X(8)), f(top + lid + 6), f(X(-3)), f(top + lid + 3.5), f(X(-9)), f(cy + 1 - tilt)),
            fill=dark(g.eyes, 0.5), op=0.35)
        # upper lid: heavy at the outer corner, thinning toward the nose, with a little flick
        lw = 2.6 * g.lashes
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s' % (
            f(X(-11)), f(cy - 0.5 - tilt), f(X(-6)), f(top + lid - 2 - tilt * 0.6), f(X(0)), f(top + lid - 1.2),
            f(X(5)), f(top + lid - 0.6), f(X(8.5)), f(top + lid + 2.8)),
            stroke=lash, sw=lw)
        if g.lashes > 1.1:
            s.path('M%s %s Q%s %s %s %s' % (f(X(-10.5)), f(cy - 1.5 - tilt), f(X(-12)), f(cy - 3 - tilt),
                                             f(X(-12.5)), f(cy - 4.5 - tilt)), stroke=lash, sw=1.2)
        s.path('M%s %s L%s %s' % (f(X(8.5)), f(top + lid + 2.8), f(X(9)), f(top + lid + 6)), stroke=lash,
               sw=1.0)
        if lid:
            s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(top + 1), f(X(0)), f(top - 1.5), f(X(7)), f(top + 1.5)),
                   stroke=mix(lash, g.skin, 0.5), sw=0.8)
        # lower lash: a light short stroke
        s.path('M%s %s Q%s %s %s %s' % (f(X(-6.5)), f(bot - 1.5), f(X(0)), f(bot + 1.2), f(X(5.5)), f(bot - 0.5)),
               stroke=mix(lash, g.skin, 0.45), sw=0.9)


def brows(s, g, expr):
    brow_c = mix(g.hair, '#3a2020', 0.3)
    brows = expr.get('brows', 'normal')
    for side in (1, -1):
        cx = 100 - side * 17

        def X(dx):
            return cx + side * dx

        # brow: thin and soft; 'up' = worried or shy, 'cross' = annoyed
        if brows == 'up':
            by = (77, 74, 72.5)
        elif brows == 'cross':
            by = (74.5, 74.5, 77.5)
        else:
            by = (76.5, 74, 75)
        s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(by[0]), f(X(0)), f(by[1] - 1.5), f(X(8)), f(by[2])),
               stroke=brow_c, sw=g.brow_w, op=0.9)


def mouth(s, g, expr):
    kind = expr.get('mouth', 'smile')
    lip = '#a8433f'
    y = 111
    if kind == 'smile':
        s.path('M95 %s Q100 %s 105 %s' % (f(y), f(y + 3.5), f(y)), stroke=lip, sw=1.2)
    elif kind == 'open':
        s.path('M94 %s Q100 %s 106 %s Q100 %s 94 %s Z' % (f(y - 1), f(y - 0.5), f(y - 1), f(y + 8), f(y - 1)),
               fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M97 %s Q100 %s 103 %s Q100 %s 97 %s Z' % (f(y + 4.5), f(y + 3), f(y + 4.5), f(y + 6.6),
                                                         f(y + 4.5)), fill='#ec8a8a')
    elif kind == 'o':
        s.ellipse(100, y + 1.5, 2.6, 3.2, '#9c3438', stroke='#7a2a2a', sw=0.8)
    elif kind == 'flat':
        s.path('M96.5 %s Q100 %s 103.5 %s' % (f(y + 1), f(y + 1.8), f(y + 1)), stroke=lip, sw=1.1)
    elif kind == 'wavy':
        s.path('M95 %s Q97.5 %s 100 %s Q102.5 %s 105 %s' % (f(y + 1), f(y - 1), f(y + 1), f(y + 3), f(y + 1)),
               stroke=lip, sw=1.1)
    elif kind == 'pout':
        s.path('M96 %s Q100 %s 104 %s' % (f(y + 2), f(y - 1), f(y + 2)), stroke=lip, sw=1.2)
    elif kind == 'grin':
        s.path('M92.5 %s Q100 %s 107.5 %s Q106 %s 100 %s Q94 %s 92.5 %s Z' % (
            f(y - 2), f(y - 0.5), f(y - 2), f(y + 8), f(y + 9), f(y + 8), f(y - 2)),
            fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M94 %s Q100 %s 106 %s L105.5 %s Q100 %s 94.5 %s Z' % (
            f(y - 1.4), f(y - 0.2), f(y - 1.4), f(y + 0.6), f(y + 1.8), f(y + 0.6)), fill='#ffffff')
        s.path('M96.5 %s Q100 %s 103.5 %s Q100 %s 96.5 %s Z' % (f(y + 6), f(y + 4), f(y + 6), f(y + 8.6),
                                                              f(y + 6)), fill='#ec8a8a')


def glasses(s, g):
    rim = '#9aa0ac'
    for side in (1, -1):
        cx = 100 - side * 17
        s.ellipse(cx, 91, 12.5, 12, '#dfeeff', op=0.18)
        s.ellipse(cx, 91, 12.5, 12, 'none', stroke=rim, sw=1.4)
        s.path('M%s 86 Q%s 82 %s 84' % (f(cx - 7), f(cx - 4), f(cx - 1)), stroke='#ffffff', sw=1.3, op=0.8)
    s.path('M95.5 89 Q100 86.5 104.5 89', stroke=rim, sw=1.2)
    s.path('M70.5 88 L64 86', stroke=rim, sw=1.2)
    s.path('M129.5 88 L136 86', stroke=rim, sw=1.2)


# ----------------------------------------------------------------------------- body
def legs(s, g):
    skin = g.skin
    outline = mix(skin, '#6a3030', 0.55)
    for side in (1, -1):
        x = 100 - side * 11
        pts_ = [(x - side * 11, 300), (x - side * 9, 352), (x - side * 8, 372), (x - side * 8.5, 398),
                (x - side * 5, 462), (x + side * 4, 462), (x + side * 6.5, 398), (x + side * 6, 370),
                (x + side * 8, 350), (x + side * 10, 300)]
        s.path(smooth(pts_), fill=skin, stroke=outline, sw=1.1)
        s.path('M%s 366 q%s 4 %s 0' % (f(x - side * 3), f(side * 2), f(side * 4)), stroke=outline, sw=0.7,
               op=0.5)
        # knee sock from below the knee
        sock = [(x - side * 8.2, 384), (x - side * 8.6, 400), (x - side * 5.2, 464), (x + side * 4.2, 464),
                (x + side * 6.6, 400), (x + side * 6.4, 382)]
        s.path(poly(sock), fill=SOCK, stroke='#0e1224', sw=1.0)
        s.path('M%s 388 L%s 388' % (f(x - side * 8.3), f(x + side * 6.5)), stroke='#3a4470', sw=1.2)
        # loafer
        s.path('M%s 458 Q%s 458 %s 466 Q%s 476 %s 475 Q%s 474 %s 458 Z' % (
            f(x - side * 6), f(x - side * 9), f(x - side * 11), f(x - side * 12), f(x + side * 2),
            f(x + side * 7), f(x + side * 5)), fill=SHOE, stroke='#2a1810', sw=1.0)


def skirt(s, g):
    top, hem = 244, 318
    lx0, rx0, lx1, rx1 = 78, 122, 58, 142
    d = 'M%s %s L%s %s L%s %s' % (f(lx0), f(top), f(rx0), f(top), f(rx1), f(hem))
    # pleated hem: small zigzag
    n = 8
    for i in range(1, n + 1):
        x = rx1 - (rx1 - lx1) * i / n
        d += ' L%s %s L%s %s' % (f(x + (rx1 - lx1) / n * 0.5), f(hem + 3), f(x), f(hem))
    d += ' Z'
    s.path(d, fill=PLAID, stroke='#3a3f52', sw=1.1)

    def edge(y):
        t = (y - top) / (hem - top)
        return lx0 + (lx1 - lx0) * t, rx0 + (rx1 - rx0) * t
    # horizontal tartan bands
    for y, w, c, o in ((258, 5, PLAID_DARK, 0.75), (282, 7, PLAID_DARK, 0.75), (305, 6, PLAID_DARK, 0.75),
                       (270, 1.0, '#d8dbe6', 0.7), (294, 1.0, '#d8dbe6', 0.7)):
        a, b = edge(y)
        s.path('M%s %s L%s %s' % (f(a + 0.8), f(y), f(b - 0.8), f(y)), stroke=c, sw=w, op=o, cap='butt')
    # vertical bands following the pleats, and the pleat folds
    for i in range(1, n):
        t = i / n
        xt = lx0 + (rx0 - lx0) * t
        xb = lx1 + (rx1 - lx1) * t
        s.path('M%s %s L%s %s' % (f(xt), f(top + 1), f(xb), f(hem)), stroke=PLAID_DARK, sw=2.6, op=0.55,
               cap='butt')
        s.path('M%s %s L%s %s' % (f(xt + 1.8), f(top + 1), f(xb + 2.6), f(hem + 2)), stroke='#3a3f52', sw=0.7,
               op=0.7)


def torso(s, g):
    blazer = NAVY
    bl_line = '#0d1226'
    bl_shade = '#18203c'
    body = 'M88 134 Q72 138 64 152 L66 200 Q72 226 74 262 Q100 268 126 262 Q128 226 134 200 L136 152 Q128 138 112 134 Z'
    s.path(body, fill=blazer, stroke=bl_line, sw=1.2)
    # shade on her left side (viewer's right), the light comes from the upper left
    s.path('M118 150 Q128 190 126 262 Q100 268 118 262 Q120 210 112 160 Z', fill=bl_shade, op=0.8)
    # blouse and collar
    s.path('M88 134 L100 190 L112 134 Z', fill='#f7f7fb', stroke='#9aa0b0', sw=0.9)
    s.path('M100 188 L100 152', stroke='#d8dbe6', sw=0.8)
    s.path('M88 133 L92 150 L100 143 Z', fill='#ffffff', stroke='#9aa0b0', sw=0.9)
    s.path('M112 133 L108 150 L100 143 Z', fill='#ffffff', stroke='#9aa0b0', sw=0.9)
    # lapels
    s.path('M88 135 L84 150 L91 156 L100 200 L93 160 Z', fill='#2d3860', stroke=bl_line, sw=0.9)
    s.path('M112 135 L116 150 L109 156 L100 200 L107 160 Z', fill='#2d3860', stroke=bl_line, sw=0.9)
    s.path('M100 200 L100 262', stroke=bl_line, sw=1.0)
    # buttons and a pocket
    for y in (214, 238):
        s.circle(102.5, y, 2.3, '#d9b44a', stroke='#8a6a20', sw=0.7)
    s.path('M111 182 L125 182', stroke=bl_line, sw=1.0)
    # collar ribbon
    r = g.ribbon
    rs = dark(r, 0.3)
    s.path('M100 146 Q88 136 85 141 Q83 150 100 149 Z', fill=r, stroke=rs, sw=0.9)
    s.path('M100 146 Q112 136 115 141 Q117 150 100 149 Z', fill=r, stroke=rs, sw=0.9)
    s.path('M98.5 149 L93 166 L96.5 163.5 L99 167 L100.5 149 Z', fill=r, stroke=rs, sw=0.8)
    s.path('M101.5 149 L106.5 165 L103 163 L100.5 166 L99.5 149 Z', fill=r, stroke=rs, sw=0.8)
    s.ellipse(100, 147.3, 3.2, 3.4, light(r, 0.15), stroke=rs, sw=0.8)
    s.path('M88 143 Q90 141 92 142', stroke=light(r, 0.5), sw=1.0, op=0.8)
    if g.corsage:
        cx, cy = 119, 168
        s.path('M%s %s L%s %s L%s %s Z' % (f(cx - 2), f(cy + 3), f(cx - 4), f(cy + 15), f(cx), f(cy + 13)),
               fill='#e03040', stroke='#901a24', sw=0.6)
        s.path('M%s %s L%s %s L%s %s Z' % (f(cx + 2), f(cy + 3), f(cx + 4), f(cy + 14), f(cx + 0.5), f(cy + 12)),
               fill='#ffffff', stroke='#a0a0b0', sw=0.6)
        import math
        for k in range(8):
            a = k * math.pi / 4
            s.circle(cx + 4.6 * math.cos(a), cy + 4.6 * math.sin(a), 3.0, '#e8344a' if k % 2 else '#ffffff',
                     stroke='#a01e2e', sw=0.5)
        s.circle(cx, cy, 3.0, '#ffe0e4', stroke='#c02a3a', sw=0.6)
        s.circle(cx, cy, 1.2, '#e03040')


# ----------------------------------------------------------------------------- arms and poses
SH_L = (69, 152)
SH_R = (131, 152)


def sleeve(s, g, pts_, hand=True, hand_kind='fist'):
    s.limb(pts_, 17, NAVY, '#0d1226')
    # white cuff and the hand
    (ex, ey), (wx, wy) = pts_[-2], pts_[-1]
    dx, dy = wx - ex, wy - ey
    L = (dx * dx + dy * dy) ** 0.5 or 1
    ux, uy = dx / L, dy / L
    cx, cy = wx - ux * 2, wy - uy * 2
    s.path('M%s %s L%s %s' % (f(cx - ux * 2.5), f(cy - uy * 2.5), f(cx + ux * 1.5), f(cy + uy * 1.5)),
           stroke='#9aa0b0', sw=16.5, cap='butt')
    s.path('M%s %s L%s %s' % (f(cx - ux * 2), f(cy - uy * 2), f(cx + ux * 1.2), f(cy + uy * 1.2)),
           stroke='#f7f7fb', sw=15, cap='butt')
    if hand:
        hx, hy = wx + ux * 6, wy + uy * 6
        draw_hand(s, g, hx, hy, ux, uy, hand_kind)


def draw_hand(s, g, hx, hy, ux, uy, kind='fist'):
    outline = mix(g.skin, '#6a3030', 0.55)
    if kind == 'cheek':
        # a relaxed open hand turned toward the face, fingers together
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z' % (
            f(hx + 5), f(hy + 4), f(hx + 7), f(hy - 6), f(hx - 1), f(hy - 13), f(hx - 6), f(hy - 12),
            f(hx - 5), f(hy - 4), f(hx - 4), f(hy + 5), f(hx + 5), f(hy + 4)), fill=g.skin, stroke=outline, sw=1.0)
        for k in (-2.5, 0, 2.5):
            s.path('M%s %s L%s %s' % (f(hx - 4 + k * 0.3), f(hy - 6 + k), f(hx + 1 + k * 0.5), f(hy - 9 + k * 1.3)),
                   stroke=outline, sw=0.6, op=0.5)
        return
    if kind == 'open':
        s.ellipse(hx, hy, 6.5, 8, g.skin, stroke=outline, sw=1.0)
        for k in (-4, -1.3, 1.3, 4):
            s.path('M%s %s L%s %s' % (f(hx + k), f(hy - 5), f(hx + k * 1.1), f(hy - 10)), stroke=outline, sw=3.4)
            s.path('M%s %s L%s %s' % (f(hx + k), f(hy - 5), f(hx + k * 1.1), f(hy - 10)), stroke=g.skin, sw=2.0)
    else:
        s.ellipse(hx, hy, 6.2, 6.8, g.skin, stroke=outline, sw=1.0)
        s.path('M%s %s q%s %s %s %s' % (f(hx - ux * 2 - uy * 3), f(hy - uy * 2 + ux * 3), f(ux * 3), f(uy * 3),
                                       f(ux * 5), f(uy * 4)), stroke=outline, sw=0.7, op=0.6)


POSES = {
    # arms: (left arm points, right arm points); left = viewer's left
    'down': ([SH_L, (63, 202), (66, 246)], [SH_R, (137, 202), (134, 246)]),
    'clasp': ([SH_L, (63, 200), (92, 238)], [SH_R, (137, 200), (108, 238)]),
    'chest': ([SH_L, (64, 204), (92, 188)], [SH_R, (136, 204), (108, 188)]),
    'letter': ([SH_L, (64, 206), (88, 196)], [SH_R, (136, 206), (112, 196)]),
    'wave': ([SH_L, (63, 202), (66, 246)], [SH_R, (152, 176), (156, 126)]),
    'wave_clasp': ([SH_L, (63, 202), (90, 236)], [SH_R, (152, 176), (156, 126)]),
    'cheek': ([SH_L, (62, 200), (84, 232)], [SH_R, (148, 190), (134, 138)]),
    'hip': ([SH_L, (50, 196), (72, 236)], [SH_R, (137, 202), (134, 246)]),
    'hip_cheek': ([SH_L, (48, 196), (72, 236)], [SH_R, (148, 190), (134, 138)]),
    'behind': ([SH_L, (62, 200), (72, 232)], [SH_R, (138, 200), (128, 232)]),
    'jacket': ([SH_L, (62, 204), (94, 212)], [SH_R, (137, 202), (134, 246)]),
    'jacket_wave': ([SH_L, (62, 204), (94, 212)], [SH_R, (152, 176), (156, 126)]),
    'offer': ([SH_L, (62, 196), (86, 200)], [SH_R, (138, 196), (114, 200)]),
    'mouth': ([SH_L, (63, 202), (88, 226)], [SH_R, (140, 196), (112, 122)]),
    'racket': ([SH_L, (63, 202), (66, 246)], [SH_R, (148, 190), (138, 150)]),
    'book': ([SH_L, (64, 206), (90, 192)], [SH_R, (136, 206), (110, 192)]),
    'tickets': ([SH_L, (64, 206), (88, 192)], [SH_R, (136, 206), (112, 192)]),
    'crossed': ([SH_L, (72, 208), (122, 194)], [SH_R, (128, 208), (80, 196)]),
}


def arms(s, g, pose, props):
    left, right = POSES[pose]
    behind = pose == 'behind'
    kinds = {'wave': 'open', 'wave_clasp': 'open', 'jacket_wave': 'open', 'cheek': 'cheek',
             'hip_cheek': 'cheek', 'mouth': 'cheek'}
    for arm, which in ((left, 'L'), (right, 'R')):
        hk = kinds.get(pose, 'fist') if which == 'R' else 'fist'
        if behind or pose in ('letter', 'book', 'tickets', 'offer', 'crossed'):
            sleeve(s, g, arm, hand=False)
        else:
            sleeve(s, g, arm, hand=True, hand_kind=hk)
    if pose == 'clasp':
        draw_hand(s, g, 100, 242, 0, 1)
    if pose == 'crossed':
        # the upper arm lies over the lower one; its hand tucked under the far elbow
        sleeve(s, g, left, hand=False)
    if 'tickets' in props:
        for k, (dx, rot) in enumerate(((-7, -8), (7, 6))):
            s.add('<g transform="translate(%s 190) rotate(%d)">' % (f(100 + dx), rot))
            s.path(poly([(-13, -7), (13, -7), (13, 7), (-13, 7)]), fill='#fdf4d8' if k else '#e8f4ec',
                   stroke='#8a8270', sw=0.8)
            s.path('M5 -7 L5 7', stroke='#8a8270', sw=0.6, op=0.8)
            s.circle(-4, 0, 3.5, g.ribbon, op=0.8)
            s.add('</g>')
        draw_hand(s, g, 88, 196, 0.4, 1)
        draw_hand(s, g, 112, 196, -0.4, 1)
    if 'letter' in props:
        s.path(poly([(80, 178), (120, 176), (121, 202), (81, 204)]), fill='#fbf6ea', stroke='#9a8e7a', sw=0.9)
        s.path('M80 178 L100 192 L120 176', stroke='#c8bca4', sw=0.9)
        heart(s, 100, 192, 3.2, g.ribbon)
        draw_hand(s, g, 86, 198, 0.4, 1)
        draw_hand(s, g, 114, 198, -0.4, 1)
    if 'book' in props:
        # a hardback held against her chest, fingers over its edges
        s.path(poly([(83, 172), (117, 170), (119, 212), (85, 214)]), fill='#7a2e3a', stroke='#3a141c', sw=1.0)
        s.path(poly([(86.5, 175.5), (114, 173.8), (115.6, 208.5), (88, 210.2)]), fill='none', stroke='#d8b860',
               sw=0.9)
        s.path('M85 214 L119 212 L119.5 215 L85.5 217 Z', fill='#efe6cc', stroke='#3a141c', sw=0.8)
        draw_hand(s, g, 84, 200, 0.6, 0.8)
        draw_hand(s, g, 118, 198, -0.6, 0.8)
    if 'cookies' in props:
        s.path(poly([(86, 180), (114, 180), (118, 214), (82, 214)]), fill='#d9a66a', stroke='#8a5a2a', sw=1.0)
        s.path('M86 180 L92 190 L98 180 L104 190 L110 180 L114 180', fill='none', stroke='#8a5a2a', sw=0.8)
        bow(s, 100, 192, g.ribbon, 0.55)
        for x, y in ((88, 176), (96, 174), (104, 175)):
            s.circle(x + 4, y + 2, 4.6, '#e8b872', stroke='#9a6a30', sw=0.8)
            s.circle(x + 3, y + 1, 0.9, '#6a3a1a')
            s.circle(x + 5.5, y + 3, 0.8, '#6a3a1a')
        draw_hand(s, g, 86, 204, 0, 1)
        draw_hand(s, g, 114, 204, 0, 1)
    if 'jacket' in props:
        trim = g.ribbon
        body = [(66, 206), (108, 208), (110, 236), (104, 262), (72, 264), (66, 236)]
        s.path(smooth(body), fill='#f6f3ea', stroke='#8a8ea0', sw=1.0)
        s.path('M74 208 Q70 236 76 262', stroke=trim, sw=3.0)
        s.path('M74 208 Q70 236 76 262', stroke='#ffffff', sw=0.8)
        s.path('M78 240 Q92 248 106 240', stroke='#d2d4dc', sw=1.0)
        s.path(poly([(88, 214), (102, 214), (104, 272), (90, 274)]), fill='#efece2', stroke='#8a8ea0', sw=1.0)
        s.path('M90.3 268 L103.7 266.5', stroke=trim, sw=4.0, cap='butt')
        s.path('M66 207 Q88 202 108 208', stroke=trim, sw=3.4)
        draw_hand(s, g, 101, 212, 1, 0.2)
    if 'racket' in props:
        # resting on her shoulder, head up behind it
        s.path('M137 158 L150 100', stroke='#30302e', sw=4.6)
        s.path('M137 158 L146 118', stroke='#f2f2ee', sw=3.4)
        s.path('M150 100 L145 84 M150 100 L159 86', stroke=g.ribbon, sw=2.6)
        s.ellipse(154, 62, 19, 25, '#ffffff', op=0.15)
        for k in range(-3, 4):
            s.path('M%s 40 L%s 84' % (f(154 + k * 5), f(154 + k * 5)), stroke='#e4e4dc', sw=0.6)
        for k in range(-4, 5):
            s.path('M137 %s L171 %s' % (f(62 + k * 5), f(62 + k * 5)), stroke='#e4e4dc', sw=0.6)
        s.ellipse(154, 62, 19, 25, 'none', stroke='#0f3a2a', sw=4.2)
        s.ellipse(154, 62, 19, 25, 'none', stroke=g.ribbon, sw=2.8)
        draw_hand(s, g, 138, 150, 0, -1)
    if 'wristband' in props:
        # white wristband on her right wrist (viewer's left arm)
        (ex, ey), (wx, wy) = left[-2], left[-1]
        s.path('M%s %s L%s %s' % (f(wx - (wx - ex) * 0.02), f(wy - (wy - ey) * 0.02),
                                  f(wx + (wx - ex) * 0.05), f(wy + (wy - ey) * 0.05)), stroke='#ffffff',
               sw=13, cap='butt')


def heart(s, x, y, r, c):
    s.path('M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z' % (
        f(x), f(y + r), f(x - r * 2), f(y - r * 0.3), f(x - r * 0.8), f(y - r * 1.6), f(x), f(y - r * 0.5),
        f(x + r * 0.8), f(y - r * 1.6), f(x + r * 2), f(y - r * 0.3), f(x), f(y + r)), fill=c)


# ----------------------------------------------------------------------------- whole figure
def figure(g, pose='down', expr=None, props=(), paint=None, shadow=False, s=None):
    s = s or Svg(paint or Paint())
    expr = expr or {}
    if shadow:
        s.ellipse(100, 472, 44, 7, '#000000', op=0.16)
    back_hair(s, g)
    if pose == 'behind':
        arms(s, g, pose, props)
    legs(s, g)
    skirt(s, g)
    torso(s, g)
    face(s, g, expr)
    front_hair(s, g, expr)
    brows(s, g, expr)
    if g.glasses:
        glasses(s, g)
    if pose != 'behind':
        arms(s, g, pose, props)
    return s


# ----------------------------------------------------------------------------- the two boys of the album
class Boy(Girl):
    pass


BOYS = {
    'kenji': Boy(hair='#18161e', hair_light='#4a4a5a', eyes='#4a3020', ribbon='#000000', style='spiky',
                 eye_h=0.72, lashes=0.75, brow_w=2.4),
    'kamiya': Boy(hair='#a4703e', hair_light='#e0b27a', eyes='#6a4020', ribbon='#000000', style='swept',
                  eye_h=0.78, lashes=0.8, brow_w=2.0),
}


def boy_bust(s, b, expr):
    gak = '#1a1c2a'
    line = '#07080e'
    # gakuran: square shoulders, standing collar, gold buttons
    s.path('M86 132 Q64 136 54 152 L50 230 L150 230 L146 152 Q136 136 114 132 Z', fill=gak, stroke=line, sw=1.2)
    s.path('M118 150 Q134 170 140 230 L124 230 Z', fill='#11131e', op=0.8)
    s.path('M100 160 L100 230', stroke=line, sw=1.0)
    for y in (168, 192, 216):
        s.circle(100, y, 2.8, '#d9b44a', stroke='#8a6a20', sw=0.7)
    face(s, b, expr)
    # collar: open for Kenji, hooked for the other boy
    if b.style == 'spiky':
        s.path('M86 128 L88 146 L100 160 L112 146 L114 128 Z', fill='#f4f4f8', stroke='#9aa0b0', sw=0.8)
        s.path('M86 128 L90 150 L100 162 L86 148 Z', fill=gak, stroke=line, sw=0.8)
        s.path('M114 128 L110 150 L100 162 L114 148 Z', fill=gak, stroke=line, sw=0.8)
    else:
        s.path('M86 126 L88 144 L112 144 L114 126 Q100 132 86 126 Z', fill=gak, stroke=line, sw=0.9)
        s.path('M88 126 Q100 131 112 126', stroke='#f4f4f8', sw=1.4)
    base, dk, hi = hair_colours(b)
    if b.style == 'spiky':
        spikes = [(56, 98), (44, 70), (60, 58), (50, 30), (74, 38), (76, 8), (94, 28), (106, 4), (116, 28),
                  (138, 14), (134, 40), (156, 38), (142, 60), (158, 76), (144, 96), (138, 70), (128, 76),
                  (122, 62), (112, 78), (104, 62), (94, 78), (86, 62), (76, 78), (68, 66), (62, 80)]
        s.path(poly(spikes), fill=base, stroke=dk, sw=1.2)
        s.path('M74 40 L84 48 M106 30 L110 42 M132 42 L124 50', stroke=hi, sw=2.0, op=0.5)
    else:
        tips = [((136, 60), (130, 86)), ((124, 52), (116, 80)), ((110, 50), (101, 76)), ((96, 52), (86, 72)),
                ((82, 56), (68, 78)), ((66, 70), (58, 96))]
        d = cap_path(15, 57, 96) + ' Q146 100 142 104 Q140 92 138 84' + locks((138, 84), tips, 5.0) + ' Z'
        s.path(d, fill=base, stroke=dk, sw=1.2)
        strands(s, b, ['M118 30 Q100 50 86 70', 'M132 40 Q120 60 112 78', 'M100 24 Q84 40 74 66'], 0.5)
        shine(s, b, 34, 28)
    brows(s, b, expr)
    if b.style != 'spiky':
        # a little sparkle: the year's star
        s.path('M140 30 L142 37 L149 39 L142 41 L140 48 L138 41 L131 39 L138 37 Z', fill='#fff6c0',
               stroke='#e0c060', sw=0.6)


# ----------------------------------------------------------------------------- scenes
WARM = Paint('#ffc890', 0.07)
INDOOR = Paint('#ffd49a', 0.08)
DUSK = Paint('#ff9c70', 0.13)
PLAIN = Paint()

SCENE_LIGHT = {'rooftop': WARM, 'musicroom': INDOOR, 'schoolyard': WARM, 'gym': INDOOR, 'pool': WARM,
               'tennis': WARM, 'garden': WARM, 'gate': DUSK}

# code, place, girl, pose, expression, props, centre x in the picture
ENCOUNTERS = [
    ('C14C', 'rooftop', 4, 'book', dict(eyes='soft', mouth='smile', brows='up', blush=2, look=-1.5), ('book',), 150),
    ('C16C', 'rooftop', 6, 'hip_cheek', dict(mouth='smile', look=1), (), 150),
    ('C17C', 'rooftop', 7, 'clasp', dict(eyes='soft', mouth='smile', brows='up', blush=2), (), 150),
    ('C21A', 'musicroom', 1, 'mouth', dict(eyes='wide', mouth='o', brows='up', blush=2), (), 118),
    ('C21B', 'musicroom', 1, 'clasp', dict(eyes='closed', mouth='wavy', brows='up', blush=2), (), 150),
    ('C22C', 'musicroom', 2, 'behind', dict(eyes='smile', mouth='open', blush=2), (), 126),
    ('C32C', 'schoolyard', 2, 'wave', dict(eyes='open', mouth='open'), (), 170),
    ('C34C', 'schoolyard', 4, 'book', dict(eyes='open', mouth='flat', brows='up', blush=1, look=1.5), ('book',), 186),
    ('C35A', 'schoolyard', 5, 'jacket', dict(eyes='soft', mouth='o', brows='up', look=1.5), ('jacket',), 180),
    ('C35B', 'schoolyard', 5, 'jacket_wave', dict(eyes='smile', mouth='grin'), ('jacket',), 170),
    ('C37C', 'schoolyard', 7, 'clasp', dict(eyes='open', mouth='smile', brows='up', blush=2), (), 186),
    ('C43C', 'gym', 3, 'crossed', dict(eyes='open', mouth='pout', brows='cross', look=-1.5), ('wristband',), 150),
    ('C45C', 'gym', 5, 'jacket', dict(eyes='open', mouth='open'), ('jacket',), 150),
    ('C46C', 'gym', 6, 'hip', dict(eyes='open', mouth='smile'), (), 150),
    ('C52C', 'pool', 2, 'behind', dict(eyes='open', mouth='grin', look=1.5), (), 150),
    ('C56C', 'pool', 6, 'hip_cheek', dict(eyes='smile', mouth='open'), (), 150),
    ('C63C', 'tennis', 3, 'racket', dict(eyes='open', mouth='smile', look=-1), ('racket', 'wristband'), 150),
    ('C65C', 'tennis', 5, 'wave', dict(eyes='open', mouth='open'), ('wristband_no',), 150),
    ('C71C', 'garden', 1, 'clasp', dict(eyes='soft', mouth='smile'), (), 210),
    ('C72A', 'garden', 2, 'wave_clasp', dict(eyes='open', mouth='open'), (), 200),
    ('C72B', 'garden', 2, 'offer', dict(eyes='smile', mouth='open', blush=2), ('cookies',), 160),
    ('C76C', 'garden', 6, 'hip', dict(eyes='open', mouth='smile', look=-1), (), 200),
]

GATE = [
    ('C81C', 1, 'clasp', dict(eyes='soft', mouth='smile', brows='up', blush=2), ()),
    ('C82C', 2, 'chest', dict(eyes='open', mouth='open', brows='up', blush=2), ()),
    ('C83C', 3, 'tickets', dict(eyes='open', mouth='pout', brows='up', blush=2, look=-2), ('tickets', 'wristband')),
    ('C84C', 4, 'letter', dict(eyes='soft', mouth='wavy', brows='up', blush=2), ('letter',)),
    ('C85C', 5, 'chest', dict(eyes='open', mouth='o', brows='up', blush=2), ()),
    ('C86C', 6, 'cheek', dict(eyes='soft', mouth='smile', blush=2), ()),
    ('C87C', 7, 'letter', dict(eyes='soft', mouth='wavy', brows='up', blush=2), ('letter',)),
    ('C88C', 8, 'behind', dict(eyes='open', mouth='pout', brows='up', blush=2, look=-2), ()),
    ('C89C', 9, 'chest', dict(eyes='open', mouth='open', blush=2), ()),
]

ENC_SCALE, ENC_GROUND = 0.6, 296.0
GATE_SCALE, GATE_TOP = 0.86, 8.0
FEET = 475.0


def place(x_centre, ground, scale):
    return x_centre - 100 * scale, ground - FEET * scale


def portrait(g, expr, size_bg):
    s = Svg(PLAIN)
    x0, y0, w = 50, 30, 100
    s.add('<rect x="%d" y="%d" width="%d" height="%d" rx="10" fill="%s"/>' % (x0, y0, w, w, light(g.ribbon, 0.72)))
    figure(g, 'down', expr, s=s)
    s.add('<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="none" stroke="%s" stroke-width="4"/>'
          % (f(x0 + 1.5), f(y0 + 1.5), f(w - 3), f(w - 3), light(g.ribbon, 0.1)))
    return s.text(32, 32, (x0, y0, w, w))


def hostess(g, pose, expr):
    s = Svg(PLAIN)
    sc = 300 / 490.0
    w = 145 / sc
    glow = s.rgrad([(0, '#ffffff', 0.85), (0.7, '#ffffff', 0.35), (1, '#ffffff', 0)])
    s.ellipse(100, 300, 110, 230, glow)
    s.ellipse(100, 472, 50, 8, '#207080', op=0.22)
    figure(g, pose, expr, s=s)
    return s.text(145, 300, (100 - w / 2, -8, w, 490))


ALBUM_W, ALBUM_H = 521, 446


def album_rects():
    r = []
    for k in range(6):
        r.append((8 + 128 * (k % 3), 16 + 200 * (k // 3), 121, 185))
    r.append((432, 16, 89, 185))
    r.append((432, 216, 89, 185))
    return r


def album():
    s = Svg(PLAIN)
    rects = album_rects()
    backs = ['#b9c6d8', '#c6cfe0', '#b6c8d6', '#c0c8da', '#bccbd8', '#c4cadc', '#b4c0cc', '#bcc4d0']
    people = [GIRLS[1], GIRLS[2], GIRLS[3], GIRLS[4], GIRLS[5], GIRLS[6], 'kenji', 'kamiya']
    for (x, y, w, h), who, back in zip(rects, people, backs):
        bgd = s.grad([(0, light(back, 0.45)), (1, dark(back, 0.12))])
        s.add('<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (x, y, w, h, bgd))
        glow = s.rgrad([(0, '#ffffff', 0.55), (1, '#ffffff', 0)])
        s.ellipse(x + w / 2, y + h * 0.4, w * 0.55, h * 0.4, glow)
        if isinstance(who, str):
            sc = 0.9
            s.add('<g transform="translate(%s %s) scale(%s)">' % (f(x + w / 2 - 100 * sc), f(y + 14 - 14 * sc), f(sc)))
            boy_bust(s, BOYS[who], dict(mouth='grin' if who == 'kenji' else 'smile', blush=0,
                                        eyes='open', brows='normal'))
        else:
            sc = 0.98
            s.add('<g transform="translate(%s %s) scale(%s)">' % (f(x + w / 2 - 100 * sc), f(y + 10 - 12 * sc), f(sc)))
            figure(who, 'down', dict(mouth='smile', eyes='open', blush=1), s=s)
        s.add('</g>')
    # the page itself, laid over the photos with a hole for each: the photos show only inside their frames
    d = 'M0 0 L%d 0 L%d %d L0 %d Z' % (ALBUM_W, ALBUM_W, ALBUM_H, ALBUM_H)
    for x, y, w, h in rects:
        d += ' M%d %d L%d %d L%d %d L%d %d Z' % (x, y, x, y + h, x + w, y + h, x + w, y)
    paper = s.grad([(0, '#fbf7ec'), (1, '#efe6d2')], 0, 0, 1, 1)
    s.add('<path d="%s" fill="%s" fill-rule="evenodd"/>' % (d, paper))
    # navy band at the top and a thin gold rule, as in the school's album
    s.add('<rect x="0" y="0" width="%d" height="7" fill="#26305a"/>' % ALBUM_W)
    s.add('<path d="M0 9 L%d 9" stroke="#c8a24a" stroke-width="1.2"/>' % ALBUM_W)
    s.add('<path d="M0 420 L%d 420" stroke="#c8a24a" stroke-width="0.8" opacity="0.7"/>' % ALBUM_W)
    for x, y, w, h in rects:
        s.add('<rect x="%s" y="%s" width="%d" height="%d" fill="none" stroke="#000000" stroke-width="3" '
              'opacity="0.10"/>' % (f(x + 1.5), f(y + 2.5), w, h))
        s.add('<rect x="%s" y="%s" width="%d" height="%d" fill="none" stroke="#ffffff" stroke-width="2"/>'
              % (f(x - 1), f(y - 1), w + 2, h + 2))
        s.add('<rect x="%s" y="%s" width="%d" height="%d" fill="none" stroke="#b8a888" stroke-width="0.8"/>'
              % (f(x - 2.2), f(y - 2.2), w + 4.4, h + 4.4))
        # gold photo corners
        for cx, cy, sx, sy in ((x - 2, y - 2, 1, 1), (x + w + 2, y - 2, -1, 1), (x - 2, y + h + 2, 1, -1),
                               (x + w + 2, y + h + 2, -1, -1)):
            s.add('<path d="M%s %s l%s 0 l%s %s Z" fill="#c8a24a" opacity="0.9"/>' % (
                f(cx), f(cy), f(sx * 11), f(-sx * 11), f(sy * 11)))
    # a few cherry blossoms pressed between the columns
    import math
    for cx, cy, r, rot in ((408, 60, 6, 10), (416, 150, 4.5, 40), (404, 236, 5.5, 70), (414, 330, 4, 20),
                           (406, 392, 5, 55)):
        for k in range(5):
            a = math.radians(rot + k * 72)
            px, py = cx + r * math.cos(a), cy + r * math.sin(a)
            s.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#f6c0cc" stroke="#e08ea2" stroke-width="0.5" '
                  'transform="rotate(%s %s %s)"/>' % (f(px), f(py), f(r * 0.62), f(r * 0.45),
                                                      f(rot + k * 72), f(px), f(py)))
        s.add('<circle cx="%s" cy="%s" r="%s" fill="#e4708a"/>' % (f(cx), f(cy), f(r * 0.3)))
    return s.text(ALBUM_W, ALBUM_H)


def write(name, text):
    with open(os.path.join(HERE, name), 'w', encoding='utf-8') as fh:
        fh.write(text)


def main():
    lines = ['# Pictures with the girls, drawn by make_girls.py in girls/ (which also writes this list).',
             '# OUTPUT WIDTH HEIGHT LAYER...; the girl is drawn at her own size over the place.', '']
    lines.append('# encounters on the campus: knees up, all girls on one ground line')
    for code, where, n, pose, expr, props, xc in ENCOUNTERS:
        g = GIRLS[n]
        name = code.lower() + '.svg'
        write(name, figure(g, pose, expr, props, SCENE_LIGHT[where]).text(200, 520))
        sc = ENC_SCALE * g.height
        x, y = place(xc, ENC_GROUND, sc)
        lines.append('%s.DBL 300 200 places/%s.svg girls/%s@%s,%s,%s' % (code, where, name, f(x), f(y), '%.3f' % sc))
    lines.append('')
    lines.append('# confessions at the gate: waist up, closer')
    for code, n, pose, expr, props in GATE:
        g = GIRLS[n]
        name = code.lower() + '.svg'
        write(name, figure(g, pose, expr, props, DUSK).text(200, 520))
        sc = GATE_SCALE * (1 + (g.height - 1) * 0.4)
        crown = 4 if g.style == 'wavy' else 16  # her hair bow stands above her head
        x, y = 150 - 100 * sc, GATE_TOP - crown * sc
        lines.append('%s.DBL 300 200 places/gate.svg girls/%s@%s,%s,%s' % (code, name, f(x), f(y), '%.3f' % sc))
    lines.append('')
    lines.append('# data room portraits')
    for n in range(1, 10):
        name = 'face%d.svg' % n
        write(name, portrait(GIRLS[n], dict(mouth='smile', blush=1), True))
        lines.append('face%d.png 32 32 girls/%s' % (n, name))
    lines.append('')
    lines.append('# start screen hostesses')
    write('hostess8.svg', hostess(GIRLS[8], 'hip', dict(eyes='open', mouth='smile', look=1)))
    write('hostess9.svg', hostess(GIRLS[9], 'wave', dict(eyes='open', mouth='open')))
    lines.append('hostess8.png 145 300 girls/hostess8.svg')
    lines.append('hostess9.png 145 300 girls/hostess9.svg')
    lines.append('')
    lines.append('# the class album page of 3-B')
    write('album.svg', album())
    lines.append('album.png %d %d girls/album.svg' % (ALBUM_W, ALBUM_H))
    with open(os.path.join(HERE, '..', 'girls.list'), 'w', encoding='utf-8') as fh:
        fh.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
