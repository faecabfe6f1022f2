#!/usr/bin/env python3
"""Turns a work-folder document's text source into RTF, saved under a .doc name.

Word, WPS Office and LibreOffice open RTF content whatever the file is called.
Source format, one paragraph a line:
  "# title", "## heading", "- item", "| a | b | c |" (a table row; the first is the header),
  anything else a plain paragraph. Non-ASCII characters become \\uN escapes.
Usage: text_to_rtf.py SOURCE.txt OUTPUT.doc
"""
import sys

HEADER = (r"{\rtf1\ansi\ansicpg936\deff0"
          r"{\fonttbl{\f0\fnil\fcharset134 SimSun;}{\f1\fswiss\fcharset0 Arial;}}"
          "\n" r"\viewkind4\uc1\pard\sa120\f0\fs22" "\n")
TABLE_COLUMN_TWIPS = (1300, 5200, 9000)


def escaped(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 0x80:
            out.append(ch)
        elif code < 0x10000:
            out.append("\\u%d?" % (code if code < 0x8000 else code - 0x10000))
        else:
            # Characters beyond the BMP are written as their surrogate pair.
            code -= 0x10000
            for unit in (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF)):
                out.append("\\u%d?" % (unit - 0x10000))
    return "".join(out)


def table_row(cells, header):
    borders = r"\clbrdrt\brdrs\clbrdrl\brdrs\clbrdrb\brdrs\clbrdrr\brdrs"
    row = r"\trowd\trgaph80" + "".join(borders + r"\cellx%d" % x for x in TABLE_COLUMN_TWIPS)
    body = "".join(r"\pard\intbl%s %s\cell" % (r"\b" if header else r"\b0", escaped(c))
                   for c in cells)
    return row + body + r"\row" + "\n"


def convert(lines):
    parts = [HEADER]
    in_table = False
    for line in lines:
        line = line.rstrip("\n")
        if line.startswith("|"):
            cells = [c.strip() for c in line.strip("|").split("|")]
            parts.append(table_row(cells, header=not in_table))
            in_table = True
            continue
        if in_table:
            parts.append(r"\pard\sa120" "\n")
            in_table = False
        if not line.strip():
            continue
        if line.startswith("## "):
            parts.append(r"\pard\sb240\sa120\b\fs26 %s\b0\fs22\par" "\n" % escaped(line[3:]))
        elif line.startswith("# "):
            parts.append(r"\pard\qc\sa240\b\fs36 %s\b0\fs22\par\pard\sa120" "\n"
                         % escaped(line[2:]))
        elif line.startswith("- "):
            parts.append(r"\pard\fi-240\li480\sa60 \bullet  %s\par\pard\sa120" "\n"
                         % escaped(line[2:]))
        else:
            parts.append("%s\\par\n" % escaped(line))
    parts.append("}\n")
    return "".join(parts)


def main():
    with open(sys.argv[1], encoding="utf-8") as source:
        rtf = convert(source.readlines())
    with open(sys.argv[2], "w", encoding="ascii", newline="\r\n") as out:
        out.write(rtf)


if __name__ == "__main__":
    main()
