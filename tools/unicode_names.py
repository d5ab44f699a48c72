"""Capitalisation of Unicode character names, shared by the generators.

The C++ name service applies the same rule to ICU's names, so names read the same whichever
source gave them: every word capitalised, "CJK" kept upper case, hexadecimal code suffixes
("IDEOGRAPH-FA70") kept as they are.
"""
import re

_HEX_SUFFIX = re.compile(r"^[0-9A-F]{4,6}$")


def capitalise(name: str) -> str:
    words = []
    for word in name.split(" "):
        parts = word.split("-")
        out = []
        for i, part in enumerate(parts):
            if part == "CJK" or (i > 0 and _HEX_SUFFIX.match(part)):
                out.append(part)
            else:
                out.append(part[:1].upper() + part[1:].lower())
        words.append("-".join(out))
    return " ".join(words)
