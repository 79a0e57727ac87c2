#!/usr/bin/env python3
"""Composes bet-slip and offer pages the way bookmakers build them, for copying in real browsers.

Every page is put together at random from the blocks bookmakers use: cards, flex and grid rows,
tables with and without a header, definition lists, lists, badges, buttons, kick-off, league and
market lines, slip titles and summaries. Beside each page NAME.html goes NAME.tips, what a careful
reader takes from it, one tip a line:

    home|away|home marker|away marker|odds

or the single line "refused" when the page cannot be read safely: a price drawn by the page's
style (a copy never carries it), an old and a new price with nothing saying which holds, or an
offer row whose backed price is told only by its colour.

    slipgen.py generate --seed 28 --count 320 --out DIR
    slipgen.py generate --family new --seed 29 --count 160 --out DIR
    slipgen.py generate --family uk --seed 30 --count 120 --out DIR
    slipgen.py generate --family structure --seed 37 --count 120 --out DIR
    slipgen.py generate --family racing --seed 38 --count 40 --out DIR
    slipgen.py generate --family mixed --seed SEED --count 80 --out DIR
    slipgen.py collect DIR --out tests/offer/generated/structure.json
    slipgen.py collect DIR --merge --out tests/offer/generated/copies.json

"--family new" builds pages (h0001...) from layouts, sports and outcome forms the first family
never uses, to see how the reader does on pages it was not shaped on; the first family's pages
stay as they were for a seed. Its refused pages hide a price as a picture or in a read-only box,
cut an event short with "…", keep a removed tip on the slip, or set other offers' prices beside
or among the slip's tips.

"--family uk" builds English-language pages (u0001...) as British and American books write them:
prices as fractions, evens and American odds, or decimals with a point; slash dates, stakes and
returns in pounds, each-way boxes and cash-out buttons. Its tips keep a price in the form the grid
keeps it: "5/2", "1/1" for evens, "+250", or the decimal. Its refused pages hide a price as a
picture, in a read-only box or in the page's style, strike an old price out beside the new one
with nothing saying which holds, or cut an event short with "…".

"--family structure" builds slips (s0001...) in Hungarian, English and German whose copied text
loses what the page shows: markup with no whitespace between its elements (a browser's text may
run two of them together, "Arsenal v Chelsea1.85"), labels hidden from the eye for screen readers
("Odds 2.10" beside "2.10", "Selected:", "Remove selection"), an old price struck through by a
class beside the new one, a summary's label and value in two blocks, line markets whose pick
carries the line ("Over 2.5 Goals", "Arsenal -1,5", "Hendikep (0:1): Arsenal"), numbered legs,
team names that begin with a number ("1. FC Köln"), German words and dates ("Quote 2,10",
"Systemwette 2 aus 3", 14.12.2026), and a bet builder leg: several picks of one event with one
price, one tip with no markers. Layouts (cards, flex rows, grids, tables, lists) and class names
are drawn per page. A page whose old price is struck only by a class, with no word saying which
price holds, is readable from Chromium's HTML (which writes the struck style inline) and from no
text; Firefox's HTML keeps only the class name, so there the page is refused.

"--family mixed" takes every family in turn, each page its family's own for the seed: a batch of
all layouts, for measuring the reader on a seed it was not developed on.

"collect" gathers the browsers' copies, both flavours (DIR/NAME.chromium.txt and .html,
DIR/NAME.firefox.txt and .html, made by tools/browsercopy/copy-pages.sh), with the tips into one
table, one row a copy:

    {"page": NAME, "browser": "chromium" | "firefox", "copy": the text flavour,
     "html": the HTML flavour, "tips": [...] or ["refused"], "text": "refused"}

"tips" is what the HTML flavour gives; "text": "refused" (only on rows whose tips are not refused)
says that the text flavour cannot tell them: the page strikes an old price by a class alone, or
the browser ran two of the page's texts together where letters or digits meet. It checks that no
copy is empty and that every price of a readable page is in both flavours. With --merge it gives
the rows already in --out that name the same pages the new HTML flavour, keeping their stored
text and tips, and says how many new texts differ from the stored ones.
"""

import argparse
import base64
from fractions import Fraction
import html
import html.parser
import json
import os
import random
import sys

# Team, country. Pairs are drawn from one country, or across countries for the cups.
TEAMS = [
    ("Ferencváros", "hu"), ("Újpest FC", "hu"), ("Győri ETO", "hu"), ("Fehérvár", "hu"),
    ("MTK Budapest", "hu"), ("Debreceni VSC", "hu"), ("Paksi FC", "hu"), ("Puskás Akadémia", "hu"),
    ("Kisvárda", "hu"), ("Zalaegerszeg", "hu"), ("Diósgyőr", "hu"), ("Kecskemét", "hu"),
    ("Nyíregyháza Spartacus", "hu"), ("Szeged-Csanád Grosics Akadémia", "hu"), ("Mezőkövesd", "hu"),
    ("Budapest Honvéd", "hu"), ("Vasas", "hu"), ("Szombathelyi Haladás", "hu"), ("Soroksár", "hu"),
    ("Kazincbarcika", "hu"),
    ("Arsenal", "en"), ("Chelsea", "en"), ("Liverpool", "en"), ("Everton", "en"),
    ("Manchester United", "en"), ("Manchester City", "en"), ("Tottenham Hotspur", "en"),
    ("Brighton & Hove Albion", "en"), ("Nott'm Forest", "en"), ("Wolverhampton Wanderers", "en"),
    ("Aston Villa", "en"), ("Newcastle United", "en"), ("West Ham United", "en"), ("Crystal Palace", "en"),
    ("Bayern München", "de"), ("Borussia Dortmund", "de"), ("Borussia M'gladbach", "de"),
    ("Schalke 04", "de"), ("Darmstadt 98", "de"), ("SC Paderborn 07", "de"), ("1. FC Köln", "de"),
    ("FC 08 Homburg", "de"), ("Bayer Leverkusen", "de"), ("Eintracht Frankfurt", "de"),
    ("VfB Stuttgart", "de"), ("RB Leipzig", "de"), ("1. FSV Mainz 05", "de"), ("Werder Bremen", "de"),
    ("Real Madrid", "es"), ("Barcelona", "es"), ("Atlético Madrid", "es"), ("Sevilla FC", "es"),
    ("Real Betis", "es"), ("Villarreal", "es"), ("Athletic Club", "es"), ("Real Sociedad", "es"),
    ("Juventus", "it"), ("Internazionale", "it"), ("AC Milan", "it"), ("Napoli", "it"),
    ("AS Roma", "it"), ("Lazio", "it"), ("Atalanta", "it"), ("Fiorentina", "it"),
    ("Paris Saint-Germain", "fr"), ("AS Saint-Étienne", "fr"), ("Olympique Lyon", "fr"),
    ("Olympique de Marseille", "fr"), ("AS Monaco", "fr"), ("LOSC Lille", "fr"),
    ("Ajax", "nl"), ("PSV", "nl"), ("Feyenoord", "nl"), ("AZ Alkmaar", "nl"),
    ("Benfica", "pt"), ("FC Porto", "pt"), ("Sporting CP", "pt"),
    ("Celtic", "sc"), ("Rangers", "sc"),
    ("Galatasaray", "eu"), ("Fenerbahçe", "eu"), ("Slavia Praha", "eu"), ("Sparta Praha", "eu"),
    ("Dinamo Zagreb", "eu"), ("Crvena zvezda", "eu"), ("Red Bull Salzburg", "eu"), ("Club Brugge", "eu"),
]

# How a country's league is named on a page: short, with the country, with the round.
LEAGUES = {
    "hu": ["NB I", "Magyarország - NB I", "NB I - 15. forduló", "OTP Bank Liga", "Magyar Kupa"],
    "en": ["Premier League", "Anglia - Premier League", "Premier League - 17. forduló", "FA Kupa"],
    "de": ["Bundesliga", "Németország - Bundesliga", "DFB-Pokal", "Bundesliga - 14. forduló"],
    "es": ["LaLiga", "Spanyolország - LaLiga", "Copa del Rey"],
    "it": ["Serie A", "Olaszország - Serie A", "Serie A - 16. forduló"],
    "fr": ["Ligue 1", "Franciaország - Ligue 1", "Coupe de France"],
    "nl": ["Eredivisie", "Hollandia - Eredivisie"],
    "pt": ["Liga Portugal", "Portugália - Liga Portugal"],
    "sc": ["Premiership", "Skócia - Premiership"],
    "eu": ["Bajnokok Ligája", "Európa-liga", "Konferencia-liga", "Nemzetközi - Európa-liga"],
}
# Leagues written without a dash, for places where a dash would read as an event.
PLAIN_LEAGUES = {
    "hu": ["NB I", "OTP Bank Liga"], "en": ["Premier League"], "de": ["Bundesliga"], "es": ["LaLiga"],
    "it": ["Serie A"], "fr": ["Ligue 1"], "nl": ["Eredivisie"], "pt": ["Liga Portugal"],
    "sc": ["Premiership"], "eu": ["Bajnokok Ligája", "Konferencia-liga"],
}
SPORTS = ["Labdarúgás", "Foci", "Labdarúgás"]
DAYS = ["h", "k", "sze", "cs", "p", "szo", "v"]
SEPARATORS = [" - ", " – ", " — ", " v ", " vs ", " vs. ", "-"]
BADGES = ["Élő", "Új", "Boost", "Top", "Szuperszorzó", "Népszerű"]
MARKS = ["▲", "▼", "↑", "↓"]
# Thousands groups: the gap, and the decimal mark that goes with it ("" = the page's own).
GROUPS = [(" ", ""), ("\u00a0", ""), ("\u202f", ""), ("\u2009", ""), ("'", "."), (".", ",")]

# Markers: the picture of each side for the outcome backed.
MARKERS = {
    "1": ("xxk.bmp", ""), "2": ("", "xxk.bmp"), "X": ("xx.bmp", "xx.bmp"),
    "1X": ("Xxx.bmp", "xx.bmp"), "X2": ("xx.bmp", "Xxx.bmp"), "12": ("xxk.bmp", "xxk.bmp"),
}

CSS = """
body { font-family: sans-serif; max-width: 720px; margin: 8px; }
.tip { border: 1px solid #bbb; border-radius: 4px; margin: 6px 0; padding: 4px 8px; }
.row { display: flex; gap: 12px; align-items: center; border-bottom: 1px solid #ddd; padding: 4px 0; }
.row > div:first-child { flex: 1; }
.grid { display: grid; gap: 4px 12px; border-top: 1px solid #ddd; }
.badge { display: inline-block; background: #c22; color: #fff; border-radius: 3px; padding: 0 4px; font-size: 80%; }
.meta { color: #666; font-size: 85%; }
.event { font-weight: 600; }
.price { font-weight: 700; color: #063; }
.sel { background: #fd3; }
table { border-collapse: collapse; }
td, th { border: 1px solid #ccc; padding: 2px 8px; text-align: left; }
dd { margin-left: 16px; }
ul.parts { list-style: none; padding-left: 4px; }
s, del { color: #999; }
button { margin: 2px; }
.summary { margin-top: 10px; border-top: 2px solid #333; }
"""


def esc(text):
    return html.escape(text, quote=False)


class Tip:
    def __init__(self, rng, home, away, country, dec, whole_ok):
        self.home, self.away, self.country = home, away, country
        self.kind = rng.choices(["1", "X", "2", "1X", "X2", "12"], [30, 18, 25, 10, 10, 7])[0]
        self.league = rng.choice(LEAGUES[country])
        self.plain_league = rng.choice(PLAIN_LEAGUES[country])
        self.sport = rng.choice(SPORTS)
        self.when = kickoff(rng)
        self.market = rng.choice(["Kétesély"] if len(self.kind) == 2 else ["Végeredmény", "1X2"])
        self.odds, self.price = price(rng, self.kind, dec, whole_ok)
        self.old = None  # an earlier price, shown beside the current one
        self.badges = rng.sample(BADGES, rng.choice([1, 1, 2])) if rng.random() < 0.25 else []

    def truth(self):
        hm, am = MARKERS[self.kind]
        return f"{self.home}|{self.away}|{hm}|{am}|{self.odds}"


def kickoff(rng):
    hour, minute = rng.choice(range(12, 23)), rng.choice(["00", "15", "30", "45"])
    day, month = rng.randint(1, 28), rng.randint(1, 12)
    return rng.choice([
        f"{rng.choice(DAYS)} {month:02}.{day:02}. {hour}:{minute}",
        f"Ma {hour}:{minute}",
        f"Holnap {hour}:{minute}",
        f"2026-{month:02}-{day:02} {hour}:{minute}",
        f"{month:02}.{day:02}. {hour}:{minute}",
        f"{hour}:{minute}",
    ])


def price(rng, kind, dec, whole_ok=False):
    """The price as the truth writes it (point, no groups) and as the page shows it. A price
    without decimals is shown only where a label or a column heading says it is one, and a
    price in thousands always with its decimals, so that "1.500" is never left to guess."""
    roll = rng.random()
    if roll < 0.05 and len(kind) == 1:
        whole = rng.choice([1001, 1250, 1500, 2000, 2500, 5000, 10000, 12500])
    elif roll < 0.12:
        whole = rng.randint(10, 150)
    elif len(kind) == 2:
        whole = 1
    else:
        whole = rng.choice([1, 1, 1, 2, 2, 3, 4, 5, 6, 8])
    places = rng.choices([2, 1, 0], [84, 12, 4])[0]
    if whole >= 1000 or (places == 0 and (whole == 1 or not whole_ok)):
        places = 2
    digits = "".join(rng.choice("0123456789") for _ in range(places))
    if whole >= 10:
        # Long shots are priced in round steps.
        digits = rng.choice(["0", "5"]) + "0" * (places - 1) if places else ""
    if whole == 1 and digits.strip("0") == "":
        digits = "0" * (places - 1) + "1" if places else ""
    mark, text = dec, str(whole)
    if whole >= 1000:
        gap, mark = rng.choice(GROUPS)
        mark = mark or dec
        text = f"{whole:,}".replace(",", gap)
    shown = text + (mark + digits if places else "")
    odds = str(whole) + ("." + digits if places else "")
    return odds, shown


def pair(rng, used):
    """Two teams not yet on the page, mostly from one country."""
    free = [t for t in TEAMS if t[0] not in used]
    first = rng.choice(free)
    same = [t for t in free if t[1] == first[1] and t != first]
    if same and rng.random() < 0.85:
        second = rng.choice(same)
        country = first[1]
    else:
        second = rng.choice([t for t in free if t != first])
        country = first[1] if first[1] == second[1] else "eu"
    used.update((first[0], second[0]))
    return (first, second) if rng.random() < 0.5 else (second, first), country


class Page:
    """One page's look: the choices a bookmaker makes once for the whole page."""

    def __init__(self, rng, name):
        self.rng, self.name = rng, name
        self.kind = rng.choices(["slip", "offer"], [65, 35])[0]
        self.layout = rng.choices(
            ["card", "flex", "grid", "table", "bare-table", "dl", "ul"], [22, 16, 13, 15, 14, 10, 10])[0]
        self.dec = "," if rng.random() < 0.78 else "."
        self.sep = rng.choice(SEPARATORS)
        self.names_in_spans = rng.random() < 0.4
        self.market = rng.choices(["none", "label", "line"], [45, 30, 25])[0]
        self.price_label = rng.choices(["", "Szorzó: ", "Odds: ", "mark", "@"], [45, 20, 10, 15, 10])[0]
        self.mark_after = rng.random() < 0.5
        self.moving = rng.random() < 0.15  # prices labelled old → new
        self.meta = rng.choices(["none", "when", "league", "sportline", "both"], [30, 20, 15, 20, 15])[0]
        self.order = "EOP"
        self.buttons = rng.random() < 0.4
        self.refusal = None
        self.uid = 0

    # --- parts of a tip ---
    def event(self, tip):
        sep = self.sep
        if sep == "-" and ("-" in tip.home or "-" in tip.away):
            sep = " - "
        if self.names_in_spans:
            return f'<span class="team">{esc(tip.home)}</span>{esc(sep)}<span class="team">{esc(tip.away)}</span>'
        return esc(tip.home + sep + tip.away)

    def outcome(self, tip, with_label):
        rng, home, away = self.rng, tip.home, tip.away
        forms = {
            "1": [home, "1", "H"], "X": ["Döntetlen", "X", "D"], "2": [away, "2", "V"],
            "1X": ["1X", f"{home} vagy döntetlen", f"Kétesély: {home} vagy Döntetlen"],
            "X2": ["X2", f"{away} vagy döntetlen", f"Kétesély: {away} vagy Döntetlen"],
            "12": ["12", f"{home} vagy {away}"],
        }[tip.kind]
        text = rng.choice(forms)
        if with_label and not text.startswith("Kétesély"):
            label = rng.choice(["Tipp: ", tip.market + ": "])
            text = label + text
        return esc(text)

    def price_html(self, tip):
        shown = esc(tip.price)
        if self.moving and tip.old:
            return f'Szorzó (régi → új): <s>{esc(tip.old)}</s> → <span class="price">{shown}</span>'
        label = self.price_label
        if label == "mark":
            mark = self.rng.choice(MARKS)
            gap = self.rng.choice([" ", ""])
            return f"{shown}{gap}{mark}" if self.mark_after else f"{mark}{gap}{shown}"
        if label == "@":
            return "@" + self.rng.choice([" ", ""]) + shown
        return esc(label) + f'<span class="price">{shown}</span>'

    def meta_lines(self, tip):
        # Before an outcome that comes first, a league with a dash would read as the event.
        league = tip.league if self.order[0] == "E" else tip.plain_league
        return {
            "none": [], "when": [tip.when], "league": [league],
            "sportline": [f"{tip.sport} · {tip.plain_league} · {tip.when}"],
            "both": [league, tip.when],
        }[self.meta]

    def labels_prices(self):
        return self.price_label in ("Szorzó: ", "Odds: ") or self.layout == "table"

    def badges(self, tip):
        return "".join(f'<span class="badge">{esc(b)}</span> ' for b in tip.badges).strip()


