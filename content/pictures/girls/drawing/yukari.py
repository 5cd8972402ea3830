"""相沢　ゆかり (8): shoulder-length straight dark hair, white hairband, teal."""

from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands, locks
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
    tips = [((132, 62), (124, 80)), ((118, 52), (110, 77)), ((104, 50), (97, 76)),
            ((90, 52), (83, 78)), ((76, 58), (68, 84)), ((66, 66), (62, 100))]
    d = cap_path(17, 57, 100) + ' Q143 104 140 106 Q136 94 134 80' + locks((134, 80), tips) + ' Z'
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M116 32 Q130 56 138 96', 'M84 32 Q70 56 62 96'], 0.45)
    shine(s, g, 40, 28)
    # white hairband over the crown
    s.path('M57 66 C60 30 80 18 100 18 C120 18 140 30 143 66', stroke='#6a6a78', sw=7.2, cap='butt')
    s.path('M57 66 C60 30 80 18 100 18 C120 18 140 30 143 66', stroke='#fbfbff', sw=5.2, cap='butt')


GIRL = Girl(name='yukari', hair='#2b2024', hair_light='#6a5458', eyes='#7a4a2a', ribbon='#00897b',
            style='shoulder', eye_tilt=1.5, front=front, back=back)
