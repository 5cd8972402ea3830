#!/usr/bin/env python3
"""Writes the four frames of the opening-demo sprite (sprite1..4.svg): the maker's mascot, a girl
with a bell-topped wand, crouching, leaning, standing and striking her pose. Run it after changing
a part; the frames share the head and the uniform so that they stay the same girl."""

HAIR, HAIR_DARK, SKIN, BLUSH = "#d9733a", "#a84a22", "#fde3cc", "#f59ab0"
NAVY, NAVY_DARK, SKIRT, RIBBON = "#27335f", "#1a2244", "#6f7391", "#e0304a"


def head(wink=False, tails=True):
    """The head around (0, 0), face radius about 8.5."""
    eye_l = ('<path d="M-5.2 2.6 Q-3.6 0.8 -2 2.6" stroke="#3a2320" stroke-width="1.1" fill="none" stroke-linecap="round"/>'
             if wink else
             '<ellipse cx="-3.6" cy="2.4" rx="1.4" ry="2" fill="#3a2320"/><circle cx="-3.2" cy="1.6" r="0.55" fill="#fff"/>')
    eye_r = '<ellipse cx="3.6" cy="2.4" rx="1.4" ry="2" fill="#3a2320"/><circle cx="4" cy="1.6" r="0.55" fill="#fff"/>'
    t = (f'<ellipse cx="-11.5" cy="7" rx="3.6" ry="8.5" fill="{HAIR}" transform="rotate(12 -11.5 0)"/>'
         f'<ellipse cx="11.5" cy="7" rx="3.6" ry="8.5" fill="{HAIR}" transform="rotate(-12 11.5 0)"/>') if tails else ''
    return f'''{t}
    <circle cx="0" cy="-0.5" r="10.8" fill="{HAIR}"/>
    <ellipse cx="0" cy="2" rx="8.4" ry="8" fill="{SKIN}"/>
    <path d="M-10.4 1 C-11 -9 -5 -11.5 0 -11.5 C5 -11.5 11 -9 10.4 1 L8.2 -1.4 L6.6 2 L4.6 -2 L1.8 1.6 L0 -2.6 L-2.2 1.2 L-4.6 -2 L-6.8 2 L-8.4 -1.4 z" fill="{HAIR}"/>
    <path d="M-6 -8 C-3 -10 2 -10 5 -8.6" stroke="#f6b07a" stroke-width="1" fill="none" stroke-linecap="round"/>
    <path d="M5 -9 L10.6 -12 L10.4 -6.2 z M5 -9 L4 -14.2 L0 -10.6 z" fill="{RIBBON}"/>
    <circle cx="5" cy="-9" r="1.4" fill="#b01c34"/>
    {eye_l}{eye_r}
    <ellipse cx="-5.8" cy="5.2" rx="1.6" ry="0.9" fill="{BLUSH}" opacity="0.8"/>
    <ellipse cx="5.8" cy="5.2" rx="1.6" ry="0.9" fill="{BLUSH}" opacity="0.8"/>
    <path d="M-1.4 6.4 Q0 7.8 1.4 6.4" stroke="#b8484a" stroke-width="0.8" fill="none" stroke-linecap="round"/>'''


def wand(x, y, angle):
    """A short wand whose tip is a little golden bell, held at (x, y)."""
    return f'''<g transform="translate({x},{y}) rotate({angle}) scale(0.7)">
    <path d="M0 0 V-20" stroke="#7a4a2a" stroke-width="1.6" stroke-linecap="round"/>
    <path d="M0 -20 C-4 -20 -5 -24 -5 -27 C-5 -30 -3 -32 0 -32 C3 -32 5 -30 5 -27 C5 -24 4 -20 0 -20 z" fill="#ffd45a" stroke="#a8741a" stroke-width="0.8"/>
    <path d="M-6 -20 H6" stroke="#a8741a" stroke-width="1.4" stroke-linecap="round"/>
    <circle cx="0" cy="-18.4" r="1.3" fill="#e89a2a"/>
    <path d="M-2.4 -29 Q-3 -26 -2.6 -23" stroke="#fff6d0" stroke-width="0.9" fill="none"/>
    </g>'''


def sparkle(x, y, s, colour="#fff2a0"):
    return (f'<path transform="translate({x},{y}) scale({s})" d="M0 -4 L1 -1 L4 0 L1 1 L0 4 L-1 1 L-4 0 L-1 -1 z" fill="{colour}"/>')


def svg(w, h, comment, body):
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<!-- {comment} Made by make_sprites.py. -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{w}" height="{h}" viewBox="0 0 {w} {h}">
  {body}
