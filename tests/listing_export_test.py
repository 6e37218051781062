#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""eBay's bulk listing file as lotcraft-pages writes it, read back with Python's csv module.

  listing_export_test.py LOTCRAFT_PAGES SAMPLE_CATALOGUE
"""

import csv
import datetime
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None
SAMPLE = None

ACTION = "*Action(SiteID=US|Country=US|Currency=USD|Version=1193|CC=UTF-8)"
HEADER = [ACTION, "CustomLabel", "*Category", "*Title", "*ConditionID", "PicURL", "*Description",
          "*Format", "*Duration", "*StartPrice", "BuyItNowPrice", "*Quantity", "*Location",
          "*DispatchTimeMax", "ScheduleTime"]
SHIPPING = ["ShippingType", "ShippingService-1:Option", "ShippingService-1:Cost"]
RETURNS = ["--condition", "3000", "--dispatch-days", "2", "--returns", "accepted",
           "--shipping-service", "USPSPriority", "--shipping-cost", "4.95"]
# The line of a page that invites buyers to write to the seller, which no listing holds.
SELLER_LINES = ('      <FONT face="Arial" color=#800000 size=3>\r\n'
                '      <B>Please correspond with us at sam@example.com</B></FONT>\r\n'
                '      <font face="Arial">\r\n      <BR>\r\n      </font>\r\n')

# Each site's heading, and an amount of 1250.5 as its sellers write it.
SITES = {
    "US": ("SiteID=US|Country=US|Currency=USD", "$1,250.50"),
    "UK": ("SiteID=UK|Country=GB|Currency=GBP", "\u00a31,250.50"),
    "DE": ("SiteID=Germany|Country=DE|Currency=EUR", "1.250,50 \u20ac"),
    "AU": ("SiteID=Australia|Country=AU|Currency=AUD", "AU $1,250.50"),
    "CA": ("SiteID=Canada|Country=CA|Currency=CAD", "C $1250.50"),
    "FR": ("SiteID=France|Country=FR|Currency=EUR", "1 250,50 \u20ac"),
    "IT": ("SiteID=Italy|Country=IT|Currency=EUR", "\u20ac 1.250,50"),
    "ES": ("SiteID=Spain|Country=ES|Currency=EUR", "1250,50 EUR"),
}


def site_amount(site, amount):
    """An amount of the sample ("$1,250.00") as the site's sellers write it."""
    number = amount.lstrip("$").replace(",", "")
    whole, cents = number.split(".")
    form = SITES[site][1]
    return form.replace("1,250.50", whole + "." + cents).replace(
        "1.250,50", whole + "," + cents).replace("1 250,50", whole + "," + cents).replace(
        "1250.50", whole + "." + cents).replace("1250,50", whole + "," + cents)


def buy_it_now(price, first_bid):
    """The Buy It Now price eBay takes beside the start: at least 1.3 times it."""
    return price if price and float(price) * 100 >= float(first_bid) * 130 - 1e-6 else ""


def run(*arguments):
    return subprocess.run([PROGRAM, *arguments], capture_output=True, text=True, timeout=120)


def export(catalogue, folder, *options):
    path = os.path.join(folder, "listings.csv")
    result = run("--export-listings", path, "--location", "Leeds, UK", "--seller", "sam@example.com",
                 *(options or RETURNS), catalogue)
    rows = None
    if os.path.exists(path):
        with open(path, encoding="utf-8", newline="") as file:
            rows = list(csv.reader(file))
    return result, rows


def write_catalogue(folder, lines):
    path = os.path.join(folder, "catalogue.csv")
    with open(path, "w", encoding="utf-8", newline="") as file:
        file.write("".join(line + "\r\n" for line in lines))
    return path


def catalogue_line(item, title="Lamp", description="Brass lamp", price="$20.00",
                   first_bid="$5.00", start="Nov-25-02 10:33:39 PST",
                   end="Dec-02-02 10:33:39 PST", category="1234",
                   picture="https://i.ebayimg.com/a.jpg"):
    fields = [item, title, description, picture, price, first_bid, "", start, end, category]
    return ",".join('"' + f.replace('"', '""') + '"' for f in fields)


