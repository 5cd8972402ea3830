"""Face, eyes, brows and mouth. Each girl brings her own face (Girl.eye, .brow, .mouth_w, .jaw, ...): the
shape and tilt of her eyes, her brows, the width and colour of her mouth, the line of her jaw. The picture
brings the expression (a dict: eyes, look, brows, mouth, blush, and the extras drawn over the face: tears,
sweat, breath, wink)."""
import math

from .svg import mix, dark, light, f, poly, bezier, tapered

# The eye's lids in its own frame: x toward the outer corner, y down, one unit as in the figure. Each
# shape gives the upper lid (inner corner, two controls, outer corner) and the lower lid's two controls
# (from the outer corner back to the inner one).
LIDS = {
    # soft and round: an even arch
    'round': ((-9, 1.5), (-7.5, -8.5), (4.5, -12.5), (10, -1.5), (9.5, 7.5), (-3.5, 11.5)),
    # long and calm, the lid heavier toward the outer corner
    'almond': ((-9, 2), (-7, -7), (4, -11), (11, -0.5), (9.5, 6), (-3, 9.5)),
    # sharp: a straight lid that rises to a corner near the outside, a flat lower lid
    'sharp': ((-9, 3), (-6.5, -5.5), (3.5, -11.5), (11.5, -4.5), (10, 3.5), (0, 8.5)),
    # elegant, the lid lowered: she looks at him from under it
    'heavy': ((-9, 2), (-7, -5), (4, -9.5), (11.5, -1.5), (9.5, 6), (-3, 9.5)),
    # bright and lively, a squared outer corner
    'bright': ((-9, 1.5), (-7.5, -9.5), (5, -12.5), (10.5, -3), (10, 6.5), (-3.5, 11)),
}


class Eye:
    """One eye's frame: mirrored for the side, tilted about its centre (outer corner up for tilt > 0)."""

    def __init__(self, g, side, cy):
        e = g.eye
        self.cx = 100 - side * e.get('gap', 17)
        self.cy = cy
        self.side = side
        self.w, self.h = e.get('w', 1.0), g.eye_h
        a = math.radians(e.get('tilt', g.eye_tilt * 2.0))
        self.ca, self.sa = math.cos(a), math.sin(a)

    def P(self, x, y):
        x, y = x * self.w, y * self.h
        xr, yr = x * self.ca + y * self.sa, -x * self.sa + y * self.ca
        return self.cx - self.side * xr, self.cy + yr


def neck(s, g):
    """The neck, drawn before the blouse and blazer so that it goes down into the collar: a little wider
    at its base, with the shadow under the chin."""
    skin = g.skin
    sh = mix(skin, '#d08a80', 0.35)
    outline = mix(skin, '#6a3030', 0.55)
    s.path('M91.5 104 L91 134 Q90 142 88.5 148 L111.5 148 Q110 142 109 134 L108.5 104 Z', fill=skin)
    s.path('M91.5 104 L91 134 Q90 142 88.5 148 M108.5 104 L109 134 Q110 142 111.5 148', stroke=outline, sw=1.0)
    s.path('M91.3 112 Q100 128 108.7 112 L108.9 126 Q100 134 91.1 126 Z', fill=sh)


def face(s, g, expr, with_neck=True):
    skin = g.skin
    sh = mix(skin, '#d08a80', 0.35)
    outline = mix(skin, '#6a3030', 0.55)
    if with_neck:
        # neck with the shadow under the chin
        s.path(poly([(91, 104), (91, 140), (109, 140), (109, 104)]), fill=skin, stroke=outline, sw=1.0)
        s.path('M91 112 Q100 128 109 112 L109 126 Q100 134 91 126 Z', fill=sh)
    # ears
    for side in (1, -1):
        s.ellipse(100 - side * 36, 88, 5, 8, skin, stroke=outline, sw=1.0)
    # skull, cheeks and the jaw that is hers: slim and long, soft and round, or between
    jaw = g.jaw
    if jaw == 'slim':
        d = 'M63.5 70 C62 40 80 28 100 28 C120 28 138 40 136.5 70 C136 96 117 117 100 123 C83 117 64 96 63.5 70 Z'
    elif jaw == 'round':
        d = 'M62.5 70 C62 40 80 28 100 28 C120 28 138 40 137.5 70 C138.5 98 121 114 100 118.5 C79 114 61.5 98 62.5 70 Z'
    elif jaw == 'boy':
        d = 'M63 70 C62 40 80 28 100 28 C120 28 138 40 137 70 C137 94 122 112 104 119 L96 119 C78 112 63 94 63 70 Z'
    else:
        d = 'M63 70 C62 40 80 28 100 28 C120 28 138 40 137 70 C137 96 118 116 100 121 C82 116 63 96 63 70 Z'
    s.path(d, fill=skin, stroke=outline, sw=1.1)
    eyes(s, g, expr)
    nose(s, g)
    mouth(s, g, expr)
    blush = expr.get('blush', 1)
    if blush:
        for side in (1, -1):
            s.ellipse(100 - side * 22, 103 + g.feature_y, 8, 4, '#ff8098', op=0.30 + 0.18 * blush)
            if blush > 1:
                for k in range(3):
                    x = 100 - side * 22 - 4 + k * 3.5
                    y = 101 + g.feature_y
                    s.path('M%s %s L%s %s' % (f(x + 1.5), f(y), f(x - 0.5), f(y + 4)), stroke='#e0506a', sw=0.8,
                           op=0.7)