def refuse_price(page, tip, html_price):
    """The ways a page hides which price holds; the page's CSS gets what they need."""
    kind = page.refusal
    page.uid += 1
    if kind == "before":
        side = page.rng.choice(["before", "after"])
        cls = f"p{page.uid}"
        page.extra_css.append(f'.{cls}::{side} {{ content: "{tip.price}"; }}')
        label = esc(page.price_label) if page.price_label in ("Szorzó: ", "Odds: ") else ""
        return f'{label}<span class="price {cls}"></span>'
    if kind == "attr":
        page.extra_css.append("[data-odds]::after { content: attr(data-odds); }")
        return f'<span class="price" data-odds="{esc(tip.price)}"></span>'
    if kind == "strike":
        tag = page.rng.choice(["s", "del"])
        label = esc(page.price_label) if page.price_label in ("Szorzó: ", "Odds: ") else ""
        return f'{label}<{tag}>{esc(tip.old)}</{tag}> <b class="price">{esc(tip.price)}</b>'
    return html_price


def offer_prices(page, tip):
    """The three prices of the result market, the backed one told only by its colour."""
    rng = page.rng
    others = [f"{rng.randint(1, 7)}{page.dec}{rng.randint(0, 99):02}" for _ in range(3)]
    slot = {"1": 0, "X": 1, "2": 2}[tip.kind]
    others[slot] = tip.price
    return [f'<span class="{"sel" if i == slot else "odd"}">{esc(p)}</span>' for i, p in enumerate(others)]


def build(seed, index):
    rng = random.Random(f"{seed}:{index}")
    name = f"g{index:04}"
    page = Page(rng, name)
    page.extra_css = []
    refused = rng.random() < 0.2
    count = rng.choices(range(1, 9), [10, 14, 16, 16, 14, 12, 10, 8])[0]
    used = set()
    tips = []
    for _ in range(count):
        ((home, hc), (away, ac)), country = pair(rng, used)
        tips.append(Tip(rng, home, away, country, page.dec, page.labels_prices()))
    for tip in tips:
        if page.moving or refused:
            tip.old = price(rng, tip.kind, page.dec)[1]
            while tip.old == tip.price:
                tip.old = price(rng, tip.kind, page.dec)[1]
    hidden = set()
    if refused:
        choices = ["before", "attr", "strike"]
        if page.kind == "offer":
            choices += ["1x2", "1x2"]
        page.refusal = rng.choice(choices)
        if page.refusal == "1x2":
            for tip in tips:
                tip.kind = rng.choice(["1", "X", "2"])
            if page.layout == "dl":
                page.layout = "table"
        # An offer page marks every backed price by colour alone; the other faults hit one tip
        # or, now and then, all of them.
        many = rng.random() < 0.3 or page.refusal == "1x2"
        hidden = set(range(count)) if many else {rng.randrange(count)}
    if page.layout == "card":
        page.order = rng.choices(["EOP", "OEP", "EPO"], [70, 20, 10])[0]
    elif page.layout == "flex":
        page.order = rng.choices(["EOP", "OEP"], [80, 20])[0]

    body = []
    if page.kind == "slip":
        title = rng.choice(["Fogadószelvény", "Szelvény", "Szelvényem", f"Kötés ({count})", "Fogadószelvény – Kötés"])
        body.append(f"<h2>{esc(title)}</h2>")
        if rng.random() < 0.3:
            kind = "Egyszeres" if count == 1 else rng.choice(["Kötés", "Kombináció"])
            body.append(f'<div class="meta">{kind}: {count} esemény</div>')
    else:
        body.append(f"<h2>{esc(rng.choice(['Ajánlat', 'Sportfogadás', 'Labdarúgás – ajánlat', 'Kiemelt események']))}</h2>")

    render = {"card": cards, "flex": flex_rows, "grid": grid_rows, "table": header_table,
              "bare-table": bare_table, "dl": def_lists, "ul": part_lists}[page.layout]
    body.extend(render(page, tips, hidden))

    if page.kind == "slip":
        body.extend(summary(page, tips))
    truth = ["refused"] if refused else [t.truth() for t in tips]
    prices = [] if refused else [t.price for t in tips]
    css = CSS + "\n".join(dict.fromkeys(page.extra_css))
    text = (f'<!DOCTYPE html>\n<html lang="hu">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{name} – {esc(body_title(page))}</title>\n<style>{css}\n</style>\n</head>\n<body>\n"
            + "\n".join(body) + "\n</body>\n</html>\n")
    info = {"page": name, "kind": page.kind, "layout": page.layout, "refusal": page.refusal,
            "tips": truth, "prices": prices}
    return text, info


def body_title(page):
    return "Fogadószelvény" if page.kind == "slip" else "Ajánlat"


def price_of(page, tip, hidden, i):
    normal = page.price_html(tip)
    return refuse_price(page, tip, normal) if i in hidden else normal


def parts(page, tip, i, hidden, label_outcome=None):
    """Event, outcome and price, each the inner HTML of a block of its own."""
    label = page.market == "label" if label_outcome is None else label_outcome
    return {"E": page.event(tip), "O": page.outcome(tip, label), "P": price_of(page, tip, hidden, i)}


def use_1x2(page, i, hidden):
    return page.refusal == "1x2" and i in hidden


def cards(page, tips, hidden):
    rng, out = page.rng, []
    for i, tip in enumerate(tips):
        p = parts(page, tip, i, hidden)
        lines = []
        if tip.badges:
            lines.append(f"<div>{page.badges(tip)}</div>")
        lines += [f'<div class="meta">{esc(m)}</div>' for m in page.meta_lines(tip)]
        if use_1x2(page, i, hidden):
            lines += offer_boxes(page, tip, p)
        else:
            for key in page.order:
                if key == "O" and page.market == "line":
                    lines.append(f'<div class="meta">{esc(tip.market)}</div>')
                cls = {"E": "event", "O": "pick", "P": "odds"}[key]
                lines.append(f'<div class="{cls}">{p[key]}</div>')
        if page.buttons:
            lines.append(button_box(rng))
        out.append('<div class="tip">\n ' + "\n ".join(lines) + "\n</div>")
    return out


def offer_boxes(page, tip, p):
    """An offer row's boxes: the event, then each outcome's price."""
    return [f'<div class="event">{p["E"]}</div>'] + [f"<div>{c}</div>" for c in offer_prices(page, tip)]


def button_box(rng):
    return f"<div><button>{rng.choice(['×', 'Törlés'])}</button></div>"


def group_headings(page, tips):
    """On offer pages a league heading goes before the first tip of each league."""
    shown, heads = None, {}
    for i, tip in enumerate(tips):
        if page.kind == "offer" and tip.league != shown and page.meta != "league":
            heads[i] = tip.league
            shown = tip.league
    return heads


def flex_rows(page, tips, hidden):
    rng, out = page.rng, []
    heads = group_headings(page, tips) if page.order[0] == "E" else {}
    for i, tip in enumerate(tips):
        if i in heads:
            out.append(f"<h3>{esc(heads[i])}</h3>")
        p = parts(page, tip, i, hidden)
        items = []
        if tip.badges:
            items.append(f"<div>{page.badges(tip)}</div>")
        meta = page.meta_lines(tip)
        if use_1x2(page, i, hidden):
            items += offer_boxes(page, tip, p)
        else:
            for key in page.order:
                if key == "E" and meta:
                    # The event with its league and kick-off under it, one box in the row.
                    inner = "".join(f'<div class="meta">{esc(m)}</div>' for m in meta)
                    items.append(f'<div>{inner}<div class="event">{p["E"]}</div></div>')
                    continue
                if key == "O" and page.market == "line":
                    items.append(f'<div><div class="meta">{esc(tip.market)}</div><div>{p["O"]}</div></div>')
                    continue
                items.append(f"<div>{p[key]}</div>")
        if page.buttons:
            items.append(button_box(rng))
        out.append('<div class="row">\n ' + "\n ".join(items) + "\n</div>")
    return out


def columns(page, bare):
    """The page's columns, in its own order: E (or H and A), O, P, and maybe more."""
    rng = page.rng
    core = ["E", "O", "P"]
    if not bare and rng.random() < 0.35:
        core = ["H", "A", "O", "P"]
    extra = []
    if rng.random() < 0.45:
        extra.append("T")
    if page.market == "line" or rng.random() < 0.2:
        extra.append("M")
    if not bare:
        if rng.random() < 0.25:
            extra.append("S")
        if rng.random() < 0.3:
            extra.append("L")
    cols = core + extra
    if bare:
        rng.shuffle(cols)
    else:
        roll = rng.random()
        if roll < 0.5:
            # Typical: time and league in front, the event, then market, tip and price.
            rank = {"T": 0, "S": 1, "L": 2, "E": 3, "H": 3, "A": 4, "M": 5, "O": 6, "P": 7}
            cols.sort(key=rank.get)
        else:
            rng.shuffle(cols)
            if "H" in cols:
                cols.remove("A")
                cols.insert(cols.index("H") + 1, "A")
    return cols


HEADERS = {"E": ["Esemény", "Mérkőzés"], "H": ["Hazai"], "A": ["Vendég"], "O": ["Tipp", "Kimenet"],
           "P": ["Szorzó", "Odds"], "T": ["Idő", "Kezdés"], "M": ["Piac"], "S": ["Sport"], "L": ["Liga"],
           "B": [""]}


def cell_texts(page, tip, i, hidden, cols, bare):
    p = parts(page, tip, i, hidden, label_outcome=page.market == "label" and "M" not in cols)
    if "H" in cols:
        p["H"], p["A"] = esc(tip.home), esc(tip.away)
    p["T"] = esc(tip.when)
    p["M"] = esc(tip.market)
    p["S"] = esc(tip.sport)
    p["L"] = esc(tip.plain_league if bare else tip.league)
    p["B"] = page.badges(tip)
    return p


def header_table(page, tips, hidden):
    rng = page.rng
    cols = columns(page, bare=False)
    one_x_two = page.refusal == "1x2"
    if one_x_two:
        cols = [c for c in cols if c not in "OPM"] + ["1", "X", "2"]
    if any(t.badges for t in tips):
        cols.append("B")
    head = "".join(f"<th>{esc(rng.choice(HEADERS.get(c, [c])))}</th>" for c in cols)
    if page.buttons:
        head += "<th></th>"
    rows = []
    for i, tip in enumerate(tips):
        p = cell_texts(page, tip, i, hidden, cols, bare=False)
        if one_x_two:
            p["1"], p["X"], p["2"] = offer_prices(page, tip)
        cells = "".join(f"<td>{p[c]}</td>" for c in cols)
        if page.buttons:
            cells += f"<td><button>{rng.choice(['×', 'Törlés'])}</button></td>"
        rows.append(f"<tr>{cells}</tr>")
    out = ["<table>", f"<thead><tr>{head}</tr></thead>", "<tbody>"] + rows + ["</tbody>", "</table>"]
    return out


def bare_table(page, tips, hidden):
    rng = page.rng
    cols = columns(page, bare=True)
    if page.refusal == "1x2":
        cols = [c for c in cols if c not in "OPM"]
        cols.insert(cols.index("E") + 1, "3")
    if any(t.badges for t in tips):
        cols.insert(rng.randrange(len(cols) + 1), "B")
    rows = []
    for i, tip in enumerate(tips):
        p = cell_texts(page, tip, i, hidden, cols, bare=True)
        if page.refusal == "1x2":
            p["3"] = "</td><td>".join(offer_prices(page, tip))
        cells = "".join(f"<td>{p[c]}</td>" for c in cols)
        if page.buttons:
            cells += f"<td><button>{rng.choice(['×', 'Törlés'])}</button></td>"
        rows.append(f"<tr>{cells}</tr>")
    return ["<table>"] + rows + ["</table>"]


def grid_rows(page, tips, hidden):
    rng = page.rng
    cols = ["E"] + (["M"] if page.market == "line" else []) + ["O", "P"]
    if rng.random() < 0.4:
        cols.insert(0, "T")
    if page.refusal == "1x2":
        cols = [c for c in cols if c not in "OPM"] + ["1", "X", "2"]
    if any(t.badges for t in tips):
        cols.append("B")
    header = rng.random() < 0.5
    cells = []
    if header:
        cells += [f"<div><b>{esc(rng.choice(HEADERS.get(c, [c])))}</b></div>" for c in cols]
    for i, tip in enumerate(tips):
        p = cell_texts(page, tip, i, hidden, cols, bare=True)
        if page.refusal == "1x2":
            p["1"], p["X"], p["2"] = offer_prices(page, tip)
        cells += [f"<div>{p[c]}</div>" for c in cols]
    template = " ".join("minmax(0, 3fr)" if c == "E" else "auto" for c in cols)
    out = [f'<div class="grid" style="grid-template-columns: {template}">']
    out += [" " + c for c in cells]
    out.append("</div>")
    return out


def def_lists(page, tips, hidden):
    rng, out = page.rng, []
    labelled = rng.random() < 0.5
    one_list = not labelled and rng.random() < 0.5
    if one_list:
        out.append("<dl>")
    for i, tip in enumerate(tips):
        p = parts(page, tip, i, hidden, label_outcome=page.market == "label" and labelled is False)
        if labelled:
            items = []
            if page.meta in ("when", "both", "sportline"):
                items.append(("Kezdés", esc(tip.when)))
            if page.market == "line":
                items.append(("Piac", esc(tip.market)))
            items += [(rng.choice(HEADERS["E"]), p["E"]), (rng.choice(HEADERS["O"]), p["O"]),
                      (rng.choice(HEADERS["P"]), p["P"])]
            inner = "".join(f"<dt>{esc(k)}</dt><dd>{v}</dd>" for k, v in items)
            out.append(f'<dl class="tip">{inner}</dl>')
        else:
            inner = f'<dt>{p["E"]}</dt>'
            if page.market == "line":
                inner += f"<dd>{esc(tip.market)}</dd>"
            inner += f'<dd>{p["O"]}</dd><dd>{p["P"]}</dd>'
            out.append(inner if one_list else f"<dl>{inner}</dl>")
    if one_list:
        out.append("</dl>")
    return out


def part_lists(page, tips, hidden):
    rng, out = page.rng, []
    heads = group_headings(page, tips)
    for i, tip in enumerate(tips):
        if i in heads:
            out.append(f"<h3>{esc(heads[i])}</h3>")
        p = parts(page, tip, i, hidden)
        items = []
        if tip.badges:
            items.append(page.badges(tip))
        items += [esc(m) for m in page.meta_lines(tip)]
        items.append(p["E"])
        if use_1x2(page, i, hidden):
            items += offer_prices(page, tip)
        else:
            if page.market == "line":
                items.append(esc(tip.market))
            items += [p["O"], p["P"]]
        lis = "".join(f"<li>{x}</li>" for x in items)
        button = f"<button>{rng.choice(['×', 'Törlés'])}</button>" if page.buttons else ""
        out.append(f'<div class="tip"><ul class="parts">{lis}</ul>{button}</div>')
    return out


