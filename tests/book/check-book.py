#!/usr/bin/python3
"""Checks vendrel-calc's calculation book with Poppler's tools and qpdf, which
did not write it: page sizes and count, fonts embedded as subsets, the text a
reader finds, every word on its page, the file's size.
With a second vendrel-calc (the Windows edition's, under $WINE), each
book's text must also be the first one's.
    check-book.py VENDREL-CALC EXAMPLES-FOLDER [OTHER-VENDREL-CALC]"""
import os
import re
import subprocess
import sys
import tempfile

A4 = (595.276, 841.89)
failures = []


def run(*command, **kw):
    return subprocess.run(command, capture_output=True, text=True, **kw)


def calc_command(calc):
    return ([os.environ["WINE"]] if calc.endswith(".exe") else []) + [calc]


def book_text(calc, circuit, folder):
    """The book's text as pdftotext finds it, written to standard output."""
    pdf = os.path.join(folder, "other.pdf")
    with open(pdf, "wb") as out:
        subprocess.run(calc_command(calc) + ["--circuit", "-", "--format", "pdf"], stdin=open(circuit, "rb"),
                       stdout=out, stderr=subprocess.DEVNULL)
    return run("pdftotext", "-raw", pdf, "-").stdout


def long_circuit(folder):
    """A 200-character project name and section id, and an index circuit
    through 1,000 sections in a chain: texts that must wrap or elide."""
    name = "某某大厦空调水系统" * 22 + "甲"
    lines = [f"工程名称,{name[:200]}", "设计,张三", "管道系列,sch40", "管材,steel-closed", "水温(°C),10",
             "管段,起点,终点,流量(m³/h),长度(m),公称直径,管件,设备阻力(kPa)"]
    lines.append("供水" * 100 + ",P,N0,10,5,DN50,elbow90,0")
    for s in range(1, 999):
        lines.append(f"S{s},N{s - 1},N{s},10,5,DN50,,0")
    lines.append("R,N998,Q,10,5,DN50,,20")
    path = os.path.join(folder, "long.csv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    return path, name[:200]


def check_book(calc, other, name, circuit, pages, landscape, texts, max_bytes):
    with tempfile.TemporaryDirectory() as out:
        pdf = os.path.join(out, "book.pdf")
        made = run(calc, "--circuit", circuit, "--format", "pdf", "--output", pdf)
        if not os.path.exists(pdf):
            failures.append(f"{name}: no book ({made.returncode}): {made.stderr.strip()}")
            return
        size = os.path.getsize(pdf)
        if size > max_bytes:
            failures.append(f"{name}: {size} bytes, more than {max_bytes}")
        checked = run("qpdf", "--check", pdf)
        if checked.returncode != 0:
            failures.append(f"{name}: qpdf --check: {checked.stdout.strip()} {checked.stderr.strip()}")
        info = run("pdfinfo", "-f", "1", "-l", "9999", pdf).stdout
        count = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
        if pages is not None and count != pages:
            failures.append(f"{name}: {count} pages, not {pages}")
        sizes = [tuple(float(v) for v in m) for m in re.findall(r"^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+)", info, re.M)]
        for p, (w, h) in enumerate(sizes, 1):
            wide = w > h if landscape is None else p in landscape
            want = (A4[1], A4[0]) if wide else A4
            if abs(w - want[0]) > 0.01 or abs(h - want[1]) > 0.01:
                failures.append(f"{name}: page {p} is {w} x {h}, not A4 {'landscape' if wide else 'portrait'}")
        fonts = run("pdffonts", pdf).stdout.splitlines()[2:]
        if not fonts:
            failures.append(f"{name}: no fonts")
        for line in fonts:
            fields = line.split()
            # name type... encoding emb sub uni object generation
            emb, sub, uni = fields[-5], fields[-4], fields[-3]
            if (emb, sub, uni) != ("yes", "yes", "yes") or not re.match(r"[A-Z]{6}\+", fields[0]):
                failures.append(f"{name}: font {fields[0]} embedded {emb}, subset {sub}, Unicode {uni}")
        text = run("pdftotext", "-raw", pdf, "-").stdout
        if other and book_text(other, circuit, out) != text:
            failures.append(f"{name}: {other}'s book does not say what {calc}'s says")
        for want in texts + [f"第 1 页 共 {count} 页", f"第 {count} 页 共 {count} 页"]:
            if want not in text.replace("\n", ""):
                failures.append(f"{name}: {want!r} is not in the text")
        # Every word inside its page, 10 pt clear of the edges.
        bbox = run("pdftotext", "-bbox", pdf, "-").stdout
        for p, page in enumerate(re.findall(r"<page (.*?)</page>", bbox, re.S), 1):
            w, h = (float(v) for v in re.search(r'width="([\d.]+)" height="([\d.]+)"', page).groups())
            for box in re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">', page):
                x0, y0, x1, y1 = (float(v) for v in box)
                if x0 < 10 or y0 < 10 or x1 > w - 10 or y1 > h - 10:
                    failures.append(f"{name}: page {p} has a word at {box}, off the page")
                    break


def main():
    calc, examples = sys.argv[1], sys.argv[2]
    other = sys.argv[3] if len(sys.argv) > 3 else None
    with tempfile.TemporaryDirectory() as folder:
        long_path, project = long_circuit(folder)
        books = [
            # name, circuit, pages, its landscape pages (None: any page may be), texts, most bytes
            ("example", os.path.join(examples, "circuit.csv"), 4, {3},
             ["水力计算书", "G1", "T4", "R0", "56767.9", "最不利环路", "水泵扬程", "管段计算表", "平衡", "ΔPv", "×10⁻⁶ m²/s",
              "Re ≥ 10⁵", "说明与警告"], 300_000),
            ("glycol", os.path.join(examples, "circuit-glycol.csv"), None, {3},
             ["乙二醇", "冰点", "Melinder", "负荷", "最不利环路"], 300_000),
            ("two risers", os.path.join(examples, "circuit-two-risers.csv"), None, None, ["富余压头"], 300_000),
            ("long texts", long_path, None, None, [project[:20], "S998", "第 2 页"], 5_000_000),
        ]
        for book in books:
            check_book(calc, other, *book)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
