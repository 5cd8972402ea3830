"""水瀬　詩織 (4, and 7 with contact lenses): two low braids and round glasses, or the hair let down; her book and letter."""

from .body import draw_hand, heart, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands
from .svg import dark, f, poly, smooth


def back_braids(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    s.path(smooth([(100, 20), (138, 34), (146, 80), (142, 110), (100, 116), (58, 110), (54, 80), (62, 34)]),
           fill=shade, stroke=line)


def back_loose(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    # let down from the braids it still waves a little: the outline swells in and out down her back
    d = smooth([(100, 20), (140, 34), (150, 80), (148, 110), (154, 138), (150, 164), (157, 190), (153, 212),
                (142, 224), (126, 220), (112, 226), (100, 218), (88, 226), (74, 220), (58, 224), (47, 212),
                (43, 190), (50, 164), (46, 138), (52, 110), (50, 80), (60, 34)])
    s.path(d, fill=shade, stroke=line)
    strands(s, g, ['M56 110 Q50 130 55 150 Q60 172 53 196 Q50 210 56 220',
                   'M144 110 Q150 130 145 150 Q140 172 147 196 Q150 210 144 220'], 0.45)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    st = g.style
    # a neat, even fringe cut just over the brows, its locks ending soft and round
    d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 81'
    xs = [134, 125, 116, 107, 98, 89, 80, 71]
    for a, b in zip(xs, xs[1:]):
        m = (a + b) / 2
        d += ' Q%s 81.5 %s 76.5 Q%s 79.5 %s 81' % (f(m + 1), f(m), f(m - 1), f(b))
    d += ' Q66 92 64 104 Q60 100 57 100 Z'
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M%s 34 Q%s 56 %s 76' % (f(x + (x - 100) * 0.3), f(x + (x - 100) * 0.12), f(x))
                   for x in (111.5, 102.5, 93.5, 84.5)], 0.4)
    strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
    shine(s, g, 37, 29)
    if st != 'braids':
        for side in (1, -1):
            x0 = 100 - side * 40
            # the loose locks over her shoulders, in the soft waves the braids left
            pts_ = [(x0 + side * 2, 78), (x0 - side * 5, 108), (x0 - side * 1, 132), (x0 - side * 7, 158),
                    (x0 - side * 3, 184), (x0 - side * 9, 204), (x0 + side * 2, 216), (x0 + side * 5, 196),
                    (x0 + side * 10, 172), (x0 + side * 6, 146), (x0 + side * 11, 120), (x0 + side * 8, 96),
                    (x0 + side * 9, 84)]
            s.path(smooth(pts_), fill=base, stroke=line)
            strands(s, g, ['M%s 96 Q%s 118 %s 134 Q%s 156 %s 172 Q%s 192 %s 206' % (
                f(x0 + side * 3), f(x0 - side * 3), f(x0 + side * 3), f(x0 + side * 7), f(x0 + side * 1),
                f(x0 - side * 4), f(x0 - side * 2))], 0.5)
            for y, dx in ((128, 1), (176, 0)):
                s.path('M%s %s q%s 8 %s 16' % (f(x0 + side * (4 + dx)), f(y - 10), f(-side * 3), f(side * 1)),
                       stroke=hi, sw=1.6, op=0.35)


def braids(s, g):
    """The two low braids, brought forward over her shoulders onto the front of the blazer; drawn over the
    arms, since they lie on the shoulders, and short of where her hands hold things."""
    base, line, hi = hair_colours(g)
    for side in (1, -1):
        cx = 100 - side * 36
        # the braid on her left falls a little further out, clear of the corsage
        slant = 2.1 if side == 1 else 1.0
        for k in range(7):
            y = 104 + k * 10.6
            x = cx + side * (k * slant)
            s.ellipse(x, y, 7.0 - k * 0.3, 6.9, base, stroke=line, sw=1.0)
            s.path('M%s %s Q%s %s %s %s' % (f(x - 4.6), f(y - 2), f(x), f(y + 3), f(x + 4.6), f(y - 2)),
                   stroke=hi, sw=1.0, op=0.5)
        xb, yb = cx + side * 6 * slant, 104 + 6 * 10.6 + 4.5
        s.path(poly([(xb - 4.4, yb), (xb + 4.4, yb), (xb + 3.6, yb + 3.6), (xb - 3.6, yb + 3.6)]),
               fill=g.ribbon, stroke=dark(g.ribbon), sw=0.8)
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (
            f(xb - 3.6), f(yb + 3.6), f(xb - 5.2), f(yb + 11), f(xb + side * 0.5), f(yb + 14), f(xb + 4.6),
            f(yb + 11), f(xb + 3.6), f(yb + 3.6)), fill=base, stroke=line, sw=1.0)


@prop('book')
def book(s, g, left, right):
    # a hardback held against her chest, fingers over its edges
    s.path(poly([(83, 172), (117, 170), (119, 212), (85, 214)]), fill='#7a2e3a', stroke='#3a141c', sw=1.0)
    s.path(poly([(86.5, 175.5), (114, 173.8), (115.6, 208.5), (88, 210.2)]), fill='none', stroke='#d8b860',
           sw=0.9)
    s.path('M85 214 L119 212 L119.5 215 L85.5 217 Z', fill='#efe6cc', stroke='#3a141c', sw=0.8)
    draw_hand(s, g, 84, 199, 1, 0.1, 'grip')
    draw_hand(s, g, 118, 197, -1, 0.1, 'grip')


def letter(s, g, left, right):
    s.path(poly([(80, 178), (120, 176), (121, 202), (81, 204)]), fill='#fbf6ea', stroke='#9a8e7a', sw=0.9)
    s.path('M80 178 L100 192 L120 176', stroke='#c8bca4', sw=0.9)
    heart(s, 100, 192, 3.2, g.ribbon)
    draw_hand(s, g, 82, 195, 1, 0.1, 'grip')
    draw_hand(s, g, 119, 194, -1, 0.1, 'grip')


# soft round eyes, the outer corners drooping a little; thin low brows; a small mouth; a round chin
SHIORI_FACE = dict(eye=dict(lid='round', w=0.98, tilt=-4.0, iris=0.98, iris_lit=0.55, flicks=1, flick_up=False,
                            lower=0.6), eye_h=1.0, lashes=0.85, brow='soft', brow_w=1.0, jaw='round', nose='dot',
                   mouth_w=0.72)


GIRL4 = Girl(name='shiori', hair='#1d1c26', hair_light='#52546e', eyes='#5d7891', ribbon='#2f4f8f',
             style='braids', height=0.93, glasses=True, front=front, back=back_braids, over=braids, **SHIORI_FACE)
GIRL7 = Girl(name='shiori7', hair='#1d1c26', hair_light='#52546e', eyes='#5d7891', ribbon='#2f4f8f',
             style='loose', height=0.93, front=front, back=back_loose,
             **dict(SHIORI_FACE, eye=dict(SHIORI_FACE['eye'], iris=1.02, shine=1.15, lower=0.95), lashes=1.05))


@prop('letter_up')
def letter_up(s, g, left, right):
    """The letter with her poem, lifted toward him, a little to her right so that the corsage shows."""
    s.add('<g transform="translate(-5 -8)">')
    letter(s, g, left, right)
    s.add('</g>')
