#!/usr/bin/python3
"""The browser edition's page in a real browser (Debian's headless Chromium
through chromedriver), against the native vantrel-cli:

  page_test.py --site SITE --cli VANTREL_CLI --source SOURCE_DIR TEST

TEST is one of: calculate, files, search, print, offline. Each starts its own
static server on a free port and its own browser, and exits non-zero on the
first difference.
"""

import argparse
import base64
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import traceback

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

WORKED_EXAMPLE = {"Beam": "W 21x44", "Column": "W 14x90", "Length": "30.00"}
WHITE = "rgb(255, 255, 255)"


class Failure(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(site):
    """A static server on a free port of the loopback address."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(profile, downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--no-first-run", "--user-data-dir=" + profile,
                     "--window-size=1400,1000", "--allow-file-access-from-files"]:
        options.add_argument(argument)
    service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
    driver = webdriver.Chrome(service=service, options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": downloads})
    return driver


def wait_for(driver, script, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = driver.execute_script("return " + script)
        if value:
            return value
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


def open_page(driver, url):
    driver.get(url)
    wait_for(driver, "document.body.dataset.ready === 'true'", "the page to load")


def cli(args, source, *cli_args):
    run = subprocess.run([args.cli] + list(cli_args), capture_output=True, cwd=source)
    return run


def cli_json(args, inputs):
    sets = []
    for name, text in inputs.items():
        sets += ["--set", name + "=" + text]
    run = cli(args, args.source, "calc", *sets, "--json")
    return json.loads(run.stdout), run.returncode


def refusal_of(args, name, text):
    """The field's message, as vantrel-cli's --set refuses the same text."""
    run = cli(args, args.source, "calc", "--set", name + "=" + text)
    expect(run.returncode == 2, "vantrel-cli accepts %s=%s" % (name, text))
    line = run.stderr.decode().strip().splitlines()[-1]
    return line.split("--set %s: " % name, 1)[1]


TABLE_SCRIPT = """
const table = document.getElementById(arguments[0]);
return [...table.rows].map((row) => [...row.cells].map((c) => {
  const style = getComputedStyle(c);
  return [c.textContent, style.backgroundColor, style.visibility];
}));
"""


def colour(hex_colour):
    return "rgb(%d, %d, %d)" % tuple(int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))


def shown_colour(css):
    return WHITE if css == "rgba(0, 0, 0, 0)" else css


def check_grids(driver, expected):
    for grid in ("summary", "parameters", "checks"):
        rows = driver.execute_script(TABLE_SCRIPT, "grid-" + grid)
        want = expected["grids"][grid]
        expect(len(rows) <= len(want), grid + ": more rows than calc --json")
        for r, row in enumerate(rows):
            got = [(text, shown_colour(css)) for text, css, _ in row]
            expect(got == [(c["text"], colour(c["color"])) for c in want[r]],
                   "%s row %d: %s, calc --json has %s" % (grid, r, got, want[r]))
            expect(all(v == "visible" for _, _, v in row), "%s row %d hidden" % (grid, r))
        for r in range(len(rows), len(want)):
            expect(all(c["text"] == "" for c in want[r]), "%s row %d left out" % (grid, r))


def check_current_code(driver, expected):
    rows = driver.execute_script("""
      return [...document.querySelectorAll('#aisc358-items tbody tr')].map((tr) =>
        [tr.dataset.id || null, [...tr.cells].map((c) => c.textContent),
         getComputedStyle(tr.cells[tr.cells.length - 1 > 3 ? 4 : 0]).backgroundColor]);""")
    items = [row for row in rows if row[0] is not None]
    if expected["aisc358"] is None:
        expect(not rows, "current-code rows shown after an error")
        return
    want = expected["aisc358"]["items"]
    expect([row[0] for row in items] == [item["id"] for item in want],
           "current-code items differ from calc --json")
    status_colours = {"pass": "rgb(0, 255, 0)", "fail": "rgb(255, 0, 0)"}
    for (item_id, cells, css), item in zip(items, want):
        expect(cells[4] == item["status"], "%s status %s, calc --json %s"
               % (item_id, cells[4], item["status"]))
        if item["status"] in status_colours:
            expect(css == status_colours[item["status"]], item_id + " status colour " + css)
    verdict = driver.find_element(By.ID, "aisc358-verdict").text
    expect(verdict != "", "no current-code verdict")


def check_labels(driver, expected):
    for key in ("Labela", "Labelb", "Labelc", "Labelr", "LabelLength", "Labelbeam"):
        shown = driver.execute_script(
            "return document.getElementById(arguments[0]).textContent", "diagram-" + key)
        expect(shown == expected["labels"][key], "diagram %s: %r, calc --json %r"
               % (key, shown, expected["labels"][key]))
    width = driver.find_element(By.ID, "LblBeamWidth").text
    expect(width == expected["labels"]["LblBeamWidth"], "beam width label " + width)


def check_design(driver, args, inputs):
    expected, status = cli_json(args, inputs)
    wait_for(driver, "document.getElementById('results').dataset.state !== 'refused'",
             "a result")
    state = driver.find_element(By.ID, "results").get_attribute("data-state")
    expect(state == ("errored" if expected["errors"] else "calculated"), "results state " + state)
    shown_status = driver.find_element(By.ID, "results").get_attribute("data-status")
    expect(shown_status == str(status), "status %s, vantrel-cli %d" % (shown_status, status))
    check_grids(driver, expected)
    check_labels(driver, expected)
    check_current_code(driver, expected)
    return expected


def type_into(driver, name, text, leave=True):
    field = driver.find_element(By.ID, name)
    field.click()
    field.send_keys(Keys.CONTROL, "a")
    field.send_keys(Keys.BACKSPACE)
    field.send_keys(text)
    if leave:
        field.send_keys(Keys.TAB)


CONTROLS_SCRIPT = """
const labelled = (el) => {
  if (el.tagName === 'BUTTON' || el.tagName === 'A') return el.textContent.trim() !== '';
  const ids = (el.getAttribute('aria-labelledby') || '').split(' ').filter(Boolean);
  return [...el.labels].map((l) => l.textContent)
      .concat(ids.map((id) => document.getElementById(id).textContent))
      .some((text) => text.trim() !== '');
};
return [...document.querySelectorAll('input, select, button, a[href]')]
    .filter((el) => !el.disabled && !el.hidden && el.closest('[hidden]') === null)
    .map((el) => [el.id || el.textContent, labelled(el)]);
"""


def check_keyboard(driver):
    """Every control has a visible label and Tab reaches it."""
    controls = driver.execute_script(CONTROLS_SCRIPT)
    unlabelled = [name for name, labelled in controls if not labelled]
    expect(not unlabelled, "controls without a label: %s" % unlabelled)
    driver.execute_script("document.activeElement.blur()")
    reached = set()
    for _ in range(len(controls) + 5):
        webdriver.ActionChains(driver).send_keys(Keys.TAB).perform()
        reached.add(driver.execute_script(
            "const el = document.activeElement; return el.id || el.textContent"))
    missed = [name for name, _ in controls if name not in reached]
    expect(not missed, "Tab does not reach %s" % missed)


def test_calculate(args, driver, base, downloads):
    """Typing the worked example, a change, a refused text, erroring designs."""
    open_page(driver, base + "index.html")
    check_keyboard(driver)
    for name, text in WORKED_EXAMPLE.items():
        type_into(driver, name, text)
    expect(driver.find_element(By.ID, "Length").get_attribute("value") == "30.00",
           "the length is not formatted when left")
    check_design(driver, args, WORKED_EXAMPLE)

    # The link of the design on screen opens the same design.
    link = driver.find_element(By.ID, "design-link").get_attribute("href")
    changed = dict(WORKED_EXAMPLE, DistDL1="1.500", ColumnAxialLoad="250.000")
    type_into(driver, "DistDL1", "1.5")
    type_into(driver, "ColumnAxialLoad", "250")
    driver.find_element(By.ID, "ColumnAbove").click()
    changed["ColumnAbove"] = "Yes"
    check_design(driver, args, changed)
    open_page(driver, link)
    check_design(driver, args, WORKED_EXAMPLE)

    # A refused text shows its message beside the field and no result; while
    # typing, before the field is left.
    for name, text in (("Length", "51"), ("Length", "1.2.3"), ("ORA", "99")):
        type_into(driver, name, text, leave=False)
        message = driver.find_element(By.ID, name + "-refusal").text
        expect(message == refusal_of(args, name, text), "%s=%s shows %r" % (name, text, message))
        expect(driver.find_element(By.ID, "results").get_attribute("data-state") == "refused",
               "a result is shown for " + text)
        for grid in ("summary", "parameters", "checks"):
            rows = driver.execute_script(TABLE_SCRIPT, "grid-" + grid)[1:]
            expect(all(v == "hidden" for row in rows for _, _, v in row),
                   "values shown in %s for %s=%s" % (grid, name, text))
        type_into(driver, name, {"Length": "30", "ORA": "0"}[name])
    check_design(driver, args, dict(WORKED_EXAMPLE, ORA="0.000"))

    # Erroring designs show their errors above the results and no values.
    for name, text, shown, start in (("Length", "3", "3.00", "30"), ("Height", "0", "0.000", "8")):
        type_into(driver, name, text)
        expected = check_design(driver, args, dict(WORKED_EXAMPLE, **{name: shown}))
        shown = driver.find_element(By.ID, "errors").text
        for error in expected["errors"]:
            expect(error["procedure"] in shown and error["description"] in shown,
                   "error %s not shown: %r" % (error, shown))
        type_into(driver, name, start)


def downloaded(downloads, name, seconds=20):
    path = os.path.join(downloads, name)
    deadline = time.time() + seconds
    while time.time() < deadline:
        if os.path.exists(path) and not os.path.exists(path + ".crdownload"):
            with open(path, "rb") as f:
                return f.read()
        time.sleep(0.05)
    raise Failure(name + " was not downloaded")


def test_files(args, driver, base, downloads):
    """A desktop .vtl opened and saved back, a design from the address, batch."""
    open_page(driver, base + "index.html")
    vtl = os.path.join(args.source, "examples", "worked-example-loaded.vtl")
    driver.find_element(By.ID, "open-file").send_keys(vtl)
    wait_for(driver, "document.getElementById('title').textContent.endsWith('.vtl')", "the file")
    opened = subprocess.run([args.cli, "calc", vtl, "--json"], capture_output=True)
    expected = json.loads(opened.stdout)
    check_grids(driver, expected)
    driver.find_element(By.ID, "save-design").click()
    with open(vtl, "rb") as f:
        expect(downloaded(downloads, "worked-example-loaded.vtl") == f.read(),
               "the saved file differs from the opened one")

    # A file dropped on the page opens as well.
    dropped = os.path.join(args.source, "examples", "omrf-frame.vtl")
    with open(dropped, "rb") as f:
        content = base64.b64encode(f.read()).decode()
    driver.execute_script("""
      const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
      const transfer = new DataTransfer();
      transfer.items.add(new File([bytes], 'omrf-frame.vtl'));
      document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
    """, content)
    wait_for(driver, "document.getElementById('title').textContent.endsWith('omrf-frame.vtl')",
             "the dropped file")
    check_grids(driver, json.loads(subprocess.run([args.cli, "calc", dropped, "--json"],
                                                  capture_output=True).stdout))

    open_page(driver, base + "index.html?Beam=W%2021x44&Column=W%2014x90&Length=30")
    check_design(driver, args, {"Beam": "W 21x44", "Column": "W 14x90", "Length": "30"})
    # An address whose texts the fields refuse shows why, and no result.
    open_page(driver, base + "index.html?Beam=W%2099x1&Length=60&FRAMETYPE=XMRF")
    for name, text in (("Beam", "W 99x1"), ("Length", "60"), ("FRAMETYPE", "XMRF")):
        message = driver.find_element(By.ID, name + "-refusal").text
        expect(message == refusal_of(args, name, text), "%s=%s shows %r" % (name, text, message))
    expect(driver.find_element(By.ID, "results").get_attribute("data-state") == "refused",
           "a result is shown for a refused address")

    csv = os.path.join(args.source, "tests", "fixtures", "calc", "batch-in.csv")
    driver.find_element(By.ID, "batch-file").send_keys(csv)
    results = downloaded(downloads, "batch-in-results.csv")
    native = subprocess.run([args.cli, "batch", csv], capture_output=True)
    expect(results == native.stdout, "the batch results differ from vantrel-cli batch")


def shown_designs(driver):
    return driver.execute_script("""
      const table = document.getElementById('search-designs');
      return [[...table.tHead.rows[0].cells].map((c) => c.textContent),
              [...table.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent))];""")


def test_search(args, driver, base, downloads):
    """Find Designs in the worker against vantrel-cli search --json."""
    open_page(driver, base + "index.html?Beam=W%2021x44&Column=W%2014x90&Length=30&DistDL1=1")
    for code, no_doublers in (("both", False), ("fema350", True)):
        driver.find_element(By.CSS_SELECTOR, "#search-code option[value='%s']" % code).click()
        box = driver.find_element(By.ID, "search-no-doublers")
        if box.is_selected() != no_doublers:
            box.click()
        driver.execute_script("document.getElementById('search-designs').dataset.state = ''")
        # The search runs in the worker: the button returns at once and the
        # page answers an edit while the search goes on.
        state, typed = driver.execute_script("""
          document.getElementById('search-start').click();
          const state = document.getElementById('search-designs').dataset.state;
          const start = performance.now();
          document.getElementById('Description').value = 'x';
          document.getElementById('Description').dispatchEvent(new Event('input', {bubbles: true}));
          return [state, performance.now() - start];""")
        expect(state == "searching", "the search ran on the page's thread: " + repr(state))
        expect(typed < 50, "an edit took %.0f ms during the search" % typed)
        wait_for(driver, "document.getElementById('search-designs').dataset.state === 'done'",
                 "the search", 60)
        cli_args = ["search", "--set", "Beam=W 21x44", "--set", "Column=W 14x90", "--set",
                    "Length=30", "--set", "DistDL1=1", "--set", "Description=x", "--code", code,
                    "--json"] + (["--no-doublers"] if no_doublers else [])
        native = json.loads(cli(args, args.source, *cli_args).stdout)
        # A hundred at a time, lightest first; the first three hundred compared.
        status = driver.find_element(By.ID, "search-status").text
        expect(" %d designs pass." % len(native["designs"]) in status, "search status " + status)
        header, rows = shown_designs(driver)
        expect(len(rows) == min(100, len(native["designs"])) > 0,
               "%d designs listed of %d" % (len(rows), len(native["designs"])))
        for _ in range(2):
            driver.find_element(By.ID, "search-more").click()
        header, rows = shown_designs(driver)
        expect(len(rows) == min(300, len(native["designs"])),
               "%d designs listed after two more" % len(rows))
        caveat = driver.find_element(By.ID, "search-caveat").is_displayed()
        expect(caveat == (code == "fema350"), "the FEMA 350 caveat shown: %s" % caveat)
        expect(len(header) == len(native["designs"][0]) + 1, "search columns " + str(header))
        # The texts stand for the numbers vantrel-cli writes, rounded as shown.
        for row, design in zip(rows, native["designs"]):
            for (key, value), text in zip(design.items(), row):
                if isinstance(value, bool):
                    same = text == ("pass" if value else "fail") if key == "Aisc358Pass" else \
                        text == ("required" if value else "no")
                elif value is None:
                    same = text == "-"
                elif isinstance(value, (int, float)):
                    decimals = len(text.partition(".")[2])
                    same = abs(float(text) - value) <= 0.5 * 10 ** -decimals + 1e-9
                else:
                    same = text == value
                expect(same, "%s/%s %s: %r, vantrel-cli %r"
                       % (design["Beam"], design["Column"], key, text, value))
    # Choosing a listed pair loads it.
    first = native["designs"][0]
    driver.find_element(By.CSS_SELECTOR, "#search-designs tbody tr button").click()
    check_design(driver, args, {"Beam": first["Beam"], "Column": first["Column"], "Length": "30",
                                "DistDL1": "1", "Description": "x"})


def pdf_pages(pdf_path):
    """The words of each page, without the footer's page numbers and date."""
    text = subprocess.run(["pdftotext", "-layout", pdf_path, "-"], capture_output=True,
                          check=True).stdout.decode()
    text = re.sub(r"Page \d+ of \d+|\d{4}-\d{2}-\d{2} \d{2}:\d{2}", "", text)
    pages = text.split("\f")
    if pages and not pages[-1].strip():
        pages.pop()
    return [sorted(page.split()) for page in pages]


