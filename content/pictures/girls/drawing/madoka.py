"""相沢　まどか (9): high twin tails with pink ribbons, a second-year (no corsage)."""

from .figure import Girl
from .hair import hair_colours, cap_path, shine, streak, strands, bow
from .svg import dark, f, smooth


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    s.path(smooth([(100, 20), (138, 34), (146, 80), (142, 110), (100, 116), (58, 110), (54, 80), (62, 34)]),
           fill=shade, stroke=line)
    for side in (1, -1):
        x = 100 - side * 46
        t = [(x + side * 6, 34), (x - side * 16, 44), (x - side * 22, 90), (x - side * 18, 140),
             (x - side * 26, 190), (x - side * 12, 214), (x - side * 12, 180), (x - side * 4, 140),
             (x - side * 6, 90), (x + side * 4, 50)]
        s.path(smooth(t), fill=base, stroke=line)
        strands(s, g, ['M%s 60 Q%s 120 %s 196' % (f(x - side * 10), f(x - side * 16), f(x - side * 16))], 0.5)
        streak(s, g, (x - side * 14, 60), (x - side * 18, 110), (x - side * 12, 150), 2.6, 0.38)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    # a bouncy choppy fringe, long and short locks by turns, and one springy lock on the crown
    s.path('M98 20 Q95 9 106 7 Q112 7 113 12 Q108 9 104 11 Q101 14 105 19 Z', fill=base, stroke=line)
    d = (cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80 Q130 72 127 62 Q127 74 122 81'
         ' Q118 70 113 60 Q113 72 107 78 Q104 68 101 62 Q98 72 92 77 Q92 68 88 60 Q86 72 80 80'
         ' Q78 70 74 63 Q73 76 66 84 Q65 94 62 102 Q59 100 57 100 Z')
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
    shine(s, g, 37, 29)
    for side in (1, -1):
        bow(s, 100 - side * 44, 36, g.ribbon, 1.0)


GIRL = Girl(name='madoka', hair='#2e2230', hair_light='#6e5876', eyes='#6a3a2a', ribbon='#ec6fa5',
            style='twintails', height=0.9, eye_h=1.14, corsage=False, front=front, back=back,
            # big bright eyes, sparkling; short round brows; a wide mouth with a little fang when she grins
            eye=dict(lid='round', w=1.06, tilt=1.5, iris=1.04, shine=1.25, sparkle=True, flicks=2, lower=0.7),
            brow='round', jaw='round', nose='dot', mouth_w=1.1, fang=True)
