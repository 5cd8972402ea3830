"""桐島　沙耶 (3): high ponytail with a green band, the tennis club's racket and wristband, two tickets."""

from .body import draw_hand, prop
from .figure import Girl
from .hair import hair_colours, cap_path, shine, streak, strands
from .svg import dark, f, poly, smooth


def back(s, g):
    """Hair behind the head and body."""
    base, line, hi = hair_colours(g)
    shade = dark(base, 0.2)
    s.path(smooth([(100, 22), (138, 36), (144, 80), (140, 106), (100, 112), (60, 106), (56, 80), (62, 36)]),
           fill=shade, stroke=line)
    # the tail springs from the crown and falls behind her right shoulder (viewer's right)
    tail = [(118, 28), (146, 14), (164, 30), (166, 72), (160, 120), (164, 170), (150, 198), (152, 160),
            (142, 118), (146, 70), (136, 40)]
    s.path(smooth(tail), fill=base, stroke=line)
    strands(s, g, ['M150 30 Q160 80 152 130 Q150 160 154 186', 'M140 40 Q150 90 148 140'], 0.5)
    streak(s, g, (156, 40), (162, 80), (156, 120), 3.0, 0.42)
    # the green band round the root of the tail: a ring seen from the side, its edges curving round the hair
    cx, cy, ux, uy = 130.5, 22.5, 0.89, -0.45
    vx, vy = -uy, ux
    a, w, bow = 2.6, 7.6, 1.6

    def P(du, dv):
        return f(cx + ux * du + vx * dv), f(cy + uy * du + vy * dv)
    s.path('M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Z' % (
        P(-a, -w) + P(-a + bow, 0) + P(-a, w) + P(a, w) + P(a + bow, 0) + P(a, -w)),
        fill=g.ribbon, stroke=dark(g.ribbon, 0.35), sw=0.9)
    s.path('M%s %s Q%s %s %s %s' % (P(-a * 0.2, -w * 0.8) + P(-a * 0.2 + bow, -w * 0.2) + P(-a * 0.2, w * 0.35)),
           stroke='#ffffff', sw=1.0, op=0.55)


def front(s, g, expr):
    """Fringe and everything that lies in front of the face."""
    base, line, hi = hair_colours(g)
    # the side-swept fringe: parted above her left eye (viewer's right), combed across the forehead, the
    # locks' points sweeping down toward her right temple
    d = (cap_path(17, 58, 88) + ' Q144 96 141 103 Q137 92 135 75 Q132 62 124 57'
         ' Q122 70 112 75 Q110 70 107 65 Q104 75 96 79 Q94 74 92 69 Q89 78 81 81 Q79 77 78 73'
         ' Q74 86 65 99 Q61 94 58 88 Z')
    s.path(d, fill=base, stroke=line)
    strands(s, g, ['M122 30 Q120 50 112 73', 'M116 28 Q108 52 96 77', 'M110 28 Q96 50 81 79',
                   'M104 28 Q84 50 66 96', 'M128 34 Q136 54 139 96'], 0.45)
    shine(s, g, 36, 28)


@prop('racket')
def racket(s, g, left, right):
    # resting on her shoulder, head up behind it
    s.path('M137 158 L150 100', stroke='#30302e', sw=4.6)
    s.path('M137 158 L146 118', stroke='#f2f2ee', sw=3.4)
    s.path('M150 100 L145 84 M150 100 L159 86', stroke=g.ribbon, sw=2.6)
    s.ellipse(154, 62, 19, 25, '#ffffff', op=0.15)
    # the strings, each ending on the frame
    for k in range(-3, 4):
        h = 25 * (1 - (k * 5 / 19) ** 2) ** 0.5
        s.path('M%s %s L%s %s' % (f(154 + k * 5), f(62 - h), f(154 + k * 5), f(62 + h)), stroke='#e4e4dc', sw=0.6)
    for k in range(-4, 5):
        w = 19 * (1 - (k * 5 / 25) ** 2) ** 0.5
        s.path('M%s %s L%s %s' % (f(154 - w), f(62 + k * 5), f(154 + w), f(62 + k * 5)), stroke='#e4e4dc', sw=0.6)
    s.ellipse(154, 62, 19, 25, 'none', stroke='#0f3a2a', sw=4.2)
    s.ellipse(154, 62, 19, 25, 'none', stroke=g.ribbon, sw=2.8)
    draw_hand(s, g, 142, 148, -1, 0.25, 'grip')


