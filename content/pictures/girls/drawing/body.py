"""The uniform and the arms: legs, skirt, blazer with ribbon and corsage, sleeves, hands and the poses."""
import math

from .svg import mix, dark, light, f, poly, smooth

SKIN = '#fde6d8'
SKIN_TAN = '#f1c9a4'
NAVY = '#232c4d'
PLAID = '#7b8296'
PLAID_DARK = '#2c3554'
SOCK = '#1e2440'
SHOE = '#5b3524'


def legs(s, g):
    skin = g.skin
    outline = mix(skin, '#6a3030', 0.55)
    for side in (1, -1):
        x = 100 - side * 11
        pts_ = [(x - side * 11, 300), (x - side * 9, 352), (x - side * 8, 372), (x - side * 8.5, 398),
                (x - side * 5, 462), (x + side * 4, 462), (x + side * 6.5, 398), (x + side * 6, 370),
                (x + side * 8, 350), (x + side * 10, 300)]
        s.path(smooth(pts_), fill=skin, stroke=outline, sw=1.1)
        s.path('M%s 366 q%s 4 %s 0' % (f(x - side * 3), f(side * 2), f(side * 4)), stroke=outline, sw=0.7,
               op=0.5)
        # knee sock from below the knee
        sock = [(x - side * 8.2, 384), (x - side * 8.6, 400), (x - side * 5.2, 464), (x + side * 4.2, 464),
                (x + side * 6.6, 400), (x + side * 6.4, 382)]
        s.path(poly(sock), fill=SOCK, stroke='#0e1224', sw=1.0)
        s.path('M%s 388 L%s 388' % (f(x - side * 8.3), f(x + side * 6.5)), stroke='#3a4470', sw=1.2)
        # loafer
        s.path('M%s 458 Q%s 458 %s 466 Q%s 476 %s 475 Q%s 474 %s 458 Z' % (
            f(x - side * 6), f(x - side * 9), f(x - side * 11), f(x - side * 12), f(x + side * 2),
            f(x + side * 7), f(x + side * 5)), fill=SHOE, stroke='#2a1810', sw=1.0)


def skirt(s, g):
    top, hem = 244, 318
    lx0, rx0, lx1, rx1 = 78, 122, 58, 142
    d = 'M%s %s L%s %s L%s %s' % (f(lx0), f(top), f(rx0), f(top), f(rx1), f(hem))
    # pleated hem: small zigzag
    n = 8
    for i in range(1, n + 1):
        x = rx1 - (rx1 - lx1) * i / n
        d += ' L%s %s L%s %s' % (f(x + (rx1 - lx1) / n * 0.5), f(hem + 3), f(x), f(hem))
    d += ' Z'
    s.path(d, fill=PLAID, stroke='#3a3f52', sw=1.1)

    def edge(y):
        t = (y - top) / (hem - top)
        return lx0 + (lx1 - lx0) * t, rx0 + (rx1 - rx0) * t
    # horizontal tartan bands
    for y, w, c, o in ((258, 5, PLAID_DARK, 0.75), (282, 7, PLAID_DARK, 0.75), (305, 6, PLAID_DARK, 0.75),
                       (270, 1.0, '#d8dbe6', 0.7), (294, 1.0, '#d8dbe6', 0.7)):
        a, b = edge(y)
        s.path('M%s %s L%s %s' % (f(a + 0.8), f(y), f(b - 0.8), f(y)), stroke=c, sw=w, op=o, cap='butt')
    # vertical bands following the pleats, and the pleat folds
    for i in range(1, n):
        t = i / n
        xt = lx0 + (rx0 - lx0) * t
        xb = lx1 + (rx1 - lx1) * t
        s.path('M%s %s L%s %s' % (f(xt), f(top + 1), f(xb), f(hem)), stroke=PLAID_DARK, sw=2.6, op=0.55,
               cap='butt')
        s.path('M%s %s L%s %s' % (f(xt + 1.8), f(top + 1), f(xb + 2.6), f(hem + 2)), stroke='#3a3f52', sw=0.7,
               op=0.7)