def nose(s, g):
    skin = g.skin
    c = mix(skin, '#b06050', 0.6)
    y = 100 + g.feature_y
    kind = g.nose
    if kind == 'dot':
        s.path('M100 %s q1.2 1.2 0 2' % f(y + 2), stroke=c, sw=1.0)
    elif kind == 'fine':
        # the bridge's light side and a small shadow under the tip
        s.path('M101.5 %s Q102.5 %s 101 %s' % (f(y - 5), f(y), f(y + 3.5)), stroke=c, sw=0.7, op=0.55)
        s.path('M99 %s Q100.5 %s 102 %s' % (f(y + 4), f(y + 4.8), f(y + 3.8)), stroke=c, sw=0.9)
    else:
        s.path('M100.5 %s Q102 %s 100 %s' % (f(y), f(y + 3), f(y + 4)), stroke=c, sw=1.0)


def eyes(s, g, expr):
    kind = expr.get('eyes', 'open')
    look = expr.get('look', 0.0)  # sideways glance, units (+ = toward the viewer's right)
    lash = g.lash
    e = g.eye
    cy = 91 + g.feature_y
    shape = LIDS[e.get('lid', 'round')]
    i0, c1, c2, o0, c3, c4 = shape
    for side in (1, -1):  # 1 = the eye on the viewer's left
        E = Eye(g, side, cy)
        P = E.P
        if kind in ('smile', 'squeeze', 'closed') or (expr.get('wink') and side == -1):
            shut(s, g, E, 'wink' if kind not in ('smile', 'squeeze', 'closed') else kind)
            continue
        top_drop = 0.0
        if kind == 'soft':
            top_drop = 3.2
        elif kind == 'wide':
            top_drop = -1.6
        up = [(x, y + top_drop * math.sin(math.pi * k / 14)) for k, (x, y) in enumerate(bezier(i0, c1, c2, o0, 14))]
        low = bezier(o0, c3, c4, i0, 10)
        if kind == 'wide':
            low = [(x, y + 1.2 * math.sin(math.pi * k / 10)) for k, (x, y) in enumerate(low)]
        white = [P(x, y) for x, y in up + low[1:-1]]
        s.path(poly(white), fill='#ffffff')
        # iris, pupil and catch-lights, upright whatever the tilt, then the lids drawn over them
        ix, iy = P(0.5, 1.0)
        ix += look
        sc = e.get('iris', 1.0) * (0.87 if kind == 'wide' else 1.0)
        rx, ry = 6.9 * sc * E.w, 9.4 * sc * E.h
        iris = s.grad([(0, dark(g.eyes, e.get('iris_top', 0.6))), (0.55, g.eyes),
                       (1, light(g.eyes, e.get('iris_lit', 0.5)))])
        s.ellipse(ix, iy, rx, ry, iris, stroke=dark(g.eyes, 0.65), sw=0.8)
        s.ellipse(ix, iy + 0.6, rx * e.get('pupil', 0.45), ry * 0.48, dark(g.eyes, 0.78))
        s.path('M%s %s Q%s %s %s %s' % (f(ix - rx * 0.75), f(iy + ry * 0.45), f(ix), f(iy + ry * 0.95),
                                         f(ix + rx * 0.75), f(iy + ry * 0.45)),
               stroke=light(g.eyes, e.get('rim_lit', 0.7)), sw=1.2, op=0.7)
        hl = e.get('shine', 1.0)
        s.ellipse(ix - 2.4 * E.w, iy - ry * 0.42, 2.5 * hl, 3.1 * hl, '#ffffff')
        s.circle(ix + 2.6 * E.w, iy + ry * 0.38, 1.3 * hl, '#ffffff', op=0.95)
        if e.get('sparkle'):
            s.circle(ix + 1.4, iy - ry * 0.55, 0.9, '#ffffff')
        # skin over whatever of the iris lies outside the lids
        skin = g.skin
        above = [P(x, y) for x, y in up] + [P(x, y - 7) for x, y in up[::-1]]
        s.path(poly(above), fill=skin)
        below = [P(x, y) for x, y in low] + [P(x, y + 5) for x, y in low[::-1]]
        s.path(poly(below), fill=skin)
        # lid shadow over the top of the iris
        shade = [P(x, y) for x, y in up] + [P(x, y + 3.2) for x, y in up[::-1]]
        s.path(poly(shade), fill=dark(g.eyes, 0.5), op=0.3)
        # upper lid: heavy toward the outer corner, thinning toward the nose
        lw = 2.6 * g.lashes
        s.path(tapered([P(x, y) for x, y in up], lambda t: lw * (0.35 + 0.75 * t ** 0.8)), fill=lash)
        # lashes flicking out past the outer corner
        ox, oy = o0
        for k in range(e.get('flicks', 1)):
            a = -0.5 - 0.45 * k if e.get('flick_up', True) else 0.35 - 0.4 * k
            L = 3.2 + 0.4 * g.lashes
            pts_ = [P(ox - 0.5, oy + 0.3 * k), P(ox + L * math.cos(a) * 0.7, oy + L * math.sin(a) * 0.7),
                    P(ox + L * math.cos(a), oy + L * math.sin(a))]
            s.path(tapered(pts_, (1.6, 1.0, 0.2)), fill=lash)
        # the inner corner's little tick and the crease above the lid
        s.path('M%s %s L%s %s' % (f(P(*i0)[0]), f(P(*i0)[1]), f(P(i0[0] - 0.5, i0[1] + 2.5)[0]),
                                  f(P(i0[0] - 0.5, i0[1] + 2.5)[1])), stroke=lash, sw=0.9)
        if e.get('crease', kind == 'soft'):
            # the fold of the lid, just above it and following its line, fading at both ends
            seg = up[4:14]
            cr = [P(x, y - 3.0 - 0.8 * math.sin(math.pi * k / (len(seg) - 1))) for k, (x, y) in enumerate(seg)]
            s.path(tapered(cr, lambda t: 0.9 * math.sin(math.pi * t) ** 0.8 + 0.05), fill=mix(lash, skin, 0.5),
                   op=0.75)
        # lower lash: a light short stroke
        lo = [P(x, y) for x, y in low[2:-2]]
        s.path(tapered(lo, lambda t: e.get('lower', 1.0) * (1.3 * math.sin(math.pi * t) + 0.1)),
               fill=mix(lash, skin, 0.35))


