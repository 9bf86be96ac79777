#!/usr/bin/env python3
"""Builds a sample question bank under data/<material>/: Luke, James, or
1 and 2 Peter.

The verse text is the public-domain 1611 English text of the Debian package
bible-kjv (`apt-get install bible-kjv`, which provides the `bible` command).
Run by hand when a bank changes:

    python3 tools/make_bank.py                     # writes data/luke/
    python3 tools/make_bank.py --material james    # writes data/james/
    python3 tools/make_bank.py --material peter --out DIR

The output depends on nothing but the verse text: no clock, no unseeded
randomness, so two runs give byte-identical files. Questions are made by
rules from the verse text (who did something, what someone said, to whom,
whose son, how many, why, where, finish the verse, quote the verse).

A bank numbers its chapters through the material (1 Peter 1-5 are 1-5,
2 Peter 1 is 6); a question that names a reference names the book's own
chapter. Every material but Luke gets a Books.txt; Luke's folder has none,
as a folder without one is Luke.
"""

import argparse
import os
import re
import subprocess
import sys
import zlib

LUKE_VERSES = [80, 52, 38, 44, 39, 49, 50, 56, 62, 42, 54, 59,
               35, 35, 32, 31, 37, 43, 48, 47, 38, 71, 56, 53]

# Every value the style form can store for the primary FTV percentage.
PRIM_VALUES = [51, 52, 53, 57, 58, 59, 60, 68, 69, 70, 78, 79, 80,
               88, 89, 90, 97, 98, 99, 100]
TEXT_MAX = 254      # regular and reference lines
LINE_MAX = 508      # FTV and situation lines

PERSONS = {
    "Jesus": None, "John": None, "Peter": "disciple", "Simon": None,
    "Mary": None, "Herod": None, "Abraham": "patriarch", "David": "king",
    "Pilate": "governor", "Joseph": None, "Zacharias": "priest",
    "Moses": None, "Elisabeth": None, "James": None, "Elias": "prophet",
    "Caesar": None, "Satan": None, "Judas": None, "Martha": None,
    "Levi": "publican", "Lazarus": None, "Jonas": "prophet", "Jacob": None,
    "Zacchaeus": "publican", "Solomon": "king", "Simeon": None,
    "Philip": None, "Noe": None, "Lot": None, "Joanna": None, "Isaac": None,
    "Gabriel": "angel", "Esaias": "prophet", "Thomas": "apostle",
    "Theophilus": None, "Susanna": None, "Naaman": None,
    "Matthew": "apostle", "Lysanias": None, "Jairus": None,
    "Herodias": None, "Eliseus": "prophet", "Cyrenius": "governor",
    "Cleopas": None, "Chuza": None, "Caiaphas": None,
    "Bartholomew": "apostle", "Barabbas": None, "Annas": None,
    "Anna": "prophetess", "Andrew": "apostle", "Tiberius": None,
    "Abel": None, "Aaron": None, "Adam": None,
}
FEMALE = {"Mary", "Elisabeth", "Anna", "Martha", "Joanna", "Susanna",
          "Herodias", "Mary Magdalene"}
TWO_WORD = ["Simon Peter", "Pontius Pilate", "Tiberius Caesar",
            "Judas Iscariot", "Mary Magdalene", "Caesar Augustus"]
PLACES = {
    "Jerusalem": "city", "Nazareth": "city", "Capernaum": "city",
    "Bethlehem": "city", "Jericho": "city", "Bethsaida": "city",
    "Sidon": "city", "Tyre": "city", "Sodom": "city", "Nain": "city",
    "Chorazin": "city", "Sarepta": "city", "Nineve": "city",
    "Arimathaea": "city", "Emmaus": "village", "Bethany": "place",
    "Bethphage": "place", "Galilee": "country", "Judaea": "country",
    "Samaria": "country", "Syria": "country", "Ituraea": "region",
    "Trachonitis": "region", "Abilene": "region", "Jordan": "river",
    "Gennesaret": "lake", "Siloam": "place", "Calvary": "place",
    "Egypt": "country",
}
GROUPS = ["the angel", "the Pharisees", "the scribes", "the disciples",
          "his disciples", "the people", "the woman", "the centurion",
          "the chief priests", "the devil", "the multitude", "the lawyer",
          "the publican", "the Pharisee", "the servant", "the apostles",
          "the young man", "the ruler", "the thief", "the Lord"]
PAST = {
    "went": "go", "came": "come", "said": "say", "saw": "see",
    "took": "take", "gave": "give", "called": "call", "sent": "send",
    "returned": "return", "departed": "depart", "entered": "enter",
    "answered": "answer", "healed": "heal", "spake": "speak",
    "found": "find", "brought": "bring", "began": "begin", "told": "tell",
    "asked": "ask", "fell": "fall", "stood": "stand", "sat": "sit",
    "arose": "arise", "rose": "rise", "heard": "hear", "knew": "know",
    "left": "leave", "laid": "lay", "made": "make", "ran": "run",
    "cast": "cast", "put": "put", "cried": "cry", "turned": "turn",
    "looked": "look", "lifted": "lift", "received": "receive",
    "rebuked": "rebuke", "touched": "touch", "abode": "abide",
    "wept": "weep", "followed": "follow", "prayed": "pray",
    "taught": "teach", "preached": "preach", "charged": "charge",
    "commanded": "command", "sought": "seek", "kept": "keep",
    "marvelled": "marvel", "believed": "believe", "besought": "beseech",
    "beheld": "behold", "led": "lead", "bare": "bear", "blessed": "bless",
    "brake": "break", "drew": "draw", "delivered": "deliver",
    "stretched": "stretch", "passed": "pass", "shewed": "shew",
    "worshipped": "worship", "wrote": "write", "opened": "open",
    "glorified": "glorify", "feared": "fear", "ministered": "minister",
    "sent": "send", "girded": "gird", "washed": "wash", "buried": "bury",
    "gathered": "gather", "climbed": "climb", "hasted": "haste",
    "begged": "beg", "bowed": "bow", "saluted": "salute",
    "questioned": "question", "mocked": "mock", "smote": "smite",
    "watched": "watch", "waited": "wait", "dwelt": "dwell",
}
TRANSITIVE = {"saw", "took", "gave", "brought", "found", "heard",
              "received", "made", "laid", "cast", "put", "kept", "wrote",
              "opened", "sought", "knew", "shewed", "delivered", "called",
              "sent", "healed", "touched", "blessed", "led", "rebuked",
              "besought", "asked", "left", "beheld", "brake", "buried",
              "questioned", "mocked", "smote", "saluted"}
