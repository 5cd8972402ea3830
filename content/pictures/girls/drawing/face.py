"""Face, eyes, brows and mouth: one face for every girl, varied by her build (Girl) and by the expression
of the picture (a dict: eyes, look, brows, mouth, blush, and the extras drawn over the face: tears, sweat,
breath, wink)."""
from .svg import mix, dark, light, f, poly


def face(s, g, expr):
    skin = g.skin
    sh = mix(skin, '#d08a80', 0.35)
    outline = mix(skin, '#6a3030', 0.55)
    # neck with the shadow under the chin
    s.path(poly([(91, 104), (91, 140), (109, 140), (109, 104)]), fill=skin, stroke=outline, sw=1.0)
    s.path('M91 112 Q100 128 109 112 L109 126 Q100 134 91 126 Z', fill=sh)
    # ears
    for side in (1, -1):
        s.ellipse(100 - side * 36, 88, 5, 8, skin, stroke=outline, sw=1.0)
    # skull and cheeks
    s.path('M63 70 C62 40 80 28 100 28 C120 28 138 40 137 70 C137 96 118 116 100 121 C82 116 63 96 63 70 Z',
           fill=skin, stroke=outline, sw=1.1)
    eyes(s, g, expr)
    # nose: a small light stroke
    s.path('M100.5 100 Q102 103 100 104', stroke=mix(skin, '#b06050', 0.6), sw=1.0)
    mouth(s, g, expr)
    blush = expr.get('blush', 1)
    if blush:
        for side in (1, -1):
            s.ellipse(100 - side * 22, 103, 8, 4, '#ff8098', op=0.30 + 0.18 * blush)
            if blush > 1:
                for k in range(3):
                    x = 100 - side * 22 - 4 + k * 3.5
                    s.path('M%s 101 L%s 105' % (f(x + 1.5), f(x - 0.5)), stroke='#e0506a', sw=0.8, op=0.7)


def eyes(s, g, expr):
    kind = expr.get('eyes', 'open')
    look = expr.get('look', 0.0)  # sideways glance, units (+ = toward the viewer's right)
    lash = '#2a1a1c'
    brow_c = mix(g.hair, '#3a2020', 0.3)
    brows = expr.get('brows', 'normal')
    h = g.eye_h
    tilt = g.eye_tilt
    for side in (1, -1):  # 1 = the eye on the viewer's left
        cx = 100 - side * 17
        cy = 91

        def X(dx):
            return cx + side * dx  # dx > 0 toward the nose

        if kind == 'smile':
            s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(cy + 2), f(X(0)), f(cy - 6), f(X(8)), f(cy + 1)),
                   stroke=lash, sw=2.4)
            continue
        if kind == 'squeeze' or (expr.get('wink') and side == -1):
            # shut tight (> <) for embarrassment, or the wink of one eye
            if kind == 'squeeze':
                s.path('M%s %s L%s %s L%s %s' % (f(X(-8)), f(cy - 6), f(X(6)), f(cy), f(X(-8)), f(cy + 5)),
                       stroke=lash, sw=2.4)
            else:
                s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(cy + 1), f(X(0)), f(cy - 6), f(X(8)), f(cy + 1)),
                       stroke=lash, sw=2.4)
            continue
        if kind == 'closed':
            s.path('M%s %s Q%s %s %s %s' % (f(X(-9.5)), f(cy - 1), f(X(0)), f(cy + 5), f(X(8)), f(cy)),
                   stroke=lash, sw=2.2)
            s.path('M%s %s l%s %s' % (f(X(-9.5)), f(cy - 1), f(-side * 2.5), f(-1.5)), stroke=lash, sw=1.4)
            continue
        top = cy - 11 * h
        if kind == 'wide':
            top -= 1.5
        lid = 4.0 * h if kind == 'soft' else 0.0
        bot = cy + 9.5 * h
        # white of the eye
        s.path('M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Q%s %s %s %s Z' % (
            f(X(-9.5)), f(cy - 2 - tilt), f(X(-3)), f(top - 0.5 - tilt * 0.5), f(X(7.5)), f(top + 3),
            f(X(8.5)), f(cy + 3), f(X(7)), f(bot), f(X(0)), f(bot + 1.5), f(X(-8)), f(bot - 1), f(X(-9.5)),
            f(cy - 2 - tilt)),
            fill='#ffffff')
        # iris, pupil and the two catch-lights
        ix = X(-0.5) + look
        iy = cy + 1.0 * h
        rx, ry = (6.9, 9.4 * h) if kind != 'wide' else (6.0, 8.4 * h)
        iris = s.grad([(0, dark(g.eyes, 0.6)), (0.5, g.eyes), (1, light(g.eyes, 0.5))])
        s.ellipse(ix, iy, rx, ry, iris, stroke=dark(g.eyes, 0.65), sw=0.8)
        s.ellipse(ix, iy + 0.6, rx * 0.45, ry * 0.48, dark(g.eyes, 0.75))
        s.path('M%s %s Q%s %s %s %s' % (f(ix - rx * 0.75), f(iy + ry * 0.45), f(ix), f(iy + ry * 0.95),
                                         f(ix + rx * 0.75), f(iy + ry * 0.45)),
               stroke=light(g.eyes, 0.7), sw=1.2, op=0.7)
        s.ellipse(ix - 2.4, iy - ry * 0.42, 2.5, 3.1, '#ffffff')
        s.circle(ix + 2.6, iy + ry * 0.38, 1.3, '#ffffff', op=0.95)
        # lid shadow over the top of the iris
        s.path('M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Z' % (
            f(X(-9)), f(cy - 2 - tilt), f(X(-3)), f(top + lid - 0.5 - tilt * 0.5), f(X(8)), f(top + lid + 3),
            f(X(8)), f(top + lid + 6), f(X(-3)), f(top + lid + 3.5), f(X(-9)), f(cy + 1 - tilt)),
            fill=dark(g.eyes, 0.5), op=0.35)
        # upper lid: heavy at the outer corner, thinning toward the nose, with a little flick
        lw = 2.6 * g.lashes
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s' % (
            f(X(-11)), f(cy - 0.5 - tilt), f(X(-6)), f(top + lid - 2 - tilt * 0.6), f(X(0)), f(top + lid - 1.2),
            f(X(5)), f(top + lid - 0.6), f(X(8.5)), f(top + lid + 2.8)),
            stroke=lash, sw=lw)
        if g.lashes > 1.1:
            s.path('M%s %s Q%s %s %s %s' % (f(X(-10.5)), f(cy - 1.5 - tilt), f(X(-12)), f(cy - 3 - tilt),
                                             f(X(-12.5)), f(cy - 4.5 - tilt)), stroke=lash, sw=1.2)
        s.path('M%s %s L%s %s' % (f(X(8.5)), f(top + lid + 2.8), f(X(9)), f(top + lid + 6)), stroke=lash,
               sw=1.0)
        if lid:
            s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(top + 1), f(X(0)), f(top - 1.5), f(X(7)), f(top + 1.5)),
                   stroke=mix(lash, g.skin, 0.5), sw=0.8)
        # lower lash: a light short stroke
        s.path('M%s %s Q%s %s %s %s' % (f(X(-6.5)), f(bot - 1.5), f(X(0)), f(bot + 1.2), f(X(5.5)), f(bot - 0.5)),
               stroke=mix(lash, g.skin, 0.45), sw=0.9)


