#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Catalogues passed between Lotcraft and LibreOffice Calc, with every cell checked.

  catalogue_interop_test.py SOFFICE CATALOGUE_CELLS

1. A spreadsheet made here (flat XML) is saved as CSV by LibreOffice and read by Lotcraft;
   so is one whose last column (Category) is empty in every row, which Calc saves with nine
   fields a line, and which Lotcraft reads as one item a line.
2. A catalogue saved by Lotcraft is opened by LibreOffice (every column as text) and saved as
   a flat XML spreadsheet, whose cells are read here, and as CSV, which Lotcraft reads.
3. One CSV opened by LibreOffice (numbers, amounts, dates and times recognised) and saved as
   .ods and as .xlsx: Lotcraft's spreadsheet reader shows the same cells from both; read as
   catalogues, both give the records of Calc's own CSV of the sheet, and neither is written.

catalogue-cells is Lotcraft's own reader and writer with the records as JSON, and its
spreadsheet reader with the rows of the first sheet.
"""

import csv
import json
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
TEXT = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"

# Comma, double quote, UTF-8, from line 1; on export every text cell is quoted (without it
# a cell's leading blanks are written bare, and a catalogue drops blanks before a field).
EXPORT = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true"
# The same in Windows-1252, the character set Calc offers first on a Western European system.
EXPORT_1252 = EXPORT.replace(",76,", ",1,")
# On import every one of the ten columns is text, so "007" and "$1.50" stay as typed.
IMPORT = "Text - txt - csv (StarCalc):44,34,76,1," + "/".join(
    f"{column}/2" for column in range(1, 11)) + ",0,false,false"

# What sellers type: quoted text, commas, line breaks inside cells, accented letters, euro.
SPREADSHEET_ROWS = [
    [1001, 'Victorian brass carriage clock', 'Eight-day movement, keeps good time.\n'
     'Comes with its original key.', 'https://i.ebayimg.com/images/clock.jpg', '$145.00',
     '$60.00', '', 'Nov-25-02 10:33:39 PST', 'Dec-02-02 10:33:39 PST', '13850'],
    [1002, 'The "Café Rouge" poster, 1920s', 'Colour lithograph — mint.\n\nFramed: 50 × 70 cm',
     '', '€120', '€80,50', 'spare', '', '', '550'],
    ['007', '  two leading blanks', 'trailing blank ', '"all quoted"', 'a""b', ',', '\n',
     'Zürich, Île-de-France, Øresund, ñ', '<b>bold</b> & <i>more</i>', 'x\ty'],
]

# A sheet whose Category column is empty in every row: Calc leaves the column out.
SHORT_ROWS = [
    [1001, 'Brass clock, eight-day', 'Keeps good time.\nWith its key.',
     'https://i.ebayimg.com/images/clock.jpg', '$145.00', '$60.00', '', 'Nov-25-02 10:33:39 PST',
     'Dec-02-02 10:33:39 PST', ''],
    [1002, 'Café poster', '"Mint"', '', '€120', '€80,50', 'spare', '', 'Dec-09-02', ''],
    [1003, 'Pen', 'Gold nib', 'pen.jpg', '$30', '$10', '', 'Nov-26-02', 'Dec-03-02', ''],
]

# A CSV that Calc opens in a US locale with its special numbers recognised: amounts become
# currency cells, dates and times date cells, shares percentages; the rest stays text.
SHEET_CSV_FILTER = "CSV:44,34,76,1,,1033,false,true"
SHEET_ROWS = [
    ['Item', 'Title', 'Description', 'Price', 'Start', 'Ends', 'Share', 'Count'],
    ['1001', 'Victorian brass carriage clock', 'Eight-day movement.\nComes with its key.',
     '$145.00', '2002-11-25', '11/25/2002 10:33', '12.5%', '1001'],
    ['1002', 'The "Café Rouge" poster, 1920s', 'Colour lithograph — mint.\n\nFramed: 50 × 70 cm',
     '€80,50', '12/3/2024', '10:33:39', '-3%', '0.1'],
    ['1003', 'Zürich, Île-de-France, Øresund, ñ', 'long ' * 8000, '-$5.25', 'Nov 25, 2002',
     '3:05 PM', '100%', '145.5'],
    [''] * 8,
    ['1004', '  two leading blanks', 'a\tb', '$1,234.50', '2024-02-29', '23:59', '0.5%', '-2'],
]
# The columns whose cells Calc shows as typed: texts, amounts and numbers.
SHEET_AS_TYPED = (0, 1, 2, 3, 7)
# The most characters an Excel cell holds: LibreOffice cuts longer texts when it saves .xlsx.
EXCEL_CELL_LIMIT = 32767

# What Lotcraft saves, including line breaks as its window writes them (CR LF) and texts that
# Calc would take for numbers, dates or formulas in a column that is not text.
CATALOGUE_ROWS = [[str(v) for v in row] for row in SPREADSHEET_ROWS[:2]] + [
    ['1003', ' one leading blank', 'Line one\r\nLine two', 'say "hi"', '€5,00', 'tab\there',
     'Déjà vu', 'a,b,"c"', 'end ', '99'],
    ['1004', '=1+1', '+44 113 496 0000', '-5', '1/2', '12:30', '1e5', '0.10', 'TRUE', '7'],
    ['1005'] + [''] * 8 + ['7'],
]


def cell_xml(value):
    if isinstance(value, int):
        return (f'<table:table-cell office:value-type="float" office:value="{value}">'
                f'<text:p>{value}</text:p></table:table-cell>')
    if value == '':
        return '<table:table-cell/>'
    paragraphs = []
    for line in value.split('\n'):
        out, i = [], 0
        while i < len(line):
            if line[i] == ' ' and (i == 0 or line[i - 1] == ' ' or i == len(line) - 1):
                # Blanks that XML would fold: at the start, at the end, or in a row.
                j = i
                while j < len(line) and line[j] == ' ':
                    j += 1
                out.append(f'<text:s text:c="{j - i}"/>')
                i = j
            else:
                out.append(escape(line[i], {'"': '&quot;'}))
                i += 1
        paragraphs.append('<text:p>' + ''.join(out) + '</text:p>')
    return '<table:table-cell office:value-type="string">' + ''.join(paragraphs) + \
        '</table:table-cell>'


def write_spreadsheet(name, rows):
    body = ''.join('<table:table-row>' + ''.join(cell_xml(v) for v in row) + '</table:table-row>'
                   for row in rows)
    with open(name, 'w', encoding='utf-8') as out:
        out.write(
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<office:document xmlns:office="{OFFICE}" xmlns:table="{TABLE}" '
            f'xmlns:text="{TEXT}" office:version="1.2" '
            'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
            '<office:body><office:spreadsheet><table:table table:name="Catalogue">'
            f'{body}</table:table></office:spreadsheet></office:body></office:document>')


def paragraph_text(element):
    parts = [element.text or '']
    for child in element:
        if child.tag == f'{{{TEXT}}}s':
            parts.append(' ' * int(child.get(f'{{{TEXT}}}c', '1')))
        elif child.tag == f'{{{TEXT}}}tab':
            parts.append('\t')
        elif child.tag == f'{{{TEXT}}}line-break':
            parts.append('\n')
        else:
            parts.append(paragraph_text(child))
        parts.append(child.tail or '')
    return ''.join(parts)


def read_spreadsheet(name):
    """The cells of the first sheet, as texts, without the empty cells and rows at its end."""
    table = ET.parse(name).getroot().find(f'.//{{{TABLE}}}table')
    rows = []
    for row in table.iter(f'{{{TABLE}}}table-row'):
        cells = []
        for cell in row:
            if cell.tag not in (f'{{{TABLE}}}table-cell', f'{{{TABLE}}}covered-table-cell'):
                continue
            text = '\n'.join(paragraph_text(p) for p in cell.findall(f'{{{TEXT}}}p'))
            cells += [text] * int(cell.get(f'{{{TABLE}}}number-columns-repeated', '1'))
        while cells and cells[-1] == '':
            cells.pop()
        rows += [cells] * int(row.get(f'{{{TABLE}}}number-rows-repeated', '1'))
    while rows and not rows[-1]:
        rows.pop()
    return rows


class Tools:
    def __init__(self, soffice, cells, work):
        self.soffice, self.cells, self.work = soffice, cells, work
        self.profile = 'file://' + os.path.join(work, 'profile')

    def convert(self, source, target_format, infilter=None):
        out = os.path.join(self.work, 'converted')
        command = [self.soffice, '--headless', '--norestore',
                   f'-env:UserInstallation={self.profile}', '--convert-to', target_format,
                   '--outdir', out, source]
        if infilter:
            command[1:1] = [f'--infilter={infilter}']
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=300)
        stem = os.path.splitext(os.path.basename(source))[0]
        name = os.path.join(out, stem + '.' + target_format.split(':')[0])
        if not os.path.exists(name):
            raise AssertionError(f'LibreOffice wrote no {name}')
        return name

    def read(self, catalogue):
        return self.read_with_notices(catalogue)[0]

    def read_with_notices(self, catalogue):
        done = subprocess.run([self.cells, 'read', catalogue], capture_output=True, text=True)
        if done.returncode != 0:
            raise AssertionError(f'Lotcraft cannot read {catalogue}: {done.stderr}')
        return json.loads(done.stdout), done.stderr.splitlines()

    def sheet(self, spreadsheet):
        done = subprocess.run([self.cells, 'sheet', spreadsheet], capture_output=True, text=True)
        if done.returncode != 0:
            raise AssertionError(f'Lotcraft cannot read {spreadsheet}: {done.stderr}')
        return json.loads(done.stdout)

    def write(self, catalogue, rows):
        subprocess.run([self.cells, 'write', catalogue], input=json.dumps(rows), text=True,
                       check=True)


def compare(what, got, expected):
    failures = []
    if len(got) != len(expected):
        failures.append(f'{what}: {len(got)} records, expected {len(expected)}')
    for r, (got_row, row) in enumerate(zip(got, expected), 1):
        for c, (got_cell, cell) in enumerate(zip(got_row, row), 1):
            if got_cell != cell:
                failures.append(f'{what}: record {r} field {c}: {got_cell!r}, expected {cell!r}')
        if len(got_row) != len(row):
            failures.append(f'{what}: record {r} has {len(got_row)} fields, expected {len(row)}')
    return failures


def main():
    soffice, cells = sys.argv[1], sys.argv[2]
    failures = []
    with tempfile.TemporaryDirectory(prefix='lotcraft-interop-') as work:
        tools = Tools(soffice, cells, work)

        # 1. Calc's CSV opens in Lotcraft with every cell right.
        sheet = os.path.join(work, 'from-calc.fods')
        write_spreadsheet(sheet, SPREADSHEET_ROWS)
        expected = [[str(v) for v in row] for row in SPREADSHEET_ROWS]
        for what, export in (('UTF-8', EXPORT), ('Windows-1252', EXPORT_1252)):
            from_calc = tools.convert(sheet, export)
            failures += compare(f'Calc ({what}) to Lotcraft', tools.read(from_calc), expected)

        # Calc's CSV of a sheet whose last column is empty: nine fields a line, one item each.
        short_sheet = os.path.join(work, 'no-category.fods')
        write_spreadsheet(short_sheet, SHORT_ROWS)
        from_calc = tools.convert(short_sheet, EXPORT)
        with open(from_calc, newline='', encoding='utf-8') as exported:
            widths = {len(row) for row in csv.reader(exported)}
        if widths != {9}:
            failures.append(f'Calc wrote lines of {sorted(widths)} fields, not 9: the test no '
                            'longer shows short lines')
        records, notices = tools.read_with_notices(from_calc)
        failures += compare('Calc without Category to Lotcraft', records,
                            [[str(v) for v in row] for row in SHORT_ROWS])
        if not any('holds 9 fields, not 10' in notice for notice in notices):
            failures.append(f'no notice of the short lines: {notices}')

        # 2. Lotcraft's catalogue opens in Calc with the same cells, and saved again by Calc
        # it opens in Lotcraft with them. Calc keeps a line break as a new paragraph, so a CR LF
        # inside a cell comes back as LF.
        catalogue = os.path.join(work, 'from-lotcraft.csv')
        tools.write(catalogue, CATALOGUE_ROWS)
        in_calc = [[v.replace('\r\n', '\n') for v in row] for row in CATALOGUE_ROWS]
        calc_sheet = tools.convert(catalogue, 'fods', IMPORT)
        got = read_spreadsheet(calc_sheet)
        failures += compare('Lotcraft to Calc', [row + [''] * (10 - len(row)) for row in got],
                            in_calc)
        back = tools.convert(catalogue, EXPORT, IMPORT)
        failures += compare('Lotcraft to Calc and back', tools.read(back), in_calc)

        # 3. The same sheet saved as .ods and as .xlsx reads to the same rows.
        csv_sheet = os.path.join(work, 'sheet.csv')
        with open(csv_sheet, 'w', newline='', encoding='utf-8') as out:
            csv.writer(out).writerows(SHEET_ROWS)
        from_ods = tools.sheet(tools.convert(csv_sheet, 'ods', SHEET_CSV_FILTER))
        from_xlsx = tools.sheet(tools.convert(csv_sheet, 'xlsx', SHEET_CSV_FILTER))
        typed = [[cell if c in SHEET_AS_TYPED else None for c, cell in enumerate(row)]
                 for row in SHEET_ROWS[:4]] + [[]] + [
                [cell if c in SHEET_AS_TYPED else None for c, cell in enumerate(SHEET_ROWS[5])]]
        shown = [[None if want is None else cell for cell, want in zip(row, typed_row)]
                 for row, typed_row in zip(from_ods, typed)]
        failures += compare('Calc .ods to Lotcraft, cells as typed', shown, typed)
        long_cell = SHEET_ROWS[3][2]
        if len(from_xlsx) > 3 and len(from_xlsx[3]) > 2:
            if from_xlsx[3][2] != long_cell[:EXCEL_CELL_LIMIT]:
                failures.append(f'Calc .xlsx to Lotcraft: the long cell has '
                                f'{len(from_xlsx[3][2])} characters, not the first '
                                f'{EXCEL_CELL_LIMIT} of it')
            from_xlsx[3][2] = long_cell
        failures += compare('Calc .ods and .xlsx to Lotcraft', from_xlsx, from_ods)

        # 4. Those sheets as catalogues, with a heading: the .ods, the .xlsx and Calc's own
        # CSV of the same sheet open to the same records, and neither spreadsheet is written.
        heading = ['Item number', 'Title', 'Description', 'Image', 'Price', 'First bid', 'Spare',
                   'Started', 'Ends', 'Category']
        catalogue_sheet = os.path.join(work, 'catalogue-sheet.csv')
        with open(catalogue_sheet, 'w', newline='', encoding='utf-8') as out:
            # Calc's CSV export drops a tab from a cell, which both spreadsheets keep.
            csv.writer(out).writerows([heading] + [
                [r[0], r[1], r[2].replace('\t', ' '), '', r[3], '', '', r[4], r[5], r[7]]
                for r in SHEET_ROWS[1:]])
        ods = tools.convert(catalogue_sheet, 'ods', SHEET_CSV_FILTER)
        xlsx = tools.convert(catalogue_sheet, 'xlsx', SHEET_CSV_FILTER)
        kept = {name: open(name, 'rb').read() for name in (ods, xlsx)}
        from_csv = tools.read(tools.convert(ods, EXPORT))
        records = {name: tools.read(name) for name in (ods, xlsx)}
        if len(records[xlsx]) > 2 and records[xlsx][2][2] == long_cell[:EXCEL_CELL_LIMIT]:
            records[xlsx][2][2] = long_cell
        failures += compare('Calc .ods as a catalogue', records[ods], from_csv)
        failures += compare('Calc .xlsx as a catalogue', records[xlsx], from_csv)
        if len(from_csv) != len(SHEET_ROWS) - 1:
            failures.append(f'{len(from_csv)} records from the sheet, not {len(SHEET_ROWS) - 1}')
        for name, before in kept.items():
            if open(name, 'rb').read() != before:
                failures.append(f'{os.path.basename(name)} was written')

    for failure in failures:
        print(failure)
    if failures:
        return 1
    print('every cell agrees')
    return 0


if __name__ == '__main__':
    sys.exit(main())
