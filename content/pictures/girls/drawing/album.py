"""The class album page of 3-B: six girls and two boys in photo frames on the album's paper, each with
the name printed under the photo as the game's speaker labels write it.

The album window lays a hot-spot of 121 x 185 pixels over each girl and of 89 x 185 over each boy, the
boys' reaching the window's right edge; photo and name fit inside the hot-spot, and the boys' frames
stop short of the edge so that every frame is whole."""
import math

from .boys import BOYS, boy_bust
from .cast import GIRLS
from .figure import figure
from .svg import PLAIN, Svg, dark, f, light

ALBUM_W, ALBUM_H = 521, 446


PHOTO_H = 164  # the photo; the name sits in the rest of the hot-spot's 185
NAMES = ['白石　玲奈', '春日　ひなた', '桐島　沙耶', '水瀬　詩織', '朝倉　美咲', '西園寺　麗華', '滝本　健二',
         '神谷　光']


def album_rects():
    r = []
    for k in range(6):
        r.append((8 + 128 * (k % 3), 16 + 200 * (k // 3), 121, PHOTO_H))
    r.append((432, 16, 80, PHOTO_H))
    r.append((432, 216, 80, PHOTO_H))
    return r


def album():
    s = Svg(PLAIN)
    rects = album_rects()
    backs = ['#b9c6d8', '#c6cfe0', '#b6c8d6', '#c0c8da', '#bccbd8', '#c4cadc', '#b4c0cc', '#bcc4d0']
    people = [GIRLS[1], GIRLS[2], GIRLS[3], GIRLS[4], GIRLS[5], GIRLS[6], 'kenji', 'kamiya']
    for (x, y, w, h), who, back in zip(rects, people, backs):
        bgd = s.grad([(0, light(back, 0.45)), (1, dark(back, 0.12))])
        s.add('<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (x, y, w, h, bgd))
        glow = s.rgrad([(0, '#ffffff', 0.55), (1, '#ffffff', 0)])
        s.ellipse(x + w / 2, y + h * 0.4, w * 0.55, h * 0.4, glow)
        if isinstance(who, str):
            # the boys' photos are narrower: their heads, hair and all, drawn to fit inside them
            sc = 0.8
            s.add('<g transform="translate(%s %s) scale(%s)">' % (f(x + w / 2 - 100 * sc), f(y + 20 - 14 * sc), f(sc)))
            boy_bust(s, BOYS[who], dict(mouth='grin' if who == 'kenji' else 'smile', blush=0,
                                        eyes='open', brows='normal', look=0 if who == 'kenji' else 0.8))
        else:
            sc = 0.95
            # 沙耶 stands a little to the left, so that her ponytail stays inside the photo
            dx = -9 if who is GIRLS[3] else 0
            s.add('<g transform="translate(%s %s) scale(%s)">' % (f(x + w / 2 + dx - 100 * sc), f(y + 10 - 12 * sc),
                                                                 f(sc)))
            figure(who, 'down', dict(mouth='smile', eyes='open', blush=1), s=s)
        s.add('</g>')
    # the page itself, laid over the photos with a hole for each: the photos show only inside their frames
    d = 'M0 0 L%d 0 L%d %d L0 %d Z' % (ALBUM_W, ALBUM_W, ALBUM_H, ALBUM_H)
    for x, y, w, h in rects:
        d += ' M%d %d L%d %d L%d %d L%d %d Z' % (x, y, x, y + h, x + w, y + h, x + w, y)
    paper = s.grad([(0, '#fbf7ec'), (1, '#efe6d2')], 0, 0, 1, 1)
    s.add('<path d="%s" fill="%s" fill-rule="evenodd"/>' % (d, paper))
    # navy band at the top and a thin gold rule, as in the school's album
    s.add('<rect x="0" y="0" width="%d" height="7" fill="#26305a"/>' % ALBUM_W)
    s.add('<path d="M0 9 L%d 9" stroke="#c8a24a" stroke-width="1.2"/>' % ALBUM_W)
    s.add('<path d="M0 420 L%d 420" stroke="#c8a24a" stroke-width="0.8" opacity="0.7"/>' % ALBUM_W)
    for x, y, w, h in rects:
        s.add('<rect x="%s" y="%s" width="%d" height="%d" fill="none" stroke="#000000" stroke-width="3" '
              'opacity="0.10"/>' % (f(x + 1.5), f(y + 2.5), w, h))
        s.add('<rect x="%s" y="%s" width="%d" height="%d" fill="none" stroke="#ffffff" stroke-width="2"/>'
              % (f(x - 1), f(y - 1), w + 2, h + 2))
        s.add('<rect x="%s" y="%s" width="%d" height="%d" fill="none" stroke="#b8a888" stroke-width="0.8"/>'
              % (f(x - 2.2), f(y - 2.2), w + 4.4, h + 4.4))
        # gold photo corners
        for cx, cy, sx, sy in ((x - 2, y - 2, 1, 1), (x + w + 2, y - 2, -1, 1), (x - 2, y + h + 2, 1, -1),
                               (x + w + 2, y + h + 2, -1, -1)):
            s.add('<path d="M%s %s l%s 0 l%s %s Z" fill="#c8a24a" opacity="0.9"/>' % (
                f(cx), f(cy), f(sx * 11), f(-sx * 11), f(sy * 11)))
    # the names, printed under the photos
    for (x, y, w, h), name in zip(rects, NAMES):
        s.add('<text x="%s" y="%s" font-family="IPAPMincho" font-size="%s" fill="#3a2e22" text-anchor="middle">'
              '%s</text>' % (f(x + w / 2), f(y + h + 15), '11.5' if w > 100 else '10.5', name))
    # a few cherry blossoms pressed between the columns
    for cx, cy, r, rot in ((408, 60, 6, 10), (416, 150, 4.5, 40), (404, 236, 5.5, 70), (414, 330, 4, 20),
                           (406, 392, 5, 55)):
        for k in range(5):
            a = math.radians(rot + k * 72)
            px, py = cx + r * math.cos(a), cy + r * math.sin(a)
            s.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#f6c0cc" stroke="#e08ea2" stroke-width="0.5" '
                  'transform="rotate(%s %s %s)"/>' % (f(px), f(py), f(r * 0.62), f(r * 0.45),
                                                      f(rot + k * 72), f(px), f(py)))
        s.add('<circle cx="%s" cy="%s" r="%s" fill="#e4708a"/>' % (f(cx), f(cy), f(r * 0.3)))
    return s.text(ALBUM_W, ALBUM_H)

