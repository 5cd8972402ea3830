"""朝倉　美咲 (5): short boyish hair, red clip, tanned, the baseball club's white jacket."""

from .body import SKIN_TAN, draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, strands
from .svg import dark, light, poly, smooth


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    # cut short and choppy: below the ears the ends break into tufts that flick out a little
    d = ('M100 22 C122 22 138 30 142 50 Q146 66 144 80 Q147 91 151 99 Q144 96 141 95 Q143 103 145 109'
         ' Q136 104 131 101 Q129 105 127 108 Q120 103 116 102 L84 102 Q80 103 73 108 Q71 105 69 101'
         ' Q64 104 55 109 Q57 103 59 95 Q56 96 49 99 Q53 91 56 80 Q54 66 58 50 C62 30 78 22 100 22 Z')
    s.path(d, fill=shade, stroke=line)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    # short and choppy, the tufts of uneven length all pushed toward her left (viewer's right)
    d = (cap_path(18, 59, 80) + ' Q147 90 141 97 Q139 86 136 78 L133 68 Q134 75 130 79 Q126 70 119 63'
         ' Q120 72 117 76 Q112 68 105 62 Q106 70 101 73 Q97 66 91 63 Q92 72 88 79 Q84 70 77 67'
         ' Q78 76 72 84 Q67 80 63 90 Z')
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M104 26 Q120 44 130 76', 'M96 26 Q108 48 116 74', 'M88 28 Q98 50 100 71',
                   'M80 32 Q88 54 87 76', 'M74 40 Q76 60 72 82'], 0.45)
    shine(s, g, 37, 28)
    # red hair clip over her right temple (viewer's left)
    # two enamelled bars joined by a bend at the inner end, the light along their top edges
    s.path('M67 56 L82 50.2 Q85.6 49.4 85.6 52.6 L85.6 57.4 Q85.6 60.6 82 59.8 L67.6 65 L67 62 L81.8 56.6'
           ' Q83 56.2 83 55.2 Q83 54.2 81.8 53.4 L67.6 59 Z', fill=g.ribbon, stroke=dark(g.ribbon, 0.35), sw=0.8)
    s.path('M68.5 57 L81.5 52', stroke=light(g.ribbon, 0.55), sw=0.8, op=0.9)
    s.path('M69 63 L81.5 58.4', stroke=light(g.ribbon, 0.55), sw=0.8, op=0.9)


@prop('jacket')
def jacket(s, g, left, right):
    trim = g.ribbon
    body = [(66, 206), (108, 208), (110, 236), (104, 262), (72, 264), (66, 236)]
    s.path(smooth(body), fill='#f6f3ea', stroke='#8a8ea0', sw=1.0)
    s.path('M74 208 Q70 236 76 262', stroke=trim, sw=3.0)
    s.path('M74 208 Q70 236 76 262', stroke='#ffffff', sw=0.8)
    s.path('M78 240 Q92 248 106 240', stroke='#d2d4dc', sw=1.0)
    s.path(poly([(88, 214), (102, 214), (104, 272), (90, 274)]), fill='#efece2', stroke='#8a8ea0', sw=1.0)
    s.path('M90.3 268 L103.7 266.5', stroke=trim, sw=4.0, cap='butt')
    s.path('M66 207 Q88 202 108 208', stroke=trim, sw=3.4)
    draw_hand(s, g, 100, 211, 1, 0.5, 'grip')


GIRL = Girl(name='misaki', hair='#553520', hair_light='#9a6a44', eyes='#a0582a', ribbon='#d7263d',
            style='boyish', skin=SKIN_TAN, eye_h=0.98, front=front, back=back,
            # bright lively eyes, a squared outer corner; strong straight brows; a wide mouth
            eye=dict(lid='bright', w=1.0, tilt=2.0, iris=0.95, shine=1.15, flicks=1, lower=0.8),
            brow='thick', brow_w=1.3, jaw='oval', mouth_w=1.18)


@prop('jacket_arm')
def jacket_arm(s, g, left, right):
    """The club jacket folded over her forearm while she gets her breath back."""
    s.add('<g transform="translate(-9 11)">')
    trim = g.ribbon
    s.path(smooth([(58, 192), (100, 180), (104, 206), (98, 232), (66, 236), (56, 214)]), fill='#f6f3ea',
           stroke='#8a8ea0', sw=1.0)
    s.path('M58 193 Q80 184 100 181', stroke=trim, sw=4.0)
    s.path('M58 193 Q80 184 100 181', stroke='#ffffff', sw=1.0)
    s.path('M66 204 Q84 198 100 196', stroke='#d2d4dc', sw=1.0)
    # one sleeve hangs down, its cuff in red
    s.path(poly([(84, 190), (98, 188), (100, 230), (87, 232)]), fill='#efece2', stroke='#8a8ea0', sw=1.0)
    s.path('M87.3 226 L99.8 224.5', stroke=trim, sw=4.0, cap='butt')
    draw_hand(s, g, 100, 182, 1, -0.45, 'fist', thumb=-1)
    s.add('</g>')
