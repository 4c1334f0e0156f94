#!/usr/bin/python3
"""Reads back vendrel-calc's circuit workbook with openpyxl, which did not
write it, and compares every figure with --format csv, under a comma-decimal
locale, the Windows edition's under Wine: each a number cell holding the CSV's number, shown with its decimals.
    check-workbook.py VENDREL-CALC CIRCUIT.csv [...]"""
import csv
import io
import os
import subprocess
import sys
import tempfile

import openpyxl

# Sheet heading -> CSV column, for the figures both give.
SECTION_FIGURES = {
    "流量(m³/h)": "flow", "内径(mm)": "inner_diameter", "流速(m/s)": "velocity",
    "比摩阻(mm水柱/m)": "friction_rate", "比摩阻(mm液柱/m)": "friction_rate", "比摩阻(Pa/m)": "pascals_per_metre",
    "沿程阻力(Pa)": "friction_loss", "Σζ": "zeta_total", "局部阻力(Pa)": "local_loss",
    "设备阻力(Pa)": "device_loss", "阀门阻力(Pa)": "valve_loss", "总阻力(Pa)": "total_loss",
}
BALANCE_FIGURES = {"节流比例(%)": "balance_level", "所需Kv": "kv_required", "孔板孔径(mm)": "orifice_diameter"}

failures = []


def check(sheet, figures, rows, name):
    headings = [cell.value for cell in sheet[1]]
    table = list(sheet.iter_rows(min_row=2, max_row=1 + len(rows)))
    if len(table) != len(rows):
        failures.append(f"{name}: {len(table)} rows, the CSV has {len(rows)}")
    for row, line in zip(table, rows):
        for heading, column in figures.items():
            if heading not in headings:
                continue
            cell = row[headings.index(heading)]
            text = line[column]
            if text == "":
                if cell.value not in (None, ""):
                    failures.append(f"{name} {line['管段']} {heading}: {cell.value!r} where the CSV has none")
                continue
            decimals = len(text.split(".")[1]) if "." in text else 0
            shown = cell.number_format.split('"')[0]
            if not isinstance(cell.value, (int, float)) or cell.value != float(text):
                failures.append(f"{name} {line['管段']} {heading}: {cell.value!r}, the CSV {text}")
            elif shown != ("0." + "0" * decimals if decimals else "0"):
                failures.append(f"{name} {line['管段']} {heading}: shown {cell.number_format!r} for {text}")


env = dict(os.environ, LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
# The Windows edition runs under the Wine its tests name.
program = ([os.environ["WINE"]] if sys.argv[1].endswith(".exe") else []) + [sys.argv[1]]
for circuit in sys.argv[2:]:
    run = lambda *args: subprocess.run([*program, "--circuit", circuit, *args], env=env, capture_output=True)
    listed = run("--format", "csv")
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "book.xlsx")
        made = run("--format", "xlsx", "--output", path)
        if made.returncode != listed.returncode:
            failures.append(f"{circuit}: status {made.returncode}, with csv {listed.returncode}")
        book = openpyxl.load_workbook(path)
    rows = list(csv.DictReader(io.StringIO(listed.stdout.decode("utf-8"), newline="")))
    expected = ["计算参数", "管段计算表", "环路"] + (["平衡"] if any(r["needs_balancing"] == "yes" or r["kv_required"] for r in rows) else [])
    if book.sheetnames != expected:
        failures.append(f"{circuit}: sheets {book.sheetnames}, not {expected}")
    check(book["管段计算表"], SECTION_FIGURES, rows, circuit)
    if "平衡" in book.sheetnames:
        check(book["平衡"], BALANCE_FIGURES, [r for r in rows if r["kv_required"]], circuit + " 平衡")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
