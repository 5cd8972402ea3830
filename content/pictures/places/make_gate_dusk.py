#!/usr/bin/env python3
"""Makes gate_dusk.svg from gate.svg, so that the gate at dusk stays the same gate: the evening sky,
violet shade, lit windows and lamps, and the iron gate half closed at five o'clock; and gate_night.svg from
that, the same gate a while later: the sky gone dark, the windows out, the gate shut across the empty
drive, the two lamps the only light. Run it in this folder after changing gate.svg."""
import os
import re

os.chdir(os.path.dirname(os.path.abspath(__file__)))
s = open("gate.svg").read()
s=s.replace("<!-- The school gate:","<!-- The school gate at dusk (the same drawing as gate.svg): ")
s=re.sub(r'<linearGradient id="sky".*?</linearGradient>','''<linearGradient id="sky" x1="0" y1="0" x2="0" y2="120" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#3a2f6e"/>
      <stop offset="0.3" stop-color="#7a4584"/>
      <stop offset="0.6" stop-color="#d9607a"/>
      <stop offset="0.85" stop-color="#f58a4a"/>
      <stop offset="1" stop-color="#ffb45a"/>
    </linearGradient>
    <linearGradient id="shade" x1="0" y1="0" x2="0" y2="200" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#4a2a5c" stop-opacity="0.1"/>
      <stop offset="0.3" stop-color="#4a2a5c" stop-opacity="0.3"/>
      <stop offset="1" stop-color="#22183e" stop-opacity="0.55"/>
    </linearGradient>
    <linearGradient id="lamplit" x1="0" y1="38" x2="0" y2="110" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#ffcf70" stop-opacity="0.35"/>
      <stop offset="1" stop-color="#ffcf70" stop-opacity="0"/>
    </linearGradient>
    <radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#fff0b8" stop-opacity="0.85"/>
      <stop offset="0.3" stop-color="#ffd27a" stop-opacity="0.45"/>
      <stop offset="1" stop-color="#ffb060" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="pool" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#ffd27a" stop-opacity="0.45"/>
      <stop offset="1" stop-color="#ffd27a" stop-opacity="0"/>
    </radialGradient>''',s,flags=re.S)
# clouds lit from below, the sun just under the horizon
s=s.replace('fill="#f2cdb8" opacity="0.55"','fill="#f08a8a" opacity="0.55"').replace('fill="#f6d4b8" opacity="0.5"','fill="#ffa070" opacity="0.5"')
s=s.replace('<circle cx="30" cy="96" r="20" fill="#ffe2a6" opacity="0.5"/>\n  <circle cx="30" cy="98" r="7" fill="#fff6da"/>',
            '<circle cx="30" cy="106" r="30" fill="#ffb060" opacity="0.45"/>')
