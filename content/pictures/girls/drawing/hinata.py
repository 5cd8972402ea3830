"""春日　ひなた (2): short wavy chestnut bob, yellow star hairpin, cookies in a paper bag."""
import math

from .body import draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands, locks, bow
from .svg import dark, poly, smooth


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    s.path(smooth([(100, 20), (140, 34), (150, 80), (150, 112), (120, 118), (100, 116), (80, 118),
                   (50, 112), (50, 80), (60, 34)]), fill=shade, stroke=line)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    tips = [((133, 62), (124, 80)), ((118, 50), (110, 74)), ((104, 48), (97, 72)),
            ((90, 50), (82, 76)), ((74, 56), (68, 82))]
    d = cap_path(16, 55, 96) + ' Q146 104 152 112 Q140 112 136 100 Q138 84 134 74' + locks((134, 74), tips)
    d += ' Q64 92 64 100 Q60 112 48 112 Q54 104 55 96 Z'
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M120 40 Q132 60 140 96', 'M80 40 Q68 60 60 96', 'M100 30 Q104 48 106 60'], 0.45)
    shine(s, g, 36, 30)
    # star hairpin over her left temple (viewer's right)
    star = []
    for k in range(10):
        r = 7.5 if k % 2 == 0 else 3.2
        a = -math.pi / 2 + k * math.pi / 5
        star.append((128 + r * math.cos(a), 58 + r * math.sin(a)))
    s.path(poly(star), fill=g.ribbon, stroke=dark(g.ribbon, 0.35), sw=1.0)
    s.circle(126.5, 56, 1.4, '#fff8d0')


@prop('cookies')
def cookies(s, g, left, right):
    s.path(poly([(86, 180), (114, 180), (118, 214), (82, 214)]), fill='#d9a66a', stroke='#8a5a2a', sw=1.0)
    s.path('M86 180 L92 190 L98 180 L104 190 L110 180 L114 180', fill='none', stroke='#8a5a2a', sw=0.8)
    bow(s, 100, 192, g.ribbon, 0.55)
    for x, y in ((88, 176), (96, 174), (104, 175)):
        s.circle(x + 4, y + 2, 4.6, '#e8b872', stroke='#9a6a30', sw=0.8)
        s.circle(x + 3, y + 1, 0.9, '#6a3a1a')
        s.circle(x + 5.5, y + 3, 0.8, '#6a3a1a')
    draw_hand(s, g, 86, 204, 0, 1)
    draw_hand(s, g, 114, 204, 0, 1)


GIRL = Girl(name='hinata', hair='#9a5a30', hair_light='#d89a62', eyes='#d08a1c', ribbon='#f2b705',
            style='bob', height=0.93, eye_h=1.08, front=front, back=back)


@prop('cookies_up')
def cookies_up(s, g, left, right):
    """The same paper bag of cookies, lifted to her chin."""
    s.add('<g transform="translate(0 -24)">')
    cookies(s, g, left, right)
    s.add('</g>')