def torso(s, g, sun_right=False):
    blazer = NAVY
    bl_line = '#0d1226'
    bl_shade = '#18203c'
    body = 'M88 134 Q72 138 64 152 L66 200 Q72 226 74 262 Q100 268 126 262 Q128 226 134 200 L136 152 Q128 138 112 134 L100 152 Z'
    s.path(body, fill=blazer, stroke=bl_line, sw=1.2)
    # shade on the side away from the sun: her left (viewer's right) where the light comes from the upper
    # left, mirrored where the sun stands to the right of the picture
    if sun_right:
        s.add('<g transform="matrix(-1 0 0 1 200 0)">')
    s.path('M118 150 Q128 190 126 262 Q100 268 118 262 Q120 210 112 160 Z', fill=bl_shade, op=0.8)
    if sun_right:
        s.add('</g>')
    # blouse and collar
    s.path('M88 134 L100 190 L112 134 Z', fill='#f7f7fb')
    s.path('M88 134 L100 190 L112 134', stroke='#9aa0b0', sw=0.9)
    s.path('M100 188 L100 152', stroke='#d8dbe6', sw=0.8)
    # the throat showing down to where the collar's points meet, in the shade of the chin
    s.path('M90.8 133.6 L100 143 L109.2 133.6 Z', fill=g.skin)
    s.path('M90.8 133.6 L100 143 L109.2 133.6 Z', fill=mix(g.skin, '#d08a80', 0.35), op=0.6)
    s.path('M88 133 L92 150 L100 143 Z', fill='#ffffff', stroke='#9aa0b0', sw=0.9)
    s.path('M112 133 L108 150 L100 143 Z', fill='#ffffff', stroke='#9aa0b0', sw=0.9)
    # lapels
    s.path('M88 135 L84 150 L91 156 L100 200 L93 160 Z', fill='#2d3860', stroke=bl_line, sw=0.9)
    s.path('M112 135 L116 150 L109 156 L100 200 L107 160 Z', fill='#2d3860', stroke=bl_line, sw=0.9)
    s.path('M100 200 L100 262', stroke=bl_line, sw=1.0)
    # buttons and a pocket
    for y in (214, 238):
        s.circle(102.5, y, 2.3, '#d9b44a', stroke='#8a6a20', sw=0.7)
    s.path('M111 182 L125 182', stroke=bl_line, sw=1.0)
    # collar ribbon
    r = g.ribbon
    rs = dark(r, 0.3)
    s.path('M100 146 Q88 136 85 141 Q83 150 100 149 Z', fill=r, stroke=rs, sw=0.9)
    s.path('M100 146 Q112 136 115 141 Q117 150 100 149 Z', fill=r, stroke=rs, sw=0.9)
    s.path('M98.5 149 L93 166 L96.5 163.5 L99 167 L100.5 149 Z', fill=r, stroke=rs, sw=0.8)
    s.path('M101.5 149 L106.5 165 L103 163 L100.5 166 L99.5 149 Z', fill=r, stroke=rs, sw=0.8)
    s.ellipse(100, 147.3, 3.2, 3.4, light(r, 0.15), stroke=rs, sw=0.8)
    s.path('M88 143 Q90 141 92 142', stroke=light(r, 0.5), sw=1.0, op=0.8)
    if g.corsage:
        cx, cy = 119, 168
        s.path('M%s %s L%s %s L%s %s Z' % (f(cx - 2), f(cy + 3), f(cx - 4), f(cy + 15), f(cx), f(cy + 13)),
               fill='#e03040', stroke='#901a24', sw=0.6)
        s.path('M%s %s L%s %s L%s %s Z' % (f(cx + 2), f(cy + 3), f(cx + 4), f(cy + 14), f(cx + 0.5), f(cy + 12)),
               fill='#ffffff', stroke='#a0a0b0', sw=0.6)
        for k in range(8):
            a = k * math.pi / 4
            s.circle(cx + 4.6 * math.cos(a), cy + 4.6 * math.sin(a), 3.0, '#e8344a' if k % 2 else '#ffffff',
                     stroke='#a01e2e', sw=0.5)
        s.circle(cx, cy, 3.0, '#ffe0e4', stroke='#c02a3a', sw=0.6)
        s.circle(cx, cy, 1.2, '#e03040')


# ----------------------------------------------------------------------------- arms and poses
# Things a girl holds or carries, by name; each girl's module registers her own with @prop, saying where
# it lies: 'front' over the arms (held things), 'body' over the blazer but under the arms (a strap),
# 'behind' behind her (a bag on her back).
LAYERS = {'front': {}, 'body': {}, 'behind': {}}
PROPS = LAYERS['front']


def prop(name, layer='front'):
    def register(draw):
        LAYERS[layer][name] = draw
        return draw
    return register


