"""Colours, the scene light and the small SVG writer every figure is drawn with."""

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


PLAIN = Paint()


def f(v):
    s = '%.1f' % v
    return s[:-2] if s.endswith('.0') else s


def pts(*p):
    return ' '.join(f(v) for v in p)


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


def bezier(p0, p1, p2, p3, n=12):
    """Points along one cubic Bezier, both ends included."""
    out = []
    for i in range(n + 1):
        t = i / n
        a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0], a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def tapered(points, widths):
    """A closed outline around a line of points, as wide at each point as widths says: lids, brows and
    tears that thin out toward their ends as an ink stroke does."""
    n = len(points)
    left, right = [], []
    for i, (x, y) in enumerate(points):
        a = points[max(i - 1, 0)]
        b = points[min(i + 1, n - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        L = (dx * dx + dy * dy) ** 0.5 or 1
        nx, ny = -dy / L, dx / L
        w = widths[i] / 2 if isinstance(widths, (list, tuple)) else widths(i / (n - 1)) / 2
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return poly(left + right[::-1])