def group(number, dec):
    whole, _, frac = f"{number:.2f}".partition(".")
    return f"{int(whole):,}".replace(",", " ") + dec + frac


def summary(page, tips):
    rng = page.rng
    total = 1.0
    for tip in tips:
        total *= float(tip.odds)
    stake = rng.choice([200, 500, 1000, 2000, 5000, 10000])
    lines = []
    if rng.random() < 0.8:
        label = rng.choice(["Eredő szorzó", "Össz. szorzó", "Összesített szorzó"])
        lines.append(f"<div>{label}: {group(total, page.dec)}</div>")
    if rng.random() < 0.7:
        lines.append(f"<div>Tét: {f'{stake:,}'.replace(',', ' ')} Ft</div>")
        lines.append(f"<div>Lehetséges nyeremény: {f'{round(stake * total):,}'.replace(',', ' ')} Ft</div>")
    buttons = [b for b in ["Elfogad", "Fogadás leadása"] if rng.random() < 0.6]
    if buttons:
        lines.append("<div>" + " ".join(f"<button>{b}</button>" for b in buttons) + "</div>")
    return ['<div class="summary">'] + lines + ["</div>"] if lines else []

# --- The new family: other sports, other outcome forms and other layouts -------------------------
#
# Pages of layouts the first family never builds: a bet history with a status per tip, a phone
# slip of nested boxes, a printed receipt, a two-column table of labels and values, an offer row
# whose backed outcome is said under its prices, a slip beside a column of other offers, a slip
# with a removed tip, and English words among the Hungarian ones. Its tips come from football,
# national teams, tennis, darts, basketball and ice hockey, and some back another market than the
# result (goals over or under, both teams to score, handicap): such a tip has no markers.

# Name, the shorter name a page may give the outcome by (None: only the full name).
CLUBS = [
    ("Ferencvárosi TC", "Ferencváros"), ("Újpest FC", "Újpest"), ("Debreceni VSC", "Debrecen"),
    ("Paksi FC", "Paks"), ("Győri ETO FC", "Győr"), ("Puskás Akadémia", None), ("MTK Budapest", None),
    ("Nyíregyháza Spartacus FC", "Nyíregyháza"), ("Szeged-Csanád Grosics Akadémia", None),
    ("Inter (ITA)", None), ("Young Boys (SUI)", None), ("Viktoria Plzeň (CZE)", None),
    ("Ludogorets (BUL)", None), ("Real Sociedad (ESP)", None), ("St. Pauli", None),
    ("Sankt Pölten", None), ("St. Mirren", None), ("Dundee Utd.", None), ("Ath. Bilbao", None),
    ("Bor. Mönchengladbach", None), ("Sp. Gijón", None), ("FC St. Gallen", None),
    ("Wolverhampton Wanderers", "Wolverhampton"), ("Tottenham Hotspur", "Tottenham"),
    ("Olympique de Marseille", "Marseille"), ("Borussia Dortmund", "Dortmund"),
    ("Bayern München", "Bayern"), ("Brighton & Hove Albion", "Brighton"),
    ("1. FC Union Berlin", "Union Berlin"), ("Sturm Graz", None), ("Rapid Wien", None),
    ("Slovan Bratislava", None), ("Legia Warszawa", None), ("West Bromwich Albion", "West Brom"),
]
NATIONS = [
    "Magyarország", "Portugália", "Németország", "Franciaország", "Anglia", "Spanyolország",
    "Olaszország", "Hollandia", "Szerbia", "Horvátország", "Ausztria", "Szlovákia", "Románia",
    "Lengyelország", "Bosznia-Hercegovina", "Észak-Írország", "Írország", "Csehország",
    "Törökország", "Skócia", "Wales", "Belgium", "Svájc", "Ukrajna",
]
# Player, the surname a page may give the winner by.
TENNIS = [
    [("Novak Djokovic", "Djokovic"), ("Carlos Alcaraz", "Alcaraz"), ("Jannik Sinner", "Sinner"),
     ("Daniil Medvedev", "Medvedev"), ("Alexander Zverev", "Zverev"), ("Fucsovics Márton", "Fucsovics"),
     ("Stefanos Tsitsipas", "Tsitsipas"), ("Holger Rune", "Rune"), ("Casper Ruud", "Ruud"),
     ("Taylor Fritz", "Fritz"), ("Alex de Minaur", "de Minaur"), ("Marozsán Fábián", "Marozsán"),
     ("Félix Auger-Aliassime", "Auger-Aliassime"), ("Jan-Lennard Struff", "Struff")],
    [("Iga Świątek", "Świątek"), ("Aryna Sabalenka", "Sabalenka"), ("Coco Gauff", "Gauff"),
     ("Elena Rybakina", "Rybakina"), ("Udvardy Panna", "Udvardy"), ("Jasmine Paolini", "Paolini"),
     ("Qinwen Zheng", "Zheng"), ("Jessica Pegula", "Pegula")],
]
DARTS = ["M. van Gerwen", "L. Humphries", "L. Littler", "G. Price", "P. Wright", "M. Smith",
         "R. Cross", "D. van Duijvenbode", "N. Aspinall", "J. Clayton", "D. Chisnall",
         "G. Anderson", "S. Bunting", "J. de Sousa"]
BASKETBALL = [
    ("Los Angeles Lakers", "Lakers"), ("Boston Celtics", "Celtics"), ("Golden State Warriors", "Warriors"),
    ("Denver Nuggets", "Nuggets"), ("Milwaukee Bucks", "Bucks"), ("Phoenix Suns", "Suns"),
    ("New York Knicks", "Knicks"), ("Falco-Vulcano Szombathely", "Szombathely"), ("Alba Fehérvár", None),
    ("Szolnoki Olajbányász", "Szolnok"), ("Partizan Mozzart Bet", "Partizan"), ("Fenerbahçe Beko", None),
    ("Panathinaikos", None), ("Žalgiris Kaunas", "Žalgiris"),
]
HOCKEY = [
    ("FTC-Telekom", None), ("Fehérvár AV19", None), ("DVTK Jegesmedvék", None), ("UTE", None),
    ("Toronto Maple Leafs", "Toronto"), ("Montreal Canadiens", "Montreal"), ("Edmonton Oilers", "Edmonton"),
    ("New York Rangers", None), ("EC Red Bull Salzburg", None), ("HC Bozen", None),
    ("Vienna Capitals", None), ("Black Wings Linz", None), ("Gyergyói HK", None),
    ("Csíkszeredai Sportklub", None),
]
# Sport: its name in Hungarian and English, its leagues (no dashes), whether a draw is an outcome.
SPORTS_NEW = {
    "football": (("Labdarúgás", "Football"), ["NB I", "Bundesliga", "Premier League", "Európa-liga",
                                               "Konferencia-liga", "Bajnokok Ligája"], True),
    "nations": (("Labdarúgás", "Football"), ["Nemzetek Ligája", "EB-selejtező", "VB-selejtező",
                                              "Barátságos mérkőzés"], True),
    "tennis": (("Tenisz", "Tennis"), ["ATP Madrid", "Wimbledon", "Roland Garros", "WTA Róma"], False),
    "darts": (("Darts", "Darts"), ["PDC Premier League", "PDC World Championship", "World Matchplay"], False),
    "basketball": (("Kosárlabda", "Basketball"), ["NBA", "Euroliga", "NB I/A"], False),
    "hockey": (("Jégkorong", "Ice Hockey"), ["NHL", "ICE Hockey League", "Erste Liga"], True),
}
# Markets other than the result, "{h}"/"{a}" for the teams and "{d}" for the page's decimal mark.
OTHER_MARKETS = {
    "football": [("Gólok száma", "több mint 2{d}5", "Total Goals", "Over 2{d}5"),
                 ("Gólok száma", "kevesebb mint 3{d}5", "Total Goals", "Under 3{d}5"),
                 ("Mindkét csapat szerez gólt", "Igen", "Both Teams To Score", "Yes"),
                 ("Mindkét csapat szerez gólt", "Nem", "Both Teams To Score", "No"),
                 ("Hendikep", "{h} (-1)", "Handicap", "{h} (-1)"),
                 ("Hendikep", "{a} (+1)", "Handicap", "{a} (+1)"),
                 ("Szögletek száma", "több mint 9{d}5", "Corners", "Over 9{d}5"),
                 ("1. félidő eredménye", "Döntetlen", "Half Time Result", "Draw")],
    "tennis": [("Szettek száma", "több mint 3{d}5", "Total Sets", "Over 3{d}5"),
               ("Játékok száma", "kevesebb mint 22{d}5", "Total Games", "Under 22{d}5"),
               ("Szetthendikep", "{h} (-1{d}5)", "Set Handicap", "{h} (-1{d}5)")],
    "darts": [("180-asok száma", "több mint 7{d}5", "Total 180s", "Over 7{d}5"),
              ("Leghendikep", "{a} (+2{d}5)", "Leg Handicap", "{a} (+2{d}5)")],
    "basketball": [("Pontok száma", "több mint 221{d}5", "Total Points", "Over 221{d}5"),
                   ("Hendikep", "{h} (-4{d}5)", "Handicap", "{h} (-4{d}5)")],
    "hockey": [("Gólok száma", "több mint 5{d}5", "Total Goals", "Over 5{d}5"),
               ("Mindkét csapat szerez gólt", "Igen", "Both Teams To Score", "Yes")],
}
OTHER_MARKETS["nations"] = OTHER_MARKETS["football"]

NEW_LAYOUTS = ["history", "mobile", "receipt", "keyvalue", "picked", "sidebar", "undo"]
NEW_CSS = """
.status { font-weight: 700; }
.m-sel { border: 1px solid #bbb; border-radius: 10px; margin: 8px 0; padding: 6px; }
.ico { display: inline-block; width: 12px; height: 12px; background: #3a3; border-radius: 6px; }
.clip { display: block; max-width: 220px; overflow: hidden; white-space: nowrap; text-overflow: ellipsis; }
.kv td:first-child { color: #666; }
.odds3 span { margin-right: 6px; }
.lab { color: #888; }
.side { border: 1px dashed #999; padding: 4px; margin: 8px 0; background: #f6f6f6; }
.gone { color: #aaa; }
pre { font-size: 13px; }
input.odd { width: 4em; border: none; font-weight: 700; }
"""


class NewTip:
    def __init__(self, rng, sport, home, away, dec, english):
        self.sport, self.dec, self.english = sport, dec, english
        (self.home, self.home_short), (self.away, self.away_short) = home, away
        draw = SPORTS_NEW[sport][2]
        if draw:
            kinds, weights = ["1", "X", "2", "1X", "X2", "12", "other"], [26, 14, 22, 8, 8, 5, 17]
        else:
            kinds, weights = ["1", "2", "other"], [40, 35, 25]
        self.kind = rng.choices(kinds, weights)[0]
        self.league = rng.choice(SPORTS_NEW[sport][1])
        self.when = kickoff(rng)
        self.other = None
        if self.kind == "other":
            self.other = rng.choice(OTHER_MARKETS[sport])
        self.reprice(rng, True)

    def reprice(self, rng, whole_ok, below=None):
        kind = "1X" if self.kind in ("1X", "X2", "12") else "1"
        while True:
            self.odds, self.price = price(rng, kind, self.dec, whole_ok)
            if self.kind == "other" and float(self.odds) >= 10:
                continue
            if below is None or float(self.odds) < below:
                return

    def shorts(self):
        """The short names a page may use, when neither can be taken for the other team."""
        hs, as_ = self.home_short, self.away_short
        ok = lambda s, other: s and s.lower() not in other.lower()
        return (hs if ok(hs, self.away) else None), (as_ if ok(as_, self.home) else None)

    def truth(self):
        hm, am = ("", "") if self.kind == "other" else MARKERS[self.kind]
        return f"{self.home}|{self.away}|{hm}|{am}|{self.odds}"

    def market_name(self):
        """The market's name and the selection within it, as the page's language says them."""
        if self.kind == "other":
            hu_m, hu_s, en_m, en_s = self.other
            m, s = (en_m, en_s) if self.english else (hu_m, hu_s)
            return m, s.format(h=self.home, a=self.away, d=self.dec)
        two_way = not SPORTS_NEW[self.sport][2]
        if self.english:
            m = "Match Winner" if two_way else ("Double Chance" if len(self.kind) == 2 else "Match Result")
        elif two_way:
            m = "Győztes"
        elif self.sport == "hockey" and len(self.kind) == 1:
            m = "Rendes játékidő"
        else:
            m = "Kétesély" if len(self.kind) == 2 else "Végeredmény"
        return m, None

    def outcome(self, rng, labelled):
        """The backed outcome as one text, "Market: selection" when labelled or when another
        market is backed (the selection alone, "Igen" or "több mint 2,5", says nothing)."""
        market, sel = self.market_name()
        if sel is not None:
            return f"{market}: {sel}"
        text = rng.choice(self.selection_forms())
        if labelled and ":" not in text:
            text = f"{market}: {text}"
        return text

    def selection_forms(self):
        home, away, en = self.home, self.away, self.english
        hs, as_ = self.shorts()
        two_way = not SPORTS_NEW[self.sport][2]
        if two_way:
            if self.sport == "tennis":
                hs, as_ = self.home_short, self.away_short  # a player's surname
            win = {"1": (home, hs), "2": (away, as_)}[self.kind]
            forms = [win[0], "Győztes: " + win[0]] if not en else [win[0], "Winner: " + win[0]]
            if win[1]:
                forms.append(("Winner: " if en else "Győztes: ") + win[1])
            if self.sport == "basketball" and not en:
                forms.append(f"Győztes (hosszabbítással): {win[0]}")
            return forms
        if en:
            return {"1": [home, "Home", "1"], "X": ["Draw", "X"], "2": [away, "Away", "2"],
                    "1X": ["1X", f"{home} or Draw"], "X2": ["X2", f"{away} or Draw"],
                    "12": ["12", f"{home} or {away}"]}[self.kind]
        forms = {"1": [home, "1", f"{home} (H)", "Hazai győzelem"] + ([hs] if hs else []),
                 "X": ["Döntetlen", "X", "Döntetlen (X)"],
                 "2": [away, "2", f"{away} (V)", "Vendéggyőzelem"] + ([as_] if as_ else []),
                 "1X": ["1X", f"{home} vagy döntetlen", f"Kétesély: {home} vagy döntetlen"],
                 "X2": ["X2", f"{away} vagy döntetlen", f"Kétesély: {away} vagy döntetlen"],
                 "12": ["12", f"{home} vagy {away}"]}[self.kind]
        return forms


def new_pair(rng, used):
    """Two sides of one sport not yet on the page."""
    sport = rng.choices(list(SPORTS_NEW), [30, 14, 16, 12, 14, 14])[0]
    if sport == "football":
        pool = CLUBS + [(t, None) for t, _ in TEAMS[::3]]
    elif sport == "nations":
        pool = [(n, None) for n in NATIONS]
    elif sport == "tennis":
        pool = rng.choice(TENNIS)
    elif sport == "darts":
        pool = [(n, None) for n in DARTS]
    elif sport == "basketball":
        pool = BASKETBALL
    else:
        pool = HOCKEY
    free = [p for p in pool if p[0] not in used]
    home, away = rng.sample(free, 2)
    used.update((home[0], away[0]))
    return sport, home, away


class NewPage:
    def __init__(self, rng, name, layout):
        self.rng, self.name, self.layout = rng, name, layout
        self.english = rng.random() < 0.3
        self.dec = "." if (self.english and rng.random() < 0.6) or rng.random() < 0.15 else ","
        self.sep = rng.choice(SEPARATORS)
        self.labelled = rng.random() < 0.45
        self.price_label = rng.choices(["", "Szorzó: ", "Odds: ", "@"], [50, 20, 15, 15])[0]
        if self.english and self.price_label == "Szorzó: ":
            self.price_label = "Odds: "
        self.refusal = None
        self.extra_css = []
        self.uid = 0

    def word(self, hu, en):
        return en if self.english else hu

    def event_text(self, tip):
        sep = self.sep
        if sep == "-" and ("-" in tip.home or "-" in tip.away):
            sep = " - "
        return tip.home + sep + tip.away

    def event(self, tip, spans=False):
        if spans:
            sep = self.event_text(tip)[len(tip.home):-len(tip.away)]
            return (f'<span class="t">{esc(tip.home)}</span><span></span><span class="vs">{esc(sep)}</span>'
                    f'<span class="t">{esc(tip.away)}</span>')
        return esc(self.event_text(tip))

    def price_html(self, tip, label=None):
        label = self.price_label if label is None else label
        return esc(label) + f'<span class="price">{esc(tip.price)}</span>'


