#!/usr/bin/env python3
"""Prints one full sheet of labels with Tagora and with gLabels and checks both.

For each sheet named on the command line ("BRAND PART" of the glabels-data
library, "BRAND PART@N" for a job from label N) it writes a book of as many
cards as the sheet has labels, prints it with `tagora labels --template`,
prints the same cards with glabels-3-batch from a generated .glabels project
on the same template that merges a CSV file, reads every word of both PDFs
back with `pdftotext -bbox` and checks, against the label rectangles
computed here from the template file:

- inside: each card's words lie wholly inside its label's rectangle, and
  every word on the label is the card's own text;
- order: card k is on the k-th label from the start label on, across and
  then down, sheet after sheet, in both.

Prints one line per sheet and exits 1 when a Tagora label has a word outside
its rectangle or the two orders differ, 2 when a sheet could not be checked.

Usage: bench/compare_glabels.py TAGORA LIBRARY_FOLDER WORK_FOLDER SHEET...
"""

import csv
import functools
import os
import pathlib
import re
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ET

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tools"))
from make_sample import CARDS, card_line, encode_cp932  # noqa: E402

POINTS_PER = {"pt": 1.0, "in": 72.0, "mm": 72 / 25.4, "cm": 720 / 25.4, "pc": 12.0}
# Labels of one row may sit a hair apart in the files' rounded numbers.
SAME_ROW_PT = 0.05 * POINTS_PER["mm"]
# A word may touch its label's edge: pdftotext rounds to hundredths of a point.
EDGE_PT = 0.02
GLABELS_NS = "http://glabels.org/xmlns/3.0/"


def points(length):
    """A template length ("86.4mm", "2.625in", "181.4") in points."""
    match = re.fullmatch(r"\s*([-+0-9.eE]+)\s*([a-z]*)\s*", length or "")
    if not match:
        raise ValueError(f"not a length: {length!r}")
    return float(match.group(1)) * POINTS_PER[match.group(2) or "pt"]


def load_templates(folder):
    """Every template of the library: name key -> (element, file), with the
    borrowed ones (equiv=) given their original's element under their part."""
    templates, borrowed = {}, []
    for path in sorted(pathlib.Path(folder).glob("*-templates.xml")):
        for element in ET.parse(path).getroot().iter("Template"):
            key = f"{element.get('brand')} {element.get('part')}".lower()
            if element.get("equiv"):
                borrowed.append((key, element, path))
            else:
                templates.setdefault(key, (element, path))
    for key, element, path in borrowed:
        original = templates.get(f"{element.get('brand')} {element.get('equiv')}".lower())
        if original and key not in templates:
            copy = ET.fromstring(ET.tostring(original[0]))
            copy.set("part", element.get("part"))
            templates[key] = (copy, path)
    return templates


def label_rects(template):
    """Every label (x, y, w, h) in points from the paper's top-left corner,
    across and then down over the whole sheet."""
    shape = template.find("Label-rectangle")
    if shape is None:
        raise ValueError("not a rectangle-label template")
    width, height = points(shape.get("width")), points(shape.get("height"))
    rects = []
    for layout in shape.findall("Layout"):
        x0, y0 = points(layout.get("x0")), points(layout.get("y0"))
        dx, dy = points(layout.get("dx")), points(layout.get("dy"))
        for row in range(int(layout.get("ny"))):
            for column in range(int(layout.get("nx"))):
                rects.append((x0 + column * dx, y0 + row * dy, width, height))

    def across_then_down(a, b):
        if abs(a[1] - b[1]) > SAME_ROW_PT:
            return -1 if a[1] < b[1] else 1
        return (a[0] > b[0]) - (a[0] < b[0])

    return sorted(rects, key=functools.cmp_to_key(across_then_down))


def postal_code(card_number):
    return f"100-{card_number:04d}"


def make_cards(count):
    """count cards of the sample book, each with a postal code of its own
    that names it, no code and 様."""
    full = [card for card in CARDS if card[4]]
    cards = []
    for number in range(1, count + 1):
        name, address1, address2, address3 = full[(number - 1) % len(full)][:4]
        cards.append((name, address1, address2, address3, postal_code(number), "", "0"))
    return cards


def normal(text):
    """Text as compared: compatibility forms folded, no spaces."""
    return re.sub(r"\s+", "", unicodedata.normalize("NFKC", text))


