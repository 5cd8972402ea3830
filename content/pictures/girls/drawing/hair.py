"""What all the hairstyles share: the colours of a girl's hair, the cap over the crown,
the gloss, strand lines and the ribbon bow (each girl draws her own fringe)."""
from .svg import dark, light, f, poly


def hair_colours(g):
    return g.hair, dark(g.hair, 0.45), g.hair_light


def cap_path(top=17, side=58, low=96):
    # left side low point, over the crown, to the right side low point
    return 'M%s %s C%s %s %s %s 100 %s C%s %s %s %s %s %s' % (
        f(side), f(low), f(side - 8), f(low - 60), f(78), f(top), f(top),
        f(122), f(top), f(200 - side + 8), f(low - 60), f(200 - side), f(low))


def shine(s, g, y=42, span=30, width=5):
    """The gloss across the crown: a few pieces of an arc, of uneven length with gaps between and points
    at both ends, each with a short lick down the strands, fading toward the sides, so that it reads as
    light on hair and not as a band round the head."""
    import math
    base, line, hi = hair_colours(g)

    def arc(t, dy=0.0):
        x = 100 - span + 2 * span * t
        return x, y + dy + ((x - 100) / span) ** 2 * span * 0.28

    pieces = ((0.06, 0.22), (0.28, 0.47), (0.53, 0.64), (0.70, 0.93))
    for a, b in pieces:
        n = 8
        top, bot = [], []
        for i in range(n + 1):
            t = a + (b - a) * i / n
            w = width * 0.75 * math.sin(math.pi * i / n) ** 0.8
            top.append(arc(t, -w * 0.35))
            bot.append(arc(t, w * 0.65))
        mid = math.sin(math.pi * (a + b) / 2) ** 0.7
        s.path(poly(top + bot[::-1]), fill=hi, op=round(g.gloss * (0.3 + 0.35 * mid), 2))


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

