"""Which girl, pose, expression and props each picture shows, and where she stands in it; writes the SVGs
and pictures/girls.list."""
import os

from .album import ALBUM_H, ALBUM_W, album
from .cast import GIRLS
from .figure import figure
from .svg import PLAIN, Paint, Svg, f, light

# the pictures' folder: the SVGs are written beside make_girls.py, the list one folder up
HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

WARM = Paint('#ffc890', 0.07)
INDOOR = Paint('#ffd49a', 0.08)
DUSK = Paint('#ff9c70', 0.15)

# where the low sun stands to the right of the picture, the girl's shaded side is the other one
SUN_RIGHT = ('pool', 'tennis')

SCENE_LIGHT = {'rooftop': WARM, 'musicroom': INDOOR, 'schoolyard': WARM, 'gym': INDOOR, 'pool': WARM,
               'tennis': WARM, 'garden': WARM, 'gate': DUSK}

# code, place, girl, pose, expression, props, centre x in the picture; the expression answers her greeting
# on arriving (A) and on waiting (B), which share one picture unless the code says A or B
ENCOUNTERS = [
    ('C14C', 'rooftop', 4, 'book', dict(eyes='soft', mouth='smile', brows='up', blush=2, look=-1.5), ('book',), 150),
    ('C16C', 'rooftop', 6, 'hip_cheek', dict(eyes='soft', mouth='smile', look=1), (), 150),
    ('C17C', 'rooftop', 7, 'clasp', dict(eyes='open', mouth='wavy', brows='up', blush=2), (), 150),
    ('C21A', 'musicroom', 1, 'mouth', dict(eyes='wide', mouth='o', brows='up', blush=2), (), 118),
    ('C21B', 'musicroom', 1, 'clasp', dict(eyes='soft', mouth='wavy', brows='up', blush=2, look=-2, sweat=1), (), 150),
    ('C22C', 'musicroom', 2, 'behind', dict(eyes='smile', mouth='open', blush=2, sweat=1), (), 126),
    ('C32C', 'schoolyard', 2, 'wave', dict(eyes='open', mouth='open'), (), 170),
    ('C34C', 'schoolyard', 4, 'book', dict(eyes='open', mouth='flat', brows='up', blush=1, look=1.5), ('book',), 186),
    ('C35A', 'schoolyard', 5, 'jacket', dict(eyes='soft', mouth='o', brows='up', look=1.5), ('jacket',), 180),
    ('C35B', 'schoolyard', 5, 'jacket_wave', dict(eyes='smile', mouth='grin'), ('jacket',), 170),
    ('C37C', 'schoolyard', 7, 'clasp', dict(eyes='open', mouth='smile', brows='up', blush=2), (), 186),
    ('C43C', 'gym', 3, 'crossed', dict(eyes='open', mouth='pout', brows='cross', look=-1.5),
     ('racket_bag', 'bag_strap', 'strap_top', 'wristband'), 150),
    ('C45C', 'gym', 5, 'jacket', dict(eyes='open', mouth='open'), ('jacket',), 150),
    ('C46C', 'gym', 6, 'hip', dict(eyes='open', mouth='smile'), (), 150),
    ('C52C', 'pool', 2, 'behind', dict(eyes='smile', mouth='grin'), (), 150),
    ('C56C', 'pool', 6, 'hip_cheek', dict(eyes='smile', mouth='open'), (), 150),
    ('C63C', 'tennis', 3, 'racket', dict(eyes='open', mouth='pout', brows='cross', blush=1, look=-1.5),
     ('racket_bag', 'bag_strap', 'strap_top', 'racket', 'wristband'), 150),
    ('C65C', 'tennis', 5, 'jacket_wave', dict(eyes='open', mouth='open'), ('jacket',), 150),
    ('C71C', 'garden', 1, 'clasp', dict(eyes='soft', mouth='smile', blush=2), (), 210),
    ('C72A', 'garden', 2, 'wave_clasp', dict(eyes='open', mouth='open'), (), 200),
    ('C72B', 'garden', 2, 'offer', dict(eyes='smile', mouth='open', blush=2), ('cookies',), 160),
    ('C76C', 'garden', 6, 'hip', dict(eyes='open', mouth='smile', look=-1), (), 200),
]

# The confessions at the gate at five o'clock: each girl with what her script has her do and hold.
GATE = [
    # 玲奈 asks him to an old foreign film and cannot finish her sentence
    ('C81C', 1, 'hold', dict(eyes='soft', mouth='part', brows='up', blush=2, look=-1.5), ('film',)),
    # ひなた slipped away from karaoke with her cookies: 「全部言わせないでよぉ…」
    ('C82C', 2, 'hold_high', dict(eyes='squeeze', mouth='open', brows='up', blush=3), ('cookies_up',)),
    # 沙耶 holds out the two tickets and looks away
    ('C83C', 3, 'hold_out', dict(eyes='open', mouth='pout', brows='cross', blush=2, look=2.5),
     ('racket_bag', 'bag_strap', 'strap_top', 'tickets_out')),
    # 詩織 offers her letter in tears; C87C is the same with her contact lenses
    ('C84C', 4, 'hold', dict(eyes='soft', mouth='wavy', brows='up', blush=2, tears=2, look=-1), ('letter_up',)),
    # 美咲 ran all the way: out of breath, a hand on her chest
    ('C85C', 5, 'breath', dict(eyes='open', mouth='pant', brows='up', blush=2, sweat=2, breath=True),
     ('jacket_arm',)),
    # 麗華 gives him the dormitory's address, chin up and a hand at her cheek; one tear of joy gets away
    ('C86C', 6, 'slip', dict(eyes='soft', mouth='smile', blush=2, tears=2, tear_sides=(1,), look=0.5),
     ('address',)),
    ('C87C', 7, 'hold', dict(eyes='open', mouth='wavy', brows='up', blush=2, tears=2), ('letter_up',)),
    # ゆかり in tears: 「…っ、バカ…」
    ('C88C', 8, 'wipe', dict(eyes='closed', mouth='pout', brows='up', blush=2, tears=3), ()),
    # まどか, all cheer: 「まどっち」って呼んでくださいね！
    ('C89C', 9, 'peace', dict(eyes='open', mouth='grin', blush=1, wink=True), ()),
]