def test_print(args, driver, base, downloads):
    """The report printed to PDF: the desktop report's pages, word for word."""
    open_page(driver, base + "index.html")
    vtl = os.path.join(args.source, "examples", "worked-example-loaded.vtl")
    driver.find_element(By.ID, "open-file").send_keys(vtl)
    wait_for(driver, "document.getElementById('title').textContent.endsWith('.vtl')", "the file")
    wait_for(driver, "document.getElementById('report').dataset.ready === 'true'", "the report")
    printed = driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True,
                                                         "printBackground": True})
    browser_pdf = os.path.join(downloads, "browser.pdf")
    with open(browser_pdf, "wb") as f:
        f.write(base64.b64decode(printed["data"]))
    desktop_pdf = os.path.join(downloads, "desktop.pdf")
    if not os.access(args.cli, os.X_OK) or cli(args, args.source, "report", vtl, "-o",
                                                desktop_pdf).returncode != 0:
        raise Failure("vantrel-cli report failed")
    browser, desktop = pdf_pages(browser_pdf), pdf_pages(desktop_pdf)
    # Drawn as laid out: every blank kept, and the served font's widths, so
    # the version line ends 20 dots before the right edge of the page.
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    collapsed, version_end, width = driver.execute_script("""
      const texts = [...document.querySelectorAll('#report svg text')];
      const version = texts[0];
      return [texts.filter((t) => t.getNumberOfChars() !== [...t.textContent].length)
                   .map((t) => t.textContent),
              version.x.baseVal[0].value + version.getComputedTextLength(),
              version.ownerSVGElement.viewBox.baseVal.width];""")
    expect(not collapsed, "blanks collapsed in %s" % collapsed[:3])
    expect(abs(version_end - (width - 20)) < 0.5,
           "the version line ends at %.2f, laid out to end at %.2f" % (version_end, width - 20))
    sheets = driver.execute_script("return document.querySelectorAll('#report svg').length")
    expect(len(browser) == sheets, "%d pages printed from %d sheets" % (len(browser), sheets))
    # The FEMA 350 pages are fixed; the current-code items flow over the
    # pages after them, where another font's line height may move a break.
    fixed = 3
    for n in range(fixed):
        missing = sorted(set(desktop[n]) - set(browser[n]))
        extra = sorted(set(browser[n]) - set(desktop[n]))
        expect(browser[n] == desktop[n], "page %d differs: missing %s, extra %s"
               % (n + 1, missing, extra))
    flowing = sorted(sum(browser[fixed:], [])), sorted(sum(desktop[fixed:], []))
    expect(flowing[0] == flowing[1], "the current-code pages differ: missing %s, extra %s"
           % (sorted(set(flowing[1]) - set(flowing[0])), sorted(set(flowing[0]) - set(flowing[1]))))