def brows(s, g, expr):
    brow_c = mix(g.hair, '#3a2020', 0.3)
    brows = expr.get('brows', 'normal')
    for side in (1, -1):
        cx = 100 - side * 17

        def X(dx):
            return cx + side * dx

        # brow: thin and soft; 'up' = worried or shy, 'cross' = annoyed
        if brows == 'up':
            by = (77, 74, 72.5)
        elif brows == 'cross':
            by = (74.5, 74.5, 77.5)
        else:
            by = (76.5, 74, 75)
        s.path('M%s %s Q%s %s %s %s' % (f(X(-9)), f(by[0]), f(X(0)), f(by[1] - 1.5), f(X(8)), f(by[2])),
               stroke=brow_c, sw=g.brow_w, op=0.9)


def mouth(s, g, expr):
    kind = expr.get('mouth', 'smile')
    lip = '#a8433f'
    y = 111
    if kind == 'smile':
        s.path('M95 %s Q100 %s 105 %s' % (f(y), f(y + 3.5), f(y)), stroke=lip, sw=1.2)
    elif kind == 'open':
        s.path('M94 %s Q100 %s 106 %s Q100 %s 94 %s Z' % (f(y - 1), f(y - 0.5), f(y - 1), f(y + 8), f(y - 1)),
               fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M97 %s Q100 %s 103 %s Q100 %s 97 %s Z' % (f(y + 4.5), f(y + 3), f(y + 4.5), f(y + 6.6),
                                                         f(y + 4.5)), fill='#ec8a8a')
    elif kind == 'pant':
        # out of breath: the mouth open round, the upper teeth showing
        s.path('M94.5 %s Q100 %s 105.5 %s Q105 %s 100 %s Q95 %s 94.5 %s Z' % (
            f(y - 1.5), f(y - 3), f(y - 1.5), f(y + 7), f(y + 8.5), f(y + 7), f(y - 1.5)),
            fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M95.8 %s Q100 %s 104.2 %s L104 %s Q100 %s 96 %s Z' % (
            f(y - 1), f(y - 2.2), f(y - 1), f(y + 0.4), f(y - 0.6), f(y + 0.4)), fill='#ffffff')
        s.path('M97 %s Q100 %s 103 %s Q100 %s 97 %s Z' % (f(y + 6), f(y + 4), f(y + 6), f(y + 8), f(y + 6)),
               fill='#ec8a8a')
    elif kind == 'o':
        s.ellipse(100, y + 1.5, 2.6, 3.2, '#9c3438', stroke='#7a2a2a', sw=0.8)
    elif kind == 'flat':
        s.path('M96.5 %s Q100 %s 103.5 %s' % (f(y + 1), f(y + 1.8), f(y + 1)), stroke=lip, sw=1.1)
    elif kind == 'wavy':
        s.path('M95 %s Q97.5 %s 100 %s Q102.5 %s 105 %s' % (f(y + 1), f(y - 1), f(y + 1), f(y + 3), f(y + 1)),
               stroke=lip, sw=1.1)
    elif kind == 'pout':
        s.path('M96 %s Q100 %s 104 %s' % (f(y + 2), f(y - 1), f(y + 2)), stroke=lip, sw=1.2)
    elif kind == 'grin':
        s.path('M92.5 %s Q100 %s 107.5 %s Q106 %s 100 %s Q94 %s 92.5 %s Z' % (
            f(y - 2), f(y - 0.5), f(y - 2), f(y + 8), f(y + 9), f(y + 8), f(y - 2)),
            fill='#9c3438', stroke='#7a2a2a', sw=0.9)
        s.path('M94 %s Q100 %s 106 %s L105.5 %s Q100 %s 94.5 %s Z' % (
            f(y - 1.4), f(y - 0.2), f(y - 1.4), f(y + 0.6), f(y + 1.8), f(y + 0.6)), fill='#ffffff')
        s.path('M96.5 %s Q100 %s 103.5 %s Q100 %s 96.5 %s Z' % (f(y + 6), f(y + 4), f(y + 6), f(y + 8.6),
                                                              f(y + 6)), fill='#ec8a8a')