def hidden_price(page, tip):
    """A price the copy does not carry: a picture of it, or the value of a read-only box."""
    if page.refusal == "image":
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="48" height="18"><text x="2" y="14" '
               f'font-family="sans-serif" font-size="14" font-weight="bold">{esc(tip.price)}</text></svg>')
        data = base64.b64encode(svg.encode("utf-8")).decode("ascii")
        return f'<img class="odd" alt="" src="data:image/svg+xml;base64,{data}">'
    return f'<input class="odd" readonly value="{html.escape(tip.price)}" size="6">'


def cut_event(page, tip):
    """The event line shortened by the page: the away side breaks off in an ellipsis."""
    text = page.event_text(tip)
    keep = len(text) - len(tip.away) + max(1, len(tip.away) // 2)
    return esc(text[:keep].rstrip() + "…")


def tip_parts(page, tip, hidden, spans=False):
    """Event, outcome and price as inner HTML; a hidden tip loses what the page's fault takes."""
    e = page.event(tip, spans)
    o = esc(tip.outcome(page.rng, page.labelled))
    p = page.price_html(tip)
    if hidden:
        if page.refusal in ("image", "input"):
            p = esc(page.price_label) + hidden_price(page, tip)
        elif page.refusal == "ellipsis":
            e = cut_event(page, tip)
    return e, o, p


def meta_line(page, tip):
    sport = SPORTS_NEW[tip.sport][0][1 if page.english else 0]
    return page.rng.choice([f"{sport} · {tip.league} · {tip.when}", tip.when, f"{sport} · {tip.league}"])


def slip_title(page, count):
    return page.rng.choice([page.word("Fogadószelvény", "Bet slip"), page.word("Szelvény", "Betslip"),
                            page.word(f"Kötés ({count})", f"Accumulator ({count})")])


def slip_summary(page, tips):
    rng = page.rng
    total = 1.0
    for tip in tips:
        total *= float(tip.odds)
    stake = rng.choice([200, 500, 1000, 2000, 5000])
    lines = [f"<div>{page.word('Eredő szorzó', 'Total odds')}: {group(total, page.dec)}</div>",
             f"<div>{page.word('Tét', 'Stake')}: {f'{stake:,}'.replace(',', ' ')} Ft</div>"]
    if rng.random() < 0.6:
        lines.append(f"<button>{page.word('Fogadás leadása', 'Place bet')}</button>")
    return ['<div class="summary">'] + lines + ["</div>"]


def history(page, tips, hidden):
    rng, out = page.rng, []
    out.append(f"<h2>{esc(rng.choice([page.word('Fogadásaim', 'My bets'), page.word('Fogadási előzmények', 'Bet history')]))}</h2>")
    ticket = f"{rng.randint(1000, 9999)}-{rng.randint(1000, 9999)}-{rng.randint(100, 999)}"
    out.append(f'<div class="meta">{page.word("Szelvényszám", "Ticket")}: {ticket} · '
               f'{page.word("Leadva", "Placed")}: 2026.{rng.randint(1, 12):02}.{rng.randint(1, 28):02}. '
               f'{rng.randint(10, 23)}:{rng.choice(["05", "22", "41"])}</div>')
    words = [page.word("Nyert", "Won"), page.word("Vesztett", "Lost"), page.word("Folyamatban", "Open")]
    where = rng.choice(["before", "after-outcome", "after-price"])
    for i, tip in enumerate(tips):
        e, o, p = tip_parts(page, tip, i in hidden)
        status = rng.choice(words)
        items = [f'<div class="meta">{esc(meta_line(page, tip))}</div>'] if rng.random() < 0.6 else []
        if where == "before":
            items.append(f'<div class="status">{esc(status)}</div>')
        items.append(f'<div class="event">{e}</div>')
        items.append(f"<div>{o}</div>")
        if where == "after-outcome":
            items.append(f'<div class="status">{esc(status)}</div>')
        items.append(f"<div>{p}</div>")
        if where == "after-price":
            items.append(f'<div class="status">{esc(status)}</div>')
        if status != words[2] and rng.random() < 0.5:
            items.append(f'<div class="meta">{page.word("Eredmény", "Score")}: {rng.randint(0, 4)}:{rng.randint(0, 4)}</div>')
        out.append('<div class="tip">\n ' + "\n ".join(items) + "\n</div>")
    out += slip_summary(page, tips)
    out.append(f'<div class="meta">{page.word("Állapot", "Status")}: {esc(rng.choice(words))}</div>')
    return out


def mobile(page, tips, hidden):
    rng, out = page.rng, [f"<h2>{esc(slip_title(page, len(tips)))}</h2>"]
    stacked = rng.random() < 0.3
    clip = not stacked and rng.random() < 0.3
    for i, tip in enumerate(tips):
        e, o, p = tip_parts(page, tip, i in hidden, spans=True)
        if stacked and not (i in hidden and page.refusal == "ellipsis"):
            sep = page.event_text(tip)[len(tip.home):-len(tip.away)].strip() or "-"
            ev = (f'<div><span class="t">{esc(tip.home)}</span></div><div><span class="vs">{esc(sep)}</span></div>'
                  f'<div><span class="t">{esc(tip.away)}</span></div>')
        elif clip:
            ev = f'<div class="clip">{e}</div>'
        else:
            ev = f"<div>{e}</div>"
        sport = SPORTS_NEW[tip.sport][0][1 if page.english else 0]
        out.append(
            '<div class="m-sel">\n'
            f' <div class="m-top"><span class="ico"></span><span></span><span class="meta">{esc(sport)}</span><span></span></div>\n'
            f' <div class="m-ev"><div>{ev}</div></div>\n'
            f' <div class="m-mid"><div><span></span><span class="o">{o}</span></div></div>\n'
            f' <div class="m-odd"><div><span></span><span>{p}</span><span></span></div></div>\n'
            f' <div><button aria-label="{page.word("Törlés", "Remove")}"></button></div>\n'
            "</div>")
    return out + slip_summary(page, tips)


def receipt(page, tips, hidden):
    rng = page.rng
    shape = rng.choice(["lines", "pair", "columns"])
    width = 44
    lines = ["=" * width, page.word("  SPORTFOGADÁS – SZELVÉNY", "  SPORTS BETTING – RECEIPT"),
             f"  {page.word('Szelvényszám', 'Ticket')}: {rng.randint(100000, 999999)}",
             f"  {page.word('Terminál', 'Terminal')}: {rng.randint(10, 99)}  2026.{rng.randint(1, 12):02}.{rng.randint(1, 28):02}. {rng.randint(10, 23)}:15",
             "-" * width]
    rows = []
    for i, tip in enumerate(tips):
        e, o, p = tip_parts(page, tip, i in hidden)
        rows.append((html.unescape(e), html.unescape(o), p))
    if shape == "columns":
        we = max(len(r[0]) for r in rows) + 4
        wo = max(max(len(r[1]) for r in rows), 6) + 4
        lines.append(page.word("Esemény", "Event").ljust(we) + page.word("Tipp", "Pick").ljust(wo) + page.word("Szorzó", "Odds"))
    body = [esc(x) for x in lines]
    for n, (e, o, p) in enumerate(rows):
        if shape == "lines":
            body += [f"{n + 1})  {esc(e)}", f"     {esc(o)}", f"     {p}"]
        elif shape == "pair":
            body += [f"{n + 1})  {esc(e)}", f"     {esc(o.ljust(max(len(o) + 4, 30)))}{p}"]
        else:
            body.append(esc(e.ljust(we)) + esc(o.ljust(wo)) + p)
    total = 1.0
    for tip in tips:
        total *= float(tip.odds)
    body += [esc("-" * width), f"{page.word('Eredő szorzó', 'Total odds')}:  {group(total, page.dec)}",
             f"{page.word('Tét', 'Stake')}:  {rng.choice(['500', '1 000', '2 000'])} Ft", esc("=" * width)]
    return ["<pre>" + "\n".join(body) + "</pre>"]


KV_LABELS = {"E": ("Esemény:", "Event:"), "O": ("Tipp:", "Selection:"), "P": ("Szorzó:", "Odds:"),
             "M": ("Piac:", "Market:"), "T": ("Kezdés:", "Kick-off:"), "S": ("Sportág:", "Sport:")}


def keyvalue(page, tips, hidden):
    rng, out = page.rng, [f"<h2>{esc(slip_title(page, len(tips)))}</h2>"]
    extra = [k for k in "TSM" if rng.random() < 0.4]
    one_table = rng.random() < 0.5
    headed = rng.random() < 0.5
    rows_all = []
    for i, tip in enumerate(tips):
        e, o, p = tip_parts(page, tip, i in hidden)
        p = p[len(esc(page.price_label)):] if p.startswith(esc(page.price_label)) else p
        values = {"E": e, "O": o, "P": p}
        if "M" in extra:
            market, sel = tip.market_name()
            values["M"] = esc(market)
            if sel is not None:
                values["O"] = esc(sel)
            elif ":" in html.unescape(o):
                values["O"] = esc(html.unescape(o).split(": ", 1)[1])
        values["T"] = esc(tip.when)
        values["S"] = esc(SPORTS_NEW[tip.sport][0][1 if page.english else 0])
        keys = [k for k in "TSEMOP" if k in "EOP" or k in extra]
        rows = [f"<tr><th colspan=\"2\">{i + 1}. {page.word('tipp', 'selection')}</th></tr>"] if headed else []
        rows += [f"<tr><td>{KV_LABELS[k][1 if page.english else 0]}</td><td>{values[k]}</td></tr>" for k in keys]
        if one_table:
            rows_all += rows
        else:
            out.append('<table class="kv">' + "".join(rows) + "</table>")
    if one_table:
        out.append('<table class="kv">\n' + "\n".join(rows_all) + "\n</table>")
    return out + slip_summary(page, tips)


def picked(page, tips, hidden):
    """Offer rows with every price of the result beside its outcome, and the backed outcome said
    in words under them; on a refused page one row says nothing (its pick is only coloured)."""
    rng, out = page.rng, [f"<h2>{esc(page.word('Ajánlat', 'Offers'))}</h2>"]
    as_table = rng.random() < 0.4
    silent = {rng.randrange(len(tips))} if page.refusal == "nopick" else set()
    if as_table:
        out.append("<table>")
    for i, tip in enumerate(tips):
        draw = SPORTS_NEW[tip.sport][2]
        labels = ["1", "X", "2"] if draw else ["1", "2"]
        prices = []
        for lab in labels:
            if lab == tip.kind:
                prices.append(tip.price)
                continue
            while True:
                other = f"{rng.randint(1, 9)}{page.dec}{rng.randint(0, 99):02}"
                if other != tip.price and other not in prices:
                    break
            prices.append(other)
        cells = []
        for lab, shown in zip(labels, prices):
            cls = "sel" if lab == tip.kind else "odd"
            if lab == tip.kind and i in hidden and page.refusal in ("image", "input"):
                inner = hidden_price(page, tip)
            else:
                inner = f'<span class="{cls}">{esc(shown)}</span>'
            cells.append((lab, inner))
        name = {"1": tip.home, "X": page.word("Döntetlen", "Draw"), "2": tip.away}[tip.kind]
        said = rng.choice([name, tip.kind])
        with_price = rng.random() < 0.4 and not (i in hidden and page.refusal in ("image", "input"))
        pick = rng.choice([page.word("Kiválasztva", "Selected"), page.word("Az Ön tippje", "Your pick")])
        statement = f"{pick}: {said}" + (f" ({tip.price})" if with_price else "")
        e = cut_event(page, tip) if i in hidden and page.refusal == "ellipsis" else page.event(tip)
        if as_table:
            out.append(f"<tr><td>{esc(tip.when)}</td><td>{e}</td>"
                       + "".join(f'<td><span class="lab">{l}</span> {c}</td>' for l, c in cells) + "</tr>")
            if i not in silent:
                out.append(f'<tr><td></td><td colspan="{len(cells) + 1}">{esc(statement)}</td></tr>')
        else:
            row = " ".join(f'<span class="lab">{l}</span> {c}' for l, c in cells)
            items = [f'<div class="meta">{esc(meta_line(page, tip))}</div>', f'<div class="event">{e}</div>',
                     f'<div class="odds3">{row}</div>']
            if i not in silent:
                items.append(f'<div class="picked">{esc(statement)}</div>')
            out.append('<div class="tip">\n ' + "\n ".join(items) + "\n</div>")
    if as_table:
        out.append("</table>")
    return out


def plain_tips(page, tips, hidden, start=0):
    out = []
    for i, tip in enumerate(tips):
        e, o, p = tip_parts(page, tip, start + i in hidden)
        out.append(f'<div class="tip">\n <div class="event">{e}</div>\n <div>{o}</div>\n <div>{p}</div>\n</div>')
    return out


def side_column(page, used, offers):
    """Another column of the page: other offers with their own prices, or promotions."""
    rng = page.rng
    out = [f'<div class="side"><h3>{esc(rng.choice([page.word("Népszerű most", "Popular now"), page.word("Kiemelt ajánlatok", "Top offers")]))}</h3>']
    if offers:
        for _ in range(rng.randint(2, 4)):
            sport, home, away = new_pair(rng, used)
            prices = " ".join(f"{rng.randint(1, 6)}{page.dec}{rng.randint(0, 99):02}" for _ in range(3 if SPORTS_NEW[sport][2] else 2))
            out.append(f"<div>{esc(home[0] + page.sep + away[0])}</div><div>{prices}</div>")
    else:
        out.append(f"<div>{page.word('Üdvözlő bónusz: 100% akár 50 000 Ft-ig', 'Welcome bonus: 100% up to 50 000 Ft')}</div>")
        out.append(f"<div>{page.word('Napi kötés', 'Daily accumulator')} · 4 {page.word('esemény', 'events')} · "
                   f"{page.word('Eredő szorzó', 'Total odds')}: {rng.randint(8, 30)}{page.dec}{rng.randint(0, 99):02}</div>")
        out.append(f"<div>{page.word('Készpénzes kivezetés elérhető', 'Cash out available')}</div>")
    out.append("</div>")
    return out


def sidebar(page, tips, hidden, used, offers, where):
    out = [f"<h2>{esc(slip_title(page, len(tips)))}</h2>"]
    side = side_column(page, used, offers)
    if where == "between":
        cut = page.rng.randrange(1, len(tips))
        return out + plain_tips(page, tips[:cut], hidden) + side + plain_tips(page, tips[cut:], hidden, cut) + slip_summary(page, tips)
    body = out + plain_tips(page, tips, hidden) + slip_summary(page, tips)
    return side + body if where == "before" else body + side


def undo(page, tips, hidden, removed, shown):
    """A slip with one tip taken off: the place it held offers to put it back, and a refused page
    still shows the removed tip's event, outcome and price there."""
    rng, out = page.rng, [f"<h2>{esc(slip_title(page, len(tips)))}</h2>"]
    body = plain_tips(page, tips, hidden)
    if shown:
        e, o, p = tip_parts(page, removed, False)
        note = (f'<div class="tip gone">\n <div class="event">{e}</div>\n <div>{o}</div>\n <div>{p}</div>\n'
                f' <div>{page.word("Törölve", "Removed")} <button>{page.word("Visszaállít", "Undo")}</button></div>\n</div>')
    else:
        note = (f'<div class="tip gone">{page.word("A tipp eltávolítva.", "Selection removed.")} '
                f'<button>{page.word("Visszaállít", "Undo")}</button></div>')
    body.insert(rng.randrange(len(body) + 1), note)
    return out + body + slip_summary(page, tips)


def build_new(seed, index):
    rng = random.Random(f"new:{seed}:{index}")
    name = f"h{index:04}"
    layout = NEW_LAYOUTS[(index - 1) % len(NEW_LAYOUTS)] if rng.random() < 0.5 else rng.choice(NEW_LAYOUTS)
    page = NewPage(rng, name, layout)
    count = rng.choices(range(1, 7), [8, 16, 18, 16, 12, 8])[0]
    if layout in ("sidebar", "undo"):
        count = max(count, 2)
    used = set()
    tips = []
    for _ in range(count):
        sport, home, away = new_pair(rng, used)
        tip = NewTip(rng, sport, home, away, page.dec, page.english)
        if layout == "picked" and tip.kind not in ("1", "X", "2"):
            tip.kind = rng.choice(["1", "X", "2"] if SPORTS_NEW[sport][2] else ["1", "2"])
            tip.other = None
        # A printed column and a row of three prices hold no price in thousands.
        labelled_price = page.price_label in ("Szorzó: ", "Odds: ") or layout == "keyvalue"
        tip.reprice(rng, labelled_price and layout not in ("receipt", "picked"),
                    below=1000 if layout in ("receipt", "picked") else None)
        tips.append(tip)
    refused = rng.random() < 0.22
    hidden = set()
    if refused:
        kinds = ["image", "input", "ellipsis"]
        if layout == "receipt":
            kinds = ["ellipsis"]
        if layout == "picked":
            kinds.append("nopick")
        page.refusal = rng.choice(kinds)
        hidden = set(range(count)) if rng.random() < 0.3 else {rng.randrange(count)}
    # Chromium copies a box's value (Firefox does not), so there a page whose only fault is
    # such a box is read like any other.
    boxed_only = page.refusal == "input"
    body = []
    if layout == "sidebar":
        offers, where = rng.random() < 0.4, rng.choice(["before", "after", "between"])
        if offers or where == "between":
            boxed_only = False
            refused, page.refusal = True, page.refusal or ("side-offers" if offers else "side-between")
        body = sidebar(page, tips, hidden, used, offers, where)
    elif layout == "undo":
        sport, home, away = new_pair(rng, used)
        removed = NewTip(rng, sport, home, away, page.dec, page.english)
        shown = rng.random() < 0.35
        if shown:
            boxed_only = False
            refused, page.refusal = True, page.refusal or "removed-shown"
        body = undo(page, tips, hidden, removed, shown)
    else:
        body = {"history": history, "mobile": mobile, "receipt": receipt, "keyvalue": keyvalue,
                "picked": picked}[layout](page, tips, hidden)
    truth = ["refused"] if refused else [t.truth() for t in tips]
    prices = [] if refused else [t.price for t in tips]
    title = page.word("Fogadószelvény", "Bet slip") if layout != "picked" else page.word("Ajánlat", "Offers")
    css = CSS + NEW_CSS + "\n".join(dict.fromkeys(page.extra_css))
    text = (f'<!DOCTYPE html>\n<html lang="hu">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{name} – {esc(title)}</title>\n<style>{css}\n</style>\n</head>\n<body>\n"
            + "\n".join(body) + "\n</body>\n</html>\n")
    info = {"page": name, "kind": "offer" if layout == "picked" else "slip", "layout": layout,
            "refusal": page.refusal, "tips": truth, "prices": prices}
    if boxed_only:
        info["browsers"] = {"chromium": {"tips": [t.truth() for t in tips], "prices": [t.price for t in tips]}}
    return text, info


# --- The English family: British and American books ----------------------------------------------
#
# Pages as English-language bookmakers write them: prices as fractions ("5/2", "100/30", "Evens"),
# as American odds ("+250", "-150") or as decimals with a point; slash dates and English
# kick-offs; market labels, stakes and returns in pounds, each-way boxes and cash-out buttons
# beside the tips. Its refused pages hide a price as a picture, in a read-only box or in the
# page's style, strike the old price out beside the new one with nothing saying which holds, or
# cut a name short with "…".

UK_CLUBS = [
    "Leeds United", "Sunderland", "Burnley", "Fulham", "Brentford", "Bournemouth", "Ipswich Town",
    "Leicester City", "Southampton", "Sheffield United", "Sheffield Wednesday", "West Bromwich Albion",
    "Norwich City", "Middlesbrough", "Coventry City", "Hull City", "Stoke City", "Swansea City",
    "Cardiff City", "Queens Park Rangers", "Preston North End", "Blackburn Rovers", "Bristol City",
    "Millwall", "Plymouth Argyle", "Derby County", "Portsmouth", "Oxford United", "Wrexham",
    "Birmingham City", "Luton Town", "Watford", "Charlton Athletic", "Bolton Wanderers",
]
SCOTTISH_CLUBS = [
    "Heart of Midlothian", "Hibernian", "Aberdeen", "Dundee", "Dundee United", "Motherwell",
    "Kilmarnock", "St Mirren", "St Johnstone", "Ross County", "Livingston", "Partick Thistle",
]
# Sport: its clubs or players, its competitions (no dashes), whether a draw is an outcome.
UK_SPORTS = {
    "football": ([t for t, c in TEAMS if c == "en"] + UK_CLUBS,
                 ["Premier League", "Championship", "League One", "League Two", "FA Cup", "EFL Cup"], True),
    "scottish": ([t for t, c in TEAMS if c == "sc"] + SCOTTISH_CLUBS,
                 ["Scottish Premiership", "Premiership", "Scottish Cup", "Scottish League Cup"], True),
    "tennis": ([p for p, _ in TENNIS[0]] + ["Jack Draper", "Cameron Norrie", "Dan Evans"],
               ["ATP Queen's Club", "Wimbledon", "ATP Finals"], False),
    "darts": (DARTS + ["L. Williams", "C. Dobey", "R. Smith"],
              ["PDC World Championship", "Premier League Darts", "Grand Slam of Darts"], False),
}
UK_SPORT_NAMES = {"football": "Football", "scottish": "Football", "tennis": "Tennis", "darts": "Darts"}
UK_DAYS = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]
UK_SEPARATORS = [" v ", " v ", " vs ", " vs. ", " - ", " – "]
# The prices of British books: the winnings to one unit staked, in the steps they use.
FRACTIONS = ["1/10", "1/8", "1/6", "1/5", "2/9", "1/4", "2/7", "1/3", "4/11", "2/5", "4/9", "1/2",
             "8/15", "4/7", "8/13", "4/6", "8/11", "4/5", "5/6", "10/11", "EVENS", "11/10", "6/5",
             "5/4", "11/8", "6/4", "13/8", "7/4", "15/8", "2/1", "85/40", "9/4", "5/2", "11/4", "3/1",
             "10/3", "100/30", "7/2", "4/1", "9/2", "5/1", "11/2", "6/1", "13/2", "7/1", "15/2", "8/1",
             "9/1", "10/1", "12/1", "14/1", "16/1", "20/1", "25/1", "33/1", "50/1"]