def shut(s, g, E, kind):
    """Eyes shut: smiling arcs, screwed tight (> <), closed in tears, or the wink's one eye."""
    P = E.P
    lash = g.lash
    if kind == 'smile' or kind == 'wink':
        pts_ = [P(x, y) for x, y in bezier((-9, 2), (-5, -6), (5, -6.5), (9.5, 1), 10)]
        s.path(tapered(pts_, lambda t: 0.6 + 2.0 * math.sin(math.pi * t)), fill=lash)
    elif kind == 'squeeze':
        pts_ = [P(9, -6), P(-6, 0), P(9, 5)]
        s.path('M%s %s L%s %s L%s %s' % (pts_[0] + pts_[1] + pts_[2]), stroke=lash, sw=2.4)
    else:
        pts_ = [P(x, y) for x, y in bezier((-8.5, 0), (-4, 5), (5, 5), (10, -0.5), 10)]
        s.path(tapered(pts_, lambda t: 0.6 + 1.8 * t), fill=lash)
        for k in range(2):
            a = P(9.5 - k * 2.5, 0.5 + k * 1.2)
            b = P(11.5 - k * 2.5, 2.8 + k * 1.4)
            s.path('M%s %s L%s %s' % (a + b), stroke=lash, sw=0.9)


# Her brows in the eye's frame (x toward the outer corner), inner end, middle, outer end; y above the
# eye's centre. 'up' raises the inner ends (worried, shy), 'cross' lowers them (annoyed).
BROWS = {
    'straight': ((-9, -14), (1, -15.5), (10, -14.3)),   # calm, level, thin
    'round': ((-7, -17), (0.5, -20.5), (8, -18)),        # short, high and round
    'angled': ((-9, -13.5), (3, -17.5), (11, -17)),     # rising to the outside, firm
    'soft': ((-9, -15), (0, -16.8), (9, -14.5)),        # thin and low
    'thick': ((-9, -15.5), (1, -18), (10, -16.5)),      # strong and straight
    'arched': ((-9, -16), (3.5, -21), (11.5, -16.5)),   # high, thin, arched at the outer third
}


