"""What all the hairstyles share: the colours of a girl's hair, the cap over the crown,
the gloss, strand lines and the ribbon bow (each girl draws her own fringe)."""
from .svg import dark, light, f, poly, tapered


def hair_colours(g):
    return g.hair, dark(g.hair, 0.45), g.hair_light


def cap_path(top=17, side=58, low=96):
    # left side low point, over the crown, to the right side low point
    return 'M%s %s C%s %s %s %s 100 %s C%s %s %s %s %s %s' % (
        f(side), f(low), f(side - 8), f(low - 60), f(78), f(top), f(top),
        f(122), f(top), f(200 - side + 8), f(low - 60), f(200 - side), f(low))


def shine(s, g, y=42, span=30, width=5):
    """The gloss on the crown: a few pieces along the curve of the skull with gaps between, each with a
    ragged edge of strand ends running down the hair (longer below than above), fading toward the sides.
    Light caught by strands, so it reads neither as a band nor as a hairband round the head."""
    import math
    base, line, hi = hair_colours(g)
    pieces = ((-0.93, -0.55), (-0.47, -0.04), (0.04, 0.5), (0.58, 0.92))
    teeth = (1.0, 0.55, 0.85, 0.4, 0.95, 0.6, 0.75, 0.45, 1.0, 0.5)
    k = 0
    for a, b in pieces:
        m = 7
        top, bot = [], []
        for j in range(m + 1):
            u = a + (b - a) * j / m
            x = 100 + u * span
            yy = y + u * u * span * 0.4
            side = 1 - 0.5 * abs(u) ** 1.5
            # down the strands: down the head, spreading outward at the sides
            dx, dy = u * 0.55, 1.0
            L = (dx * dx + dy * dy) ** 0.5
            dx, dy = dx / L, dy / L
            end = math.sin(math.pi * j / m) ** 0.5  # the piece thins to a point at both ends
            up = width * 0.4 * end * side * (1.0 if j % 2 else 0.6)
            if j % 2:
                down = width * (0.5 + 0.9 * teeth[k % len(teeth)]) * end * side
                k += 1
            else:
                down = width * 0.55 * end * side
            top.append((x - dx * up, yy - dy * up))
            bot.append((x + dx * down, yy + dy * down))
        mid = 1 - 0.5 * abs((a + b) / 2)
        s.path(poly(top + bot[::-1]), fill=hi, op=round(g.gloss * (0.26 + 0.3 * mid), 2))


def streak(s, g, p0, p1, p2, w, op, pieces=((0.0, 0.55), (0.65, 1.0))):
    """Light down a long lock: pieces of a curve (p0, control p1, p2), each pointed at both ends, so that
    it reads as light on strands and not as a ruled line."""
    import math
    base, line, hi = hair_colours(g)
    for a, b in pieces:
        pts_ = []
        for i in range(9):
            t = a + (b - a) * i / 8
            pts_.append(((1 - t) ** 2 * p0[0] + 2 * t * (1 - t) * p1[0] + t * t * p2[0],
                         (1 - t) ** 2 * p0[1] + 2 * t * (1 - t) * p1[1] + t * t * p2[1]))
        s.path(tapered(pts_, lambda t: w * math.sin(math.pi * t) ** 0.7 + 0.1), fill=hi, op=op)


def strands(s, g, lines, op=0.55):
    base, line, hi = hair_colours(g)
    for d in lines:
        s.path(d, stroke=line, sw=1.0, op=op)


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