EVENS = ["Evens", "EVS", "Evs"]
UK_MARKETS = {True: ["Match Result", "Full Time Result", "Match Betting", "Match Odds"],
              False: ["Match Betting", "To Win", "Match Winner", "Match Odds"]}
RETURNS = ["Potential Returns", "To Return", "Returns", "Est. Returns", "Potential Payout"]
UK_CSS = """
.ew { color: #555; font-size: 85%; }
.money { color: #333; }
.status { font-weight: 700; }
.clip { display: block; max-width: 200px; overflow: hidden; white-space: nowrap; text-overflow: ellipsis; }
input.odd { width: 4em; border: none; font-weight: 700; }
"""


def uk_kickoff(rng):
    hour, minute = rng.choice(range(12, 22)), rng.choice(["00", "15", "30", "45"])
    day, month = rng.randint(1, 28), rng.randint(1, 12)
    return rng.choice([
        f"{rng.choice(UK_DAYS)} {day:02}/{month:02} {hour}:{minute}",
        f"{day:02}/{month:02}/2026 {hour}:{minute}",
        f"Today {hour}:{minute}",
        f"Tomorrow {hour}:{minute}",
        "Tomorrow",
        f"{rng.choice(UK_DAYS)} {hour}:{minute}",
        f"{hour}:{minute}",
    ])


def uk_price(rng, form, short):
    """The price as the grid keeps it and as the page shows it. `short`: a double chance, priced
    below evens or about."""
    if form == "dec":
        while True:
            odds, shown = price(rng, "1X" if short else "1", ".")
            if float(odds) < 1000:
                return odds, shown
    step = rng.choice(FRACTIONS[:20] if short else FRACTIONS)
    if step == "EVENS":
        return ("1/1", rng.choice(EVENS)) if form == "frac" else ("+100", "+100")
    if form == "frac":
        return step, step
    a, b = (int(x) for x in step.split("/"))
    # American odds: the winnings on 100 staked, or the stake that wins 100; whole steps only.
    if a >= b:
        us = f"+{round(100 * a / b)}"
    else:
        us = f"-{round(100 * b / a)}"
    return us, us


class UKTip:
    def __init__(self, rng, page, sport, home, away):
        self.sport, self.home, self.away = sport, home, away
        draw = UK_SPORTS[sport][2]
        kinds, weights = (["1", "X", "2", "1X", "X2", "12"], [32, 18, 28, 9, 9, 4]) if draw else (["1", "2"], [1, 1])
        self.kind = rng.choices(kinds, weights)[0]
        self.league = rng.choice(UK_SPORTS[sport][1])
        self.when = uk_kickoff(rng)
        self.market = "Double Chance" if len(self.kind) == 2 else rng.choice(UK_MARKETS[draw])
        self.odds, self.price = uk_price(rng, page.form, len(self.kind) == 2)
        self.old = None

    def truth(self):
        hm, am = MARKERS[self.kind]
        return f"{self.home}|{self.away}|{hm}|{am}|{self.odds}"

    def decimal(self):
        return float(odds_value(self.odds))

    def selection(self, rng):
        home, away = self.home, self.away
        return rng.choice({"1": [home, home, "Home"], "X": ["Draw"], "2": [away, away, "Away"],
                           "1X": [f"{home} or Draw", "1X", "Home or Draw"],
                           "X2": [f"{away} or Draw", f"Draw or {away}", "X2", "Draw or Away"],
                           "12": [f"{home} or {away}", "12"]}[self.kind])


def odds_value(odds):
    """Decimal odds of the grid's text, exactly, for the page's own sums (stakes and returns)."""
    if "/" in odds:
        a, b = odds.split("/")
        return Fraction(int(a) + int(b), int(b))
    if odds[0] in "+-":
        n = int(odds[1:])
        return Fraction(n + 100, 100) if odds[0] == "+" else Fraction(n + 100, n)
    return Fraction(odds)


class UKPage:
    def __init__(self, rng, name, layout):
        self.rng, self.name, self.layout = rng, name, layout
        self.form = rng.choices(["frac", "us", "dec"], [55, 20, 25])[0]
        self.sep = rng.choice(UK_SEPARATORS)
        self.price_label = rng.choices(["", "Odds: ", "Price: ", "@", "@ "], [50, 15, 15, 10, 10])[0]
        self.market = rng.choices(["none", "label", "line"], [40, 30, 30])[0]
        self.meta = rng.choices(["none", "when", "league", "both"], [25, 30, 20, 25])[0]
        self.stake = rng.choices(["none", "line", "split"], [45, 35, 20])[0]
        self.returns = rng.choice(RETURNS)
        self.each_way = rng.random() < 0.3
        self.cash_out = rng.random() < 0.3
        self.refusal = None
        self.extra_css = []
        self.uid = 0

    def event(self, tip):
        return esc(tip.home + self.sep + tip.away)

    def outcome(self, tip):
        sel = tip.selection(self.rng)
        return esc(f"{tip.market}: {sel}" if self.market == "label" else sel)

    def price_html(self, tip, hidden):
        label = self.price_label
        if hidden:
            return esc(label) + uk_hidden_price(self, tip)
        return esc(label) + f'<span class="price">{esc(tip.price)}</span>'

    def meta_lines(self, tip):
        sport = UK_SPORT_NAMES[tip.sport]
        return {"none": [], "when": [tip.when], "league": [f"{sport} · {tip.league}"],
                "both": [tip.league, tip.when]}[self.meta]

    def money(self, amount):
        return f"£{amount:,.2f}"

    def extras(self, tip):
        """What a British slip shows under a tip: its stake and returns, each way, cash out."""
        rng, out = self.rng, []
        if self.stake != "none":
            stake = rng.choice([1, 2, 5, 10, 20, 25])
            back = stake * tip.decimal()
            if self.stake == "line":
                out.append(f"Stake {self.money(stake)}")
                out.append(f"{self.returns} {self.money(back)}")
            else:
                out += ["Stake", self.money(stake), self.returns, self.money(back)]
        if self.each_way:
            out.append(rng.choice(["Each Way", "E/W"]))
        if self.cash_out:
            out.append(rng.choice(["Cash Out", f"Cash Out {self.money(rng.randint(1, 40) + 0.5)}"]))
        return [f'<div class="money">{esc(x)}</div>' for x in out]


def uk_hidden_price(page, tip):
    """A price the copy does not carry, or carries beside another with nothing to choose by."""
    kind = page.refusal
    page.uid += 1
    if kind in ("image", "input"):
        return hidden_price(page, tip)
    if kind == "style":
        cls = f"p{page.uid}"
        page.extra_css.append(f'.{cls}::after {{ content: "{tip.price}"; }}')
        return f'<span class="price {cls}"></span>'
    if kind == "strike":
        return f'<s>{esc(tip.old)}</s> <b class="price">{esc(tip.price)}</b>'
    return f'<span class="price">{esc(tip.price)}</span>'


