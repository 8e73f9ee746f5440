"""The fonts inside the page's style sheet: every character the program's
texts use and every one a Western European typist writes has its glyph, and
each glyph kept is the font's own, unaltered: the same outline, the same
hinting, the same advance width as the Liberation font the desktop program
draws with. Text laid out in the page then measures as on the desktop.

Usage: python3 page_fonts_check.py <klonkatron-fonts.css> <regular.ttf>
       <bold.ttf> <source folder>...
"""
import base64
import io
import pathlib
import re
import sys

from fontTools.ttLib import TTFont

# What a typist of a Western European language writes: Latin-1 and Latin
# Extended-A, the euro sign, typographic quotes, dashes and the ellipsis.
TYPED = (
    [chr(c) for c in range(0x20, 0x7F)]
    + [chr(c) for c in range(0xA0, 0x180)]
    + list("€‘’‚“”„–—…•†‡‰‹›™")
)


def embedded_faces(css_text):
    """The faces of the style sheet, by weight."""
    faces = {}
    for block in re.findall(r"@font-face\s*{(.*?)}", css_text, re.S):
        weight = int(re.search(r"font-weight:\s*(\d+)", block).group(1))
        data = re.search(r"base64,([A-Za-z0-9+/=]+)", block).group(1)
        faces[weight] = TTFont(io.BytesIO(base64.b64decode(data)))
    return faces


def program_characters(folders):
    """Every character inside a string literal of the program's sources."""
    characters = set()
    for folder in folders:
        for path in pathlib.Path(folder).rglob("*.cpp"):
            for literal in re.findall(r'"((?:[^"\\\n]|\\.)*)"', path.read_text(encoding="utf-8")):
                characters.update(c for c in literal if c >= " ")
    return characters


def glyph_of(font, character):
    name = font.getBestCmap().get(ord(character))
    return None if name is None else (name, font["glyf"][name])


def differences(embedded, original, characters):
    """What differs between the embedded face and the original font."""
    found = []
    for character in sorted(characters):
        mine, theirs = glyph_of(embedded, character), glyph_of(original, character)
        if theirs is None:
            continue  # not in the font at all: the browser falls back, as the desktop does
        if mine is None:
            found.append(f"U+{ord(character):04X} {character!r} has no glyph")
            continue
        if embedded["hmtx"][mine[0]] != original["hmtx"][theirs[0]]:
            found.append(f"U+{ord(character):04X} {character!r} has another advance width")
        outlines = [
            [list(part) for part in g.getCoordinates(f["glyf"])]
            for f, (_, g) in ((embedded, mine), (original, theirs))
        ]
        if outlines[0] != outlines[1]:
            found.append(f"U+{ord(character):04X} {character!r} has another outline")
        programs = [
            g.program.getBytecode() if hasattr(g, "program") else b""
            for g in (mine[1], theirs[1])
        ]
        if programs[0] != programs[1]:
            found.append(f"U+{ord(character):04X} {character!r} has other hinting")
    for table in ("fpgm", "prep", "cvt ", "gasp"):
        kept = table in embedded and embedded[table].compile(embedded) == original[table].compile(original)
        if table in original and not kept:
            found.append(f"the table {table.strip()} is not the font's")
    return found


def main():
    css, regular, bold, *sources = sys.argv[1:]
    faces = embedded_faces(pathlib.Path(css).read_text(encoding="utf-8"))
    if sorted(faces) != [400, 700]:
        print(f"the style sheet has the weights {sorted(faces)}, not 400 and 700")
        return 1
    wanted = set(TYPED) | program_characters(sources)
    failures = []
    for weight, path in ((400, regular), (700, bold)):
        failures += [f"weight {weight}: {d}" for d in differences(faces[weight], TTFont(path), wanted)]
    for failure in failures:
        print(failure)
    if failures:
        return 1
    print(f"{len(wanted)} characters, in both weights, each with the font's own glyph")
    return 0


if __name__ == "__main__":
    sys.exit(main())
