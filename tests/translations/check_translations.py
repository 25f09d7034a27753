#!/usr/bin/env python3
"""Fails on any translation that is not complete and sound.

Runs lupdate over the sources into a temporary copy of each .ts file (the
files in the tree are never changed), so that a text added to the sources
shows up as unfinished and a text gone from them as vanished; then reads
each copy and names every fault, one line each. With --words, every text
that is one of the table's words (a button, a menu item, an option) must be
translated by that word, the one the help uses, so that dialog and help
never name one thing two ways.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")
MNEMONIC = re.compile(r"&(?!&)(?=\S)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ""))


def mnemonics(text):
    return len(MNEMONIC.findall((text or "").replace("&&", "")))


def message_faults(context, message):
    """The faults of one message, as lines naming context and source."""
    source = message.findtext("source") or ""
    where = "%s: %r" % (context, source)
    translation = message.find("translation")
    kind = translation.get("type") if translation is not None else "missing"
    if kind in ("unfinished", "vanished", "obsolete", "missing"):
        return ["%s is %s" % (where, kind)]
    numerus = message.get("numerus") == "yes"
    forms = [f.text or "" for f in translation.findall("numerusform")] if numerus else [translation.text or ""]
    faults = []
    for form in forms:
        if not form.strip():
            faults.append("%s has an empty translation" % where)
            continue
        wanted = placeholders(source)
        got = placeholders(form)
        # A numerus form may spell out the one case instead of writing %n.
        if numerus and "%n" not in got:
            wanted = [p for p in wanted if p != "%n"]
        if got != wanted:
            faults.append("%s: %r has placeholders %s, not %s" % (where, form, got, wanted))
        if mnemonics(source) != mnemonics(form):
            faults.append("%s: %r does not keep one mnemonic" % (where, form))
        if source.endswith(" ") != form.endswith(" "):
            faults.append("%s: %r does not keep the trailing blank" % (where, form))
    return faults


def readable(text):
    """A text as the user reads it: no mnemonic mark, no surrounding blanks."""
    return (text or "").replace("&&", "\0").replace("&", "").replace("\0", "&").strip()


def read_words(path):
    """The words table: {language: {English word: word}}."""
    rows = [line.rstrip("\n").split("\t") for line in open(path, encoding="utf-8")
            if line.strip() and not line.startswith("#")]
    languages = rows[0]
    return {language: {row[0]: row[i] for row in rows[1:]} for i, language in enumerate(languages)}


def word_faults(path, words):
    root = ET.parse(path).getroot()
    language = (root.get("language") or "")[:2]
    if language not in words:
        return ["no column for language %r in the words table" % language]
    faults = []
    for context in root.iter("context"):
        for message in context.iter("message"):
            english = readable(message.findtext("source"))
            if message.get("numerus") == "yes" or english not in words["en"]:
                continue
            got, wanted = readable(message.findtext("translation")), words[language][english]
            if got != wanted:
                faults.append("%s: %r is %r, not the word of the help, %r"
                              % (context.findtext("name"), english, got, wanted))
    return faults


def ts_faults(path):
    root = ET.parse(path).getroot()
    faults = []
    if not root.get("language"):
        faults.append("no language")
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            faults += message_faults(name, message)
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--lconvert", required=True)
    parser.add_argument("--sources", nargs="+", required=True)
    parser.add_argument("--ts", nargs="+", required=True)
    parser.add_argument("--words", help="table of the words dialogs and help share (tab-separated)")
    args = parser.parse_args()
    words = read_words(args.words) if args.words else None

    failed = False
    with tempfile.TemporaryDirectory() as work:
        for ts in args.ts:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            run = subprocess.run([args.lupdate, "-silent", "-locations", "none", "-extensions", "h,cpp"]
                                 + args.sources + ["-ts", copy], capture_output=True, text=True)
            if run.returncode != 0:
                print("%s: lupdate failed: %s" % (ts, run.stderr.strip()))
                failed = True
                continue
            # lconvert reads the file back as Qt does; a file it cannot read
            # would never compile.
            check = subprocess.run([args.lconvert, "-i", copy, "-of", "ts", "-o", os.path.join(work, "read.ts")],
                                   capture_output=True, text=True)
            if check.returncode != 0:
                print("%s: lconvert cannot read it: %s" % (ts, check.stderr.strip()))
                failed = True
                continue
            faults = ts_faults(copy) + (word_faults(ts, words) if words else [])
            for fault in faults:
                print("%s: %s" % (os.path.basename(ts), fault))
            failed = failed or bool(faults)
            count = sum(1 for _ in ET.parse(copy).getroot().iter("message"))
            print("%s: %d messages, %d faults" % (os.path.basename(ts), count, len(faults)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
