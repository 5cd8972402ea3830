"""相沢　まどか (9): high twin tails with pink ribbons, a second-year (no corsage)."""

from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands, locks, bow
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
        s.path('M%s 60 Q%s 110 %s 150' % (f(x - side * 14), f(x - side * 18), f(x - side * 12)),
               stroke=hi, sw=2.2, op=0.4)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    tips = [((132, 62), (125, 80)), ((119, 52), (112, 78)), ((106, 50), (100, 75)),
            ((94, 50), (88, 78)), ((81, 52), (75, 80)), ((69, 62), (64, 100))]
    d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80' + locks((134, 80), tips) + ' Z'
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
    shine(s, g, 37, 29)
    for side in (1, -1):
        bow(s, 100 - side * 44, 36, g.ribbon, 1.0)


GIRL = Girl(name='madoka', hair='#2e2230', hair_light='#6e5876', eyes='#6a3a2a', ribbon='#ec6fa5',
            style='twintails', height=0.9, eye_h=1.1, corsage=False, front=front, back=back)