ENC_SCALE, ENC_GROUND = 0.6, 296.0
GATE_SCALE, GATE_TOP = 1.0, 5.0  # waist up and closer: the face reads
FEET = 475.0


def place(x_centre, ground, scale):
    return x_centre - 100 * scale, ground - FEET * scale


def portrait(g, expr, size_bg):
    s = Svg(PLAIN)
    x0, y0, w = 50, 30, 100
    s.add('<rect x="%d" y="%d" width="%d" height="%d" rx="10" fill="%s"/>' % (x0, y0, w, w, light(g.ribbon, 0.72)))
    figure(g, 'down', expr, s=s)
    s.add('<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="none" stroke="%s" stroke-width="4"/>'
          % (f(x0 + 1.5), f(y0 + 1.5), f(w - 3), f(w - 3), light(g.ribbon, 0.1)))
    return s.text(32, 32, (x0, y0, w, w))


def hostess(g, pose, expr):
    s = Svg(PLAIN)
    sc = 300 / 490.0
    w = 145 / sc
    glow = s.rgrad([(0, '#ffffff', 0.85), (0.7, '#ffffff', 0.35), (1, '#ffffff', 0)])
    s.ellipse(100, 300, 110, 230, glow)
    s.ellipse(100, 472, 50, 8, '#207080', op=0.22)
    figure(g, pose, expr, s=s)
    return s.text(145, 300, (100 - w / 2, -8, w, 490))


def write(name, text):
    with open(os.path.join(HERE, name), 'w', encoding='utf-8') as fh:
        fh.write(text)


def main():
    lines = ['# Pictures with the girls, drawn by make_girls.py in girls/ (which also writes this list).',
             '# OUTPUT WIDTH HEIGHT LAYER...; the girl is drawn at her own size over the place.', '']
    lines.append('# encounters on the campus: knees up, all girls on one ground line')
    for code, where, n, pose, expr, props, xc in ENCOUNTERS:
        g = GIRLS[n]
        name = code.lower() + '.svg'
        write(name, figure(g, pose, expr, props, SCENE_LIGHT[where], sun_right=where in SUN_RIGHT).text(200, 520))
        sc = ENC_SCALE * g.height
        x, y = place(xc, ENC_GROUND, sc)
        lines.append('%s.DBL 300 200 places/%s.svg girls/%s@%s,%s,%s' % (code, where, name, f(x), f(y), '%.3f' % sc))
    lines.append('')
    lines.append('# confessions at the gate at five o\'clock, lamps lit and the gate closing: waist up, closer')
    for code, n, pose, expr, props in GATE:
        g = GIRLS[n]
        name = code.lower() + '.svg'
        write(name, figure(g, pose, expr, props, DUSK).text(200, 520))
        sc = GATE_SCALE * (1 + (g.height - 1) * 0.4)
        crown = 4 if g.style == 'wavy' else 16  # her hair bow stands above her head
        x, y = 150 - 100 * sc, GATE_TOP - crown * sc
        lines.append('%s.DBL 300 200 places/gate_dusk.svg girls/%s@%s,%s,%s places/dusk_light.svg'
                     % (code, name, f(x), f(y), '%.3f' % sc))
    lines.append('')
    lines.append('# data room portraits')
    for n in range(1, 10):
        name = 'face%d.svg' % n
        write(name, portrait(GIRLS[n], dict(mouth='smile', blush=1), True))
        lines.append('face%d.png 32 32 girls/%s' % (n, name))
    lines.append('')
    lines.append('# start screen hostesses')
    write('hostess8.svg', hostess(GIRLS[8], 'hip', dict(eyes='open', mouth='smile', look=1)))
    write('hostess9.svg', hostess(GIRLS[9], 'wave', dict(eyes='open', mouth='open')))
    lines.append('hostess8.png 145 300 girls/hostess8.svg')
    lines.append('hostess9.png 145 300 girls/hostess9.svg')
    lines.append('')
    lines.append('# the class album page of 3-B')
    write('album.svg', album())
    lines.append('album.png %d %d girls/album.svg' % (ALBUM_W, ALBUM_H))
    with open(os.path.join(HERE, '..', 'girls.list'), 'w', encoding='utf-8') as fh:
        fh.write('\n'.join(lines) + '\n')