NUMBERS = ["two", "three", "four", "five", "six", "seven", "eight", "nine",
           "ten", "eleven", "twelve", "fifteen", "eighteen", "thirty",
           "forty", "fifty", "seventy", "hundred", "thousand"]
INTERROGATIVE = ["Is ", "Are ", "Can ", "Did ", "Was ", "Who ", "Who,", "Why ",
                 "How ", "What ", "What,", "Whom ", "When ", "Where ", "Which ",
                 "Whose ", "In wh", "Of wh", "On wh", "At wh", "To wh",
                 "Off wh", "Before wh", "By wh", "For wh", "Do you", "From wh",
                 "Into wh", "Over wh", "Unto wh", "Upon wh", "With wh",
                 "About wh", "Above wh", "Along wh", "Among wh", "Below wh",
                 "Since wh", "Under wh", "Until wh", "Across wh", "Around wh",
                 "Beside wh", "Beyond wh", "During wh", "Toward wh",
                 "Within wh", "Against wh", "Beneath wh", "Between wh",
                 "Without wh", "Through wh"]
NOT_INTERROGATIVE = ["What I ", "When I ", "When a ", "How true ", "What God ",
                     "When this ", "When he ", "When his ", "When God",
                     "When we ", "When Moses "]


def is_interrogative(q):
    if q[:1] == "w":
        q = "W" + q[1:]
    if not any(q.startswith(o) for o in INTERROGATIVE):
        return False
    return not any(q.startswith(o) for o in NOT_INTERROGATIVE)


def stable(*parts):
    return zlib.crc32("|".join(str(p) for p in parts).encode("ascii"))


# ---------------------------------------------------------------- text

def read_text():
    """The verse text of the material by chapter through the material."""
    text = {}
    for c, n in enumerate(VERSES, 1):
        book, bc = CHAPTERS[c - 1]
        out = subprocess.run(["bible", "-f", "%s%d:1-%d" % (book.name, bc, n)],
                             check=True, capture_output=True,
                             text=True).stdout
        for line in out.splitlines():
            m = re.match(r"^\d?[A-Za-z]+(\d+):(\d+) (.*)$", line)
            if m and int(m.group(1)) == bc:
                text[(c, int(m.group(2)))] = m.group(3).strip()
            elif line.strip() and text:
                last = max(text)
                text[last] += " " + line.strip()
        got = sum(1 for k in text if k[0] == c)
        if got != n:
            sys.exit("chapter %d: %d verses read, %d expected" % (c, got, n))
    for k, t in text.items():
        if not t.isascii() or "\t" in t or "*" in t or "^" in t:
            sys.exit("verse %d:%d has characters the bank cannot hold" % k)
    return text


def words(s):
    return s.split()


def strip_end(s):
    return s.rstrip(" ,;:.!?")


def cap(s):
    return s[:1].upper() + s[1:]


def lower_first(s):
    w = s.split(" ", 1)[0]
    if w in PERSONS or w in PLACES or w in ("I", "God", "Jesus"):
        return s
    return s[:1].lower() + s[1:]


def fit(s, room):
    """s cut at a word boundary so that it fits in room characters."""
    if len(s) <= room:
        return s
    cut = s[:max(0, room - 4)]
    cut = cut[:cut.rfind(" ")] if " " in cut else cut
    return strip_end(cut) + " ..."


def fragment(quote, lo=4, hi=8):
    """The opening words of a quotation, stopping at a question mark or a
    clause end once lo words are reached."""
    out = []
    for w in words(quote):
        if "?" in w:
            break
        out.append(w)
        if len(out) >= hi or (len(out) >= lo and w[-1] in ",;:."):
            break
    return strip_end(" ".join(out)) if len(out) >= 2 else None


def clauses(t):
    parts = re.split(r"(?<=[;:.!?]) |, and (?=[a-z])|, but (?=[a-z])", t)
    return [strip_end(p) for p in parts if len(words(p)) >= 3]


LEAD = r"(?:(?:And|But|Then|Now|So|For)(?:,? behold,)? )?"
NAME_RE = CAND = SPEECH = INVERTED = None   # set by name_patterns()


def person_of(name):
    return name if name in PERSONS or name in TWO_WORD else None


# ---------------------------------------------------------------- speech

PLURAL = (r"\b(?:the disciples|his disciples|the Pharisees|the scribes|the multitude|"
          r"the people|the apostles|the twelve|the chief priests|the women|the shepherds|"
          r"the soldiers|the publicans|the Sadducees|the elders)\b")