def card_text(card):
    name, address1, address2, address3, postal = card[:5]
    return normal(f"〒{postal}{address1}{address2}{address3}{name}様")


def glabels_document(template, rects, csv_path):
    """A .glabels project on template: one text object per label merging
    the CSV's postal, address and name columns."""
    ET.register_namespace("", GLABELS_NS)
    ns = f"{{{GLABELS_NS}}}"
    document = ET.Element(ns + "Glabels-document")
    copy = ET.fromstring(ET.tostring(template))
    for element in copy.iter():
        element.tag = ns + element.tag
        if "_description" in element.attrib:
            element.set("description", element.attrib.pop("_description"))
    document.append(copy)
    objects = ET.SubElement(document, ns + "Objects", id="0", rotate="False")
    width, height = rects[0][2], rects[0][3]
    margin = min(4.0, width / 20, height / 20)
    # Five lines, the longest of 26 characters, must fit in the label.
    size = max(3.0, min(9.0, (height - 2 * margin) / (5 * 1.3), (width - 2 * margin) / 26))
    text = ET.SubElement(objects, ns + "Object-text", x=f"{margin}pt", y=f"{margin}pt",
                         w=f"{width - 2 * margin}pt", h=f"{height - 2 * margin}pt", justify="Left",
                         valign="Top", auto_shrink="False", wrap="none", a0="1", a1="0", a2="0",
                         a3="1", a4="0", a5="0", shadow="False")
    span = ET.SubElement(text, ns + "Span", color="0xff", font_family="IPAexGothic",
                         font_size=f"{size:.1f}", font_weight="Regular", font_italic="False",
                         line_spacing="1")
    previous = None
    for field, before, after in [("postal", "〒", ""), ("address1", "", ""), ("address2", "", ""),
                                 ("address3", "", ""), ("name", "", " 様")]:
        if previous is None:
            span.text = before
        else:
            ET.SubElement(span, ns + "NL").tail = before
        previous = ET.SubElement(span, ns + "Field", name=field)
        previous.tail = after
    ET.SubElement(document, ns + "Merge", type="Text/Comma/Line1Keys", src=str(csv_path))
    return ET.ElementTree(document)


def pdf_words(pdf):
    """Words of each page: (xMin, yMin, xMax, yMax, text), points from the
    page's top-left corner."""
    xhtml = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True, capture_output=True,
                           text=True).stdout
    pages = []
    for page in xhtml.split("<page ")[1:]:
        words = []
        for match in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                                 r'yMax="([\d.]+)">([^<]*)</word>', page):
            box = tuple(float(value) for value in match.groups()[:4])
            text = match.group(5).replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">")
            words.append(box + (text,))
        pages.append(words)
    return pages


def check_labels(pages, rects, cards):
    """(labels inside, labels outside, card on each label of each page (0:
    none), faults, the nearest a word comes to its label's edge in mm): a
    label is inside when it holds one card's postal code and every word
    whose middle lies on it is wholly inside it and part of that card's
    text."""
    inside = outside = 0
    order, faults = [], []
    nearest = float("inf")
    for page, words in enumerate(pages, 1):
        on_label = [[] for _ in rects]
        for word in words:
            middle_x, middle_y = (word[0] + word[2]) / 2, (word[1] + word[3]) / 2
            for index, (x, y, w, h) in enumerate(rects):
                if x <= middle_x <= x + w and y <= middle_y <= y + h:
                    on_label[index].append(word)
                    break
            else:
                faults.append(f"page {page}: '{word[4]}' at ({word[0]:.1f},{word[1]:.1f}) pt is on no label")
        for index, ((x, y, w, h), found) in enumerate(zip(rects, on_label)):
            if not found:
                order.append(0)
                continue
            codes = re.findall(r"100-?(\d{4})", normal("".join(word[4] for word in found)))
            card = int(codes[0]) if len(codes) == 1 and 0 < int(codes[0]) <= len(cards) else 0
            order.append(card)
            bad = [] if card else ["no single postal code"]
            for word in found:
                over = max(x - word[0], y - word[1], word[2] - (x + w), word[3] - (y + h))
                nearest = min(nearest, -over)
                if over > EDGE_PT:
                    bad.append(f"'{word[4]}' {over / POINTS_PER['mm']:.2f} mm over the edge")
                elif card and normal(word[4]) not in card_text(cards[card - 1]):
                    bad.append(f"'{word[4]}' is not card {card}'s text")
            if bad:
                outside += 1
                faults.append(f"page {page} label {index + 1}: " + "; ".join(bad))
            else:
                inside += 1
    return inside, outside, order, faults, nearest / POINTS_PER["mm"]