s=s.replace('<path d="M0 100 L52 108 V170 L0 176 z" fill="url(#wall)"/>','<path d="M0 100 L52 108 V170 L0 176 z" fill="url(#wall)"/>')
dusk='''  <!-- evening: everything sinks into violet shade, lit windows and lamps stand out -->
  <rect x="0" y="0" width="300" height="200" fill="url(#shade)"/>
  <g fill="#ffd77e">
    <rect x="92" y="76" width="10" height="7"/><rect x="182" y="76" width="10" height="7"/><rect x="166" y="90" width="10" height="7"/>
    <rect x="108" y="90" width="10" height="7"/><rect x="124" y="76" width="10" height="7"/><rect x="198" y="90" width="10" height="7"/>
  </g>
  <circle cx="56" cy="23" r="34" fill="url(#glow)"/>
  <circle cx="236" cy="23" r="34" fill="url(#glow)"/>
  <path d="M48 16 H64 L61 30 H51 z M228 16 H244 L241 30 H231 z" fill="#fff4c8"/>
  <path d="M40 44 H80 V110 H40 z M220 44 H260 V110 H220 z" fill="url(#lamplit)"/>
  <ellipse cx="56" cy="178" rx="40" ry="9" fill="url(#pool)"/>
  <ellipse cx="236" cy="178" rx="40" ry="9" fill="url(#pool)"/>
'''
s=s.replace('  <rect width="300" height="200" fill="#ffb060" opacity="0.07"/>\n</svg>', dusk+'</svg>')
def iron_gate(left, title, stile, gleam, wheels):
    """The sliding iron gate drawn from its left edge to the right pillar, with its rails on the right."""
    bars = ' '.join('M%d 125 V169' % x for x in range(left + 6, 222, 6))
    return """<!-- the sliding iron gate, %s -->
  <g>
    <path d="M222 116 L300 108 V112 L222 120 z" fill="#3c3f48"/>
    <path d="M222 164 L300 166 V170 L222 168 z" fill="#3c3f48"/>
    <path d="M236 116.8 V166.4 M248 115.6 V166.6 M260 114.4 V167 M272 113.2 V167.4 M284 112 V167.8 M296 110.8 V168.2" stroke="#3c3f48" stroke-width="1.6"/>
    <path d="M%d 121 H224 V126 H%d z M%d 164 H224 V169 H%d z" fill="#2e313a"/>
    <path d="M%d 121 H224" stroke="#8a8a96" stroke-width="0.6"/>
    <path d="%s" stroke="#2e313a" stroke-width="2"/>
    <path d="M%d 145 H224" stroke="#2e313a" stroke-width="1.2"/>
    <path d="M%g 119 V170" stroke="#23252c" stroke-width="3"/>
    <path d="M%g 119 V170" stroke="#9a9aa6" stroke-width="0.6" opacity="0.8"/>
    %s
  </g>""" % (title, left, left, left, left, left, bars, left, stile, gleam,
             ''.join('<circle cx="%d" cy="171" r="2" fill="#1e2026"/>' % x for x in wheels))


# five o'clock: the iron gate is rolling shut, half across the drive from the right pillar
closing = iron_gate(142, "half closed", 142, 140.8, (152, 196))
s = re.sub(r'<!-- the sliding iron gate, pushed aside to the right -->\s*<g>.*?</g>', closing, s, count=1, flags=re.S)
# no long sun shadows after sunset
s=s.replace('fill="#4f3e48" opacity="0.28"','fill="#4f3e48" opacity="0.0"')
open("gate_dusk.svg","w").write(s)

# --- later: the close of the day ---
n = s.replace("<!-- The school gate at dusk (the same drawing as gate.svg): ",
              "<!-- The school gate after closing (the same drawing as gate.svg, later than gate_dusk.svg): ")
n = re.sub(r'<linearGradient id="sky".*?</linearGradient>', '''<linearGradient id="sky" x1="0" y1="0" x2="0" y2="120" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#0c0e2a"/>
      <stop offset="0.45" stop-color="#1c1a46"/>
      <stop offset="0.75" stop-color="#3a2858"/>
      <stop offset="0.92" stop-color="#5e3456"/>
      <stop offset="1" stop-color="#7a4250"/>
    </linearGradient>''', n, count=1, flags=re.S)
n = re.sub(r'<linearGradient id="shade".*?</linearGradient>', '''<linearGradient id="shade" x1="0" y1="0" x2="0" y2="200" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#100c2c" stop-opacity="0.5"/>
      <stop offset="0.3" stop-color="#100c2c" stop-opacity="0.68"/>
      <stop offset="1" stop-color="#0a0820" stop-opacity="0.78"/>
    </linearGradient>''', n, count=1, flags=re.S)
# the clouds only just show against the dark; no afterglow where the sun went down
n = n.replace('fill="#f08a8a" opacity="0.55"', 'fill="#3a3060" opacity="0.6"').replace(
    'fill="#ffa070" opacity="0.5"', 'fill="#4a3458" opacity="0.5"')
n = n.replace('<circle cx="30" cy="106" r="30" fill="#ffb060" opacity="0.45"/>',
              '<circle cx="30" cy="112" r="34" fill="#a05060" opacity="0.25"/>')