VERB = (r"\b(?:answered and said|answering said|answereth and saith|said|saith|cried|"
        r"spake|answered)")


def name_patterns():
    """The patterns that find persons, made again when a material adds some."""
    global NAME_RE, CAND, SPEECH, INVERTED
    NAME_RE = "(?:" + "|".join(TWO_WORD + sorted(PERSONS, key=len, reverse=True)) + ")"
    CAND = ("(?:" + NAME_RE + "|" + "|".join(GROUPS) +
            r"|his mother|the [a-z]+|a certain [a-z]+|certain of the [A-Z][a-z]+|he|she|they)")
    after = (r"(?P<obj> him| her| them)?(?:,? saying)?(?P<lis> (?:unto|to) (?:" + NAME_RE +
             r"|him|her|them|the [a-z]+(?: of the [a-z]+)?|his [a-z]+))?(?: all)?,"
             r"(?: saying,)? (?P<quote>[A-Z].*)$")
    SPEECH = re.compile(VERB + after)
    INVERTED = re.compile(r"\b(?:said|saith) (?P<spk>he|" + NAME_RE + r")"
                          r"(?P<lis> (?:unto|to) (?:" + NAME_RE + r"|him|her|them|the [a-z]+))?"
                          r"(?: that came [^,]*)?, (?P<quote>[A-Z].*)$")


name_patterns()


class Context:
    """Who was last named, so that "he said unto him" can be told apart."""

    def __init__(self):
        self.recent = []
        self.group = None
        self.cv = (0, 0)

    def note(self, t):
        self.recent = []          # only the verse just read is trusted
        for m in re.finditer(NAME_RE, t):
            n = m.group(0)
            if n in self.recent:
                self.recent.remove(n)
            self.recent.append(n)
        self.recent = self.recent[-6:]
        groups = re.findall(PLURAL, t)
        self.group = groups[-1] if groups else None

    def last(self, exclude=None, female=False):
        for n in reversed(self.recent):
            if n != exclude and (n in FEMALE) == female and n not in ("Satan", "Caesar"):
                return n
        return None


def speaker_before(before):
    m = re.search(r"(?P<cand>" + CAND + r")(?: answering| also| likewise)? $", before)
    if m:
        return m.group("cand")
    if re.search(r"(?:, and|\band) $", before):
        sentence = re.split(r"[.;:] ", before)[-1]
        m = re.match(LEAD + r"(?P<cand>" + CAND + r") ", sentence)
        if m:
            return m.group("cand")
    return None


def said_of(m):
    return m.group("lis") or ""


def speech(t, ctx):
    m = INVERTED.search(t)
    spk = m.group("spk") if m else None
    if not m:
        for m in SPEECH.finditer(t):
            spk = speaker_before(t[:m.start()])
            if spk:
                break
    if not m or not spk:
        return None
    said = (m.group("lis") or "").strip()
    lis = said.split(" ", 1)[1] if said else None
    if not lis and "obj" in m.groupdict() and m.group("obj"):
        lis = m.group("obj").strip()
    quote = re.split(r"\. (?=(?:And|But|Then|Now) )", m.group("quote"))[0]
    pronoun = spk in ("he", "she", "they")
    if spk in ("he", "she"):
        named = [n for n in re.findall(NAME_RE, t[:m.start()])
                 if (n in FEMALE) == (spk == "she")]
        if named:
            spk = named[-1]
        elif spk == "he" and HE_FROM is not None and ctx.cv >= HE_FROM and not re.search(
                r"(?:unto|to) his (?!disciples)", said_of(m)):
            spk = "Jesus"         # the one "he" of the narrative from here on
        else:
            spk = ctx.last(female=(spk == "she"))
    elif spk == "they":
        groups = re.findall(PLURAL, t[:m.start()])
        spk = groups[-1] if groups else ctx.group
    if lis in ("him", "her"):
        voc = re.match(r"^[A-Z][a-z]+(?: not)?, (" + NAME_RE + r")\b", quote)
        if voc:
            lis = voc.group(1)
        else:
            named = [n for n in re.findall(NAME_RE, t[:m.start()])
                     if n != spk and (n in FEMALE) == (lis == "her")]
            lis = named[-1] if named else None
    elif lis == "them":
        groups = re.findall(PLURAL, t[:m.start()])
        lis = groups[-1] if groups else ctx.group
    known = spk is not None and (not pronoun or (lis is not None and lis != spk))
    return {"spk": spk, "lis": lis, "quote": quote, "known": known,
            "pronoun": pronoun, "said": said}


ADDRESSED = [("my beloved brethren", "his beloved brethren"), ("my brethren", "his brethren"),
             ("dearly beloved", "the dearly beloved"), ("brethren", "the brethren"),
             ("beloved", "the beloved"), ("ye rich men", "the rich men"),
             ("ye adulterers and adulteresses", "the adulterers and adulteresses"),
             ("servants", "the servants"), ("ye wives", "the wives"),
             ("ye husbands", "the husbands"), ("ye younger", "the younger"),
             ("ye sinners", "the sinners")]
ADDRESS = re.compile(r"(?:^|, |; )(?P<voc>" + "|".join(a for a, _ in ADDRESSED) + r")\b(?![a-z])",
                     re.IGNORECASE)


def letter_address(c, t):
    """A verse of a letter that calls its readers by name ("My brethren"), as
    the situation its writer spoke in; None in a book that is no letter."""
    author = CHAPTERS[c - 1][0].author
    m = ADDRESS.search(t) if author else None
    if not m:
        return None
    lis = dict(ADDRESSED)[m.group("voc").lower()]
    return {"spk": author, "lis": lis, "quote": t, "known": True, "pronoun": False,
            "said": "", "wrote": True}


