#!/usr/bin/python3
"""The browser edition's speed, median of ten runs each, in headless Chromium
from a local static server:

  page_bench.py SITE

- load: from the start of the navigation to the first result on screen;
- size: the bytes of the files served;
- change: one input change: the module's calculation (mean of a hundred),
  and from the input event to the tables updated and laid out;
- search: every beam/column pair with both codes, in the page's worker (the
  module's search alone, and from the request to the answer on the page).
"""

import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import page_test  # noqa: E402

RUNS = 10

CHANGE = """
const field = document.getElementById('Length');
field.value = arguments[0];
const start = performance.now();
field.dispatchEvent(new Event('input', {bubbles: true}));
document.body.offsetHeight;  // style and layout of the new tables
return [window.vantrelPage.timings.calculateMs, performance.now() - start];
"""

# The module's calculation of the design on screen as the page asks for it
# (the chain, the current-code items and their texts, calc --json), the
# mean of a hundred calls: one call is below the browser's timer resolution.
CALCULATE = """
const page = window.vantrelPage;
const start = performance.now();
for (let i = 0; i < 100; ++i) page.module.present(page.inputs);
return (performance.now() - start) / 100;
"""

SEARCH = """
const done = arguments[arguments.length - 1];
const table = document.getElementById('search-designs');
table.dataset.state = '';
const start = performance.now();
document.getElementById('search-start').click();
const wait = () => table.dataset.state === 'done'
    ? done([Number(table.dataset.ms), performance.now() - start]) : setTimeout(wait, 1);
wait();
"""


def median(values):
    return statistics.median(values)


def main():
    site = sys.argv[1]
    size = sum(os.path.getsize(os.path.join(site, name)) for name in os.listdir(site))
    server = page_test.serve(site)
    url = "http://127.0.0.1:%d/index.html?Beam=W%%2021x44&Column=W%%2014x90&Length=30" % (
        server.server_address[1])
    with tempfile.TemporaryDirectory() as scratch:
        driver = page_test.browser(os.path.join(scratch, "profile"), scratch)
        try:
            loads = []
            for _ in range(RUNS):
                page_test.open_page(driver, url)
                loads.append(driver.execute_script("return window.vantrelPage.timings.firstResultMs"))
            calculations, screens = [], []
            for run in range(RUNS + 1):
                _, shown = driver.execute_script(CHANGE, "%d" % (20 + run))
                if run > 0:  # the first change warms up
                    calculations.append(driver.execute_script(CALCULATE))
                    screens.append(shown)
            driver.find_element(page_test.By.CSS_SELECTOR,
                                "#search-code option[value='both']").click()
            driver.set_script_timeout(60)
            searches, answers = [], []
            for run in range(RUNS + 1):
                module_ms, page_ms = driver.execute_async_script(SEARCH)
                if run > 0:
                    searches.append(module_ms)
                    answers.append(page_ms)
        finally:
            driver.quit()
            server.shutdown()
    print("page load to first result  %8.1f ms   (target < 1000)" % median(loads))
    print("files served               %8.0f kB   (target < 1536; %d bytes)" % (size / 1024, size))
    print("input change: calculation  %8.3f ms   (target < 1)" % median(calculations))
    print("input change: on screen    %8.3f ms   (target < 16)" % median(screens))
    print("search, both codes, worker %8.1f ms   (target < 250)" % median(searches))
    print("search, request to answer  %8.1f ms" % median(answers))


if __name__ == "__main__":
    main()
