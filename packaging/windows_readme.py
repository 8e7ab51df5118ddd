#!/usr/bin/env python3
"""The parts of README.md a Windows user needs, as the README.txt that
Morvana.exe's zip and MSI carry beside it: the introduction and the sections
below. The rest (building, the Linux window, the page, performance, the
source layout) is for developers and other systems, and would only make the
MSI larger.

    windows_readme.py README.md README.txt
"""
import sys

SECTIONS = ('Typing and pasting', 'Screen readers, keyboard, low vision and phones', 'Run on Windows',
            'Deploy on Windows (for administrators)', 'Licence')


def windows_parts(markdown):
    kept, keep = [], True
    for line in markdown.splitlines(keepends=True):
        if line.startswith('## '):
            keep = line[3:].strip() in SECTIONS
        if keep:
            kept.append(line)
    return ''.join(kept)


if __name__ == '__main__':
    with open(sys.argv[1], encoding='utf-8') as source:
        text = windows_parts(source.read())
    with open(sys.argv[2], 'w', encoding='utf-8', newline='') as out:
        out.write(text)
