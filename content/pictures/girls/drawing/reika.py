"""西園寺　麗華 (6): long wavy golden-brown hair, the big magenta bow."""

from .body import draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands, bow
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
    # parted in the middle and swept aside like curtains: the forehead shows, the locks curl at the temples
    d = (cap_path(16, 56, 96) + ' Q144 100 140 104 Q136 94 135 86 Q139 80 133 76 Q126 66 114 61'
         ' Q104 57 100 46 Q96 57 86 61 Q74 66 67 76 Q61 80 65 86 Q64 94 60 104 Q56 100 56 96 Z')
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M100 30 Q104 48 118 60 Q130 68 134 82', 'M100 30 Q96 48 82 60 Q70 68 66 82',
                   'M110 28 Q126 44 138 90', 'M90 28 Q74 44 62 90'], 0.45)
    for side in (1, -1):
        s.path('M%s 82 q%s -6 %s -10' % (f(100 - side * 34), f(-side * 3), f(side * 1)), stroke=hi, sw=1.2,
               op=0.5)
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
            style='wavy', height=1.04, lashes=1.4, eye_h=0.9, front=front, back=back,
            # elegant eyes under a lowered lid, many lashes; high arched brows; coloured lips, a knowing
            # smile; a slim chin carried high (the face a little up, the head a little aside)
            eye=dict(lid='heavy', w=1.08, tilt=4.0, iris=0.92, flicks=3, lower=0.9),
            brow='arched', brow_w=1.05, jaw='slim', nose='fine', mouth_w=0.92, smirk=0.9, lip='#b8405a',
            lips='#e08aa0', feature_y=-1.5, head_tilt=-3.0)


@prop('address')
def address(s, g, left, right):
    """The slip with her dormitory's address, held out between her fingers."""
    s.add('<g transform="translate(84 160) rotate(-10)">')
    s.path(poly([(-12, -9), (12, -9), (12, 9), (-12, 9)]), fill='#fffaf4', stroke='#a08c90', sw=0.8)
    for y in (-4, 0, 4):
        s.path('M-8 %s L%s %s' % (f(y), f(8 if y < 4 else 2), f(y)), stroke='#6a5a70', sw=0.8)
    s.path('M-12 -9 L-12 9', stroke=g.ribbon, sw=1.6, cap='butt')
    s.add('</g>')
    draw_hand(s, g, 80, 171, 0.45, -1, 'grip')
