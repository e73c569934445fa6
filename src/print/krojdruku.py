#!/usr/bin/python3
"""Writes the printout's copy of a typeface: the same outlines, metrics, kerning and
characters, without the hinting programs, under a family name of its own.

A PDF engine measures every glyph it embeds at the em size; with hinting programs each
such load runs the font's bytecode, which costs more than the rest of the embedding,
and a printout on paper or in a PDF never uses the hints. Usage:
    krojdruku.py SOURCE.ttf TARGET.ttf "Family Name"
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


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