def brows(s, g, expr):
    brow_c = g.brow_c or mix(g.hair, '#3a2020', 0.3)
    mood = expr.get('brows', 'normal')
    kind = g.brow
    (x0, y0), (x1, y1), (x2, y2) = BROWS[kind]
    if mood == 'up':
        y0 -= 3.5
        y1 -= 1.0
        y2 += 1.0
    elif mood == 'cross':
        y0 += 2.5
        y2 -= 0.5
    widths = {'thick': (2.6, 2.4, 0.8), 'angled': (2.4, 1.9, 0.6), 'straight': (1.6, 1.4, 0.5),
              'arched': (1.4, 1.3, 0.4), 'soft': (1.5, 1.2, 0.5), 'round': (1.8, 1.6, 0.7)}[kind]
    k = g.brow_w / 1.3
    cy = 91 + g.feature_y
    for side in (1, -1):
        E = Eye(g, side, cy)
        # brows follow the eye's place and width, not its tilt
        cx = E.cx

        def P(x, y):
            return cx - side * x * E.w, cy + y

        pts_ = [P(x, y) for x, y in bezier((x0, y0), (x0 + (x1 - x0) * 0.7, y1), (x1 + (x2 - x1) * 0.4, y1),
                                            (x2, y2), 10)]
        a, b, c = widths
        s.path(tapered(pts_, lambda t: k * ((a + (b - a) * t * 2) if t < 0.5 else (b + (c - b) * (t - 0.5) * 2))),
               fill=brow_c, op=0.92)