</svg>
'''


def crouching():
    """Knees hugged under the chin, ready to spring."""
    return f'''<path d="M7.5 35 Q8 24 18.5 22.5 Q29 24 29.5 35 z" fill="{SKIRT}"/>
  <path d="M9 30 H28 M13 24 L12 35 M24 24 L25 35" stroke="#585c78" stroke-width="0.6"/>
  <rect x="11" y="27" width="5.6" height="6" fill="{SKIN}"/><rect x="20.4" y="27" width="5.6" height="6" fill="{SKIN}"/>
  <rect x="10.8" y="30.6" width="6" height="3" fill="#f8f6f0"/><rect x="20.2" y="30.6" width="6" height="3" fill="#f8f6f0"/>
  <ellipse cx="13" cy="34.6" rx="4.2" ry="1.9" fill="#6a3a22"/>
  <ellipse cx="24" cy="34.6" rx="4.2" ry="1.9" fill="#6a3a22"/>
  <ellipse cx="14" cy="26" rx="4.2" ry="3.6" fill="{SKIN}"/>
  <ellipse cx="23" cy="26" rx="4.2" ry="3.6" fill="{SKIN}"/>
  <path d="M9 23 Q10 29.5 17 28.6 M28 23 Q27 29.5 20 28.6" stroke="{NAVY}" stroke-width="3.4" fill="none" stroke-linecap="round"/>
  <circle cx="17.4" cy="28.4" r="1.7" fill="{SKIN}"/><circle cx="19.6" cy="28.4" r="1.7" fill="{SKIN}"/>
  <g transform="translate(18.5,13.2)">
    {head()}
  </g>'''


def standing_body(cx):
    return f'''<path d="M{cx-4} 80 h3.4 v6 h-3.4 z M{cx+0.6} 80 h3.4 v6 h-3.4 z" fill="#f8f6f0"/>
  <path d="M{cx-4.4} 57 h3.8 v24 h-3.8 z M{cx+0.6} 57 h3.8 v24 h-3.8 z" fill="{SKIN}"/>
  <path d="M{cx-4.6} 74 h4.2 v8 h-4.2 z M{cx+0.4} 74 h4.2 v8 h-4.2 z" fill="#f8f6f0"/>
  <ellipse cx="{cx-3}" cy="86" rx="3.6" ry="2" fill="#6a3a22"/>
  <ellipse cx="{cx+3}" cy="86" rx="3.6" ry="2" fill="#6a3a22"/>
  <path d="M{cx-8} 44 L{cx+8} 44 L{cx+11} 59 Q{cx} 61 {cx-11} 59 z" fill="{SKIRT}"/>
  <path d="M{cx-9} 50 H{cx+9} M{cx-10} 55 H{cx+10} M{cx-4} 44 L{cx-5} 60 M{cx+4} 44 L{cx+5} 60 M{cx} 44 V60" stroke="#585c78" stroke-width="0.6"/>
  <path d="M{cx-8.5} 26 Q{cx} 23 {cx+8.5} 26 L{cx+8} 46 H{cx-8} z" fill="{NAVY}"/>
  <path d="M{cx-3} 25 L{cx} 33 L{cx+3} 25 z" fill="#f8f6f0"/>
  <path d="M{cx} 28 L{cx-2.6} 31 L{cx} 33 L{cx+2.6} 31 z" fill="{RIBBON}"/>
  <path d="M{cx} 33 V45" stroke="{NAVY_DARK}" stroke-width="0.6"/>
  <path d="M{cx-4.6} 31.5 l1.2 1.4 l1.2 -1.4 l-1.2 -0.6 z" fill="#f06a80"/>'''


def standing():
    cx = 21
    return f'''{standing_body(cx)}
  <path d="M{cx-8} 27 Q{cx-12} 36 {cx-11} 46" stroke="{NAVY_DARK}" stroke-width="4.2" fill="none" stroke-linecap="round"/>
  <path d="M{cx+8} 27 Q{cx+12} 36 {cx+11} 46" stroke="{NAVY_DARK}" stroke-width="4.2" fill="none" stroke-linecap="round"/>
  <circle cx="{cx-11}" cy="47.5" r="2" fill="{SKIN}"/><circle cx="{cx+11}" cy="47.5" r="2" fill="{SKIN}"/>
  <rect x="{cx-2}" y="21" width="4" height="4" fill="{SKIN}"/>
  <g transform="translate({cx},13.6)">
    {head()}
  </g>'''


def posing():
    cx = 22
    return f'''{standing_body(cx)}
  <!-- left hand on the hip -->
  <path d="M{cx-8} 27 Q{cx-15} 34 {cx-9} 42" stroke="{NAVY_DARK}" stroke-width="4.2" fill="none" stroke-linecap="round"/>
  <circle cx="{cx-8.4}" cy="42.4" r="2" fill="{SKIN}"/>
  <!-- right arm up with the wand -->
  <path d="M{cx+8} 28 Q{cx+16} 28 {cx+19} 22" stroke="{NAVY_DARK}" stroke-width="4.2" fill="none" stroke-linecap="round"/>
  {wand(cx + 19.5, 22, 26)}
  <circle cx="{cx+19.4}" cy="21.4" r="2.2" fill="{SKIN}"/>
  {sparkle(cx + 33.5, 10, 0.9)}{sparkle(cx + 33, 27, 0.6, "#ffd0e0")}{sparkle(cx + 22, 4, 0.5)}
  <rect x="{cx-2}" y="21" width="4" height="4" fill="{SKIN}"/>
  <g transform="translate({cx - 1},14) rotate(-8)">
    {head(wink=True)}
  </g>'''


frames = {
    "sprite1.svg": (37, 37, "Demo sprite, frame 1: crouching.", crouching()),
    "sprite2.svg": (43, 37, "Demo sprite, frame 2: crouching and leaning to the left.",
                    f'<g transform="rotate(-14 24 36) translate(5,0)">{crouching()}</g>'),
    "sprite3.svg": (42, 89, "Demo sprite, frame 3: standing up.", standing()),
    "sprite4.svg": (58, 88, "Demo sprite, frame 4: the final pose, winking, the bell wand raised.", posing()),
}
for name, (w, h, comment, body) in frames.items():
    with open(name, "w") as f:
        f.write(svg(w, h, comment, body))