def uk_event(page, tip, hidden):
    if hidden and page.refusal == "ellipsis":
        text = tip.home + page.sep + tip.away
        keep = len(text) - len(tip.away) + max(1, len(tip.away) // 2)
        return esc(text[:keep].rstrip() + "…")
    return page.event(tip)


def uk_cards(page, tips, hidden):
    """A slip of one box a tip: the event then its pick, or the pick over its market and event
    (the selection first, as many British books show it), the price, then stake and buttons."""
    rng, out = page.rng, []
    order = rng.choices(["EOP", "OEP"], [60, 40])[0]
    for i, tip in enumerate(tips):
        lines = [f'<div class="meta">{esc(m)}</div>' for m in page.meta_lines(tip)]
        e, p = uk_event(page, tip, i in hidden), page.price_html(tip, i in hidden)
        if order == "EOP":
            lines.append(f'<div class="event">{e}</div>')
            if page.market == "line":
                lines.append(f'<div class="meta">{esc(tip.market)}</div>')
            lines.append(f'<div class="pick">{page.outcome(tip)}</div>')
        else:
            lines.append(f'<div class="pick"><b>{esc(tip.selection(rng))}</b></div>')
            lines.append(f'<div class="meta">{esc(tip.market)}</div>')
            lines.append(f'<div class="event">{e}</div>')
        lines.append(f'<div class="odds">{p}</div>')
        lines += page.extras(tip)
        if rng.random() < 0.3:
            lines.append(f"<div><button>{rng.choice(['×', 'Remove'])}</button></div>")
        out.append('<div class="tip">\n ' + "\n ".join(lines) + "\n</div>")
    return out


def uk_rows(page, tips, hidden):
    """Flex rows: the event with its kick-off, the pick, the price, the stake."""
    out = []
    for i, tip in enumerate(tips):
        meta = "".join(f'<div class="meta">{esc(m)}</div>' for m in page.meta_lines(tip))
        items = [f'<div>{meta}<div class="event">{uk_event(page, tip, i in hidden)}</div></div>']
        if page.market == "line":
            items.append(f'<div><div class="meta">{esc(tip.market)}</div><div>{page.outcome(tip)}</div></div>')
        else:
            items.append(f"<div>{page.outcome(tip)}</div>")
        items.append(f"<div>{page.price_html(tip, i in hidden)}</div>")
        extra = page.extras(tip)
        if extra:
            items.append("<div>" + "".join(extra) + "</div>")
        out.append('<div class="row">\n ' + "\n ".join(items) + "\n</div>")
    return out


UK_HEADERS = {"T": ["Kick-off", "Time", "Date"], "E": ["Event", "Match", "Fixture"], "M": ["Market"],
              "O": ["Selection", "Pick"], "P": ["Odds", "Price"], "S": ["Stake"],
              "R": ["Returns", "To Return", "Potential Returns"]}


def uk_table(page, tips, hidden):
    rng = page.rng
    cols = (["T"] if rng.random() < 0.4 else []) + ["E"] + (["M"] if page.market == "line" else []) + ["O", "P"]
    if page.stake != "none":
        cols += ["S", "R"]
    head = "".join(f"<th>{esc(rng.choice(UK_HEADERS[c]))}</th>" for c in cols)
    rows = []
    for i, tip in enumerate(tips):
        stake = rng.choice([2, 5, 10])
        cell = {"T": esc(tip.when), "E": uk_event(page, tip, i in hidden), "M": esc(tip.market),
                "O": page.outcome(tip), "P": page.price_html(tip, i in hidden),
                "S": page.money(stake), "R": page.money(stake * tip.decimal())}
        rows.append("<tr>" + "".join(f"<td>{cell[c]}</td>" for c in cols) + "</tr>")
    return ["<table>", f"<thead><tr>{head}</tr></thead>", "<tbody>"] + rows + ["</tbody>", "</table>"]


def uk_history(page, tips, hidden):
    """A list of placed bets: each a single with its state, its pick, price, stake and returns."""
    rng, out = page.rng, []
    for i, tip in enumerate(tips):
        status = rng.choice(["Open", "Won", "Lost", "Settled", "Void"])
        lines = [f'<div class="status">{rng.choice(["Single", "Singles"])} · {status}</div>'
                 if rng.random() < 0.5 else f'<div class="status">{status}</div>']
        lines += [f'<div class="meta">{esc(m)}</div>' for m in page.meta_lines(tip)]
        lines.append(f'<div class="event">{uk_event(page, tip, i in hidden)}</div>')
        if page.market == "line":
            lines.append(f'<div class="meta">{esc(tip.market)}</div>')
        lines.append(f"<div>{page.outcome(tip)}</div>")
        lines.append(f"<div>{page.price_html(tip, i in hidden)}</div>")
        lines += page.extras(tip)
        if status in ("Won", "Lost") and rng.random() < 0.5:
            lines.append(f'<div class="meta">Result: {rng.randint(0, 4)}-{rng.randint(0, 4)}</div>')
        out.append('<div class="tip">\n ' + "\n ".join(lines) + "\n</div>")
    return out


def uk_keyvalue(page, tips, hidden):
    """Each tip as labels and values, in a table or a definition list."""
    rng, out = page.rng, []
    as_dl = rng.random() < 0.5
    for i, tip in enumerate(tips):
        items = []
        if page.meta != "none":
            items.append(("Kick-off", esc(tip.when)))
        items.append((rng.choice(["Event", "Match"]), uk_event(page, tip, i in hidden)))
        if page.market != "none":
            items.append(("Market", esc(tip.market)))
            items.append((rng.choice(["Selection", "Pick"]), esc(tip.selection(rng))))
        else:
            items.append((rng.choice(["Selection", "Pick"]), page.outcome(tip)))
        p = page.price_html(tip, i in hidden)
        if p.startswith(esc(page.price_label)):
            p = p[len(esc(page.price_label)):]
        items.append((rng.choice(["Odds", "Price"]), p))
        if as_dl:
            out.append("<dl>" + "".join(f"<dt>{k}</dt><dd>{v}</dd>" for k, v in items) + "</dl>")
        else:
            out.append("<table>" + "".join(f"<tr><td>{k}:</td><td>{v}</td></tr>" for k, v in items) + "</table>")
    return out


UK_LAYOUTS = ["cards", "rows", "table", "history", "keyvalue"]


def uk_summary(page, tips):
    rng = page.rng
    total = 1
    for tip in tips:
        total *= odds_value(tip.odds)
    stake = rng.choice([1, 2, 5, 10])
    lines = []
    if len(tips) > 1 and rng.random() < 0.7:
        if page.form == "frac":
            lines.append(f"Total Odds: {round(total - 1)}/1")
        elif page.form == "us":
            lines.append(f"Total Odds: +{round(100 * (total - 1))}")
        else:
            lines.append(f"Total Odds: {float(total):.2f}")
    lines += [f"Total Stake: {page.money(stake)}", f"{page.returns}: {page.money(stake * float(total))}"]
    out = ['<div class="summary">'] + [f"<div>{esc(x)}</div>" for x in lines]
    out.append(f"<button>{rng.choice(['Place Bet', 'Place Bets'])}</button>")
    return out + ["</div>"]


def build_uk(seed, index):
    rng = random.Random(f"uk:{seed}:{index}")
    name = f"u{index:04}"
    layout = UK_LAYOUTS[(index - 1) % len(UK_LAYOUTS)] if rng.random() < 0.5 else rng.choice(UK_LAYOUTS)
    page = UKPage(rng, name, layout)
    count = rng.choices(range(1, 7), [10, 18, 20, 16, 10, 6])[0]
    used, tips = set(), []
    for _ in range(count):
        sport = rng.choices(list(UK_SPORTS), [50, 20, 15, 15])[0]
        home, away = rng.sample([t for t in UK_SPORTS[sport][0] if t not in used], 2)
        used.update((home, away))
        tips.append(UKTip(rng, page, sport, home, away))
    refused = rng.random() < 0.2
    hidden = set()
    if refused:
        page.refusal = rng.choice(["image", "input", "style", "strike", "ellipsis"])
        hidden = set(range(count)) if rng.random() < 0.3 else {rng.randrange(count)}
        for i in hidden:
            tip = tips[i]
            while tip.old in (None, tip.price):
                tip.old = uk_price(rng, page.form, len(tip.kind) == 2)[1]
    # Chromium copies a box's value (Firefox does not), so there such a page reads like any other.
    boxed_only = page.refusal == "input"
    title = rng.choice(["Bet Slip", "Betslip", f"Accumulator ({count})", "My Bets", "Open Bets"]
                       if count > 1 else ["Bet Slip", "Betslip", "Single", "My Bets"])
    body = [f"<h2>{esc(title)}</h2>"]
    body += {"cards": uk_cards, "rows": uk_rows, "table": uk_table, "history": uk_history,
             "keyvalue": uk_keyvalue}[layout](page, tips, hidden)
    if layout != "history":
        body += uk_summary(page, tips)
    truth = ["refused"] if refused else [t.truth() for t in tips]
    prices = [] if refused else [t.price for t in tips]
    css = CSS + UK_CSS + "\n".join(dict.fromkeys(page.extra_css))
    text = (f'<!DOCTYPE html>\n<html lang="en-GB">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{name} – {esc(title)}</title>\n<style>{css}\n</style>\n</head>\n<body>\n"
            + "\n".join(body) + "\n</body>\n</html>\n")
    info = {"page": name, "kind": "slip", "layout": layout, "refusal": page.refusal, "tips": truth,
            "prices": prices}
    if boxed_only:
        info["browsers"] = {"chromium": {"tips": [t.truth() for t in tips], "prices": [t.price for t in tips]}}
    return text, info


# --- The structure family: pages whose text loses what the page shows ----------------------------
#
# Slips as modern sites build them, in Hungarian, English and German: markup with no whitespace
# between the elements (so a browser's text may run two of them together), labels hidden from the
# eye but kept for screen readers, an old price struck through by a class beside the new one,
# a summary's label and value in two blocks, line markets whose pick carries a number, numbered
# legs, team names that begin with a number, and a bet builder leg (several picks of one event,
# one price) among normal legs. Class names are drawn afresh for every page, as a site's build
# tool makes them.

DE_TEAMS = ["1. FC Union Berlin", "1. FC Heidenheim", "1. FC Nürnberg",
            "1. FC Kaiserslautern", "SC Freiburg", "TSG Hoffenheim", "VfL Wolfsburg", "FC Augsburg",
            "Hamburger SV", "Hertha BSC", "FC St. Pauli", "VfL Bochum", "Holstein Kiel", "Hannover 96",
            "Fortuna Düsseldorf", "Karlsruher SC", "SV Elversberg", "1860 München"]
S_TEAMS = {
    "hu": [t for t, c in TEAMS if c in ("hu", "eu", "en", "de", "it")],
    "en": [t for t, c in TEAMS if c in ("en", "sc", "es")] + UK_CLUBS,
    "de": [t for t, c in TEAMS if c == "de"] + DE_TEAMS,
}
S_LEAGUES = {"hu": ["NB I", "OTP Bank Liga", "Bajnokok Ligája", "Európa-liga", "Magyar Kupa"],
             "en": ["Premier League", "Championship", "FA Cup", "LaLiga", "Scottish Premiership"],
             "de": ["Bundesliga", "2. Bundesliga", "DFB-Pokal", "Champions League"]}
S_SEPARATORS = {"hu": [" - ", " – ", " - "], "en": [" v ", " vs ", " - "], "de": [" - ", " – ", " vs. "]}
S_WORDS = {
    "hu": {"title": ["Fogadószelvény", "Szelvény", "Szelvényem"], "draw": "Döntetlen", "or": "vagy",
           "result": ["Végeredmény", "1X2"], "double": "Kétesély", "pick": ["Tipp: "],
           "odds": "Szorzó", "selected": "Kiválasztva:", "remove": "Tipp törlése",
           "total": "Eredő szorzó", "stake": "Tét", "win": "Lehetséges nyeremény",
           "place": "Fogadás leadása", "single": "Egyszeres", "acc": "Kötés",
           "system": "Rendszer {k}/{n}", "builder": "Fogadásépítő", "was": "Korábbi szorzó:",
           "home": "Hazai", "away": "Vendég", "event": "Esemény", "legno": "#"},
    "en": {"title": ["Bet Slip", "Betslip", "Your Selections"], "draw": "Draw", "or": "or",
           "result": ["Match Result", "1X2"], "double": "Double Chance", "pick": ["Pick: ", "Selection: "],
           "odds": "Odds", "selected": "Selected:", "remove": "Remove selection",
           "total": "Total odds", "stake": "Stake", "win": "Potential returns",
           "place": "Place bet", "single": "Single", "acc": "Accumulator",
           "system": "System {k} from {n}", "builder": "Bet Builder", "was": "Was",
           "home": "Home", "away": "Away", "event": "Event", "legno": "#"},
    "de": {"title": ["Wettschein", "Mein Wettschein", "Wettschein ({n})"], "draw": "Unentschieden",
           "or": "oder", "result": ["Endergebnis", "3-Weg"], "double": "Doppelte Chance",
           "pick": ["Tipp: "], "odds": "Quote", "selected": "Ausgewählt:", "remove": "Tipp entfernen",
           "total": "Gesamtquote", "stake": "Einsatz", "win": "Möglicher Gewinn",
           "place": "Wette platzieren", "single": "Einzelwette", "acc": "Kombiwette",
           "system": "Systemwette {k} aus {n}", "builder": "Bet Builder", "was": "statt",
           "home": "Heim", "away": "Gast", "event": "Spiel", "legno": "Nr."},
}
# Line markets: the market's name and its picks, "{t}" a team, "{l}" the line with the page's mark.
S_LINES = {
    "hu": [("Gólok száma", ["Több, mint {l}", "Kevesebb, mint {l}"], "goals"),
           ("Ázsiai hendikep", ["{t} {l}"], "handicap"),
           ("Hendikep", ["Hendikep (0:1): {t}", "Hendikep (1:0): {t}"], "european"),
           ("Szögletek száma", ["Több, mint {l}", "Kevesebb, mint {l}"], "corners")],
    "en": [("Total Goals", ["Over {l} Goals", "Under {l} Goals", "Over {l}", "Under {l}"], "goals"),
           ("Asian Handicap", ["{t} {l}"], "handicap"),
           ("Handicap", ["Handicap (0:1) {t}", "Handicap (1:0) {t}"], "european"),
           ("Total Corners", ["Over {l} Corners", "Under {l} Corners"], "corners")],
    "de": [("Über/Unter", ["Über {l}", "Unter {l}"], "goals"),
           ("Asiatisches Handicap", ["{t} {l}"], "handicap"),
           ("Handicap", ["Handicap (0:1): {t}", "Handicap (1:0): {t}"], "european"),
           ("Ecken", ["Über {l} Ecken", "Unter {l} Ecken"], "corners")],
}
S_BOTH_SCORE = {"hu": "Mindkét csapat szerez gólt: {y}", "en": "Both Teams To Score: {y}",
                "de": "Beide Teams treffen: {y}"}
S_YES_NO = {"hu": ("Igen", "Nem"), "en": ("Yes", "No"), "de": ("Ja", "Nein")}
S_DAYS = {"hu": ["H", "K", "Sze", "Cs", "P", "Szo", "V"], "en": ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"],
          "de": ["Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."]}
S_MONTHS_EN = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
S_LAYOUTS = ["cards", "rows", "grid", "table", "list"]
# The ways a site hides a label from the eye and keeps it for screen readers.
S_HIDDEN = [
    "position: absolute; width: 1px; height: 1px; padding: 0; margin: -1px; overflow: hidden; "
    "clip: rect(0 0 0 0); white-space: nowrap; border: 0;",
    "position: absolute !important; width: 1px; height: 1px; overflow: hidden; clip: rect(1px, 1px, 1px, 1px); "
    "clip-path: inset(50%);",
    "position: absolute; left: -9999px; top: auto; width: 1px; height: 1px; overflow: hidden;",
]


def s_kickoff(rng, lang):
    hour, minute = rng.choice(range(12, 23)), rng.choice(["00", "15", "30", "45"])
    day, month = rng.randint(1, 28), rng.randint(1, 12)
    day_name = rng.choice(S_DAYS[lang])
    return rng.choice({
        "hu": [f"2026.{month:02}.{day:02}. {hour}:{minute}", f"Ma {hour}:{minute}", f"{day_name} {hour}:{minute}",
               f"{month:02}.{day:02}. {hour}:{minute}"],
        "en": [f"{day:02}/{month:02}/2026 {hour}:{minute}", f"Today {hour}:{minute}",
               f"{day_name} {day} {S_MONTHS_EN[month - 1]} {hour}:{minute}"],
        "de": [f"{day:02}.{month:02}.2026 {hour}:{minute}", f"{day:02}.{month:02}.2026", f"Heute {hour}:{minute}",
               f"{day_name}, {day:02}.{month:02}. {hour}:{minute}"],
    }[lang])


def s_price(rng, kind, dec, low=None, high=100):
    while True:
        odds, shown = price(rng, kind, dec)
        if float(odds) < high and (low is None or float(odds) >= low):
            return odds, shown


class STip:
    def __init__(self, rng, page, home, away, kind):
        self.home, self.away, self.kind = home, away, kind
        self.league = rng.choice(S_LEAGUES[page.lang])
        self.when = s_kickoff(rng, page.lang)
        self.old = None
        w, dec = page.words, page.dec
        if kind == "line":
            market, picks, what = rng.choice(S_LINES[page.lang])
            team = rng.choice([home, away])
            if what == "handicap":
                line = rng.choice(["-0", "-1", "-2", "+0", "+1", "+2"]) + dec + rng.choice(["5", "25", "75"])
            else:
                line = str(rng.choice([0, 1, 2, 3, 4] if what == "goals" else [7, 8, 9, 10, 11])) + dec + "5"
            self.market, self.picks = market, [rng.choice(picks).format(t=team, l=line)]
            self.odds, self.price = s_price(rng, "1", dec, high=6)
        elif kind == "builder":
            sides = [home, w["draw"], away]
            goals = rng.choice(S_LINES[page.lang][0][1]).format(l=str(rng.choice([1, 2, 3])) + dec + "5")
            corners = rng.choice(S_LINES[page.lang][3][1]).format(l=str(rng.choice([8, 9, 10])) + dec + "5")
            both = S_BOTH_SCORE[page.lang].format(y=rng.choice(S_YES_NO[page.lang]))
            self.picks = [rng.choice(sides)] + rng.sample([goals, corners, both], rng.choice([1, 2, 2, 3]))
            self.market = w["builder"]
            self.odds, self.price = s_price(rng, "1", dec, low=2.5, high=60)
        else:
            self.market = w["double"] if len(kind) == 2 else rng.choice(w["result"])
            self.picks = [rng.choice(self.forms(page))]
            self.odds, self.price = s_price(rng, "1X" if len(kind) == 2 else "1", dec)

    def forms(self, page):
        home, away, w, lang = self.home, self.away, page.words, page.lang
        draw, o = w["draw"], w["or"]
        if lang == "de":
            return {"1": ["1", f"Sieg {home}", home], "X": [draw, "X"], "2": ["2", f"Sieg {away}", away],
                    "1X": ["1X", f"{home} {o} {draw}"], "X2": ["X2", f"{draw} {o} {away}"],
                    "12": ["12", f"{home} {o} {away}"]}[self.kind]
        if lang == "en":
            return {"1": [home, "1", "Home"], "X": [draw, "X"], "2": [away, "2", "Away"],
                    "1X": ["1X", f"{home} {o} {draw}"], "X2": ["X2", f"{away} {o} {draw}"],
                    "12": ["12", f"{home} {o} {away}"]}[self.kind]
        return {"1": [home, "1", "H"], "X": [draw, "X"], "2": [away, "2", "V"],
                "1X": ["1X", f"{home} {o} döntetlen"], "X2": ["X2", f"{away} {o} döntetlen"],
                "12": ["12", f"{home} {o} {away}"]}[self.kind]

    def truth(self):
        hm, am = ("", "") if self.kind in ("line", "builder") else MARKERS[self.kind]
        return f"{self.home}|{self.away}|{hm}|{am}|{self.odds}"


def s_class(rng):
    """A class name as a site's build tool makes it."""
    letters = "abcdefghijklmnopqrstuvwxyz"
    stem = "".join(rng.choice(letters) for _ in range(rng.randint(2, 5)))
    tail = "".join(rng.choice(letters + "0123456789") for _ in range(5))
    return rng.choice([f"{stem}-{tail}", f"sc-{tail}{stem}", f"css-{tail}", f"_{stem}_{tail[:3]}"])


class SPage:
    def __init__(self, rng, name, layout):
        self.rng, self.name, self.layout = rng, name, layout
        self.lang = rng.choices(["hu", "en", "de"], [34, 30, 36])[0]
        self.words = S_WORDS[self.lang]
        self.dec = {"hu": "," if rng.random() < 0.9 else ".", "en": "." if rng.random() < 0.8 else ",",
                    "de": ","}[self.lang]
        self.sep = rng.choice(S_SEPARATORS[self.lang])
        self.tight = rng.random() < 0.65
        # The element each piece of a leg sits in: a block, an inline one that the leg's flex or
        # grid lays out as an item of its own, or an inline block.
        self.piece = rng.choices(["div", "span", "inline-block"], [35, 45, 20])[0]
        self.hidden = rng.random() < 0.4
        self.hidden_style = rng.choice(S_HIDDEN)
        self.aria = rng.random() < 0.5
        self.struck = rng.random() < 0.25
        self.tell = rng.random() < 0.4
        self.numbered = rng.random() < (0.6 if self.lang == "de" else 0.3)
        self.meta = rng.choices(["none", "when", "league"], [40, 35, 25])[0]
        self.market = rng.random() < 0.35
        self.price_label = rng.choices(["", "one", "two"], [65, 25, 10])[0]
        self.pick_label = rng.random() < 0.3
        self.split_event = rng.random() < 0.25
        self.remove = rng.random() < 0.4
        self.two_blocks = rng.random() < 0.6
        self.cls = {}

    def c(self, role):
        if role not in self.cls:
            name = s_class(self.rng)
            while name in self.cls.values():
                name = s_class(self.rng)
            self.cls[role] = name
        return self.cls[role]

    def join(self, parts, indent=""):
        return "".join(parts) if self.tight else ("\n" + indent).join(parts)

    def leaf(self, role, inner):
        tag = "div" if self.piece == "div" else "span"
        return f'<{tag} class="{self.c(role)}">{inner}</{tag}>'

    def hide(self, text):
        return f'<span class="{self.c("vh")}">{esc(text)}</span>'

    def event(self, tip):
        sep = self.sep
        if self.split_event:
            return (f'<span class="{self.c("team")}">{esc(tip.home)}</span><span class="{self.c("vs")}">{esc(sep)}</span>'
                    f'<span class="{self.c("team")}">{esc(tip.away)}</span>')
        return esc(tip.home + sep + tip.away)

    def price_pieces(self, tip):
        """The leg's price and what goes with it: a hidden label, an old price struck by a class."""
        w, out = self.words, []
        if tip.old:
            if self.tell:
                out.append(self.leaf("tell", esc(w["was"])))
            out.append(f'<span class="{self.c("was")}">{esc(tip.old)}</span>')
        if self.hidden:
            out.append(self.hide(f"{w['odds']} {tip.price}"))
        aria = ' aria-hidden="true"' if self.hidden and self.aria else ""
        tag = "div" if self.piece == "div" else "span"
        if self.price_label == "one":
            out.append(f'<{tag} class="{self.c("odds")}"{aria}>{esc(w["odds"])} {esc(tip.price)}</{tag}>')
        else:
            if self.price_label == "two":
                out.append(self.leaf("odds-label", esc(w["odds"])))
            out.append(f'<{tag} class="{self.c("odds")}"{aria}>{esc(tip.price)}</{tag}>')
        return out

    def pick_pieces(self, tip):
        out = []
        if self.market or tip.kind in ("line", "builder"):
            if self.market or self.rng.random() < 0.6:
                out.append(self.leaf("market", esc(tip.market)))
        for pick in tip.picks:
            if self.hidden:
                out.append(self.hide(self.words["selected"]))
            label = self.rng.choice(self.words["pick"]) if self.pick_label and tip.kind not in ("line", "builder") else ""
            out.append(self.leaf("pick", esc(label + pick)))
        return out

    def meta_piece(self, tip):
        text = {"when": tip.when, "league": f"{tip.league} · {tip.when}"}.get(self.meta)
        return [self.leaf("meta", esc(text))] if text else []

    def remove_button(self):
        if not self.remove:
            return []
        inner = (self.hide(self.words["remove"]) if self.hidden else "") + "×"
        return [f'<button class="{self.c("rm")}" type="button">{inner}</button>']

    def number(self, i):
        return [self.leaf("no", str(i + 1))] if self.numbered else []

    def css(self):
        c, piece = self.cls, self.piece
        rules = [f".{c['vh']} {{ {self.hidden_style} }}" if "vh" in c else "",
                 f".{c['was']} {{ text-decoration: line-through; color: #999; margin-right: 6px; }}" if "was" in c else "",
                 f".{c['odds']} {{ font-weight: 700; color: #063; }}" if "odds" in c else "",
                 f".{c['meta']} {{ color: #666; font-size: 85%; }}" if "meta" in c else "",
                 f".{c['no']} {{ font-weight: 700; margin-right: 8px; }}" if "no" in c else "",
                 f".{c['market']} {{ color: #555; }}" if "market" in c else ""]
        if piece == "inline-block":
            rules.append(" ".join(f".{c[r]}," for r in c if r not in ("vh", "rm", "leg", "legs", "box", "sum", "sumrow")).rstrip(",")
                         + " { display: inline-block; margin-right: 6px; }")
        if "leg" in c:
            rules.append({"cards": f".{c['leg']} {{ display: flex; flex-direction: column; border: 1px solid #bbb; "
                                   f"border-radius: 6px; margin: 6px 0; padding: 4px 8px; }}",
                          "rows": f".{c['leg']} {{ display: flex; gap: 12px; align-items: center; "
                                  f"border-bottom: 1px solid #ddd; padding: 4px 0; }}",
                          "grid": f".{c['leg']} {{ display: grid; grid-template-columns: repeat(auto-fill, minmax(120px, 1fr)); "
                                  f"gap: 4px 12px; border-top: 1px solid #ddd; }}",
                          "list": f".{c['leg']} {{ display: flex; flex-wrap: wrap; gap: 8px; margin: 4px 0; }}",
                          }.get(self.layout, ""))
        if "box" in c:
            rules.append(f".{c['box']} {{ display: flex; flex-direction: column; }}")
        if "sumrow" in c:
            rules.append(f".{c['sumrow']} {{ display: flex; justify-content: space-between; max-width: 360px; }}")
        return "\n".join(r for r in rules if r)


def s_leg(page, tip, i):
    """The pieces of one leg in the page's order."""
    pieces = page.number(i) + page.meta_piece(tip)
    pieces.append(page.leaf("event", page.event(tip)))
    pieces += page.pick_pieces(tip)
    pieces += page.price_pieces(tip)
    return pieces + page.remove_button()


def s_legs(page, tips):
    rng, out = page.rng, []
    if page.layout == "table":
        w = page.words
        heads = ([w["legno"]] if page.numbered else []) + [w["event"], page.rng.choice(w["pick"]).rstrip(": "), w["odds"]]
        out.append("<table>")
        out.append("<thead><tr>" + "".join(f"<th>{esc(h)}</th>" for h in heads) + "</tr></thead><tbody>")
        for i, tip in enumerate(tips):
            cells = []
            if page.numbered:
                cells.append(page.leaf("no", str(i + 1)))
            cells.append(page.join(page.meta_piece(tip) + [page.leaf("event", page.event(tip))]))
            cells.append(page.join(page.pick_pieces(tip)))
            cells.append(page.join(page.price_pieces(tip) + page.remove_button()))
            out.append("<tr>" + "".join(f"<td>{c}</td>" for c in cells) + "</tr>")
        out.append("</tbody></table>")
        return out
    if page.layout == "list":
        items = [f'<li class="{page.c("leg")}">' + page.join(s_leg(page, tip, i), " ") + "</li>" for i, tip in enumerate(tips)]
        return [f'<ul class="{page.c("legs")}">'] + items + ["</ul>"]
    for i, tip in enumerate(tips):
        pieces = s_leg(page, tip, i)
        if page.layout == "rows" and rng.random() < 0.5:
            # The event and what is said of it in one box of the row.
            head = len(page.number(i)) + len(page.meta_piece(tip)) + 1
            keep = pieces[:len(page.number(i))]
            pieces = keep + [f'<div class="{page.c("box")}">' + page.join(pieces[len(keep):head]) + "</div>"] + pieces[head:]
        out.append(f'<div class="{page.c("leg")}">' + page.join(pieces, " ") + "</div>")
    return out


def s_money(page, amount):
    if page.lang == "hu":
        return f"{round(amount):,}".replace(",", " ") + " Ft"
    if page.lang == "en":
        return f"£{amount:,.2f}"
    return f"{amount:,.2f}".replace(",", " ").replace(".", ",").replace(" ", ".") + " €"


def s_summary(page, tips, system):
    """The slip's total odds, stake and possible winnings: a label and its value in one block, or
    each in a block of its own."""
    rng, w = page.rng, page.words
    total = 1.0
    for tip in tips:
        total *= float(tip.odds)
    stake = rng.choice([2, 5, 10, 20]) * (100 if page.lang == "hu" else 1)
    pairs = []
    if not system and len(tips) > 1:
        pairs.append((w["total"], group(total, page.dec).replace(" ", "." if page.dec == "," and page.lang == "de" else " ")))
    pairs.append((w["stake"], s_money(page, stake)))
    if not system:
        pairs.append((w["win"], s_money(page, stake * total)))
    rows = []
    for label, value in pairs:
        if page.two_blocks:
            rows.append(f'<div class="{page.c("sumrow")}"><div>{esc(label)}</div><div>{esc(value)}</div></div>')
        else:
            rows.append(f"<div>{esc(label)}: {esc(value)}</div>")
    rows.append(f"<div><button>{esc(w['place'])}</button></div>")
    return [f'<div class="{page.c("sum")}">' + page.join(rows) + "</div>"]


def build_structure(seed, index):
    rng = random.Random(f"structure:{seed}:{index}")
    name = f"s{index:04}"
    layout = S_LAYOUTS[(index - 1) % len(S_LAYOUTS)] if rng.random() < 0.5 else rng.choice(S_LAYOUTS)
    page = SPage(rng, name, layout)
    count = rng.choices(range(1, 7), [10, 18, 22, 20, 16, 14])[0]
    builder = rng.randrange(count) if count > 1 and rng.random() < 0.3 else None
    lines = rng.random() < 0.6
    pool = list(S_TEAMS[page.lang])
    tips = []
    for i in range(count):
        home, away = rng.sample(pool, 2)
        # No name on the page within another ("Rangers", "Queens Park Rangers").
        pool = [t for t in pool if t not in (home, away) and not any(
            t in u or u in t for u in (home, away))]
        if i == builder:
            kind = "builder"
        elif lines and rng.random() < 0.4:
            kind = "line"
        else:
            kind = rng.choices(["1", "X", "2", "1X", "X2", "12"], [30, 18, 25, 10, 10, 7])[0]
        tips.append(STip(rng, page, home, away, kind))
    struck = set()
    if page.struck:
        struck = set(range(count)) if rng.random() < 0.4 else {rng.randrange(count)}
        for i in struck:
            tip = tips[i]
            while tip.old in (None, tip.price):
                tip.old = s_price(rng, "1X" if len(tip.kind) == 2 else "1", page.dec)[1]
    system = None
    if count in (3, 4) and builder is None and rng.random() < 0.3:
        system = page.words["system"].format(k=count - 1, n=count)
    kind = page.words["single"] if count == 1 else system or page.words["acc"]
    title = rng.choice(page.words["title"]).format(n=count)
    body = [f"<h2>{esc(title)}</h2>"]
    if rng.random() < 0.5 or system:
        body.append(f"<div>{esc(kind)}</div>")
    body += s_legs(page, tips)
    body += s_summary(page, tips, system)
    css = CSS + page.css()
    text = (f'<!DOCTYPE html>\n<html lang="{page.lang}">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{name} – {esc(title)}</title>\n<style>{css}\n</style>\n</head>\n<body>\n"
            + page.join(body) + "\n</body>\n</html>\n")
    truth = [t.truth() for t in tips]
    info = {"page": name, "kind": "slip", "layout": layout, "refusal": None, "tips": truth,
            "prices": [t.price for t in tips], "joins": joins(text)}
    if struck and not page.tell:
        # An old price struck through by a class, with no word saying which holds: the text has
        # two prices where the page shows one. Chromium's HTML writes the struck style inline;
        # Firefox's keeps only the class name, which tells nothing by itself.
        info["refusal"] = "struck-class"
        info["text"] = "refused"
        info["browsers"] = {"firefox": {"tips": ["refused"], "prices": []}}
    return text, info


class _Texts(html.parser.HTMLParser):
    """The body's text pieces in order, each with whether markup or nothing stood before it."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.pieces, self.skip, self.gap = [], 0, True

    def handle_starttag(self, tag, attrs):
        if tag in ("style", "title", "script", "head"):
            self.skip += 1
        elif tag in ("br", "img", "input"):
            self.gap = True

    def handle_endtag(self, tag):
        if tag in ("style", "title", "script", "head"):
            self.skip -= 1

    def handle_data(self, data):
        if self.skip:
            return
        if not data.strip():
            self.gap = True
            return
        joined = not self.gap and not data[0].isspace()
        self.pieces.append((data, joined))
        self.gap = data[-1].isspace()


def joins(page_html):
    """Where two texts of the page meet with no whitespace in its source, a letter or digit on
    each side: the text a browser writes may run them together there. Each is kept as the last
    words of the one and the first of the other, which collect looks for in a copy."""
    parser = _Texts()
    parser.feed(page_html)
    out, before = [], None
    for data, joined in parser.pieces:
        if joined and before and before[-1].isalnum() and data[0].isalnum():
            out.append([before[-12:], data[:12]])
        before = data
    return out


# --- The racing family: British and Irish horse racing slips ---------------------------------------
#
# Slips of runners as British and Irish books write them: the race by its off time and course
# ("14:30 Cheltenham", "Cheltenham 14:30", with or without the race's name after them), the runner
# with or without its saddle-cloth number ("3. Desert Crown", "(3) Desert Crown", "Desert Crown
# (3)"), its price as a fraction, evens, a decimal or "SP", and each-way terms in the forms books
# print ("E/W 1/4 1-2-3", "Each Way: 1/5 odds, 4 places", "EW terms 1/4 odds 1,2,3"). A runner
# withdrawn is left off the slip. Cards, flex rows, a table and a printed receipt. A racing tip is
# "race|runner|||price|terms": the race as the grid shows it, the runner's name without its number,
# no markers, the price as the grid keeps it ("" at SP) and the terms as the grid shows them
# ("1/4 1-2-3", "" for a win bet). Its refused pages draw a runner's price with the page's style.

COURSES = ["Aintree", "Ascot", "Ayr", "Bath", "Cheltenham", "Chepstow", "Chester", "Doncaster", "Epsom",
           "Goodwood", "Haydock", "Haydock Park", "Kempton", "Kempton Park", "Leicester", "Lingfield",
           "Ludlow", "Market Rasen", "Musselburgh", "Newbury", "Newcastle", "Newmarket", "Nottingham",
           "Sandown", "Sandown Park", "Southwell", "Wetherby", "Wincanton", "Windsor", "Wolverhampton",
           "York", "Curragh", "Dundalk", "Fairyhouse", "Galway", "Leopardstown", "Naas", "Punchestown"]
RACE_NAMES = ["Gold Cup Chase", "Champion Hurdle", "Novices' Hurdle", "Handicap Chase", "Maiden Stakes",
              "Juvenile Hurdle", "Mares' Handicap Hurdle", "Nursery Handicap", "Listed Stakes",
              "Conditions Stakes", "Beginners' Chase", "National Hunt Flat Race", "Fillies' Novice Stakes",
              "Handicap Hurdle", "Classified Stakes"]
RUNNERS = ["Desert Crown", "Silver Arrow", "Morning Mist", "Copper Kettle", "Northern Lights",
           "Galopin Des Champs", "Constitution Hill", "El Fabiolo", "Shishkin", "Energumene", "Jonbon",
           "State Man", "Lossiemouth", "Ballyburn", "Fact To File", "Kyprios", "Auguste Rodin",
           "Paddington", "Emily Upjohn", "City Of Troy", "Notable Speech", "Rosallion", "Running Lion",
           "Bluestocking", "Dancing Brave", "Quiet Harbour", "Rain On The Moor", "Kings Ransom",
           "Harbour Light", "Bold Venture", "Lady Of The Lake", "Amber Sky", "Wild Thyme", "Sea Shanty",
           "Merry Dancer", "Crimson Tide", "Blue Lagoon", "Fiddlers Green", "Honey Badger", "Solar Wind",
           "Pearl Diver", "Whistle Stop", "Iron Duke", "Midnight Runner", "Snow Leopard", "Gentle Breeze",
           "Captain Haddock", "Ruby Slippers", "Lucky Penny", "Moonlit Bay"]
EACH_WAY_FORMS = ["E/W 1/{f} {dash}", "Each Way: 1/{f} odds, {n} places", "EW terms 1/{f} odds {comma}"]
RACE_CSS = """
.race { font-weight: 700; }
.runner { margin-left: 4px; }
.terms { color: #555; font-size: 85%; }
.row { display: flex; gap: 12px; }
pre { font-family: monospace; }
"""


class RaceTip:
    def __init__(self, rng, page, race, runner):
        self.race, self.runner = race, runner
        self.number = rng.randint(1, 20)
        if rng.random() < page.sp_share:
            self.odds, self.price = "", "SP"
        elif page.form == "dec":
            while True:
                odds, shown = price(rng, "1", ".")
                if 1.2 < float(odds) < 100:
                    self.odds, self.price = odds, shown
                    break
        else:
            step = rng.choice(FRACTIONS[10:])
            self.odds, self.price = ("1/1", rng.choice(EVENS)) if step == "EVENS" else (step, step)
        self.terms = None
        if page.each_way:
            fraction, places = rng.choice([(4, 3), (5, 3), (5, 4), (4, 2), (5, 5), (6, 4)])
            self.terms = (fraction, places)

    def truth(self):
        terms = ""
        if self.terms:
            terms = f"1/{self.terms[0]} " + "-".join(str(p) for p in range(1, self.terms[1] + 1))
        return f"{self.race.shown}|{self.runner}|||{self.odds}|{terms}"

    def terms_text(self, form):
        f, n = self.terms
        places = range(1, n + 1)
        return form.format(f=f, n=n, dash="-".join(map(str, places)), comma=",".join(map(str, places)))


class Race:
    def __init__(self, rng, course):
        hour, minute = rng.randint(12, 20), rng.choice(["00", "05", "15", "20", "30", "35", "45", "50"])
        self.time, self.course = f"{hour}:{minute}", course
        self.name = rng.choice(RACE_NAMES) if rng.random() < 0.5 else None
        self.shown = f"{self.time} {self.course}"

    def line(self, page):
        head = f"{self.time} {self.course}" if page.time_first else f"{self.course} {self.time}"
        if not self.name:
            return head
        return head + {"dash": f" - {self.name}", "blank": f" {self.name}", "dot": f" · {self.name}"}[page.name_sep]


class RacePage:
    def __init__(self, rng, name, layout):
        self.rng, self.name, self.layout = rng, name, layout
        self.form = rng.choices(["frac", "dec"], [75, 25])[0]
        self.sp_share = rng.choice([0, 0, 0.15, 0.3])
        self.each_way = rng.random() < 0.55
        self.terms_form = rng.choice(EACH_WAY_FORMS)
        self.numbers = rng.choice(["none", "dot", "paren", "after"])
        self.time_first = rng.random() < 0.7
        self.name_sep = rng.choice(["dash", "blank", "dot"])
        self.price_label = rng.choices(["", "Price: ", "@ "], [70, 15, 15])[0]
        self.terms_first = rng.random() < 0.25  # the terms above the price
        self.refused = None
        self.extra_css = []

    def runner(self, tip):
        n = tip.number
        return {"none": tip.runner, "dot": f"{n}. {tip.runner}", "paren": f"({n}) {tip.runner}",
                "after": f"{tip.runner} ({n})"}[self.numbers]

    def price_html(self, tip, hidden):
        if hidden:
            cls = f"h{len(self.extra_css) + 1}"
            self.extra_css.append(f'.{cls}::after {{ content: "{tip.price}"; }}')
            return esc(self.price_label) + f'<span class="price {cls}"></span>'
        return esc(self.price_label) + f'<span class="price">{esc(tip.price)}</span>'

    def terms(self, tip):
        return esc(tip.terms_text(self.terms_form)) if tip.terms else None

    def stake(self, tip):
        stake = self.rng.choice([1, 2, 5, 10])
        lines = [f"Stake: £{stake:.2f}" + (" x 2" if tip.terms else "")]
        if tip.odds and self.rng.random() < 0.5:
            lines.append(f"Returns: £{stake * float(odds_value(tip.odds)):.2f}")
        return lines


def race_cards(page, tips, hidden):
    rng, out = page.rng, []
    for i, tip in enumerate(tips):
        lines = [f'<div class="race">{esc(tip.race.line(page))}</div>',
                 f'<div class="runner">{esc(page.runner(tip))}</div>']
        if rng.random() < 0.3:
            lines.insert(1, f"<div>{'Each Way' if tip.terms else 'Win'}</div>")
        price_line = f'<div class="odds">{page.price_html(tip, i in hidden)}</div>'
        terms = page.terms(tip)
        if terms and page.terms_first:
            lines += [f'<div class="terms">{terms}</div>', price_line]
        else:
            lines.append(price_line)
            if terms:
                lines.append(f'<div class="terms">{terms}</div>')
        lines += [f'<div class="money">{esc(x)}</div>' for x in page.stake(tip)]
        if rng.random() < 0.3:
            lines.append("<div><button>Remove</button></div>")
        out.append('<div class="tip">\n ' + "\n ".join(lines) + "\n</div>")
    return out


def race_rows(page, tips, hidden):
    out = []
    for i, tip in enumerate(tips):
        items = [f'<div class="race">{esc(tip.race.line(page))}</div>',
                 f'<div class="runner">{esc(page.runner(tip))}</div>',
                 f'<div class="odds">{page.price_html(tip, i in hidden)}</div>']
        if tip.terms:
            items.append(f'<div class="terms">{page.terms(tip)}</div>')
        out.append('<div class="row">\n ' + "\n ".join(items) + "\n</div>")
    return out


def race_table(page, tips, hidden):
    rng = page.rng
    cols = ["R", "N", "P"] + (["T"] if page.each_way else []) + (["S"] if rng.random() < 0.5 else [])
    names = {"R": ["Race", "Race"], "N": ["Runner", "Horse", "Selection"], "P": ["Price", "Odds"],
             "T": ["Terms"], "S": ["Stake"]}
    head = "".join(f"<th>{rng.choice(names[c])}</th>" for c in cols)
    rows = []
    for i, tip in enumerate(tips):
        cell = {"R": esc(tip.race.line(page)), "N": esc(page.runner(tip)), "P": page.price_html(tip, i in hidden),
                "T": page.terms(tip) or "", "S": f"£{rng.choice([2, 5, 10])}.00"}
        rows.append("<tr>" + "".join(f"<td>{cell[c]}</td>" for c in cols) + "</tr>")
    return ["<table>", f"<thead><tr>{head}</tr></thead>", "<tbody>"] + rows + ["</tbody>", "</table>"]


def race_receipt(page, tips, hidden):
    """A shop's printed receipt: each runner on a line, its columns set apart with blanks."""
    rng = page.rng
    lines = [f"BET RECEIPT   No. {rng.randint(100000, 999999)}", ""]
    for i, tip in enumerate(tips):
        cols = [tip.race.line(page), page.runner(tip), page.price_label + tip.price]
        if tip.terms:
            cols.append(tip.terms_text(page.terms_form))
        lines.append("   ".join(cols))
    text = "\n".join(esc(x) for x in lines)
    if hidden:  # a receipt's price cannot be drawn apart: its page is a card instead
        return race_cards(page, tips, hidden)
    return [f"<pre>{text}</pre>"]


RACE_LAYOUTS = ["cards", "rows", "table", "receipt"]


def build_racing(seed, index):
    rng = random.Random(f"racing:{seed}:{index}")
    name = f"r{index:04}"
    layout = RACE_LAYOUTS[(index - 1) % len(RACE_LAYOUTS)]
    page = RacePage(rng, name, layout)
    count = rng.choices(range(1, 7), [15, 20, 20, 20, 15, 10])[0]
    races = [Race(rng, c) for c in rng.sample(COURSES, min(count, 4))]
    tips = [RaceTip(rng, page, rng.choice(races), r) for r in rng.sample(RUNNERS, count)]
    hidden = set()
    if rng.random() < 0.12:
        page.refused = "style"
        hidden = {rng.randrange(count)}
    title = rng.choice(["Bet Slip", "Betslip", "My Bets", "Horse Racing"])
    body = [f"<h2>{esc(title)}</h2>"]
    body += {"cards": race_cards, "rows": race_rows, "table": race_table, "receipt": race_receipt}[layout](
        page, tips, hidden)
    body.append(f'<div class="summary"><div>Total Stake: £{rng.randint(2, 40)}.00</div>'
                f"<button>Place Bet</button></div>")
    truth = ["refused"] if hidden else [t.truth() for t in tips]
    prices = [] if hidden else [t.price for t in tips]
    css = CSS + RACE_CSS + "\n".join(page.extra_css)
    text = (f'<!DOCTYPE html>\n<html lang="en-GB">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{name} – {esc(title)}</title>\n<style>{css}\n</style>\n</head>\n<body>\n"
            + "\n".join(body) + "\n</body>\n</html>\n")
    return text, {"page": name, "kind": "slip", "layout": layout, "refusal": page.refused, "tips": truth,
                  "prices": prices}


FAMILIES = {"first": build, "new": build_new, "uk": build_uk, "structure": build_structure,
            "racing": build_racing}


def build_mixed(seed, index):
    """Every family in turn: the page of one index is that family's own page for the seed."""
    # The families a mixed batch was first measured on; racing slips are a batch of their own.
    mixed = ["first", "new", "uk", "structure"]
    return FAMILIES[mixed[(index - 1) % len(mixed)]](seed, index)


def generate(args):
    os.makedirs(args.out, exist_ok=True)
    manifest = []
    for index in range(1, args.count + 1):
        text, info = dict(FAMILIES, mixed=build_mixed)[args.family](args.seed, index)
        with open(os.path.join(args.out, info["page"] + ".html"), "w", encoding="utf-8") as f:
            f.write(text)
        with open(os.path.join(args.out, info["page"] + ".tips"), "w", encoding="utf-8") as f:
            f.write("\n".join(info["tips"]) + "\n")
        manifest.append(info)
    with open(os.path.join(args.out, "pages.json"), "w", encoding="utf-8") as f:
        json.dump(manifest, f, ensure_ascii=False, indent=0)
    refused = sum(1 for m in manifest if m["tips"] == ["refused"])
    text_only = sum(1 for m in manifest if m.get("text") == "refused")
    print(f"{len(manifest)} pages, {refused} refused, {text_only} readable from the HTML only, in {args.out}",
          file=sys.stderr)


def read_copy(path, faults):
    try:
        with open(path, "rb") as f:
            text = f.read().decode("utf-8")
    except OSError:
        faults.append(f"{path}: missing")
        return None
    if not text.strip():
        faults.append(f"{path}: empty")
    return text


def text_refused(info, copy):
    """Whether the copy's text cannot tell what the page shows: the page says so (two prices and
    nothing to choose by but the style), or the browser ran two of its texts together."""
    flat = copy.replace("\u00a0", " ")
    return info.get("text") == "refused" or any(
        (a + b).replace("\u00a0", " ") in flat for a, b in info.get("joins", []))


def collect(args):
    with open(os.path.join(args.dir, "pages.json"), encoding="utf-8") as f:
        manifest = json.load(f)
    rows, faults = [], []
    for info in manifest:
        for browser in ("chromium", "firefox"):
            base = os.path.join(args.dir, f"{info['page']}.{browser}")
            copy, flavour = read_copy(base + ".txt", faults), read_copy(base + ".html", faults)
            if copy is None or flavour is None:
                continue
            # A page may read otherwise in one browser (see "browsers" in build_new).
            own = info.get("browsers", {}).get(browser, info)
            # The browsers copy a no-break space as a plain one.
            flat = copy.replace("\u00a0", " ")
            marked = html.unescape(flavour).replace("\u00a0", " ")
            for shown in own["prices"]:
                if shown.replace("\u00a0", " ") not in flat:
                    faults.append(f"{base}.txt: price {shown!r} not copied")
                if shown.replace("\u00a0", " ") not in marked:
                    faults.append(f"{base}.html: price {shown!r} not copied")
            row = {"page": info["page"], "browser": browser, "copy": copy, "html": flavour, "tips": own["tips"]}
            if own["tips"] != ["refused"] and text_refused(info, copy):
                row["text"] = "refused"
            rows.append(row)
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        sys.exit(1)
    if args.merge:
        merge(rows, args.out)
        return
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    write_rows(rows, args.out)
    text_only = sum(1 for r in rows if r.get("text"))
    refused = sum(1 for r in rows if r["tips"] == ["refused"])
    print(f"{len(rows)} copies in {args.out}: {refused} refused, {text_only} readable from the HTML only",
          file=sys.stderr)


def write_rows(rows, out):
    with open(out, "w", encoding="utf-8") as f:
        # One copy a line, so that a change of one page is a change of two lines.
        f.write("[\n" + ",\n".join(json.dumps(r, ensure_ascii=False) for r in rows) + "\n]\n")


def merge(rows, out):
    """Gives the stored rows of a table the HTML flavour of the new copies of their pages. A row
    keeps its stored text and tips: a browser may copy a page a little otherwise from one version
    to the next, and the table's text is what the tests were written against."""
    with open(out, encoding="utf-8") as f:
        stored = json.load(f)
    new = {(r["page"], r["browser"]): r for r in rows}
    differ, merged = [], 0
    for i, row in enumerate(stored):
        fresh = new.get((row["page"], row["browser"]))
        if fresh is None:
            continue
        if fresh["copy"] != row["copy"]:
            differ.append(f"{row['page']}.{row['browser']}")
        keys = list(row)
        at = keys.index("copy") + 1 if "html" not in keys else keys.index("html")
        keys = [k for k in keys if k != "html"]
        keys.insert(at, "html")
        stored[i] = {k: fresh["html"] if k == "html" else row[k] for k in keys}
        merged += 1
    write_rows(stored, out)
    print(f"{merged} of {len(stored)} rows in {out} given their HTML; {len(differ)} new texts differ "
          f"from the stored ones{': ' + ' '.join(differ) if differ else ''}", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    gen = sub.add_parser("generate", help="write NAME.html and NAME.tips for every page")
    gen.add_argument("--seed", type=int, default=28)
    gen.add_argument("--count", type=int, default=320)
    gen.add_argument("--family", choices=["first", "new", "uk", "structure", "racing", "mixed"], default="first",
                     help="new: the layouts, sports and outcome forms of the second family; "
                          "uk: English-language pages with fractional and American prices; "
                          "structure: pages whose copied text loses what the page shows; "
                          "racing: British and Irish horse racing slips; "
                          "mixed: every family in turn")
    gen.add_argument("--out", required=True)
    col = sub.add_parser("collect", help="gather the copies and tips into one JSON table")
    col.add_argument("dir")
    col.add_argument("--out", required=True)
    col.add_argument("--merge", action="store_true",
                     help="give the rows of --out that name these pages the copies' HTML, keeping their text")
    args = parser.parse_args()
    {"generate": generate, "collect": collect}[args.command](args)


if __name__ == "__main__":
    main()