def expected_order(label_count, card_count, start):
    """Card on each label of each page when card_count cards fill the
    labels from label start on: 0 for a label left empty."""
    order = [0] * (start - 1) + list(range(1, card_count + 1))
    return order + [0] * (-len(order) % label_count)


def run(command, **options):
    result = subprocess.run(command, capture_output=True, text=True, timeout=300, **options)
    return result.returncode, (result.stderr.strip() or result.stdout.strip()).splitlines()[-1:]


def compare(argument, templates, tagora, work):
    """One sheet, "BRAND PART" or "BRAND PART@N" for a job from label N:
    (line, True when Tagora is sound, True when checked)."""
    name, _, start_text = argument.partition("@")
    start = int(start_text or 1)
    found = templates.get(" ".join(name.split()).lower())
    if not found:
        return f"{name}: not in the library", False, False
    template, source = found
    rects = label_rects(template)
    cards = make_cards(len(rects))
    folder = work / re.sub(r"\W+", "-", argument)
    folder.mkdir(parents=True, exist_ok=True)
    book, csv_path = folder / "book.dat", folder / "cards.csv"
    book.write_bytes(encode_cp932("".join(card_line(card) for card in cards)))
    with open(csv_path, "w", encoding="utf-8", newline="") as file:
        writer = csv.writer(file, quoting=csv.QUOTE_ALL, lineterminator="\n")
        writer.writerow(["name", "address1", "address2", "address3", "postal"])
        writer.writerows(card[:5] for card in cards)
    project = folder / "cards.glabels"
    glabels_document(template, rects, csv_path).write(project, encoding="utf-8", xml_declaration=True)

    environment = dict(os.environ, LANG="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    (folder / "home").mkdir(exist_ok=True)
    results = {}
    for program, command in [
        ("tagora", [tagora, "--home", str(folder / "home"), "labels", str(book), "--template", name,
                    "--start", str(start), "-o", str(folder / "tagora.pdf")]),
        # glabels-3-batch needs no display.
        ("glabels", ["glabels-3-batch", "-f", str(start), "-o", str(folder / "glabels.pdf"), str(project)]),
    ]:
        status, last = run(command, env=environment)
        pdf = folder / f"{program}.pdf"
        if status != 0 or not pdf.exists():
            results[program] = f"{program} failed ({status}): {' '.join(last)}"
            continue
        pages = pdf_words(pdf)
        results[program] = check_labels(pages, rects, cards) + (len(pages),)

    head = f"{name:<22} {source.name:<28} {len(rects):3d} labels" + (f" from {start}" if start > 1 else "")
    if isinstance(results["tagora"], str):
        return f"{head}  {results['tagora']}", False, False
    parts, faults = [head], []
    for program in ("tagora", "glabels"):
        result = results[program]
        if isinstance(result, str):
            parts.append(result)
            continue
        inside, outside, order, program_faults, nearest, pages = result
        parts.append(f"{program} {inside} in/{outside} out (edge {nearest:.1f} mm"
                     + (f", {pages} pages)" if pages != 1 else ")"))
        faults += [f"    {program} {fault}" for fault in program_faults[:6]]
    tagora_order = results["tagora"][2]
    expected = expected_order(len(rects), len(cards), start)
    if isinstance(results["glabels"], str):
        same = "order " + ("as expected" if tagora_order == expected else "WRONG")
    else:
        same = "order " + ("same" if results["glabels"][2] == tagora_order == expected else "DIFFERENT")
    parts.append(same)
    sound = results["tagora"][1] == 0 and "WRONG" not in same and "DIFFERENT" not in same
    return "  ".join(parts) + "".join("\n" + fault for fault in faults), sound, True


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    tagora, library, work = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
    templates = load_templates(library)
    all_sound = all_checked = True
    for name in sys.argv[4:]:
        line, sound, checked = compare(name, templates, tagora, work)
        print(line, flush=True)
        all_sound &= sound
        all_checked &= checked
    sys.exit(0 if all_sound and all_checked else 1 if all_checked else 2)


if __name__ == "__main__":
    main()