class SampleExport(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.result, cls.rows = export(SAMPLE, cls.folder.name)
        with open(SAMPLE, encoding="utf-8", newline="") as file:
            cls.items = list(csv.reader(file))

    def test_header_and_a_row_of_columns_per_item(self):
        self.assertEqual(self.result.returncode, 0, self.result.stderr)
        self.assertEqual(self.rows[0], HEADER + ["*ReturnsAcceptedOption", "ReturnsWithinOption",
                                                 "ShippingCostPaidByOption"] + SHIPPING)
        self.assertEqual(len(self.rows) - 1, len(self.items))
        self.assertIn("%d listings written to" % len(self.items), self.result.stdout)
        with open(os.path.join(self.folder.name, "listings.csv"), "rb") as file:
            whole = file.read()
        self.assertTrue(whole.startswith(ACTION.encode()))
        # No contact details anywhere: the seller's address is on the pages only.
        self.assertNotIn(b"@", whole)
        self.assertNotIn(b"correspond", whole)
        for item, row in zip(self.items, self.rows[1:]):
            values = dict(zip(self.rows[0], row))
            self.assertEqual(values[ACTION], "Add")
            self.assertEqual(values["CustomLabel"], item[0])
            self.assertEqual(values["*Title"], item[1])
            self.assertEqual(values["PicURL"], item[3])
            self.assertEqual(values["*Category"], item[9])
            self.assertEqual(values["*StartPrice"], item[5].lstrip("$").replace(",", ""))
            self.assertEqual(values["BuyItNowPrice"],
                             buy_it_now(item[4].lstrip("$").replace(",", ""),
                                        values["*StartPrice"]))
            self.assertEqual(
                [values[k] for k in ("*ConditionID", "*Format", "*Duration", "*Quantity",
                                     "*Location", "*DispatchTimeMax", "ScheduleTime",
                                     "*ReturnsAcceptedOption", "ReturnsWithinOption",
                                     "ShippingCostPaidByOption")] + [values[k] for k in SHIPPING],
                ["3000", "Auction", "7", "1", "Leeds, UK", "2", "", "ReturnsAccepted", "Days_30",
                 "Buyer", "Flat", "USPSPriority", "4.95"])

    def test_description_is_the_section_alone(self):
        for item, row in zip(self.items, self.rows[1:]):
            description = row[HEADER.index("*Description")]
            self.assertIn(item[2].replace("\r\n", "\n").split("\n")[0], description)
            # A description of plain text keeps its paragraphs.
            if "\n" in item[2]:
                self.assertIn("<BR>\n", description.replace("\r\n", "\n"))
            self.assertIn('src="%s"' % item[3], description)
            self.assertIn("Description </A>", description)
            self.assertNotIn("Please correspond with us", description)
            for frame in ("<HTML", "<HEAD", "<BODY", "</BODY", "<TITLE", "<META"):
                self.assertNotIn(frame, description.upper())
            # Nothing is named beside the page: the only picture is the item's own.
            self.assertEqual(re.findall(r'src="([^"]*)"', description), [item[3]])
        # Characters as themselves: the file is UTF-8, not the page's references.
        bowls = self.rows[3][HEADER.index("*Title")]
        self.assertEqual(bowls, "Café au lait bowl set (4)")
        self.assertIn("€120", self.rows[5][HEADER.index("*Description")])


class DescriptionEqualsThePage(unittest.TestCase):
    def test_every_scheme_and_layout(self):
        with tempfile.TemporaryDirectory() as folder:
            for layout in range(1, 5):
                for scheme in range(1, 20):
                    shape = ["--layout", str(layout), "--scheme", str(scheme)]
                    result, rows = export(SAMPLE, folder, *RETURNS, *shape)
                    self.assertEqual(result.returncode, 0, result.stderr)
                    pages = run("-q", "-o", folder, "--seller", "sam@example.com", "--location",
                                "Leeds, UK",
                                *shape, SAMPLE)
                    self.assertEqual(pages.returncode, 0, pages.stderr)
                    for row in rows[1:]:
                        with open(os.path.join(folder, row[1] + ".html"), "rb") as file:
                            page = file.read().decode("latin-1")
                        # The page's references for characters beyond Latin-1 stand for them.
                        page = re.sub(r"&#(\d+);", lambda m: chr(int(m.group(1))), page)
                        section = row[HEADER.index("*Description")]
                        start = page.index("<CENTER>\r\n<TABLE cellSpacing=0 border=1")
                        end = page.index("<BR>\r\n</BODY>")
                        # The page's section, but for the seller's line.
                        self.assertIn(SELLER_LINES, page[start:end])
                        self.assertEqual(section, page[start:end].replace(SELLER_LINES, ""),
                                         "layout %d, scheme %d" % (layout, scheme))


class Values(unittest.TestCase):
    def test_amounts_durations_and_schedule(self):
        future = datetime.datetime.now(datetime.timezone.utc) + datetime.timedelta(days=10)
        start = future.strftime("%Y-%m-%d 18:00")
        end = (future + datetime.timedelta(days=10)).strftime("%Y-%m-%d 18:00")
        lines = [
            # 1.25 times the start is no Buy It Now price eBay takes; 1.3 times is.
            catalogue_line("A1", price="$1,250.00", first_bid="US $1,000.50"),
            catalogue_line("A7", price="$13.00", first_bid="$10"),
            catalogue_line("A2", price="$4.00", first_bid="$5.00"),
            catalogue_line("A3", start=start + "Z", end=end + "Z"),
            catalogue_line("A4", start="2026-12-20 18:00 PST", end="2026-12-23 18:00 PST"),
            catalogue_line("A5", start="Nov-01-02 10:00:00 PST", end="Nov-06-02 10:00:00 PST"),
            # Two digits are 1970 to 2069: 99 is 1999, long past, so nothing is scheduled.
            catalogue_line("A6", start="Dec-01-99 10:00:00 PST", end="Dec-06-99 10:00:00 PST"),
        ]
        with tempfile.TemporaryDirectory() as folder:
            result, rows = export(write_catalogue(folder, lines), folder)
        self.assertEqual(result.returncode, 0, result.stderr)
        values = {row[1]: dict(zip(rows[0], row)) for row in rows[1:]}
        self.assertEqual((values["A1"]["*StartPrice"], values["A1"]["BuyItNowPrice"]),
                         ("1000.50", ""))
        self.assertIn('Row 1, item "A1": warning: The price "$1,250.00" is less than 1.3 times',
                      result.stderr)
        self.assertEqual((values["A7"]["*StartPrice"], values["A7"]["BuyItNowPrice"]),
                         ("10", "13.00"))
        # A price not above the first bid gives no Buy It Now price, and a warning.
        self.assertEqual(values["A2"]["BuyItNowPrice"], "")
        self.assertIn('Row 3, item "A2": warning:', result.stderr)
        self.assertEqual(values["A3"]["*Duration"], "10")
        self.assertEqual(values["A3"]["ScheduleTime"], future.strftime("%Y-%m-%d 18:00:00"))
        self.assertEqual(values["A4"]["*Duration"], "3")
        self.assertEqual(values["A5"]["*Duration"], "5")
        self.assertEqual(values["A5"]["ScheduleTime"], "")
        self.assertEqual((values["A6"]["*Duration"], values["A6"]["ScheduleTime"]), ("5", ""))

    def test_kept_columns_give_each_row_its_own_values(self):
        future = datetime.datetime.now(datetime.timezone.utc) + datetime.timedelta(days=3)
        start = future.strftime("%Y-%m-%d 18:00Z")
        lines = ["Item number,Title,Description,Image,Price,First bid,Started,Ends,Category,"
                 "*C:Brand,Quantity,Format,Notes",
                 ",".join(["K1", "Lamp", "Brass lamp", "https://i.ebayimg.com/a.jpg", "$20.00",
                           "$5.00", start, "", "1234", "Acme", "5", "FixedPrice", "keep dry"]),
                 ",".join(["K2", "Clock", "Wall clock", "https://i.ebayimg.com/b.jpg", "$40.00",
                           "$10.00", "Nov-25-02 10:33:39 PST", "Dec-02-02 10:33:39 PST", "1234",
                           "", "", "", ""])]
        with tempfile.TemporaryDirectory() as folder:
            catalogue = write_catalogue(folder, lines)
            result, rows = export(catalogue, folder)
            category = os.path.join(folder, "template.csv")
            with open(category, "w", encoding="utf-8-sig", newline="") as file:
                file.write("#INFO,Version=1.0.0\r\n*Action(SiteID=US),*Category,*C:Brand,"
                           "*C:Type\r\n#INFO,Enter the item specifics\r\n")
            checked = run("--export-listings", os.path.join(folder, "checked.csv"), "--check",
                          "--location", "Leeds", "--listing-template", category, *RETURNS,
                          catalogue)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(rows[0][-1], "C:Brand")
        self.assertNotIn("Notes", rows[0])
        self.assertEqual([row[1] for row in rows[1:]], ["K1"])
        values = dict(zip(rows[0], rows[1]))
        self.assertEqual([values[k] for k in ("*Format", "*StartPrice", "BuyItNowPrice",
                                              "*Duration", "*Quantity", "ScheduleTime",
                                              "C:Brand")],
                         ["FixedPrice", "20.00", "", "GTC", "5",
                          future.strftime("%Y-%m-%d 18:00:00"), "Acme"])
        self.assertIn('Row 2, item "K2": error: The item specific C:Brand is empty',
                      result.stderr)
        # The template's required specific the catalogue lacks is named in each row.
        self.assertEqual(checked.returncode, 1, checked.stderr)
        self.assertIn("added the template's item specifics the catalogue has no column of, "
                      "empty in every row: *C:Type.", checked.stderr)
        self.assertIn('Row 2, item "K2": error: The item specific C:Brand is empty',
                      checked.stdout)
        for row in ("K1", "K2"):
            self.assertIn('item "%s": error: The item specific C:Type is empty' % row,
                          checked.stdout)

    def test_awkward_texts_round_trip(self):
        title = 'Vase, "Ming" style, blue — 青花瓷 Ваза'
        description = 'Line one, with a comma\nLine "two"\n東京の夏'
        with tempfile.TemporaryDirectory() as folder:
            path = write_catalogue(folder, [catalogue_line("Z9", title=title,
                                                           description=description)])
            result, rows = export(path, folder)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(rows[1][HEADER.index("*Title")], title)
        self.assertIn(description.replace("\n", "<BR>\n"), rows[1][HEADER.index("*Description")])

    def test_policies_in_place_of_returns(self):
        with tempfile.TemporaryDirectory() as folder:
            result, rows = export(SAMPLE, folder, "--condition", "1000", "--dispatch-days", "1",
                                  "--shipping-profile", "Post", "--return-profile", "30 days",
                                  "--payment-profile", "PayPal")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(rows[0][len(HEADER):],
                         ["ShippingProfileName", "ReturnProfileName", "PaymentProfileName"])
        self.assertEqual(rows[1][len(HEADER):], ["Post", "30 days", "PayPal"])

    def test_options_eBay_would_not_take_are_usage_errors(self):
        for options in (["--condition", "3000", "--dispatch-days", "2"],
                        ["--condition", "3000", "--dispatch-days", "2", "--returns", "maybe"],
                        ["--condition", "new", "--dispatch-days", "2", "--returns", "accepted"],
                        ["--condition", "3000", "--dispatch-days", "45", "--returns", "accepted"],
                        ["--condition", "3000", "--dispatch-days", "2", "--returns", "accepted",
                         "--shipping-profile", "Post"],
                        ["--condition", "3000", "--dispatch-days", "2",
                         "--shipping-profile", "Post"]):
            with tempfile.TemporaryDirectory() as folder:
                result, rows = export(SAMPLE, folder, *options)
                self.assertEqual(result.returncode, 2, options)
                self.assertIsNone(rows, options)


class Sites(unittest.TestCase):
    def test_each_site_takes_its_own_amounts(self):
        with open(SAMPLE, encoding="utf-8", newline="") as file:
            items = list(csv.reader(file))
        for site, (heading, _) in SITES.items():
            with tempfile.TemporaryDirectory() as folder:
                path = os.path.join(folder, "catalogue.csv")
                with open(path, "w", encoding="utf-8", newline="") as file:
                    writer = csv.writer(file, lineterminator="\r\n")
                    for item in items:
                        writer.writerow(item[:4] + [site_amount(site, a) if a else ""
                                                    for a in item[4:6]] + item[6:])
                result, rows = export(path, folder, *RETURNS[:6], "--site", site,
                                      "--shipping-service", "Standard", "--shipping-cost", "0")
                self.assertEqual(result.returncode, 0, site + result.stderr)
                self.assertEqual(rows[0][0], "*Action(%s|Version=1193|CC=UTF-8)" % heading)
                self.assertEqual(len(rows), 1 + len(items))
                for item, row in zip(items, rows[1:]):
                    self.assertEqual(row[HEADER.index("*StartPrice")],
                                     item[5].lstrip("$").replace(",", ""), site)
                # The sample's own amounts are dollars: on a site of another currency every
                # row is refused, naming both.
                if site in ("US", "AU", "CA"):
                    continue
                result, rows = export(SAMPLE, folder, *RETURNS[:6], "--site", site,
                                      "--shipping-service", "Standard", "--shipping-cost", "0")
                self.assertEqual(result.returncode, 1, site)
                self.assertIn('The first bid "$60.00" is in dollars; this export is for eBay',
                              result.stderr)


class Refusals(unittest.TestCase):
    def test_rows_in_error_are_left_out_and_named(self):
        lines = [catalogue_line("B1"),
                 catalogue_line("B2", description="<script>steal()</script>"),
                 catalogue_line("B3", category="Lamps"),
                 catalogue_line("B4")]
        with tempfile.TemporaryDirectory() as folder:
            result, rows = export(write_catalogue(folder, lines), folder)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual([row[1] for row in rows[1:]], ["B1", "B4"])
        self.assertIn('Row 2, item "B2": error:', result.stderr)
        self.assertIn("<script", result.stderr)
        self.assertIn('Row 3, item "B3": error:', result.stderr)
        self.assertIn("2 listings written to", result.stdout)
        self.assertIn("rows 2 and 3 left out", result.stdout)
        # With no row left, nothing is written at all.
        with tempfile.TemporaryDirectory() as folder:
            result, rows = export(write_catalogue(folder, lines[1:3]), folder)
        self.assertEqual(result.returncode, 1)
        self.assertIsNone(rows)
        self.assertIn("no file has been written", result.stderr)

    def test_the_catalogue_is_never_written_over(self):
        with tempfile.TemporaryDirectory() as folder:
            catalogue = write_catalogue(folder, [catalogue_line("D1")])
            with open(catalogue, "rb") as file:
                before = file.read()
            link = os.path.join(folder, "link.csv")
            os.symlink(catalogue, link)
            for target in (catalogue, link):
                result = run("--export-listings", target, *RETURNS, catalogue)
                self.assertEqual(result.returncode, 2, target)
                self.assertIn("would replace the catalogue", result.stderr)
            with open(catalogue, "rb") as file:
                self.assertEqual(file.read(), before)

    def test_a_read_only_folder_leaves_no_file(self):
        with tempfile.TemporaryDirectory() as folder:
            os.chmod(folder, 0o755)
            # Root writes into any folder: the program runs as nobody where the test is root,
            # from a copy that nobody may run.
            program, sample = os.path.join(folder, "lotcraft-pages"), os.path.join(folder, "s.csv")
            for source, copy in ((PROGRAM, program), (SAMPLE, sample)):
                with open(source, "rb") as read, open(copy, "wb") as write:
                    write.write(read.read())
            os.chmod(program, 0o755)
            closed = os.path.join(folder, "closed")
            os.mkdir(closed, 0o555)
            command = [program, "--export-listings", os.path.join(closed, "listings.csv"),
                       *RETURNS, sample]
            if os.geteuid() == 0:
                command = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                           *command]
            # From a folder nobody may enter: the current folder must be one it can see.
            result = subprocess.run(command, capture_output=True, text=True, timeout=60,
                                    cwd=folder)
            self.assertEqual(result.returncode, 1, result.stderr)
            self.assertIn("the listing file cannot be", result.stderr)
            self.assertEqual(os.listdir(closed), [])

    def test_what_killed_exports_left_is_cleared_and_nothing_else(self):
        with tempfile.TemporaryDirectory() as folder:
            catalogue = write_catalogue(folder, [catalogue_line("K%d" % n) for n in range(4000)])
            # An export killed while it writes leaves nothing under a name of its own.
            process = subprocess.Popen([PROGRAM, "--export-listings",
                                        os.path.join(folder, "listings.csv"), *RETURNS,
                                        catalogue], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            time.sleep(0.05)
            process.kill()
            process.wait()
            # The kill may come after the file got its name and before the program ended: a
            # file under the name is then the whole export, never a part of one.
            left = sorted(os.listdir(folder))
            if process.returncode == 0 or "listings.csv" in left:
                self.assertEqual(left, ["catalogue.csv", "listings.csv"])
                with open(os.path.join(folder, "listings.csv"), newline="",
                          encoding="utf-8") as exported:
                    self.assertEqual(len(list(csv.reader(exported))), 4001)
                os.remove(os.path.join(folder, "listings.csv"))
            else:
                self.assertEqual(left, ["catalogue.csv"])
            # What killed exports of this and of earlier versions left: a hidden file no
            # writer holds, and a temporary as Qt names them, an hour old, holding the start of
            # a listing file. Whatever else is there is the seller's and stays.
            old = time.time() - 2 * 60 * 60
            files = {".lotcraft-99999-1": (b"half a page", None),
                     "listings.csv.QdLofN": (b"*Action(SiteID=US", old),
                     "listings.csv.backup": (b"*Action(SiteID=US", old),
                     "listings.csv.PiXnpw": (b"*Action(SiteID=US", None),
                     "listings.csv.sIHNRo": (b"my own notes", old)}
            for name, (data, when) in files.items():
                with open(os.path.join(folder, name), "wb") as file:
                    file.write(data)
                if when:
                    os.utime(os.path.join(folder, name), (when, when))
            result, rows = export(catalogue, folder)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(len(rows), 4001)
            self.assertEqual(sorted(os.listdir(folder)),
                             ["catalogue.csv", "listings.csv", "listings.csv.PiXnpw",
                              "listings.csv.backup", "listings.csv.sIHNRo"])

    @unittest.skipUnless(os.geteuid() == 0, "mounting a small disk needs root")
    def test_a_full_disk_leaves_the_file_that_was_there(self):
        with tempfile.TemporaryDirectory() as folder:
            if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=12k", "lotcraft-test",
                               folder]).returncode != 0:
                self.skipTest("no tmpfs can be mounted here")
            try:
                target = os.path.join(folder, "listings.csv")
                with open(target, "wb") as file:
                    file.write(b"the listings of last week")
                result = run("--export-listings", target, *RETURNS, SAMPLE)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn("the listing file cannot be", result.stderr)
                self.assertEqual(os.listdir(folder), ["listings.csv"])
                with open(target, "rb") as file:
                    self.assertEqual(file.read(), b"the listings of last week")
            finally:
                subprocess.run(["umount", "-l", folder])


if __name__ == "__main__":
    PROGRAM, SAMPLE = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=1)
