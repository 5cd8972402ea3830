"""春日　ひなた (2): short wavy chestnut bob, yellow star hairpin, cookies in a paper bag."""
import math

from .body import draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands, bow
from .svg import dark, f, poly, smooth


def back(s, g):
    """Hair behind the head: the round wavy bob, wider than the face, its ends curling out."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    s.path(smooth([(100, 20), (142, 32), (157, 70), (152, 94), (161, 112), (152, 127), (132, 122), (116, 129),
                   (100, 123), (84, 129), (68, 122), (48, 127), (39, 112), (48, 94), (43, 70), (58, 32)]),
           fill=shade, stroke=line)


def side_lock(side):
    """A wavy lock beside the face, swelling out, in and out again to a curl at the chin."""
    return [(100 + side * x, y) for x, y in ((38, 60), (48, 72), (51, 90), (46, 102), (54, 114), (62, 116),
                                             (57, 125), (44, 125), (38, 114), (40, 100), (34, 86), (32, 70))]


def front(s, g, expr):
    """Wavy side locks, the soft fringe and the star hairpin."""
    base, line, hi = hair_colours(g)
    for side in (1, -1):
        s.path(smooth(side_lock(side)), fill=base, stroke=line)
        strands(s, g, ['M%s 76 Q%s 92 %s 104 Q%s 114 %s 119' % tuple(
            f(100 + side * x) for x in (45, 49, 45, 49, 55))], 0.5)
        s.path('M%s 80 Q%s 92 %s 100' % tuple(f(100 + side * x) for x in (47, 49.5, 46)), stroke=hi, sw=2.0,
               op=0.5)
    # the fringe in round fluffy curls, each lock turning under at its end
    d = (cap_path(16, 55, 90) + ' Q146 80 137 76 Q138 84 131 82 Q131 71 122 71 Q124 80 116 79'
         ' Q115 69 106 70 Q108 78 100 77 Q98 68 90 70 Q91 78 83 79 Q82 70 74 72 Q75 82 67 84 Q60 82 55 90 Z')
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M120 40 Q132 56 134 78', 'M80 40 Q68 56 66 80', 'M104 30 Q112 50 114 76',
                   'M96 30 Q90 50 86 76'], 0.45)
    for x in (131, 116, 100, 83, 67):
        s.path('M%s 80 q-3 -4 -1 -8' % f(x + 1), stroke=hi, sw=1.2, op=0.45)
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
    draw_hand(s, g, 84.5, 203, 1, 0, 'grip')
    draw_hand(s, g, 115.5, 203, -1, 0, 'grip')


GIRL = Girl(name='hinata', hair='#9a5a30', hair_light='#d89a62', eyes='#d08a1c', ribbon='#f2b705',
            style='bob', height=0.93, eye_h=1.12, front=front, back=back,
            # big round amber eyes, wide open and bright; short round brows set high; a wide mouth
            eye=dict(lid='round', w=1.04, tilt=0.0, iris=1.02, shine=1.2, sparkle=True, flicks=1, lower=0.7),
            brow='round', brow_c='#6a3418', jaw='round', nose='dot', mouth_w=1.12)


@prop('cookies_up')
def cookies_up(s, g, left, right):
    """The same paper bag of cookies, lifted to her chin."""
    s.add('<g transform="translate(0 -24)">')
    cookies(s, g, left, right)
    s.add('</g>')