def test_offline(args, driver, base, downloads):
    """The folder opened from the disk, then used with the network gone."""
    page = "file://" + os.path.join(os.path.abspath(args.site), "index.html")
    open_page(driver, page + "?Beam=W%2021x44&Column=W%2014x90&Length=30")
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": 0, "uploadThroughput": 0})
    check_design(driver, args, {"Beam": "W 21x44", "Column": "W 14x90", "Length": "30"})
    type_into(driver, "Length", "25")
    check_design(driver, args, {"Beam": "W 21x44", "Column": "W 14x90", "Length": "25.00"})
    driver.find_element(By.ID, "search-start").click()
    wait_for(driver, "document.getElementById('search-designs').dataset.state === 'done'",
             "the search", 60)
    expect(len(shown_designs(driver)[1]) > 0, "the search found nothing offline")
    wait_for(driver, "document.getElementById('report').dataset.ready === 'true'", "the report")
    pages = driver.execute_script(
        "return [...document.querySelectorAll('#report svg')].map((p) => p.textContent)")
    expect(len(pages) >= 4 and "W 21x44" in pages[0], "the report offline: %d pages" % len(pages))


TESTS = {"calculate": test_calculate, "files": test_files, "search": test_search,
         "print": test_print, "offline": test_offline}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("test", choices=sorted(TESTS))
    args = parser.parse_args()
    args.source = os.path.abspath(args.source)
    with tempfile.TemporaryDirectory() as scratch:
        profile = os.path.join(scratch, "profile")
        downloads = os.path.join(scratch, "downloads")
        os.makedirs(downloads)
        server = serve(args.site)
        driver = browser(profile, downloads)
        try:
            TESTS[args.test](args, driver, "http://127.0.0.1:%d/" % server.server_address[1],
                             downloads)
            problems = [entry["message"] for entry in driver.get_log("browser")
                        if entry["level"] == "SEVERE"]
            expect(not problems, "the browser reported: %s" % problems)
        except Failure as failure:
            line = traceback.extract_tb(failure.__traceback__)[-2].lineno
            print("FAIL %s (line %d): %s" % (args.test, line, failure))
            return 1
        finally:
            driver.quit()
            server.shutdown()
    print("ok %s" % args.test)
    return 0


if __name__ == "__main__":
    sys.exit(main())
