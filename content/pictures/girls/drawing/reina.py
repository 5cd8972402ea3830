"""白石　玲奈 (1): long straight black hair with a blue sheen, hime cut, lavender."""

from .body import draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, streak, strands
import math

from .svg import dark, f, mix, poly, smooth, tapered


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    d = smooth([(100, 20), (138, 34), (148, 80), (150, 150), (152, 210), (150, 252), (124, 256),
                (100, 250), (76, 256), (50, 252), (48, 210), (50, 150), (52, 80), (62, 34)])
    s.path(d, fill=shade, stroke=line)
    # a few long strands, hanging straight under their own weight, and the blue sheen down the outer edge
    strands(s, g, ['M57 128 Q55 190 58 246', 'M143 128 Q145 190 142 246', 'M66 170 Q67 214 68 250',
                   'M134 170 Q133 214 132 250'], 0.3)
    for side in (1, -1):
        x = 100 - side * 47
        s.path(tapered([(x + side * 0.4 * k, 134 + k * 12) for k in range(8)],
                       lambda t: 2.2 * math.sin(math.pi * t) ** 0.8 + 0.1), fill=hi, op=0.22)


def front(s, g, expr):
    """The hime cut: a blunt fringe just above the brows and straight side locks cut level at the chin,
    lying over the long hair behind and caught by its blue sheen."""
    base, line, hi = hair_colours(g)
    lock = mix(base, hi, 0.16)
    for side in (1, -1):
        # the side lock: from under the fringe down the cheek, its outer edge on the head's outline, its inner
        # edge hanging straight past the cheek, cut level at the chin with the strand ends just uneven
        xo, xi = 100 - side * 45.5, 100 - side * 31
        lock = [(xo + side * 1.5, 60), (xo - side * 0.4, 84), (xo - side * 0.6, 108), (xo - side * 0.2, 122.5),
                (xo + side * 4, 123.4), (xo + side * 7.5, 122.8), (xi - side * 3.5, 123.5), (xi - side * 0.2, 122.8),
                (xi + side * 0.6, 100), (xi + side * 0.8, 66)]
        s.path(smooth(lock), fill=mix(base, hi, 0.1), stroke=line)
        # strands down the lock, soft and not ruled, and the sheen where the light crosses it
        strands(s, g, ['M%s 74 Q%s 98 %s 121' % (f(xo + side * 5), f(xo + side * 4.6), f(xo + side * 5)),
                       'M%s 78 Q%s 100 %s 121' % (f(xi - side * 4.5), f(xi - side * 4.2), f(xi - side * 4.4))], 0.28)
        xm = (xo + xi) / 2
        streak(s, g, (xm - side * 1.5, 76), (xm - side * 2, 92), (xm - side * 1.5, 110), 2.8, 0.24,
               ((0.0, 0.45), (0.58, 0.8)))
        # the shadow the lock casts on the long hair behind, just under its cut
        s.path('M%s 124.5 L%s 124.5' % (f(xo + side * 1), f(xi - side * 1)), stroke=dark(base, 0.4), sw=1.4, op=0.5)
    d = cap_path(17, 57, 80) + ' L143 80 L142 70 L136 71 Q100 75.5 64 71 Z'
    s.path(d, fill=base, stroke=line)
    # the fringe's strands, ending on its blunt edge
    strands(s, g, ['M%s 46 L%s 72' % (f(x), f(x + (x - 100) * 0.06)) for x in (78, 89, 100, 111, 122)], 0.5)
    strands(s, g, ['M84 30 Q74 46 72 68', 'M116 30 Q126 46 128 68'], 0.35)
    s.path('M68 70.5 Q100 75 132 70.5', stroke=hi, sw=1.0, op=0.35)
    shine(s, g, 38, 30)


GIRL = Girl(name='reina', hair='#1c1b2b', hair_light='#5a6890', eyes='#2a1c22', ribbon='#9b7fd4',
            style='hime', height=1.03, eye_h=0.86, lashes=1.25, front=front, back=back,
            # calm almond eyes, very dark, long lashes; level thin brows; a small quiet mouth; a slim jaw
            eye=dict(lid='almond', w=1.06, tilt=-1.0, iris=0.95, iris_top=0.4, iris_lit=0.22, rim_lit=0.35,
                     flicks=2, flick_up=False, crease=False, lower=0.8),
            brow='straight', brow_w=1.1, jaw='slim', nose='fine', mouth_w=0.78, lash='#140e14',
            lips='#d08088')


@prop('film')
def film(s, g, left, right):
    """The leaflet of an old foreign film she asks him to, held against her chest with both hands."""
    s.path(poly([(85, 162), (115, 161), (116, 204), (86, 205)]), fill='#f4ecd8', stroke='#8a7a60', sw=0.9)
    # the film's still in sepia: the two lovers' heads against a pale sky, the old city below
    s.path(poly([(88, 165), (112, 164.2), (112.6, 188), (88.4, 188.6)]), fill='#e6d2a8', stroke='#5a4630', sw=0.6)
    s.path('M88.4 180 L92 176 L95 179 L99 173 L103 178 L107 175 L112.6 179 L112.6 188 L88.4 188.6 Z',
           fill='#8a6a48')
    s.path('M95 188.5 Q94 180 98 178.5 Q101 180 101 188.4 Z M101.5 188.4 Q101 181 104.5 179.5 Q108 181 107 188.3 Z',
           fill='#3e2e20')
    s.circle(98, 175.5, 3.0, '#3e2e20')
    s.circle(104.2, 176.6, 2.8, '#3e2e20')
    # title and credits
    s.path('M90 193.5 L110 193', stroke='#5a4630', sw=2.2, cap='butt')
    s.path('M93 198 L107 197.7', stroke='#a09478', sw=0.9)
    draw_hand(s, g, 86, 191, 1, 0.15, 'grip')
    draw_hand(s, g, 115, 191, -1, 0.15, 'grip')
