#!/usr/bin/python3
"""Reads an exported CSV with the csv module and an exported vCard with vobject and
prints what they saw as JSON, for test_wymiana to compare."""
import csv
import json
import sys

import vobject

csv_path, vcf_path = sys.argv[1], sys.argv[2]
with open(csv_path, newline="", encoding="utf-8-sig") as f:
    rows = list(csv.reader(f, delimiter=";"))

cards = []
with open(vcf_path, encoding="utf-8") as f:
    for card in vobject.readComponents(f.read()):
        c = {"fn": card.fn.value}
        if hasattr(card, "org"):
            c["org"] = card.org.value
        if hasattr(card, "adr"):
            a = card.adr.value
            c["adr"] = [a.street, a.city, a.code]
        if hasattr(card, "note"):
            c["note"] = card.note.value
        for child in card.getChildren():
            if child.name.startswith("X-"):
                c[child.name] = child.value
        cards.append(c)

json.dump({"csv": rows, "vcf": cards}, sys.stdout, ensure_ascii=False)
