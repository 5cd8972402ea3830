"""相沢　ゆかり (8): shoulder-length straight dark hair, white hairband, teal."""

from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands
from .svg import bezier, dark, f, smooth, tapered


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    d = smooth([(100, 20), (140, 34), (148, 80), (150, 130), (152, 146), (126, 150), (100, 142), (74, 150),
                (48, 146), (50, 130), (52, 80), (60, 34)])
    s.path(d, fill=shade, stroke=line)
    strands(s, g, ['M56 100 L54 144', 'M144 100 L146 144'], 0.45)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    # a straight fringe, neatly cut, parted a little to her left (viewer's right)
    # each lock of the fringe narrows to a soft point, its sides curving in as combed hair does
    tips = [(131, 70), (122, 62), (119, 75), (115, 67.5), (110, 78), (105, 69.5), (100, 78.5), (95, 70.5),
            (89, 79), (84, 71.5), (78, 80), (73, 73.5), (68, 84)]
    d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80 L131 70 Q126 68 122 62'
    for (xa, ya), (xb, yb) in zip(tips[1:], tips[2:]):
        if yb > ya:  # down to a point
            d += ' Q%s %s %s %s' % (f(xa + (xb - xa) * 0.3), f(ya + (yb - ya) * 0.68), f(xb), f(yb))
        else:  # back up into the notch
            d += ' Q%s %s %s %s' % (f(xa + (xb - xa) * 0.7), f(ya - (ya - yb) * 0.32), f(xb), f(yb))
    d += ' Q65 94 62 102 Q59 100 57 100 Z'
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M118 32 L119 72', 'M110 30 Q108 50 110 75', 'M100 30 Q98 52 100 76', 'M90 32 Q88 54 89 77',
                   'M80 38 Q78 58 78 78'], 0.4)
    strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
    shine(s, g, 47, 30)
    # the white hairband: it sits on her hair a little behind the fringe, the crown's hair rising over it,
    # and narrows as it turns down behind her ears, into the hair at the sides
    import math
    band = bezier((58, 80), (58, 43), (78, 29), (100, 29), 10)
    band = band + bezier((100, 29), (122, 29), (142, 43), (142, 80), 10)[1:]

    def wd(t):
        return 2.6 + 3.2 * math.sin(math.pi * t) ** 0.6

    s.path(tapered(band, lambda t: wd(t) + 1.6), fill=dark(base, 0.35), op=0.8)
    s.path(tapered(band, wd), fill='#f2f3f8')
    s.path(tapered([(x, y + 1.6 * math.sin(math.pi * i / 20)) for i, (x, y) in enumerate(band)][2:-2],
                   lambda t: 1.4 * math.sin(math.pi * t) ** 0.5), fill='#c4c8d6', op=0.8)
    s.path('M70 50 C78 37 89 31 100 30.6', stroke='#ffffff', sw=1.2, op=0.9)
    # where it passes into the hair at her temples
    for side in (1, -1):
        x = 100 - side * 42
        s.path('M%s 70 Q%s 78 %s 86' % (f(x), f(x - side * 0.5), f(x - side * 0.3)), stroke=base, sw=3.6)

GIRL = Girl(name='yukari', hair='#2b2024', hair_light='#6a5458', eyes='#7a4a2a', ribbon='#00897b',
            style='shoulder', front=front, back=back, eye_h=0.9,
            # sharp but warm eyes: a firm lid, a soft full lower lid; firm brows; a teasing half smile
            eye=dict(lid='sharp', w=1.0, tilt=3.0, iris=0.95, flicks=1, lower=1.0, iris_lit=0.6),
            brow='angled', brow_w=1.05, jaw='oval', mouth_w=0.9, smirk=0.7)