def glasses(s, g):
    rim = '#9aa0ac'
    for side in (1, -1):
        cx = 100 - side * 17
        s.ellipse(cx, 91, 12.5, 12, '#dfeeff', op=0.18)
        s.ellipse(cx, 91, 12.5, 12, 'none', stroke=rim, sw=1.4)
        s.path('M%s 86 Q%s 82 %s 84' % (f(cx - 7), f(cx - 4), f(cx - 1)), stroke='#ffffff', sw=1.3, op=0.8)
    s.path('M95.5 89 Q100 86.5 104.5 89', stroke=rim, sw=1.2)
    s.path('M70.5 88 L64 86', stroke=rim, sw=1.2)
    s.path('M129.5 88 L136 86', stroke=rim, sw=1.2)



def extras(s, g, expr):
    """What lies over the face: tears, sweat, breath. Drawn after the fringe and glasses."""
    tears = expr.get('tears', 0)
    if tears:
        for side in (1, -1):
            cx = 100 - side * 17
            # the eye brimming: a wet shine along the lower lid
            s.path('M%s 98.5 Q%s 101.5 %s 98.5' % (f(cx - 6), f(cx), f(cx + 6)), stroke='#e8f6ff', sw=1.8,
                   op=0.9)
            if tears > 1:
                # a tear running down the cheek from the outer corner
                x = cx - side * 6
                s.path('M%s 99 Q%s 106 %s 114 Q%s 117 %s 114 Q%s 106 %s 99 Z' % (
                    f(x - 1.2), f(x - 1.8), f(x - 1.6), f(x), f(x + 1.6), f(x + 1.8), f(x + 1.2)),
                    fill='#d8f0ff', stroke='#8ab8d8', sw=0.6, op=0.95)
                s.circle(x - 0.4, 112.5, 0.6, '#ffffff')
    sweat = expr.get('sweat', 0)
    for k in range(sweat):
        x, y = (141, 62) if k == 0 else (60, 70)
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (f(x), f(y), f(x + 3.6), f(y + 7), f(x), f(y + 8.5),
                                                       f(x - 3.6), f(y + 7), f(x), f(y)),
               fill='#dff2ff', stroke='#6a9ec8', sw=0.8)
        s.path('M%s %s q-1 2 0 3.5' % (f(x - 0.8), f(y + 4)), stroke='#ffffff', sw=0.8)
    if expr.get('breath'):
        # little puffs of breath beside the mouth
        for x, y, r in ((116, 116, 3.2), (122, 112, 2.4), (127, 109, 1.6)):
            s.ellipse(x, y, r * 1.3, r, '#ffffff', stroke='#c8d0e0', sw=0.6, op=0.85)