SH_L = (69, 155)
SH_R = (131, 155)


def sleeve(s, g, pts_, hand=True, hand_kind='fist'):
    if len(pts_) == 3 and _bend(*pts_) > 35:
        # a bent arm: the forearm drawn over the upper arm with its own outline, so that it reads where it
        # crosses the blazer of the same navy
        s.limb(pts_[:2], 17, NAVY, '#0d1226')
        shoulder(s, pts_[0])
        s.limb(pts_[1:], 16, NAVY, '#0d1226')
        (sx, sy), (ex, ey), (wx, wy) = pts_
        # the fold of the sleeve inside the elbow
        mx, my = ex + (sx - ex) * 0.22 + (wx - ex) * 0.22, ey + (sy - ey) * 0.22 + (wy - ey) * 0.22
        s.path('M%s %s L%s %s' % (f(ex + (mx - ex) * 0.35), f(ey + (my - ey) * 0.35), f(mx), f(my)),
               stroke='#0d1226', sw=0.9, op=0.6)
    else:
        s.limb(pts_, 17, NAVY, '#0d1226')
        shoulder(s, pts_[0])
    # the blouse's cuff just showing at the end of the sleeve, the wrist, and the hand
    (ex, ey), (wx, wy) = pts_[-2], pts_[-1]
    dx, dy = wx - ex, wy - ey
    L = (dx * dx + dy * dy) ** 0.5 or 1
    ux, uy = dx / L, dy / L
    if hand:
        outline = mix(g.skin, '#6a3030', 0.55)
        a, b = (wx - ux * 1, wy - uy * 1), (wx + ux * 5, wy + uy * 5)
        s.path('M%s %s L%s %s' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])), stroke=outline, sw=8.6, cap='butt')
        s.path('M%s %s L%s %s' % (f(a[0]), f(a[1]), f(b[0]), f(b[1])), stroke=g.skin, sw=7, cap='butt')
    # the cuff: a flat white oval, the opening of the blouse's sleeve seen end on
    cx, cy = wx - ux * 0.6, wy - uy * 0.6
    a = math.degrees(math.atan2(uy, ux))
    s.add('<ellipse cx="%s" cy="%s" rx="2.6" ry="6" transform="rotate(%s %s %s)" fill="%s" stroke="%s" '
          'stroke-width="0.8"/>' % (f(cx), f(cy), f(a), f(cx), f(cy), s.p('#f7f7fb'), s.p('#9aa0b0')))
    if hand:
        draw_hand(s, g, wx + ux * 7, wy + uy * 7, ux, uy, hand_kind)


def shoulder(s, sh):
    """The top of the sleeve set into the blazer's shoulder: the line of the shoulder runs on into the
    arm, and the seam curves down to the armpit, instead of a round cap laid over the chest."""
    k = 1 if sh[0] < 100 else -1

    def X(x):
        return f(x if k == 1 else 200 - x)
    s.path('M%s 135.4 Q%s 138 %s 152 L%s 156 Q%s 160.5 %s 160 L%s 151 Z' % (
        X(83), X(72.5), X(63.6), X(65), X(72), X(80.4), X(81.6)), fill=NAVY)
    s.path('M%s 135.6 Q%s 138 %s 152.4' % (X(84.5), X(72.5), X(63.4)), stroke='#0d1226', sw=1.2)
    s.path('M%s 153.5 Q%s 160 %s 161.5' % (X(64.6), X(71), X(79.5)), stroke='#0d1226', sw=0.8, op=0.55)


def _bend(a, b, c):
    """How far the arm bends at the elbow b, in degrees (0 = straight)."""
    ux, uy, vx, vy = b[0] - a[0], b[1] - a[1], c[0] - b[0], c[1] - b[1]
    cos = (ux * vx + uy * vy) / (((ux * ux + uy * uy) * (vx * vx + vy * vy)) ** 0.5 or 1)
    return math.degrees(math.acos(max(-1.0, min(1.0, cos))))


