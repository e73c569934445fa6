#!/usr/bin/python3
"""Writes the printout's copy of a typeface: the same outlines, metrics and kerning,
without the hinting programs and with the character map of Latin text only, under a
family name of its own.

A PDF engine measures every glyph it embeds at the em size; with hinting programs each
such load runs the font's bytecode, which costs more than the rest of the embedding,
and a printout on paper or in a PDF never uses the hints. Usage:
    krojdruku.py SOURCE.ttf TARGET.ttf "Family Name"
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.tables._c_m_a_p import cmap_format_6


# Latin up to Latin Extended-A, and the rest of Windows-1250 and the signs an invoice uses.
ZNAKI_POZA_LACINKA = {0x02C7, 0x02D8, 0x02D9, 0x02DB, 0x02DD, 0x2026, 0x2030, 0x2039, 0x203A,
                      0x20AC, 0x2116, 0x2122, 0x2212}


def w_mapie(znak):
    return znak < 0x180 or 0x2010 <= znak <= 0x2022 or znak in ZNAKI_POZA_LACINKA


def main(zrodlo, cel, rodzina):
    font = TTFont(zrodlo)
    stara = font["name"].getDebugName(1)
    opcje = subset.Options()
    opcje.hinting = False
    opcje.layout_features = ["*"]
    opcje.name_IDs = ["*"]
    opcje.name_languages = ["*"]
    opcje.name_legacy = True
    opcje.notdef_outline = True
    opcje.glyph_names = True
    opcje.legacy_kern = True
    opcje.recalc_bounds = False
    opcje.prune_unicode_ranges = False
    opcje.retain_gids = True
    opcje.drop_tables += ["FFTM"]
    podzbior = subset.Subsetter(opcje)
    podzbior.populate(glyphs=font.getGlyphOrder(), unicodes=font.getBestCmap().keys())
    podzbior.subset(font)
    # A font without any hinting program is drawn through FreeType's auto-hinter, which
    # studies the whole character map before its first glyph; an empty control program
    # keeps the font with the TrueType loader, and its glyphs have nothing to run.
    prep = newTable("prep")
    prep.program = ttProgram.Program()
    prep.program.fromBytecode(b"\xb0\x00\x21")  # PUSHB[0] 0, POP
    font["prep"] = prep
    # A PDF engine looks up every code point of the plane whenever it embeds the font. So
    # only the characters of Polish and West European text keep their entries, and the
    # Windows Unicode table, the one every reader here takes, becomes one array indexed by
    # the code point. The glyphs all stay; a character outside the map is drawn from the
    # system's Liberation Sans, which the printout names as the next family.
    cmap = font["cmap"]
    for i, tabela in enumerate(cmap.tables):
        mapa = {u: g for u, g in tabela.cmap.items() if w_mapie(u)}
        if (tabela.platformID, tabela.platEncID) == (3, 1):
            tabela = cmap.tables[i] = cmap_format_6(6)
            tabela.platformID, tabela.platEncID, tabela.language = 3, 1, 0
        tabela.cmap = mapa
    # a modified font may not keep its reserved family name
    for wpis in font["name"].names:
        tekst = wpis.toUnicode()
        if wpis.nameID in (1, 3, 4, 16, 18):
            wpis.string = tekst.replace(stara, rodzina)
        elif wpis.nameID == 6:
            wpis.string = tekst.replace(stara.replace(" ", ""), rodzina.replace(" ", ""))
    font.save(cel)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
