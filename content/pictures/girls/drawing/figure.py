"""A girl as data (Girl) and the whole standing figure, drawn back to front.

Figure space: 200 x 520 units, head centre x = 100, the feet at y ~ 500. Each girl's module gives her
colours and build and draws her own hair (back and front) and the things only she carries.
"""
from .body import SKIN, arms, layer, legs, skirt, torso
from .face import brows, extras, face, glasses, neck
from .svg import Paint, Svg, f


class Girl:
    def __init__(self, **kw):
        self.skin = SKIN
        self.height = 1.0
        self.glasses = False
        self.corsage = True
        self.eye_h = 1.0
        self.eye_tilt = 0.0
        self.lashes = 1.0
        self.brow_w = 1.3
        # her face: eye shape (see face.LIDS) and its size, tilt in degrees, iris; brows; jaw; mouth
        self.eye = {}
        self.brow = 'soft'
        self.brow_c = None
        self.jaw = 'oval'
        self.nose = 'line'
        self.lash = '#2a1a1c'
        self.lip = '#a8433f'
        self.lips = None
        self.mouth_w = 1.0
        self.smirk = 0.0
        self.fang = False
        self.feature_y = 0.0
        self.gloss = 1.0  # how strongly her hair catches the light
        self.head_tilt = 0.0  # degrees, + = the head leans to the viewer's right
        self.front = self.back = None
        self.over = None  # what of her hair lies over her arms (braids brought forward)
        self.__dict__.update(kw)


def figure(g, pose='down', expr=None, props=(), paint=None, shadow=False, s=None, sun_right=False):
    s = s or Svg(paint or Paint())
    expr = expr or {}
    if shadow:
        s.ellipse(100, 472, 44, 7, '#000000', op=0.16)
    head = '<g transform="rotate(%s 100 118)">' % f(g.head_tilt) if g.head_tilt else None
    if head:
        s.add(head)
    g.back(s, g)
    if head:
        s.add('</g>')
    layer(s, g, pose, props, 'behind')
    if pose == 'behind':
        arms(s, g, pose, props)
    legs(s, g)
    skirt(s, g)
    neck(s, g)
    torso(s, g, sun_right)
    layer(s, g, pose, props, 'body')
    if head:
        s.add(head)
    face(s, g, expr, with_neck=False)
    g.front(s, g, expr)
    brows(s, g, expr)
    if g.glasses:
        glasses(s, g)
    extras(s, g, expr)
    if head:
        s.add('</g>')
    if pose != 'behind':
        arms(s, g, pose, props, g.over)
    elif g.over:
        g.over(s, g)
    return s