stars = ''.join('<circle cx="%d" cy="%d" r="%s" fill="#f4f0ff" opacity="%s"/>' % p for p in (
    (18, 12, '0.6', '0.8'), (96, 8, '0.5', '0.7'), (132, 22, '0.7', '0.9'), (170, 6, '0.5', '0.6'),
    (198, 30, '0.6', '0.8'), (276, 14, '0.7', '0.9'), (290, 40, '0.5', '0.6'), (112, 40, '0.4', '0.5'),
    (8, 52, '0.4', '0.5')))
n = n.replace('<!-- the campus seen through the gate', '<g>%s</g>\n  <!-- the campus seen through the gate' % stars, 1)
# the windows are out: only the lamps are lit, brighter against the dark, with pools of light below
n = re.sub(r'  <g fill="#ffd77e">.*?</g>\n', '', n, count=1, flags=re.S)
n = n.replace('<!-- evening: everything sinks into violet shade, lit windows and lamps stand out -->',
              '<!-- night: everything sinks into the dark, the lamps alone are lit -->')
n = n.replace('<circle cx="56" cy="23" r="34" fill="url(#glow)"/>\n  <circle cx="236" cy="23" r="34" fill="url(#glow)"/>',
              '<circle cx="56" cy="23" r="46" fill="url(#glow)"/>\n  <circle cx="236" cy="23" r="46" fill="url(#glow)"/>\n'
              '  <circle cx="56" cy="23" r="16" fill="url(#glow)"/>\n  <circle cx="236" cy="23" r="16" fill="url(#glow)"/>')
n = n.replace('<ellipse cx="56" cy="178" rx="40" ry="9" fill="url(#pool)"/>\n  <ellipse cx="236" cy="178" rx="40" ry="9" fill="url(#pool)"/>',
              '<ellipse cx="56" cy="178" rx="50" ry="12" fill="url(#pool)"/>\n  <ellipse cx="236" cy="178" rx="50" ry="12" fill="url(#pool)"/>\n'
              '  <ellipse cx="56" cy="178" rx="24" ry="6" fill="url(#pool)"/>\n  <ellipse cx="236" cy="178" rx="24" ry="6" fill="url(#pool)"/>')
# the iron gate shut right across the drive, from pillar to pillar
shut = iron_gate(80, "shut", 81, 82.6, (92, 150, 200))
n = re.sub(r'<!-- the sliding iron gate, half closed -->\s*<g>.*?</g>', shut, n, count=1, flags=re.S)
# far from the lamps the campus has gone dark: the building, its dark windows and the drive behind the gate
# sink into the night, and the pillars are lit from their lamps above, fading toward the ground
n = n.replace('  <!-- the wall on either side of the gate -->',
              '  <path d="M58 40 H242 V172 H58 z" fill="#0e0c2a" opacity="0.6"/>\n'
              '  <g fill="#1c1f38" opacity="0.75">%s</g>\n'
              '  <!-- the wall on either side of the gate -->' % ''.join(
                  '<rect x="%d" y="%d" width="10" height="7"/>' % (x, y)
                  for y in (76, 90) for x in (76, 92, 108, 124, 166, 182, 198, 214)), 1)
n = n.replace('  <!-- the sliding iron gate, shut -->',
              '  <path d="M0 96 L52 104 V172 L0 178 z M300 96 L248 104 V172 L300 178 z" fill="#0e0c2a" opacity="0.35"/>\n'
              '  <!-- the sliding iron gate, shut -->', 1)
n = n.replace('  <!-- lamps on the pillars -->',
              '  <path d="M36 44 H84 V172 H36 z M216 44 H264 V172 H216 z" fill="url(#pillarnight)"/>\n'
              '  <!-- lamps on the pillars -->', 1)
n = n.replace('    <radialGradient id="glow"', """    <linearGradient id="pillarnight" x1="0" y1="44" x2="0" y2="172" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#0e0c2a" stop-opacity="0"/>
      <stop offset="0.5" stop-color="#0e0c2a" stop-opacity="0.22"/>
      <stop offset="1" stop-color="#0e0c2a" stop-opacity="0.4"/>
    </linearGradient>
    <radialGradient id="glow\"""", 1)
open("gate_night.svg", "w").write(n)