@prop('wristband')
def wristband(s, g, left, right):
    """The white towelling wristband on her right wrist (viewer's left arm), edged in her green."""
    (ex, ey), (wx, wy) = left[-2], left[-1]
    L = ((wx - ex) ** 2 + (wy - ey) ** 2) ** 0.5
    ux, uy = (wx - ex) / L, (wy - ey) / L
    a = (wx - ux * 9, wy - uy * 9)
    b = (wx - ux * 2, wy - uy * 2)
    s.path('M%s %s L%s %s' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])), stroke='#9aa0b0', sw=17, cap='butt')
    s.path('M%s %s L%s %s' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])), stroke='#ffffff', sw=15.4, cap='butt')
    for x, y in (a, b):
        s.path('M%s %s L%s %s' % (f(x - uy * 7.4), f(y + ux * 7.4), f(x + uy * 7.4), f(y - ux * 7.4)),
               stroke=g.ribbon, sw=1.3)


GIRL = Girl(name='saya', hair='#c49058', hair_light='#ecc891', eyes='#1f9e6e', ribbon='#1f9e6e',
            style='ponytail', eye_h=0.84, front=front, back=back,
            # sharp green eyes tilted up at the outer corners; firm brows rising outward; a one-sided smile
            eye=dict(lid='sharp', w=1.05, tilt=7.0, iris=0.86, pupil=0.5, flicks=2, lower=1.1),
            brow='angled', brow_w=1.25, jaw='oval', mouth_w=0.9, smirk=1.2)


@prop('tickets_out')
def tickets_out(s, g, left, right):
    """The two tickets for the international match, held out in her right hand, fanned."""
    for k, rot in enumerate((-24, -8)):
        s.add('<g transform="translate(84 168) rotate(%d)">' % rot)
        s.path(poly([(-3, -24), (9, -24), (9, 4), (-3, 4)]), fill='#e8f4ec' if k else '#fdf4d8',
               stroke='#6a6a5a', sw=0.8)
        s.path('M-3 -4 L9 -4', stroke='#8a8270', sw=0.6, op=0.8)
        s.path('M-1 -20 L7 -20', stroke=g.ribbon, sw=2.4, cap='butt')
        s.circle(3, -12, 2.6, '#ffffff', stroke=g.ribbon, sw=0.8)
        s.add('</g>')
    draw_hand(s, g, 80, 172, 0.35, -1, 'grip')
    wristband(s, g, left, right)


@prop('racket_bag', 'behind')
def racket_bag(s, g, left, right):
    """The tennis club's racket case on her back: its head shows above her right shoulder."""
    s.add('<g transform="rotate(-14 60 170)">')
    s.path('M52 240 L52 150 Q52 142 46 134 Q36 122 36 104 Q36 72 62 72 Q88 72 88 104 Q88 122 78 134 '
           'Q72 142 72 150 L72 240 Z', fill='#1d4a3a', stroke='#0c2018', sw=1.2)
    s.ellipse(62, 104, 19, 25, 'none', stroke='#0c2018', sw=1.0, op=0.6)
    s.ellipse(62, 104, 21.5, 28, 'none', stroke='#e8e8e0', sw=1.0, op=0.8)
    s.path('M50 96 Q62 82 74 96', stroke=g.ribbon, sw=3.2)
    s.path('M44 92 Q48 80 58 77', stroke='#6ab898', sw=2.0, op=0.6)
    s.add('</g>')


@prop('strap_top')
def strap_top(s, g, left, right):
    """Where the strap lies over the top of her shoulder, above her arm; the rest runs under it."""
    s.path('M69.5 139 Q73 150 80.5 161.5', stroke='#0c2018', sw=5.4, cap='butt')
    s.path('M69.5 139 Q73 150 80.5 161.5', stroke='#1d4a3a', sw=4.0, cap='butt')


@prop('bag_strap', 'body')
def bag_strap(s, g, left, right):
    """The bag's strap across her chest, from her right shoulder to her left hip."""
    s.path('M70 148 Q100 190 132 226', stroke='#0c2018', sw=5.4, cap='butt')
    s.path('M70 148 Q100 190 132 226', stroke='#1d4a3a', sw=4.0, cap='butt')