def mouth(s, g, expr):
    kind = expr.get('mouth', 'smile')
    lip = g.lip
    y = 111 + g.feature_y
    w = g.mouth_w
    sm = g.smirk  # the right corner (viewer's left) lifts: a one-sided smile

    def X(dx):
        return 100 + dx * w

    if kind == 'smile':
        s.path('M%s %s Q%s %s %s %s' % (f(X(-5)), f(y - sm), f(X(0.3)), f(y + 3.5 - sm * 0.3), f(X(5)),
                                         f(y + sm * 0.2)), stroke=lip, sw=1.2)
        if g.lips:
            s.path('M%s %s Q%s %s %s %s' % (f(X(-1.6)), f(y + 3.6), f(X(0)), f(y + 4.5), f(X(1.6)), f(y + 3.6)),
                   stroke=g.lips, sw=0.9, op=0.7)
    elif kind == 'open':
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(X(-6)), f(y - 1), f(X(0)), f(y - 0.5), f(X(6)), f(y - 1),
                                                       f(X(0)), f(y + 8), f(X(-6)), f(y - 1)),
               fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(X(-3)), f(y + 4.5), f(X(0)), f(y + 3), f(X(3)),
                                                       f(y + 4.5), f(X(0)), f(y + 6.6), f(X(-3)), f(y + 4.5)),
               fill='#ec8a8a')
    elif kind == 'pant':
        # out of breath: the mouth open round, the upper teeth showing
        s.path('M94.5 %s Q100 %s 105.5 %s Q105 %s 100 %s Q95 %s 94.5 %s Z' % (
            f(y - 1.5), f(y - 3), f(y - 1.5), f(y + 7), f(y + 8.5), f(y + 7), f(y - 1.5)),
            fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M95.8 %s Q100 %s 104.2 %s L104 %s Q100 %s 96 %s Z' % (
            f(y - 1), f(y - 2.2), f(y - 1), f(y + 0.4), f(y - 0.6), f(y + 0.4)), fill='#ffffff')
        s.path('M97 %s Q100 %s 103 %s Q100 %s 97 %s Z' % (f(y + 6), f(y + 4), f(y + 6), f(y + 8), f(y + 6)),
               fill='#ec8a8a')
    elif kind == 'o':
        # lips parted on a word she cannot finish: small, soft, a little wider than high
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(X(-2.6)), f(y + 1), f(X(0)), f(y - 0.6), f(X(2.6)),
                                                       f(y + 1), f(X(0)), f(y + 4.2), f(X(-2.6)), f(y + 1)),
               fill='#b04a50', stroke='#8a3434', sw=0.7)
        s.path('M%s %s Q%s %s %s %s' % (f(X(-1.2)), f(y + 2.8), f(X(0)), f(y + 3.5), f(X(1.2)), f(y + 2.8)),
               stroke='#e08a8a', sw=0.8)
    elif kind == 'part':
        # lips just parted on an unfinished word: a small, shy opening, wider than high, softly smiling
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(X(-3.6)), f(y + 0.6), f(X(0)), f(y + 0.2), f(X(3.6)),
                                                       f(y + 0.6), f(X(0)), f(y + 3.4), f(X(-3.6)), f(y + 0.6)),
               fill='#b85a5e', stroke='#8a3a3c', sw=0.6)
        s.path('M%s %s Q%s %s %s %s' % (f(X(-4.6)), f(y - 0.2), f(X(-4.2)), f(y + 0.8), f(X(-3.4)), f(y + 0.9)),
               stroke=lip, sw=0.8)
        s.path('M%s %s Q%s %s %s %s' % (f(X(4.6)), f(y - 0.2), f(X(4.2)), f(y + 0.8), f(X(3.4)), f(y + 0.9)),
               stroke=lip, sw=0.8)
    elif kind == 'flat':
        s.path('M%s %s Q%s %s %s %s' % (f(X(-3.5)), f(y + 1), f(X(0)), f(y + 1.8), f(X(3.5)), f(y + 1)),
               stroke=lip, sw=1.1)
    elif kind == 'wavy':
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s' % (f(X(-5)), f(y + 1), f(X(-2.5)), f(y - 1), f(X(0)), f(y + 1),
                                                     f(X(2.5)), f(y + 3), f(X(5)), f(y + 1)), stroke=lip, sw=1.1)
    elif kind == 'pout':
        s.path('M%s %s Q%s %s %s %s' % (f(X(-4)), f(y + 2 - sm * 0.5), f(X(0)), f(y - 1), f(X(4)), f(y + 2)),
               stroke=lip, sw=1.2)
    elif kind == 'grin':
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z' % (
            f(X(-7.5)), f(y - 2), f(X(0)), f(y - 0.5), f(X(7.5)), f(y - 2), f(X(6)), f(y + 8), f(X(0)), f(y + 9),
            f(X(-6)), f(y + 8), f(X(-7.5)), f(y - 2)), fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Z' % (
            f(X(-6)), f(y - 1.4), f(X(0)), f(y - 0.2), f(X(6)), f(y - 1.4), f(X(5.5)), f(y + 0.6), f(X(0)),
            f(y + 1.8), f(X(-5.5)), f(y + 0.6)), fill='#ffffff')
        if g.fang:
            s.path('M%s %s L%s %s L%s %s Z' % (f(X(3.2)), f(y), f(X(4.2)), f(y + 2.8), f(X(5.2)), f(y - 0.2)),
                   fill='#ffffff')
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(X(-3.5)), f(y + 6), f(X(0)), f(y + 4), f(X(3.5)), f(y + 6),
                                                       f(X(0)), f(y + 8.6), f(X(-3.5)), f(y + 6)), fill='#ec8a8a')


def glasses(s, g):
    rim = '#9aa0ac'
    cy = 91 + g.feature_y
    for side in (1, -1):
        cx = 100 - side * 17
        s.ellipse(cx, cy, 12.5, 12, '#dfeeff', op=0.18)
        s.ellipse(cx, cy, 12.5, 12, 'none', stroke=rim, sw=1.4)
        s.path('M%s %s Q%s %s %s %s' % (f(cx - 7), f(cy - 5), f(cx - 4), f(cy - 9), f(cx - 1), f(cy - 7)),
               stroke='#ffffff', sw=1.3, op=0.8)
    s.path('M95.5 %s Q100 %s 104.5 %s' % (f(cy - 2), f(cy - 4.5), f(cy - 2)), stroke=rim, sw=1.2)
    s.path('M70.5 %s L64 %s' % (f(cy - 3), f(cy - 5)), stroke=rim, sw=1.2)
    s.path('M129.5 %s L136 %s' % (f(cy - 3), f(cy - 5)), stroke=rim, sw=1.2)


