#!/usr/bin/env python3
"""The compiled help file holds its start page, its contents and a page for every top-level
menu of the program's main menu.

Usage: help_pages.py CHMLS Brisova.chm brisova.rc
"""
import re
import subprocess
import sys

chmls, chm, rc = sys.argv[1:4]


def top_level_menus(text):
    """The POPUP titles directly inside the main frame's MENU block."""
    block = text[text.index("IDR_MAINFRAME MENU"):]
    menus, depth = [], 0
    for line in block.splitlines()[1:]:
        word = line.strip().split(" ", 1)[0]
        if word == "BEGIN":
            depth += 1
        elif word == "END":
            depth -= 1
            if depth == 0:
                return menus
        elif word == "POPUP" and depth == 1:
            menus.append(re.search(r'"([^"]*)"', line).group(1))
    raise SystemExit("the main menu has no end")


def page_of(menu):
    return "menu-" + re.sub(r"[^a-z0-9]", "", menu.lower()) + ".html"


listing = subprocess.run([chmls, "--name-only", "--no-page", "list", chm],
                         capture_output=True, text=True, check=True).stdout
names = {line.strip().lstrip("/").lower() for line in listing.splitlines() if line.strip()}

menus = top_level_menus(open(rc, encoding="utf-8").read())
wanted = ["index.html", "keyboard.html", "brisova.hhc"] + [page_of(m) for m in menus]
missing = [name for name in wanted if name not in names]
if len(menus) < 8 or missing:
    print(f"menus: {menus}\nmissing from {chm}: {missing}\nlisted: {sorted(names)}")
    sys.exit(1)
print(f"{len(wanted)} pages present for {len(menus)} menus")
