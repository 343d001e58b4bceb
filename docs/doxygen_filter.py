#!/usr/bin/env python3
"""Doxygen input filter for the library's headers (INPUT_FILTER in docs/Doxyfile).

The headers document themselves with plain `//` comments. This filter prints a header with those
comments marked for Doxygen, line for line, so that Doxygen's warnings name the header's own lines:
- the comment at the top of the file documents the file (`@file`);
- at namespace, class and enumeration scope, a comment block documents the declaration after it,
  and also every further declaration that follows without a blank line, as the house style reads
  it ("// Open and close the bracket" above `displayStart` and `displayEnd`); a trailing `// text`
  documents the declaration on its line (`///<`); comments inside function bodies stay plain;
- indented comment lines and table rows after a blank line or a line ending in ':' (the usage
  examples, the unit tables) become preformatted blocks, and
  the characters that Doxygen would read as commands or HTML are escaped in the prose.
"""
import re
import sys

COMMENT_LINE = re.compile(r"^(\s*)//(?!/)(.*)$")
DECLARING = re.compile(r"\b(class|struct|union|enum|namespace)\b|\bextern\s*$")
ACCESS = re.compile(r"^\s*(public|protected|private)\s*:")


def escape_prose(text):
    """Escapes prose so that Doxygen shows it as written; `code spans` are left alone."""
    parts = re.split(r"(`[^`]*`)", text)
    for i in range(0, len(parts), 2):
        parts[i] = escape_all(parts[i])
    return "".join(parts)


def split_code(line):
    """Returns the line's code with literals blanked out, and its trailing `//` comment text
    (None when there is none)."""
    code = []
    i, quote = 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                code.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
            code.append(" ")
        elif c in "\"'":
            quote = c
            code.append(" ")
        elif line.startswith("//", i):
            return "".join(code), line[i + 2:]
        elif line.startswith("/*", i):
            end = line.find("*/", i + 2)
            end = len(line) if end < 0 else end + 2
            code.append(" " * (end - i))
            i = end
            continue
        else:
            code.append(c)
        i += 1
    return "".join(code), None


class Line:
    def __init__(self, text):
        self.text = text
        m = COMMENT_LINE.match(text)
        self.comment = m and (m.group(1), m.group(2))  # a comment-only line
        self.code, self.trailing = ("", None) if m else split_code(text)
        if self.trailing is not None and self.trailing.lstrip().startswith("NOLINT"):
            # A note to the linter, not documentation: Doxygen does not see it.
            self.text = text[: len(text) - len(self.trailing) - 2].rstrip()
            self.trailing = None
        self.depth = 0  # scope depth at the start of the line
        self.documenting = True  # whether the scope at the start of the line documents
        self.end_depth = 0


def analyse(lines):
    """Sets each line's depth and whether its scope documents declarations."""
    scopes = []  # one bool per open brace: does this scope document its declarations?
    pending = ""  # code since the last ';', '{' or '}': tells what a '{' opens
    for line in lines:
        line.depth, line.documenting = len(scopes), all(scopes)
        if line.text.lstrip().startswith("#"):
            line.end_depth = len(scopes)
            continue
        for c in line.code:
            if c == "{":
                opener = pending.strip()
                scopes.append(bool(DECLARING.search(opener)) and not opener.endswith(")")
                              and not opener.endswith("="))
                pending = ""
            elif c == "}":
                if scopes:
                    scopes.pop()
                pending = ""
            elif c == ";":
                pending = ""
            else:
                pending += c
        line.end_depth = len(scopes)


def escape_all(text):
    return re.sub(r"([\\<>@&#%$])", r"\\\1", text)


