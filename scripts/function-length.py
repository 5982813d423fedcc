#!/usr/bin/env python3
"""Lists every function body longer than a limit (60 lines) in the C++ sources outside tests/.

    scripts/function-length.py [--limit N] [FILE...]

A body is counted from the line of its opening brace to the line of its closing brace. The
scanner matches braces after blanking out comments, string and character literals (raw strings
included), so a brace in a text or a comment never counts. A brace opens a function body when
the code before it, back to the previous ";", "{" or "}", ends in a parameter list: ")" followed
only by qualifiers (const, noexcept, override, final, -> type, a member initialiser list). Lambdas
count as part of the function that holds them. Exits 1 when any body is too long.
"""
import re
import subprocess
import sys

LIMIT = 60
SOURCE = re.compile(r"\.(cpp|hpp|h|cc)$")
CONTROL = re.compile(r"\b(if|for|while|switch|catch|do|else|return)\s*$")


def blank_literals(text):
    """The text with comments and literals replaced by spaces, newlines kept."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == "R" and text.startswith('R"', i) and not (i and (text[i - 1].isalnum() or text[i - 1] == "_")):
            k = text.find("(", i + 2)
            delimiter = ")" + text[i + 2:k] + '"'
            j = text.find(delimiter, k)
            j = n if j < 0 else j + len(delimiter)
            out.append('""' + re.sub(r"[^\n]", " ", text[i + 2:j]))
            i = j
        elif c in "\"'":
            if c == "'" and i and text[i - 1].isalnum():  # digit separator 1'000
                out.append(c)
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(c + " " * (j - i - 2) + c)
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def opens_function(head):
    """Whether code ending just before a "{" is a function's head."""
    head = re.sub(r"\s+", " ", head).strip()
    if not head or CONTROL.search(head) or "=" in head.split(")")[-1]:
        return False
    # A constructor's initialiser list: ") : a_(x), b_{y}" - look at what comes before it.
    head = re.sub(r"\)\s*:\s*[\w:<>, ]+[({][^(){}]*[)}]\s*(,\s*[\w:<>]+[({][^(){}]*[)}]\s*)*$", ")", head)
    head = re.sub(r"\s*->\s*[\w:<>,&*\[\] ]+$", "", head)
    head = re.sub(r"(\s*\b(const|noexcept|override|final|mutable|volatile|&|&&)\b)*\s*$", "", head)
    if not head.endswith(")"):
        return False
    if re.search(r"\]\s*\([^()]*\)$", head):  # a lambda
        return False
    return not re.search(r"\b(if|for|while|switch|catch)\s*\(", head[head.rfind("("):] if "(" in head else "")


def long_functions(path, limit):
    text = blank_literals(open(path, encoding="utf-8").read())
    found, stack, start = [], [], 0
    for i, c in enumerate(text):
        if c in ";":
            start = i + 1
        elif c == "{":
            is_function = opens_function(text[start:i]) and not any(f for f, _ in stack)
            stack.append((is_function, i))
            start = i + 1
        elif c == "}":
            if stack:
                is_function, at = stack.pop()
                if is_function:
                    first = text.count("\n", 0, at) + 1
                    last = text.count("\n", 0, i) + 1
                    if last - first + 1 > limit:
                        name = re.sub(r"\s+", " ", text[:at][text.rfind("\n", 0, at - 1) + 1:]).strip()
                        found.append((first, last - first + 1, name or "?"))
            start = i + 1
    return found


def main(argv):
    limit = LIMIT
    if argv[:1] == ["--limit"]:
        limit, argv = int(argv[1]), argv[2:]
    files = argv or [
        f for f in subprocess.run(["git", "ls-files"], capture_output=True, text=True,
                                  check=True).stdout.split()
        if SOURCE.search(f) and not f.startswith("tests/")
    ]
    bad = 0
    for path in files:
        for line, length, name in long_functions(path, limit):
            print(f"{path}:{line}: {length} lines, more than {limit}: {name}")
            bad += 1
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
