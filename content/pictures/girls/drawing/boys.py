"""The two boys of the class album: 滝本　健二 and 神谷　光, busts in gakuran."""
from .face import brows, face
from .figure import Girl
from .hair import hair_colours, strands
from .svg import poly


class Boy(Girl):
    pass


BOYS = {
    'kenji': Boy(hair='#18161e', hair_light='#4a4a5a', eyes='#4a3020', ribbon='#000000', style='spiky',
                 eye_h=0.72, lashes=0.75, brow_w=1.5,
                 eye=dict(lid='bright', w=1.0, tilt=2.0, iris=0.9, flicks=0, lower=0.5), brow='thick', jaw='boy',
                 mouth_w=1.2),
    'kamiya': Boy(hair='#a4703e', hair_light='#e0b27a', eyes='#6a4020', ribbon='#000000', style='swept',
                  eye_h=0.74, lashes=0.85, brow_w=1.4,
                  eye=dict(lid='sharp', w=1.02, tilt=5.0, iris=0.9, flicks=0, lower=0.5), brow='angled',
                  jaw='boy', mouth_w=1.0, smirk=1.6),
}


def boy_bust(s, b, expr):
    gak = '#1a1c2a'
    line = '#07080e'
    # gakuran: square shoulders, standing collar, gold buttons
    s.path('M86 132 Q64 136 54 152 L50 230 L150 230 L146 152 Q136 136 114 132 Z', fill=gak, stroke=line, sw=1.2)
    s.path('M118 150 Q134 170 140 230 L124 230 Z', fill='#11131e', op=0.8)
    s.path('M100 160 L100 230', stroke=line, sw=1.0)
    for y in (168, 192, 216):
        s.circle(100, y, 2.8, '#d9b44a', stroke='#8a6a20', sw=0.7)
    face(s, b, expr)
    # collar: open for Kenji, hooked for the other boy
    if b.style == 'spiky':
        s.path('M86 128 L88 146 L100 160 L112 146 L114 128 Z', fill='#f4f4f8', stroke='#9aa0b0', sw=0.8)
        s.path('M86 128 L90 150 L100 162 L86 148 Z', fill=gak, stroke=line, sw=0.8)
        s.path('M114 128 L110 150 L100 162 L114 148 Z', fill=gak, stroke=line, sw=0.8)
    else:
        s.path('M86 126 L88 144 L112 144 L114 126 Q100 132 86 126 Z', fill=gak, stroke=line, sw=0.9)
        s.path('M88 126 Q100 131 112 126', stroke='#f4f4f8', sw=1.4)
    base, dk, hi = hair_colours(b)
    if b.style == 'spiky':
        spikes = [(58, 98), (54, 72), (60, 58), (56, 32), (76, 38), (78, 8), (95, 28), (106, 4), (116, 28),
                  (136, 14), (134, 40), (146, 40), (140, 60), (146, 78), (142, 96), (138, 70), (128, 76),
                  (122, 62), (112, 78), (104, 62), (94, 78), (86, 62), (76, 78), (68, 66), (62, 80)]
        s.path(poly(spikes), fill=base, stroke=dk, sw=1.2)
        s.path('M74 40 L84 48 M106 30 L110 42 M132 42 L124 50', stroke=hi, sw=2.0, op=0.5)
    else:
        # parted on his right (viewer's left), swept up and across in layers, the ends flicking out at
        # the sides: volume on top, the forehead showing under the part
        d = ('M59 96 C50 72 50 40 66 24 C76 12 90 4 106 4 C126 4 144 18 146 44 C147 58 144 68 143 74'
             ' Q150 86 144 98 Q141 88 138 84 Q138 92 133 96 Q132 82 129 74 Q126 84 119 88 Q121 76 117 66'
             ' Q112 76 104 78 Q108 66 104 58 Q98 64 92 64 Q96 56 92 50 Q86 50 80 46 Q74 52 70 62'
             ' Q66 74 66 82 Q63 90 59 96 Z')
        s.path(d, fill=base, stroke=dk, sw=1.2)
        # the quiff rising from the part, the layers swept across and down to his left
        s.path('M80 46 Q84 20 108 12 Q130 8 142 30', stroke=dk, sw=1.0, op=0.5)
        strands(s, b, ['M92 50 Q104 32 128 30 Q140 34 144 60', 'M104 58 Q116 42 136 50', 'M117 66 Q128 58 140 72',
                       'M72 34 Q64 56 66 80', 'M86 44 Q92 30 108 22'], 0.5)
        for x0, y0, x1, y1 in ((86, 24, 110, 14), (116, 20, 136, 30), (100, 40, 120, 36), (70, 44, 74, 30)):
            s.path('M%s %s Q%s %s %s %s' % (x0, y0, (x0 + x1) / 2, min(y0, y1) - 4, x1, y1), stroke=hi, sw=2.6,
                   op=0.55)
    brows(s, b, expr)
    if b.style != 'spiky':
        # a little sparkle: the year's star
        s.path('M140 30 L142 37 L149 39 L142 41 L140 48 L138 41 L131 39 L138 37 Z', fill='#fff6c0',
               stroke='#e0c060', sw=0.6)