def doc_block(block, file_comment):
    """The Doxygen lines for a run of comment lines [(indent, text after //)]."""
    # Preformatted runs: indented lines or table rows that start after a blank line or after a
    # line ending in ':' and go on while the lines stay indented (or are table rows).
    pre = [False] * len(block)
    for n, (_, body) in enumerate(block):
        indented = body.startswith("   ") or body.lstrip().startswith("|")
        if not indented or not body.strip():
            continue
        before = block[n - 1][1].strip() if n > 0 else ""
        if n == 0 or pre[n - 1] or not before or before.endswith(":"):
            pre[n] = True
    out = []
    for n, (indent, body) in enumerate(block):
        if not body.strip():
            out.append(indent + "///")
        elif pre[n]:
            first = n == 0 or not pre[n - 1]
            last = n + 1 == len(block) or not pre[n + 1]
            # A leading '-' or '+' would start a Markdown list even inside <pre>.
            text = re.sub(r"^(\s*)([-+])", r"\1\\\2", escape_all(body[1:].rstrip()))
            out.append(indent + "/// " + ("<pre>" if first else "") + text
                       + ("</pre>" if last else ""))
        else:
            out.append(indent + "/// " + escape_prose(body.strip()))
    if file_comment:
        # "@file" with nothing after it on its line names this file, and adds no line.
        for n, text in enumerate(out):
            if text.strip() != "///" and not pre[n]:
                out[n] = text + " @file"
                break
    return out


def flattened(block):
    return escape_prose(" ".join(body.strip() for _, body in block if body.strip()))


def filter_header(text):
    lines = [Line(t) for t in text.split("\n")]
    analyse(lines)
    out = [line.text for line in lines]
    shared = {}  # line index -> comment text it shares with the declarations above it
    i = 0
    while i < len(lines):
        if not lines[i].comment:
            i += 1
            continue
        start = i
        while i < len(lines) and lines[i].comment:
            i += 1
        block = [line.comment for line in lines[start:i]]
        if start == 0:
            out[start:i] = doc_block(block, True)
            continue
        if not lines[start].documenting or block[0][1].lstrip().startswith("NOLINT"):
            continue
        if i < len(lines) and re.match(r"\s*namespace\b", lines[i].text):
            continue  # a note on a namespace block, not documentation of the namespace
        out[start:i] = doc_block(block, False)
        # The declarations that follow without a break share this comment: each gets it as a
        # `/** ... */` in front of its first line. Inline function bodies are stepped over.
        depth, seen, decl_start = lines[start].depth, 0, i
        group_of_overrides = False
        j = i
        while j < len(lines):
            line = lines[j]
            if (not line.code.strip() or line.text.lstrip().startswith("#")
                    or ACCESS.match(line.text) or line.depth != depth):
                break
            if line.end_depth > depth:
                if DECLARING.search(line.code):
                    break  # a class or namespace: not a run of declarations
                k = j + 1
                while k < len(lines) and lines[k].end_depth > depth:
                    k += 1
                if k == len(lines):
                    break
                j = k  # the line that closes the body
                line = lines[j]
            if line.end_depth == depth and line.code.rstrip().endswith((";", "}")):
                seen += 1
                # Destructors, deleted members and overrides need no text of their own (Doxygen
                # asks none, and an override shows its base's): they share the comment only
                # when it stands above overrides itself.
                decl = " ".join(x.code for x in lines[decl_start:j + 1])
                if seen == 1:
                    group_of_overrides = bool(re.search(r"\boverride\b", decl))
                if (seen > 1 and lines[decl_start].trailing is None and "~" not in decl
                        and not re.search(r"=\s*delete", decl)
                        and (group_of_overrides or not re.search(r"\boverride\b", decl))):
                    shared[decl_start] = flattened(block).replace("*/", "* /")
                decl_start = j + 1
            j += 1
    for n, line in enumerate(lines):
        if not line.documenting or line.comment or line.text.lstrip().startswith("#"):
            continue
        if line.trailing is not None:
            code_part = line.text[: len(line.text) - len(line.trailing) - 2]
            out[n] = code_part + "///< " + escape_prose(line.trailing.strip())
        elif n in shared:
            indent = line.text[: len(line.text) - len(line.text.lstrip())]
            out[n] = indent + "/** " + shared[n] + " */ " + line.text.lstrip()
    return "\n".join(out)


if __name__ == "__main__":
    # Bytes in, the same bytes out: latin-1 maps each byte to one character and back.
    with open(sys.argv[1], encoding="latin-1") as f:
        sys.stdout.buffer.write(filter_header(f.read()).encode("latin-1"))