def draw_hand(s, g, hx, hy, ux, uy, kind='fist', thumb=None):
    """A hand at (hx, hy), its fingers pointing along (ux, uy): a palm, four fingers and a thumb, each
    outlined, so that the fingers read as fingers. thumb: the side the thumb is on (+1 or -1 across the
    hand); by default the side toward her middle.

    fist: hanging relaxed, fingers curled; open: a wave, fingers spread; cheek: fingers together, laid
    against a cheek or the chest; v: the victory sign; grip: holding the edge of something in front of
    her, the fingers across its face; wipe: a loose fist, the forefinger wiping under an eye."""
    L = (ux * ux + uy * uy) ** 0.5 or 1
    ux, uy = ux / L, uy / L
    px, py = -uy, ux
    if thumb is None:
        thumb = 1 if abs(hx + px - 100) < abs(hx - px - 100) else -1
    t = thumb
    skin = g.skin
    outline = mix(skin, '#6a3030', 0.55)

    def H(a, b):
        return hx + ux * a + px * b, hy + uy * a + py * b

    def finger(a0, b0, a1, b1, w, a2=None, b2=None):
        pts_ = [H(a0, b0), H(a1, b1)] + ([H(a2, b2)] if a2 is not None else [])
        d = 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in pts_)
        s.path(d, stroke=outline, sw=w + 1.5)
        s.path(d, stroke=skin, sw=w)

    def palm(a0, a1, w0, w1):
        pts_ = [H(a0, -w0), H((a0 + a1) / 2, -w1 * 1.05), H(a1, -w1), H(a1 + 1.5, 0), H(a1, w1),
                H((a0 + a1) / 2, w1 * 1.05), H(a0, w0)]
        s.path(smooth(pts_), fill=skin, stroke=outline, sw=0.9)

    if kind == 'grip':
        # the back of the hand beyond the edge, the fingers lying across the face of what she holds
        palm(-6, -1, 3.6, 4.6)
        for k, b in enumerate((-4.2, -1.4, 1.4, 4.2)):
            finger(-2, b, 4.2 - abs(b) * 0.35, b * 1.02, 2.7)
        s.path('M%s %s L%s %s' % (H(-1.5, t * 5.2) + H(-5, t * 4.6)), stroke=outline, sw=0.7, op=0.6)
        return
    if kind == 'fist':
        palm(-4, 5, 3.6, 4.6)
        for b in (-3.3, -1.1, 1.1, 3.3):
            finger(4.5, b, 8.2 - abs(b) * 0.3, b * 1.02, 2.6, 7.6 - abs(b) * 0.3, b * 1.02 - t * 0.3)
        finger(-0.5, t * 4.2, 5.5, t * 5.0, 3.2)
        return
    if kind == 'open':
        palm(-4, 4.5, 3.6, 4.8)
        for k, b in enumerate((-3.4, -1.15, 1.15, 3.4)):
            finger(4, b, 12.5 - abs(b + t * 1.2) * 0.7, b * 1.5, 2.7)
        finger(0, t * 4, 5.5, t * 8.8, 3.0)
        return
    if kind == 'cheek':
        palm(-4, 4.5, 3.6, 4.6)
        for b in (-3.2, -1.05, 1.05, 3.2):
            finger(4, b, 11.5 - abs(b - t * 1.0) * 0.6, b * 1.05, 2.6)
        finger(-0.5, t * 4.0, 5, t * 7.2, 3.0)
        return
    if kind == 'v':
        palm(-4, 4.5, 3.6, 4.6)
        finger(4, -t * 3.2, 7, -t * 3.4, 2.6, 6, -t * 2.8)
        finger(4, -t * 1.1, 7, -t * 1.2, 2.6, 6, -t * 0.8)
        finger(4, t * 1.0, 14, t * 3.2, 2.7)
        finger(4, t * 3.2, 14.5, t * 6.4, 2.7)
        finger(-0.5, t * 4.2, 4.5, t * 1.0, 3.0)
        return
    if kind == 'wipe':
        palm(-4, 4.5, 3.6, 4.6)
        for b in (-1.1, 1.1, 3.3):
            finger(4, t * b, 7.5, t * b, 2.6, 6.8, t * b - t * 0.3)
        finger(4, -t * 3.3, 9, -t * 5.5, 2.6, 13, -t * 9)
        finger(-0.5, t * 4.2, 5, t * 5, 3.0)
        return


