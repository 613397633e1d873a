#!/usr/bin/python3
"""Makes the HUD font: DSEG14 Classic narrowed to 60 % so the HUD's texts fit the
1024-pixel screen at their fixed positions ("Beste Zeit: 12.345" from x 750).

Run once; its output is committed:
  /usr/bin/python3 condense_segment_font.py DSEG14Classic-Regular.ttf KurvenjagdSegment-Regular.ttf
Needs Debian's python3-fonttools. Under the SIL OFL a modified font may not keep the
reserved name "DSEG", so the result is named "Kurvenjagd Segment".
"""
import sys

from fontTools.ttLib import TTFont

SCALE = 0.6
SPACE_ADVANCE = 0.3  # of the em: spaces stay readable between the words


def condense(source, target):
    font = TTFont(source)
    em = font["head"].unitsPerEm
    glyf = font["glyf"]
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            for component in glyph.components:
                component.x = round(component.x * SCALE)
        elif glyph.numberOfContours > 0:
            glyph.coordinates.scale((SCALE, 1))
            glyph.coordinates.toInt()
        glyph.recalcBounds(glyf)
    hmtx = font["hmtx"]
    space = font.getBestCmap().get(32)
    for name, (advance, lsb) in hmtx.metrics.items():
        advance = round(advance * SCALE)
        if name == space:
            advance = round(em * SPACE_ADVANCE)
        hmtx.metrics[name] = (advance, round(lsb * SCALE))
    font["hhea"].advanceWidthMax = max(a for a, _ in hmtx.metrics.values())
    names = font["name"]
    for record in names.names:
        if record.nameID in (1, 3, 4, 6, 16, 17):
            text = record.toUnicode()
            text = text.replace("DSEG14 Classic", "Kurvenjagd Segment").replace("DSEG14-Classic", "KurvenjagdSegment")
            text = text.replace("DSEG14Classic", "KurvenjagdSegment").replace("DSEG", "Kurvenjagd Segment")
            record.string = text
    font.save(target)


if __name__ == "__main__":
    condense(sys.argv[1], sys.argv[2])
