"""Every girl by her number in the cast sheet (7 is 4 with contact lenses)."""
from . import hinata, madoka, misaki, reika, reina, saya, shiori, yukari

GIRLS = {1: reina.GIRL, 2: hinata.GIRL, 3: saya.GIRL, 4: shiori.GIRL4, 7: shiori.GIRL7, 5: misaki.GIRL,
         6: reika.GIRL, 8: yukari.GIRL, 9: madoka.GIRL}