def tear(s, x0, y0, x1, y1, bend, w):
    """A tear running down the cheek: a clear wet streak brighter than the skin, widest where it leaves the
    eye and thinning down the cheek, gathering into a pointed drop at its end; a line of light along it,
    only a faint blue edge, so that it reads as water catching the light and not as a grey rod."""
    pts_ = bezier((x0, y0), (x0 + bend, y0 + (y1 - y0) * 0.35), (x1 + bend * 0.6, y0 + (y1 - y0) * 0.7),
                  (x1, y1), 14)

    def width(t):
        return w * (1.0 - 0.62 * t ** 0.7)

    s.path(tapered(pts_, width), fill='#f2faff', op=0.72)
    # the faint shaded edge on the lower half, and the light along the upper part
    right = [(x + width(i / 14) * 0.45, y) for i, (x, y) in enumerate(pts_)][6:]
    s.path('M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in right), stroke='#8cb8dc', sw=0.45, op=0.45)
    s.path(tapered([(x - width(i / 14) * 0.18, y) for i, (x, y) in enumerate(pts_[:10])],
                   lambda t: 0.75 * math.sin(math.pi * t) ** 0.6 + 0.05), fill='#ffffff', op=0.95)
    # the drop: pointed where the streak feeds it, round below
    r = w * 1.05
    drop = [(0, -0.9), (0.4, -0.2), (1.0, 0.3), (1.0, 0.9), (1.0, 1.45), (0.55, 1.8), (0, 1.8),
            (-0.55, 1.8), (-1.0, 1.45), (-1.0, 0.9), (-1.0, 0.3), (-0.4, -0.2), (0, -0.9)]
    q = ['%s %s' % (f(x1 + a * r), f(y1 + b * r)) for a, b in drop]
    s.path('M%s C%s %s %s C%s %s %s C%s %s %s C%s %s %s Z' % tuple(q),
        fill='#eef8ff', stroke='#8cb8dc', sw=0.45, op=0.9)
    s.circle(x1 - r * 0.35, y1 + r * 0.55, r * 0.38, '#ffffff')


def extras(s, g, expr):
    """What lies over the face: tears, sweat, breath. Drawn after the fringe and glasses."""
    tears = expr.get('tears', 0)
    cy = 91 + g.feature_y
    if tears:
        for side in expr.get('tear_sides', (1, -1)):
            E = Eye(g, side, cy)
            # the eye brimming: a wet shine along the lower lid
            a, b, c = E.P(-6, 7.5), E.P(0.5, 10.5), E.P(7, 6.5)
            s.path('M%s %s Q%s %s %s %s' % (a + b + c), stroke='#e8f6ff', sw=1.8, op=0.9)
            if expr.get('eyes') != 'closed':
                s.circle(*E.P(5, 5.5), 1.1, '#ffffff', op=0.9)
            if tears > 1:
                # a tear running down the cheek from the outer corner, another starting at the inner one
                x, y = E.P(4.5, 8.5)
                tear(s, x, y, x + side * 1.0, y + 15, -side * 2.2, 2.2)
                if tears > 2:
                    x, y = E.P(-3, 9.5)
                    tear(s, x, y, x + side * 0.5, y + 11, side * 0.8, 1.6)
    sweat = expr.get('sweat', 0)
    for k in range(sweat):
        x, y = (141, 62) if k == 0 else (60, 70)
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(x), f(y), f(x + 3.6), f(y + 7), f(x), f(y + 8.5),
                                                       f(x - 3.6), f(y + 7), f(x), f(y)),
               fill='#dff2ff', stroke='#6a9ec8', sw=0.8)
        s.path('M%s %s q-1 2 0 3.5' % (f(x - 0.8), f(y + 4)), stroke='#ffffff', sw=0.8)
    if expr.get('breath'):
        # little puffs of breath beside the mouth
        for x, y, r in ((116, 116, 3.2), (122, 112, 2.4), (127, 109, 1.6)):
            s.ellipse(x, y, r * 1.3, r, '#ffffff', stroke='#c8d0e0', sw=0.6, op=0.85)
