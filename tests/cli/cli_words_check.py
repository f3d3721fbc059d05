#!/usr/bin/env python3
"""Checks that every word of the command line's own is translated.

The words are read from the sources: the texts of CliWord and CliMessage
calls, what each option accepts (as its refusals say it) and the calendar's
event names. Each module (tarvel-cli_ITA.ts, tarvel-cli_PTB.ts) must translate
every one of them, with the same blanks (%1 ... %9), and hold no other.

Usage: cli_words_check.py SOURCE_FOLDER MODULE.ts...
"""
import re, sys, pathlib
import xml.etree.ElementTree as ElementTree

LIT = r'(?:"(?:[^"\\]|\\.)*"\s*)+'

def unquote(chunk):
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"', chunk)
    text = ''.join(parts)
    return bytes(text, 'utf-8').decode('unicode_escape').encode('latin-1').decode('utf-8')

def keys(src):
    found = []
    bare = set()  # texts that never stand alone: the bounds follow them
    for path in sorted(pathlib.Path(src).glob('*.cpp')) + sorted(pathlib.Path(src).glob('*.h')):
        text = path.read_text(encoding='utf-8')
        for m in re.finditer(r'\b(?:CliWord|CliMessage)\(\s*(' + LIT + r')', text):
            found.append(unquote(m.group(1)))
        for m in re.finditer(r'CliMessage\(\s*[\w.]+\s*\?\s*(' + LIT + r')\s*:\s*(' + LIT + r')', text):
            found += [unquote(m.group(1)), unquote(m.group(2))]
        # An option's text: {"--name" or a name, "PLACEHOLDER", accepts...
        for m in re.finditer(r'\{\s*(?:"--[a-z-]+"|\w+)\s*,\s*"[^"]*"\s*,\s*(?:forTable\s*\?\s*\w+\s*:\s*)?(' + LIT + r')', text):
            accepts = unquote(m.group(1))
            if not accepts: continue
            after = text[m.end():m.end() + 400]
            found.append(accepts)
        for m in re.finditer(r'kTableZonesAccepted\s*=\s*(' + LIT + ')', text):
            found.append(unquote(m.group(1)))
        # The calendar's events: {"name", "Title", F::..., "about", prayer}
        for m in re.finditer(r'\{\s*"[a-z0-9-]+"\s*,\s*(' + LIT + r')\s*,\s*F::\w+\s*,\s*(' + LIT + r')', text):
            found.append(unquote(m.group(1)))
            if unquote(m.group(2)): found.append(unquote(m.group(2)))
        # AddDecimal's and --delta-t's bounds follow their text.
        for m in re.finditer(r'AddDecimal\(\s*\w+\s*,\s*\{\s*(?:"--[a-z-]+"|\w+)\s*,\s*"[^"]*"\s*,\s*(' + LIT + ')', text):
            found.append(unquote(m.group(1)) + " from %1 to %2")
            bare.add(unquote(m.group(1)))
        # Words kept in a variable first.
        for m in re.finditer(r'const char\* (\w+) =\s*(' + LIT + r');', text):
            name = m.group(1)
            if re.search(r'CliWord\(' + name + r'\)|"\s*,\s*' + name + r'\s*,', text):
                found.append(unquote(m.group(2)))
        for m in re.finditer(r'OptionText deltaT\{\s*"--delta-t"\s*,\s*"[^"]*"\s*,\s*(' + LIT + ')', text):
            found.append(unquote(m.group(1)) + " from %1 to %2")
            bare.add(unquote(m.group(1)))
    found.append("%1 or %2")
    seen = []
    for k in found:
        if re.fullmatch(r'--[a-z-]+', k): continue  # an option's name, as it stands
        if k not in seen and k not in bare: seen.append(k)
    return seen

def blanks(text):
    return sorted(re.findall(r'%[1-9]', text))

def check(source, modules):
    words = keys(source)
    faults = []
    for module in modules:
        translated = {}
        for message in ElementTree.parse(module).getroot().iter('message'):
            translated[message.findtext('source')] = message.findtext('translation') or ''
        for word in words:
            if not translated.get(word):
                faults.append(f'{module}: no translation of "{word}"')
            elif blanks(translated[word]) != blanks(word):
                faults.append(f'{module}: the blanks of "{word}" differ in its translation')
        for stale in sorted(set(translated) - set(words)):
            faults.append(f'{module}: "{stale}" is no longer a word of the command line')
    return words, faults

if __name__ == '__main__':
    words, faults = check(sys.argv[1], sys.argv[2:])
    for fault in faults: print(fault)
    print(f'{len(words)} words, {len(faults)} faults')
    sys.exit(1 if faults or not words else 0)