# ---------------------------------------------------------------- regular questions

def candidates(c, v, t, ctx, nxt):
    """Every regular question the rules find in verse c:v, as
    (rule, question, answer, reference form or None)."""
    ref = cite(c, v)
    out = []
    room = TEXT_MAX - 7

    def add(rule, q, a, reftext=None):
        q = re.sub(r"\s+", " ", q).strip()
        a = re.sub(r"\s+", " ", a).strip()
        if "?" in q[:-1] or not q.endswith("?") or not a:
            return
        if len(q) > 170:
            return
        a = fit(a.rstrip(",;: "), room - len(q) - 1)
        if any(o[1] == q for o in out):
            return
        out.append((rule, q, a, reftext))

    # Finish and quote: every verse has these.
    w = words(t)
    k = max(3, min(12, (len(w) * 2) // 5))
    k = min(k, len(w) - 1)      # leave something to finish
    asked = [i for i, x in enumerate(w) if "?" in x]
    if asked and asked[0] < k:
        k = max(2, asked[0])    # the question part may hold no question mark
    head = strip_end(" ".join(w[:k]))
    asking = stable("form", c, v) % 2 == 0   # half the verses get the asking forms
    fq = "How does this verse end: %s ...?" if asking else "Finish this verse: %s ...?"
    add("finish", fq % head, " ".join(w[k:]) if len(w) > k else t,
        "finish this: %s ...?" % head)
    qq = ("Quote %s?" if asking else "What does %s say?") % ref
    if len(t) + len(qq) + 1 <= room:
        add("quote", qq, t)

    sp = speech(t, ctx)
    if sp and len(words(sp["quote"])) >= 3:
        frag = fragment(sp["quote"])
        spk, lis = sp["spk"], sp["lis"]
        spk_txt = spk if spk and (spk in PERSONS or spk in TWO_WORD) else (spk or "")
        unto = (" unto " + lis) if lis else ""
        if frag and sp["known"] and spk:
            add("who-said", 'Who said, "%s ..."?' % frag, cap(spk_txt),
                'who said, "%s ..."?' % frag)
            if lis and lis not in ("them",):
                add("to-whom", 'To whom did %s say, "%s ..."?' % (spk_txt, frag),
                    cap(lis), 'to whom did %s say, "%s ..."?' % (spk_txt, frag))
        if sp["known"] and spk and not sp["pronoun"]:
            add("what-said", "What did %s say%s in %s?" % (spk_txt, unto, ref),
                sp["quote"], "what did %s say%s?" % (spk_txt, unto))
        else:
            said = sp["said"].strip()
            said = (" " + said) if said else ""
            if stable("said", c, v) % 2:
                add("what-said", "According to %s, what was said%s?" % (ref, said),
                    sp["quote"])
            else:
                add("what-said", "What was said%s in %s?" % (said, ref), sp["quote"])

    # A letter's words to its readers: who they were written to.
    lt = letter_address(c, t) if sp is None else None
    if lt:
        frag = fragment(t)
        if frag:
            add("to-whom", 'To whom did %s write, "%s ..."?' % (lt["spk"], frag),
                cap(lt["lis"]), 'to whom did %s write, "%s ..."?' % (lt["spk"], frag))
        sp = lt

    # Who did it: a named subject at the start of a clause.
    for cl in clauses(t):
        m = re.match(r"^" + LEAD + r"(?P<name>" + NAME_RE + r")(?P<app>, [^,]{3,40},)? "
                     r"(?P<adv>(?:also|then|again|straightway|immediately) )?"
                     r"(?P<verb>[a-z]+)(?P<rest>(?: [^ ]+)*)$", cl)
        if not m or not (m.group("verb") in PAST or m.group("verb") in
                         ("was", "had", "did", "is", "were")):
            continue
        name, verb, rest = m.group("name"), m.group("verb"), m.group("rest")
        rest = re.split(r",? saying\b|, (?=[A-Z])", rest)[0]
        if verb in ("said", "answered", "saith", "spake"):   # the speech rules ask these better
            continue
        app = m.group("app") or ""
        if len(words(rest)) < 1 or len(words(rest)) > 16:
            continue
        core = "%s %s%s%s" % (app, m.group("adv") or "", verb, rest)
        add("who", "Who%s?" % core, name, "who%s?" % core)
        cat = PERSONS.get(name)
        if cat and not app:
            add("which", "Which %s %s%s%s?" % (cat, m.group("adv") or "", verb, rest),
                name)
        base = PAST.get(verb)
        if not base:
            continue
        # Where / from what place.
        pm = re.match(r"^(?P<mid>(?: [a-z]+){0,3}?) (?P<prep>from|to|into|unto|in|out of)"
                      r" (?:the (?:city|country|coast|coasts|region) of )?"
                      r"(?P<place>[A-Z][a-z]+)", rest)
        if pm and pm.group("place") in PLACES:
            place, prep, mid = pm.group("place"), pm.group("prep"), pm.group("mid")
            kind = PLACES[place]
            if prep in ("to", "into", "unto") and stable(c, v, "where") % 2:
                add("where", "Where did %s %s%s?" % (name, base, mid), place,
                    "where did %s %s%s?" % (name, base, mid))
            else:
                p2 = {"out of": "Out of"}.get(prep, cap(prep))
                add("place", "%s what %s did %s %s%s?" % (p2, kind, name, base, mid),
                    place, "%s what %s did %s %s%s?" % (lower_first(p2), kind, name, base, mid))
        # What / whom.
        if verb in TRANSITIVE:
            obj = rest.strip()
            first = strip_end(words(obj)[0]) if obj else ""
            if first in ("him", "her", "them", "it", "me", "us", "that", "this", "not",
                         "unto", "to", "up", "down", "out", "with", "in"):
                continue
            if len(words(obj)) < 2 and first not in PERSONS:
                continue
            om = re.match(r"^(" + NAME_RE + r")\b", obj)
            if om:
                add("whom", "Whom did %s %s?" % (name, base), om.group(1),
                    "whom did %s %s?" % (name, base))
            else:
                add("what", "What did %s %s?" % (name, base), cap(obj),
                    "what did %s %s?" % (name, base))

    # Whose son.
    pairs = re.findall(r"(?:son of|([A-Z][a-z]+),? (?:which was )?the son of) ([A-Z][a-z]+)", t)
    chain = re.findall(r"the son of ([A-Z][a-z]+)", t)
    seen = set()
    for a, b in zip(chain, chain[1:]):
        if a not in seen:
            seen.add(a)
            add("whose", "Whose son was %s, according to %s?" % (a, ref), b,
                "whose son was %s?" % a)
    for a, b in pairs:
        if a and a not in seen and a in PERSONS:
            seen.add(a)
            add("whose", "Whose son was %s?" % a, b, "whose son was %s?" % a)

    # How many.
    nm = re.search(r"(?P<pre>[^;:.]*?)\b(?P<about>about )?(?P<num>(?:[Aa]n |[Aa] )?(?:" + "|".join(NUMBERS) +
                   r"))(?: (?:" + "|".join(NUMBERS) + r"))? (?P<noun>[a-z]+s|men|sheep|"
                   r"brethren|children|pence|loaves|fishes)\b(?P<post>[^;:.,]*)", t)
    if nm:
        noun = nm.group("noun")
        pre = re.sub(r"^(?:And|But|Then|Now|For|So),? ", "", nm.group("pre").strip())
        sm = re.match(r"^(?P<subj>" + NAME_RE + r"|he|she|they|we)(?: also)? "
                      r"(?P<verb>[a-z]+)(?P<mid>.*)$", pre)
        answer = cap(((nm.group("about") or "") + nm.group(0)[nm.start("num") - nm.start():
                                                              nm.end("noun") - nm.start()]))
        if sm and sm.group("verb") in PAST and sm.group("subj")[0].isupper():
            mid = re.sub(r" (?:about|for|in|of)$", "", sm.group("mid").rstrip(", "))
            add("how-many", "How many %s did %s %s%s?" % (noun, sm.group("subj"),
                                                        PAST[sm.group("verb")], mid),
                answer, "how many %s did %s %s%s?" % (noun, sm.group("subj"),
                                                    PAST[sm.group("verb")], mid))
        else:
            add("how-many", "How many %s are spoken of in %s?" % (noun, ref), answer,
                "how many %s are spoken of?" % noun)

    # Why.
    bm = re.search(r"^(?P<clause>[^;:]*?),? because (?:that )?(?P<why>[^;:.]+)", t)
    if bm:
        cl = re.sub(r"^(?:And|But|Then|Now|For|So),? ", "", bm.group("clause").strip())
        reason = bm.group("why").strip()
        if 3 <= len(words(cl)) <= 18 and not re.search(r"[?,]|\bsaid\b|\bsaying\b", cl) \
                and "?" not in reason:
            add("why", "Why does %s say that %s?" % (ref, lower_first(cl)),
                "Because " + reason,
                "why is it said that %s?" % lower_first(cl))

    # When: a verse that opens with a "when" clause.
    wm = re.match(r"^(?:And |But |Now |Then )?[Ww]hen (?P<sub>[^,;:]{5,80}), (?P<main>[^;:]+)", t)
    if wm and not re.search(r"\b(?:shall|will|ye|thou|I)\b", wm.group("sub")) and \
            re.match(r"^(?:he|she|they|there|" + NAME_RE + r"|the [a-z]+|all) (?:[a-z]+ )?[a-z]+ed\b|"
                     r"^(?:he|she|they|" + NAME_RE + r") (?:" + "|".join(PAST) + r")\b",
                     wm.group("main")):
        sub = wm.group("sub")
        add("when", "When %s, what happened?" % sub, cap(strip_end(wm.group("main"))))

    # Names in the verse.
    names = []
    for n in re.findall(NAME_RE, t):
        if n not in names:
            names.append(n)
    if len(names) >= 2:
        add("name", "Name the persons mentioned in %s?" % ref, ", ".join(names))
    places = [p for p in dict.fromkeys(re.findall(r"\b[A-Z][a-z]+\b", t)) if p in PLACES]
    if places:
        kinds = {PLACES[p] for p in places}
        what = PLACES[places[0]] if len(kinds) == 1 else "place"
        add("name-place", "Name the %s%s mentioned in %s?" %
            (what, "s" if len(places) > 1 else "", ref), ", ".join(places))
    return out, sp


# ---------------------------------------------------------------- files

def ref_prefix(c, v):
    return "%2d:%2d\t" % (c, v)


def write(path, lines):
    with open(path, "wb") as f:
        for ln in lines:
            assert ln.isascii(), ln
            f.write(ln.encode("ascii") + b"\r\n")


def regular_lists(pool, text):
    lists = {x: [] for x in "ABCD"}
    for (c, v), cands in sorted(pool.items()):
        pre = ref_prefix(c, v)
        finish = [q for q in cands if q[0] == "finish"]
        quote = [q for q in cands if q[0] == "quote"]
        others = [q for q in cands if q[0] not in ("finish", "quote")]
        ints = [q for q in others if is_interrogative(q[1])]
        nonints = [q for q in others if not is_interrogative(q[1])]
        # A: finish and quote for every verse, and up to two more, asking first.
        a = finish + quote + (ints + nonints)[:2]
        if len(a) < 2:
            a += (ints + nonints)[2:3]
        # B: a smaller selection; about half the verses get the quote.
        b = [q for q in others if stable("B", c, v, q[1]) % 100 < 60][:2]
        b += quote if stable("B", c, v) % 2 else finish
        # C: every verse has a question; extra ones only now and then.
        ci = [q for q in ints if stable("C", c, v, q[1]) % 100 < 45][:1]
        cc = ci if ci and stable("C", c, v) % 3 else finish
        if not cc:
            cc = (quote + ints + nonints)[:1]
        if stable("C2", c, v) % 5 == 0 and quote:
            cc = cc + quote
        # D: the rule questions for every verse that has them, the quote otherwise.
        d = (others[:3] if others else []) + (quote if stable("D", c, v) % 4 == 0 or not others else [])
        for x, sel in (("A", a), ("B", b), ("C", cc), ("D", d)):
            order = {id(q): i for i, q in enumerate(cands)}
            for q in sorted(sel, key=lambda q: order[id(q)]):
                lists[x].append(pre + q[1] + "\t" + q[2])
    return lists


def ref_lists(pool):
    codes = {"who": "WH", "who-said": "WH", "to-whom": "WH", "whom": "WH",
             "whose": "WH", "what": "WT", "what-said": "WT", "how-many": "HM",
             "where": "WR", "place": "WR", "why": "WY", "finish": "FN"}
    # A chapter-only question must name enough to be answered from the chapter.
    specific = {"who-said", "to-whom", "whose", "place", "why"}
    out = {"cv.b": [], "cv.c": [], "co.b": [], "co.c": []}
    for (c, v), cands in sorted(pool.items()):
        refs = [q for q in cands if q[3] and q[0] in codes]
        if not refs:
            continue
        asked = [q for q in refs if q[0] != "finish"]
        refs = asked or refs
        pre = ref_prefix(c, v)
        h = stable("ref", c, v) % 12
        # Every verse with an asking question gives one to a CV file; the
        # others give a "finish this" now and then.
        for name, pick in (("cv.b", h % 2 == 0 if asked else h in (0, 6)),
                           ("cv.c", h % 2 == 1 if asked else h in (3, 9))):
            if pick:
                q = refs[stable(name, c, v) % len(refs)]
                out[name].append("%s%s\t%s\t%s" % (pre, codes[q[0]], q[3], q[2]))
        co = [q for q in refs if q[0] in specific]
        for name, pick in (("co.b", h in (2, 5, 7, 9, 10, 0, 11)),
                           ("co.c", h in (3, 10, 0, 1, 6, 8, 4))):
            if pick and co:
                q = co[stable(name, c, v) % len(co)]
                out[name].append("%s%s\t%s\t%s" % (pre, codes[q[0]], q[3], q[2]))
    return out


def ftv_type(c, v, t, primary, quote):
    if GENEALOGY and c == GENEALOGY[0] and v >= GENEALOGY[1]:
        letter = "G"              # the genealogy
    elif re.search(r"\bI say unto (?:you|thee)\b|\bVerily\b", t) or \
            re.search(r"Jesus (?:answering )?(?:said|saith|answered)", t):
        letter = "VR"             # words of Jesus
    elif re.search(r"\b(?:said|saith|saying|answered|cried)\b", t):
        letter = "S"
    elif len(words(t)) > 40:
        letter = "L"
    else:
        letter = "N"
    kind = "Q" if quote else "F"
    pri = "P" if primary else "S"
    field = kind + pri + letter
    if quote and len(field) == 3:
        field += "1" if len(t) <= 150 else "2"
    return field


def ftv_files(text):
    prim = {k for k, t in text.items() if stable("primary", k) % 5 < 2}
    out = {}
    for pct in PRIM_VALUES:
        dd = "00" if pct == 100 else "%02d" % pct
        lines = []
        for c, n in enumerate(VERSES, 1):
            want = (n + 2) // 3
            k_p = (want * pct + 50) // 100
            # A verse of five words or fewer has no "rest of the verse".
            fit_ = [(c, v) for v in range(1, n + 1) if len(words(text[(c, v)])) > 5]
            ps = [k for k in fit_ if k in prim]
            ss = [k for k in fit_ if k not in prim]
            k_p = min(k_p, len(ps))
            k_s = min(want - k_p, len(ss))

            def spread(seq, k):
                if k <= 0:
                    return []
                return [seq[(i * len(seq)) // k] for i in range(k)]

            chosen = sorted(spread(ps, k_p) + spread(ss, k_s))
            for key in chosen:
                t = text[key]
                quote = stable("quote", key) % 4 == 0
                field = ftv_type(key[0], key[1], t, key in prim, quote)
                lines.append(ref_prefix(*key) + field + "\t" + t)
        out["FTV." + dd] = lines
    return out


def sit_lines(text, speeches):
    lines = []
    for (c, v), sp in sorted(speeches.items()):
        if not sp or not sp["known"] or len(words(sp["quote"])) < 4:
            continue
        quote = sp["quote"]
        nxt = text.get((c, v + 1))
        if nxt and re.search(r"\b(?:I|thou|ye|you|my|thy|thee)\b", nxt) and not \
                re.search(r"\b(?:said|saith|saying|answered|came to pass)\b", nxt):
            quote += " " + nxt
        spk = sp["spk"]
        answer = "*%s to %s" % (cap(spk), sp["lis"]) if sp["lis"] else "*" + cap(spk)
        ask = "Who wrote this, and to whom?" if sp.get("wrote") else "Who said this, and to whom?"
        line = '%s%s "%s" %s' % (ref_prefix(c, v), ask, quote, answer)
        if len(line) > LINE_MAX:
            line = '%s%s "%s" %s' % (ref_prefix(c, v), ask, sp["quote"], answer)
        if len(line) <= LINE_MAX:
            lines.append(line)
    return lines


# The order of a style file's lines is the field table's, in
# src/core/StyleFields.h; keep these arguments in that order.
def style(lg, bchap, bver, echap, ever, name4, lpp, out, qmax, reg, ab, ipc, indx,
          qnum, sec, rep, spmax, spmin, fmax, fmin, rmax, rmin, omax, omin, smax, smin,
          prim, early, late):
    typ = "".join("A" if early <= i <= late else "n" for i in range(1, 31))
    vals = [lg, "%d %d" % (bchap, bver), "%d %d" % (echap, ever), name4, lpp, out, qmax,
            reg, ab, ipc, indx, qnum, sec, rep, spmax, spmin, fmax, fmin, rmax, rmin,
            omax, omin, smax, smin, prim, early, late, "N", typ]
    return [str(x) for x in vals]


STYLES = {
    # Whole book, 20 questions, verse sectoring.
    "Book20": style("A", 1, 1, 24, 53, "book20", 60, "P", 20, "A", 20, 60, "N", 12,
                    "V", 10, 4, 2, 2, 0, 1, 0, 1, 0, 1, 0, 79, 3, 18),
    # Chapters 1-8 by chapter sectoring, all four specialties in every quiz.
    "Ch1to8": style("A", 1, 1, 8, 56, "ch1to8", 60, "C", 16, "B", 16, 50, "N", 10,
                    "C", 0, 5, 4, 2, 1, 1, 1, 1, 1, 1, 1, 100, 2, 15),
    # 30 questions by question sectoring over the second half of the book.
    "Quest30": style("A", 9, 1, 24, 53, "quest30", 60, "T", 30, "C", 20, 40, "N", 12,
                     "Q", 0, 6, 2, 2, 0, 2, 0, 1, 0, 1, 0, 59, 3, 28),
    # The "L" material set.
    "LSet": style("L", 1, 1, 24, 53, "lset", 60, "P", 20, "D", 20, 60, "N", 10,
                  "V", 5, 4, 2, 2, 0, 1, 0, 1, 0, 1, 0, 89, 3, 18),
}
NEW = style("A", 1, 1, 24, 53, "quiz", 60, "P", 20, "A", 20, 50, "Y", 10, "V", 0,
            3, 0, 1, 0, 1, 0, 1, 0, 1, 0, 69, 5, 17)


class Book:
    def __init__(self, letter, name, verses, author=None):
        self.author = author      # a letter's writer: who its readers hear
        self.letter = letter      # the book field's letter on the form and in packets
        self.name = name          # the book name: files, title band, and the `bible` command
        self.title = re.sub(r"^(\d)", r"\1 ", name)   # as a reference reads: "1 Peter"
        self.verses = verses


class Material:
    def __init__(self, books, l_skipped, styles, new, he_from=None, genealogy=None,
                 persons=None, female=(), places=None):
        self.books = books
        self.l_skipped = l_skipped    # chapters through the material the L set leaves out
        self.styles = styles
        self.new = new
        self.he_from = he_from        # from here on "he said" is Jesus speaking
        self.genealogy = genealogy    # where the genealogy's FTV verses begin
        self.persons = persons or {}
        self.female = set(female)
        self.places = places or {}


def whole(lg, echap, ever, name4, qnum, reg="A"):
    """A style over the whole material by verse sectoring, 20 questions."""
    return style(lg, 1, 1, echap, ever, name4, 60, "P", 20, reg, 20, 60, "N", qnum,
                 "V", 10, 4, 2, 2, 0, 1, 0, 1, 0, 1, 0, 79, 3, 18)


def new_style(echap, ever):
    return style("A", 1, 1, echap, ever, "quiz", 60, "P", 20, "A", 20, 50, "Y", 10, "V", 0,
                 3, 0, 1, 0, 1, 0, 1, 0, 1, 0, 69, 5, 17)


MATERIALS = {
    "luke": Material([Book("L", "Luke", LUKE_VERSES)], {7, 9, 10, 11, 14, 15, 16}, STYLES, NEW,
                     he_from=(3, 21), genealogy=(3, 23)),
    "james": Material(
        [Book("J", "James", [20, 26, 18, 17, 20], "James")], {4},
        {
            "Book20": whole("A", 5, 20, "book20", 8),
            # Chapters 1-3 by chapter sectoring, an FTV and a CV reference in every quiz.
            "Ch1to3": style("A", 1, 1, 3, 18, "ch1to3", 60, "C", 16, "A", 16, 50, "N", 6,
                            "C", 10, 4, 2, 2, 1, 1, 1, 1, 0, 1, 0, 100, 2, 15),
            # Question sectoring over the last three chapters.
            "Ch3to5": style("A", 3, 1, 5, 20, "ch3to5", 60, "T", 16, "A", 16, 40, "N", 6,
                            "Q", 10, 3, 1, 2, 1, 1, 0, 1, 0, 1, 0, 59, 3, 14),
            "LSet": whole("L", 5, 20, "lset", 6),
        },
        new_style(5, 20),
        persons={"Rahab": None, "Job": None}, female={"Rahab"}),
    "peter": Material(
        [Book("1", "1Peter", [25, 25, 22, 19, 14], "Peter"),
         Book("2", "2Peter", [21, 22, 18], "Peter")], {4, 7},
        {
            "Book20": whole("A", 8, 18, "book20", 10),
            # 1 Peter by chapter sectoring, an FTV and a CV reference in every quiz.
            "Peter1": style("A", 1, 1, 5, 14, "peter1", 60, "C", 16, "A", 16, 50, "N", 8,
                            "C", 10, 4, 2, 2, 1, 1, 1, 1, 0, 1, 0, 100, 2, 15),
            # 2 Peter by question sectoring.
            "Peter2": style("A", 6, 1, 8, 18, "peter2", 60, "T", 16, "A", 16, 40, "N", 6,
                            "Q", 10, 3, 1, 2, 1, 1, 0, 1, 0, 1, 0, 59, 3, 14),
            "LSet": whole("L", 8, 18, "lset", 8),
        },
        new_style(8, 18),
        persons={"Sara": None, "Noah": None, "Silvanus": "brother", "Marcus": None,
                 "Paul": "apostle", "Balaam": "prophet", "Bosor": None},
        female={"Sara"},
        places={"Pontus": "region", "Galatia": "region", "Cappadocia": "region",
                "Asia": "region", "Bithynia": "region", "Babylon": "city",
                "Gomorrha": "city"}),
}


def use(material):
    """Makes `material` the one the question rules and files work on."""
    global VERSES, CHAPTERS, HE_FROM, GENEALOGY
    VERSES = [n for b in material.books for n in b.verses]
    CHAPTERS = [(b, bc) for b in material.books for bc in range(1, len(b.verses) + 1)]
    HE_FROM, GENEALOGY = material.he_from, material.genealogy
    if material.persons or material.female:
        PERSONS.update(material.persons)
        FEMALE.update(material.female)
        name_patterns()
    PLACES.update(material.places)


def cite(c, v):
    """Verse v of chapter c through the material, as a reader writes it: "1 Peter 5:14"."""
    book, bc = CHAPTERS[c - 1]
    return "%s %d:%d" % (book.title, bc, v)


def chapter_list(chapters):
    """Chapters as a skip line writes them: "7 9-11 14-16"."""
    out, run = [], []
    for c in sorted(chapters) + [None]:
        if run and c == run[-1] + 1:
            run.append(c)
            continue
        if run:
            out.append("%d-%d" % (run[0], run[-1]) if len(run) > 1 else str(run[0]))
        run = [c]
    return " ".join(out)


def books_file(material):
    names = [b.name for b in material.books]
    first = 1
    spans = []
    for b in material.books:
        last = first + len(b.verses) - 1
        spans.append("%d-%d" % (first, last) if last > first else str(first))
        first = last + 1
    lines = ["# %s: chapters %s of the bank." % (", then ".join(names), ", then ".join(spans)),
             "# LETTER NAME and the verse count of each chapter, one book a line."]
    lines += ["%s %s %s" % (b.letter, b.name, " ".join(str(n) for n in b.verses))
              for b in material.books]
    lines += ["# The chapters (through the material) the L set leaves out.",
              "skip L " + chapter_list(material.l_skipped)]
    return lines


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--material", default="luke", choices=sorted(MATERIALS))
    ap.add_argument("--out", help="the folder to write (default data/MATERIAL)")
    args = ap.parse_args()
    material = MATERIALS[args.material]
    out_dir = args.out or os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                       "..", "data", args.material)
    use(material)
    text = read_text()
    pool, speeches = {}, {}
    ctx = None
    for c, n in enumerate(VERSES, 1):
        ctx = Context()
        for v in range(1, n + 1):
            t = text[(c, v)]
            ctx.cv = (c, v)
            cands, sp = candidates(c, v, t, ctx, text.get((c, v + 1)))
            pool[(c, v)] = cands
            speeches[(c, v)] = sp
            ctx.note(t)

    files = {}
    # Luke's count file keeps its four unused lines; a new material has none.
    files["Verses.txt"] = [str(n) for n in VERSES] + ["0"] * (4 if args.material == "luke" else 0)
    for x, lines in regular_lists(pool, text).items():
        files[material.books[0].name + "." + x] = lines
    files.update(ftv_files(text))
    files.update(ref_lists(pool))
    files["SIT.TXT"] = sit_lines(text, speeches)

    def in_l(line):
        return int(line[:2]) not in material.l_skipped

    for name in list(files):
        if name == "Verses.txt":
            continue
        lname = "llsit.txt" if name == "SIT.TXT" else "LL" + name
        files[lname] = [ln for ln in files[name] if in_l(ln)]
    if args.material != "luke":
        files["Books.txt"] = books_file(material)
    for name, lines in material.styles.items():
        files[name + ".spe"] = lines
    files["New.spe"] = material.new
    files["Specs.lst"] = list(material.styles) + ["Enter New Specs"]

    os.makedirs(out_dir, exist_ok=True)
    for name in sorted(files):
        write(os.path.join(out_dir, name), files[name])
        print("%-12s %5d lines" % (name, len(files[name])))


if __name__ == "__main__":
    main()
