"""西園寺　麗華 (6): long wavy golden-brown hair, the big magenta bow."""

from .body import draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands, locks, bow
from .svg import poly, dark, f, smooth


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    # the big magenta bow sits at the back of her head and shows above it on both sides
    bow(s, 100, 22, g.ribbon, 1.9)
    d = smooth([(100, 20), (140, 34), (154, 80), (148, 120), (160, 160), (150, 200), (160, 232),
                (130, 240), (100, 228), (70, 240), (40, 232), (50, 200), (40, 160), (52, 120), (46, 80),
                (60, 34)])
    s.path(d, fill=shade, stroke=line)
    strands(s, g, ['M54 110 Q46 150 56 180 Q46 210 54 232', 'M146 110 Q154 150 144 180 Q154 210 146 232'],
            0.45)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    tips = [((128, 58), (120, 80)), ((112, 48), (106, 74)), ((100, 44), (100, 50)),
            ((98, 48), (90, 74)), ((82, 52), (74, 80)), ((68, 64), (64, 100))]
    d = cap_path(16, 56, 96) + ' Q144 100 140 104 Q136 92 133 80' + locks((133, 80), tips) + ' Z'
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M112 30 Q130 52 138 92', 'M88 30 Q70 52 62 92'], 0.45)
    shine(s, g, 36, 30)
    for side in (1, -1):
        x0 = 100 - side * 40
        pts_ = [(x0 + side * 2, 80), (x0 - side * 6, 112), (x0 + side * 1, 140), (x0 - side * 7, 170),
                (x0 - side * 1, 198), (x0 + side * 5, 206), (x0 + side * 4, 184), (x0 + side * 11, 160),
                (x0 + side * 7, 130), (x0 + side * 11, 100)]
        s.path(smooth(pts_), fill=base, stroke=line)
        strands(s, g, ['M%s 96 Q%s 128 %s 150 Q%s 176 %s 196' % (
            f(x0 + side * 4), f(x0 - side * 3), f(x0 + side * 3), f(x0 + side * 6), f(x0 + side * 1))], 0.5)


GIRL = Girl(name='reika', hair='#c0893c', hair_light='#f0cc80', eyes='#7d4fb8', ribbon='#c2185b',
            style='wavy', height=1.04, lashes=1.3, eye_tilt=1.5, front=front, back=back)


@prop('address')
def address(s, g, left, right):
    """The slip with her dormitory's address, held out between her fingers."""
    s.add('<g transform="translate(84 160) rotate(-10)">')
    s.path(poly([(-12, -9), (12, -9), (12, 9), (-12, 9)]), fill='#fffaf4', stroke='#a08c90', sw=0.8)
    for y in (-4, 0, 4):
        s.path('M-8 %s L%s %s' % (f(y), f(8 if y < 4 else 2), f(y)), stroke='#6a5a70', sw=0.8)
    s.path('M-12 -9 L-12 9', stroke=g.ribbon, sw=1.6, cap='butt')
    s.add('</g>')
    draw_hand(s, g, 82, 172, 0.4, -0.4)