POSES = {
    # arms: (left arm points, right arm points); left = viewer's left
    'down': ([SH_L, (63, 202), (66, 246)], [SH_R, (137, 202), (134, 246)]),
    'clasp': ([SH_L, (63, 200), (92, 238)], [SH_R, (137, 200), (108, 238)]),
    'wave': ([SH_L, (63, 202), (66, 246)], [SH_R, (152, 176), (156, 126)]),
    'wave_clasp': ([SH_L, (63, 202), (90, 236)], [SH_R, (152, 176), (156, 126)]),
    'hip': ([SH_L, (50, 196), (72, 236)], [SH_R, (137, 202), (134, 246)]),
    'hip_cheek': ([SH_L, (48, 196), (72, 236)], [SH_R, (154, 180), (130, 121)]),
    'behind': ([SH_L, (62, 200), (72, 232)], [SH_R, (138, 200), (128, 232)]),
    'jacket': ([SH_L, (62, 204), (94, 212)], [SH_R, (137, 202), (134, 246)]),
    'jacket_wave': ([SH_L, (62, 204), (94, 212)], [SH_R, (152, 176), (156, 126)]),
    'offer': ([SH_L, (62, 196), (86, 200)], [SH_R, (138, 196), (114, 200)]),
    'mouth': ([SH_L, (63, 202), (88, 226)], [SH_R, (140, 196), (112, 122)]),
    'racket': ([SH_L, (63, 202), (66, 246)], [SH_R, (148, 190), (138, 150)]),
    'book': ([SH_L, (64, 206), (90, 192)], [SH_R, (136, 206), (110, 192)]),
    'crossed': ([SH_L, (72, 208), (122, 194)], [SH_R, (128, 208), (80, 196)]),
    # at the gate, framed from the waist up: the hands stay near the chest where they show
    'hold': ([SH_L, (62, 202), (90, 186)], [SH_R, (138, 202), (110, 186)]),
    'hold_high': ([SH_L, (60, 198), (86, 174)], [SH_R, (140, 198), (114, 174)]),
    'hold_out': ([SH_L, (56, 196), (78, 176)], [SH_R, (137, 202), (134, 246)]),
    'breath': ([SH_L, (57, 206), (84, 195)], [SH_R, (148, 212), (111, 183)]),
    'slip': ([SH_L, (58, 198), (80, 176)], [SH_R, (155, 180), (130, 121)]),
    'wipe': ([SH_L, (62, 204), (92, 192)], [SH_R, (150, 184), (128, 116)]),
    'peace': ([SH_L, (62, 204), (94, 190)], [SH_R, (154, 178), (150, 126)]),
}

# The hand at the end of each arm (left, right) where it is not a fist; None: the prop draws the hand.
HANDS = {'wave': ('fist', 'open'), 'wave_clasp': ('fist', 'open'), 'jacket_wave': ('fist', 'open'),
         'hip_cheek': ('fist', 'cheek'), 'mouth': ('fist', 'cheek'), 'behind': (None, None), 'book': (None, None),
         'offer': (None, None), 'crossed': (None, None), 'hold': (None, None), 'hold_high': (None, None),
         'hold_out': (None, 'fist'), 'breath': (None, 'cheek'), 'slip': (None, 'cheek'), 'wipe': ('fist', 'wipe'),
         'peace': ('fist', 'v')}


def arms(s, g, pose, props, over=None):
    """The arms and hands, then over: what of her hair lies over her arms, then the things she holds."""
    left, right = POSES[pose]
    for arm, kind in zip((left, right), HANDS.get(pose, ('fist', 'fist'))):
        sleeve(s, g, arm, hand=kind is not None, hand_kind=kind)
    if pose == 'clasp':
        # hands joined in front of the skirt, her right laid over her left
        draw_hand(s, g, 104, 243, -1, 0.35, 'grip')
        draw_hand(s, g, 96, 240, 1, 0.35, 'grip')
    if pose == 'crossed':
        # the upper arm lies over the lower one; its hand tucked under the far elbow
        sleeve(s, g, left, hand=False)
    if over:
        over(s, g)
    for name in props:
        draw = PROPS.get(name)
        if draw:
            draw(s, g, left, right)


def layer(s, g, pose, props, which):
    """Draws the props of one layer ('behind' or 'body'; the front ones come with the arms)."""
    left, right = POSES[pose]
    for name in props:
        draw = LAYERS[which].get(name)
        if draw:
            draw(s, g, left, right)


def heart(s, x, y, r, c):
    s.path('M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z' % (
        f(x), f(y + r), f(x - r * 2), f(y - r * 0.3), f(x - r * 0.8), f(y - r * 1.6), f(x), f(y - r * 0.5),
        f(x + r * 0.8), f(y - r * 1.6), f(x + r * 2), f(y - r * 0.3), f(x), f(y + r)), fill=c)

