"""相沢　ゆかり (8): shoulder-length straight dark hair, white hairband, teal."""

from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands
from .svg import dark, smooth


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
    d = (cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80 L131 70 Q126 68 122 62 L119 74 L115 67'
         ' L110 77 L105 69 L100 78 L95 70 L89 79 L84 71 L78 80 L73 73 L68 84 Q65 94 62 102 Q59 100 57 100 Z')
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M118 32 L119 72', 'M110 30 Q108 50 110 75', 'M100 30 Q98 52 100 76', 'M90 32 Q88 54 89 77',
                   'M80 38 Q78 58 78 78'], 0.4)
    strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
    shine(s, g, 40, 28)
    # white hairband over the crown
    s.path('M57 66 C60 30 80 18 100 18 C120 18 140 30 143 66', stroke='#6a6a78', sw=7.2, cap='butt')
    s.path('M57 66 C60 30 80 18 100 18 C120 18 140 30 143 66', stroke='#fbfbff', sw=5.2, cap='butt')


GIRL = Girl(name='yukari', hair='#2b2024', hair_light='#6a5458', eyes='#7a4a2a', ribbon='#00897b',
            style='shoulder', front=front, back=back, eye_h=0.9,
            # sharp but warm eyes: a firm lid, a soft full lower lid; firm brows; a teasing half smile
            eye=dict(lid='sharp', w=1.0, tilt=3.0, iris=0.95, flicks=1, lower=1.0, iris_lit=0.6),
            brow='angled', brow_w=1.05, jaw='oval', mouth_w=0.9, smirk=0.7)
