// The browser edition's page. Every text it shows about a design comes from
// the module (vantrel.js, the program's own C++ code): the field rules and
// their messages, the grids, the current-code items, the report's pages, the
// files, the search and the batch. This script only wires the controls to it.
"use strict";

(function () {
  const $ = (id) => document.getElementById(id);
  const TITLE = "Single Bay Moment Frame Reduced Beam Section Calculator:";
  const NEW_NAME = "New Untitled";
  const LOADS = 3;

  let vantrel = null;
  let inputs = null;          // the 30 texts the calculation reads, as checked
  let startup = null;         // the texts of a new design
  let patterns = {};          // numeric input -> "0.00" | "0.000"
  const refused = new Map();  // input -> the message that refuses its text
  let documentName = NEW_NAME;
  let reportStale = true;
  let reportTimer = 0;
  let searchWorker = null;
  let searchId = 0;
  let listEntries = {};

  // Timings of the last change, for the benchmark script.
  const timings = { calculateMs: 0, screenMs: 0 };

  // ---------------------------------------------------------------- inputs

  function controlsOf(name) {
    return document.querySelectorAll('[data-input="' + name + '"]');
  }

  function buildLoadFields() {
    const rows = [
      [$("distributed-loads"), ["DistDL", "DistLL"]],
      [$("point-loads"), ["PointDL", "PointLL", "PointLoadLocation"]],
    ];
    for (const [body, kinds] of rows) {
      const headers = body.parentElement.querySelectorAll("thead th");
      headers.forEach((th, i) => { th.id = body.id + "-col" + i; });
      for (let n = 1; n <= LOADS; ++n) {
        const tr = document.createElement("tr");
        const th = document.createElement("th");
        th.scope = "row";
        th.id = body.id + "-row" + n;
        th.textContent = String(n);
        tr.appendChild(th);
        kinds.forEach((kind, k) => {
          const name = kind + n;
          const td = document.createElement("td");
          const input = document.createElement("input");
          input.id = name;
          input.dataset.input = name;
          input.inputMode = "decimal";
          input.setAttribute("aria-labelledby", headers[k + 1].id + " " + th.id);
          input.setAttribute("aria-describedby", name + "-refusal");
          const refusal = document.createElement("span");
          refusal.className = "refusal";
          refusal.id = name + "-refusal";
          refusal.setAttribute("aria-live", "polite");
          td.append(input, refusal);
          tr.appendChild(td);
        });
        body.appendChild(tr);
      }
    }
  }

  function fillLists() {
    const lists = vantrel.inputLists();
    listEntries = lists;
    const shapes = $("shapes");
    for (const name of lists.Beam) {
      const option = document.createElement("option");
      option.value = name;
      shapes.appendChild(option);
    }
    for (const name of ["Grade", "A", "B", "C"]) {
      const select = $(name);
      for (const entry of lists[name]) select.add(new Option(entry, entry));
    }
  }

  // Puts a text into the controls of an input, as opening a file does.
  function showText(name, text) {
    for (const control of controlsOf(name)) {
      if (control.type === "radio") control.checked = control.value === text;
      else if (control.type === "checkbox") control.checked = text === "Yes";
      else control.value = text;
    }
  }

  function controlText(control) {
    if (control.type === "checkbox") return control.checked ? "Yes" : "No";
    return control.value;
  }

  function setRefusal(name, message) {
    if (message === null || message === undefined) refused.delete(name);
    else refused.set(name, message);
    const box = $(name + "-refusal");
    if (box) box.textContent = message || "";
    for (const control of controlsOf(name)) {
      if (message) control.setAttribute("aria-invalid", "true");
      else control.removeAttribute("aria-invalid");
    }
  }

  // The window's check of an input's text, with the inputs as they stand.
  function check(name, text) {
    const checked = vantrel.checkField(name, text, inputs);
    setRefusal(name, checked.refusal);
    if (checked.refusal === null) inputs[name] = checked.text;
    return checked;
  }

  // Every input as given (a file, the address), each checked in turn.
  function takeInputs(given) {
    inputs = Object.assign({}, startup);
    for (const name of Object.keys(given)) if (name in inputs) inputs[name] = given[name];
    for (const name of refused.keys()) setRefusal(name, null);
    for (const name of Object.keys(inputs)) {
      showText(name, inputs[name]);
      if (name in given) check(name, inputs[name]);
    }
    recalculate();
  }

  function onEdit(event) {
    const control = event.target;
    const name = control.dataset && control.dataset.input;
    if (!name) return;
    check(name, controlText(control));
    // Choosing another coefficient gives that dimension back to the list.
    const override = { A: "ORA", B: "ORB", C: "ORC" }[name];
    if (override) {
      inputs[override] = startup[override];
      showText(override, startup[override]);
      setRefusal(override, null);
    }
    recalculate();
  }

  // A numeric field takes digits and "." only.
  function onBeforeInput(event) {
    const name = event.target.dataset && event.target.dataset.input;
    if (!name || !(name in patterns) || event.data === null) return;
    if (!vantrel.acceptsTyped(event.data)) event.preventDefault();
  }

  // Leaving a field: a numeric text is formatted as the window formats it; a
  // shape list's text that is no entry goes back to the last one.
  function onLeave(control) {
    const name = control.dataset.input;
    if (name === "Beam" || name === "Column") {
      if (!refused.has(name)) return;
      setRefusal(name, null);
      control.value = inputs[name];
      recalculate();
      return;
    }
    if (!(name in patterns) || refused.has(name)) return;
    const formatted = vantrel.formatField(inputs[name], patterns[name]);
    control.value = formatted;
    if (formatted !== inputs[name]) {
      inputs[name] = formatted;
      recalculate();
    }
  }

  // ----------------------------------------------------------------- results

  function cell(tag, text, colour, bold) {
    const element = document.createElement(tag);
    element.textContent = text;
    if (colour && colour !== "#FFFFFF" && tag === "td") element.style.background = colour;
    if (bold) element.className = "bold";
    return element;
  }

  // A grid's cells ([text, colour, bold]): row 0 the headings, then the rows
  // down to the last that holds a text.
  function renderGrid(table, rows) {
    let last = 0;
    rows.forEach((row, r) => { if (row.some((c) => c[0] !== "")) last = r; });
    const head = document.createElement("thead");
    const headRow = document.createElement("tr");
    for (const [text] of rows[0]) {
      const th = cell("th", text);
      th.scope = "col";
      headRow.appendChild(th);
    }
    head.appendChild(headRow);
    const body = document.createElement("tbody");
    for (let r = 1; r <= last; ++r) {
      const tr = document.createElement("tr");
      for (const [text, colour, bold] of rows[r]) tr.appendChild(cell("td", text, colour, bold));
      body.appendChild(tr);
    }
    table.replaceChildren(head, body);
  }

  function renderCurrentCode(section) {
    $("aisc358-verdict").textContent = section.verdict;
    $("aisc358-sums").textContent = section.sums;
    const body = $("aisc358-items").tBodies[0];
    const rows = [];
    for (const row of section.rows) {
      const tr = document.createElement("tr");
      if (row.groupTitle) {
        tr.className = "group";
        const td = cell("td", row.label);
        td.colSpan = 6;
        tr.appendChild(td);
      } else {
        tr.dataset.id = row.id;
        tr.append(cell("td", row.label), cell("td", row.value), cell("td", row.limit),
          cell("td", row.ratio), cell("td", row.status, row.colour), cell("td", row.reference));
        for (let i = 1; i <= 3; ++i) tr.children[i].className = "number";
      }
      rows.push(tr);
    }
    body.replaceChildren(...rows);
    const list = $("aisc358-assumptions");
    if (list.children.length === 0) {
      for (const line of section.assumptions) {
        const li = document.createElement("li");
        li.textContent = line;
        list.appendChild(li);
      }
    }
  }

  function renderMessages(messages) {
    const box = $("errors");
    box.replaceChildren(...messages.map((m) => {
      const p = document.createElement("p");
      const title = document.createElement("strong");
      title.textContent = m.title;
      p.append(title, document.createElement("br"), m.prompt.replace(/\r\n/g, "\n").trim());
      return p;
    }));
  }

  function recalculate() {
    updateLink();
    scheduleReport();
    if (refused.size > 0) {
      $("results").dataset.state = "refused";
      $("errors").replaceChildren();
      for (const id of ["save-design", "print-report", "search-start"]) $(id).disabled = true;
      return;
    }
    for (const id of ["save-design", "print-report", "search-start"]) $(id).disabled = false;
    const start = performance.now();
    const shown = vantrel.present(inputs);
    const calculated = performance.now();
    const grids = JSON.parse(shown.grids);
    renderGrid($("grid-summary"), grids.summary);
    renderGrid($("grid-parameters"), grids.parameters);
    renderGrid($("grid-checks"), grids.checks);
    renderDiagram(shown.labels);
    $("LblBeamWidth").textContent = shown.labels.LblBeamWidth;
    $("LblColumnWidth").textContent = shown.labels.LblColumnWidth;
    renderCurrentCode(shown.aisc358);
    renderMessages(shown.messages);
    $("results").dataset.state = shown.messages.length > 0 ? "errored" : "calculated";
    $("results").dataset.status = String(shown.status);
    timings.calculateMs = calculated - start;
    timings.screenMs = performance.now() - start;
  }

  // ----------------------------------------------------------------- diagram

  // A plan of the beam flange between the two columns, not to scale, with
  // the cut's a, b, c and R and the length L; the texts are the labels the
  // calculation wrote.
  const SVG = "http://www.w3.org/2000/svg";

  function svgElement(tag, attributes, text) {
    const element = document.createElementNS(SVG, tag);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (text !== undefined) element.textContent = text;
    return element;
  }

  function buildDiagram() {
    const left = 130, right = 870, top = 205, bottom = 295;
    const a = 100, b = 200, c = 22, r = (4 * c * c + b * b) / (8 * c);
    const cutL = left + a, cutR = right - a - b;
    const arc = (x) => " A" + r + " " + r + " 0 0 0 " + x;
    const flange = "M" + left + "," + top + " H" + cutL + arc(cutL + b + "," + top) +
      " H" + cutR + arc(cutR + b + "," + top) + " H" + right + " V" + bottom +
      " H" + (cutR + b) + arc(cutR + "," + bottom) + " H" + (cutL + b) + arc(cutL + "," + bottom) +
      " H" + left + " Z";
    const svg = svgElement("svg", { viewBox: "0 0 1000 450", role: "img",
      "aria-labelledby": "diagram-heading" });
    svg.appendChild(svgElement("path", { d: flange, fill: "#c4d0de", stroke: "#283446", "stroke-width": 1.5 }));
    for (const centre of [left - 35, right + 35]) {
      const g = svgElement("g", { fill: "#96a6ba", stroke: "#283446", "stroke-width": 1.5 });
      g.append(svgElement("rect", { x: centre - 35, y: 165, width: 10, height: 170 }),
        svgElement("rect", { x: centre + 25, y: 165, width: 10, height: 170 }),
        svgElement("rect", { x: centre - 25, y: 245, width: 50, height: 10 }));
      svg.appendChild(g);
    }
    const dim = svgElement("g", { stroke: "#1c54a0", "stroke-width": 1.2, fill: "none" });
    const line = (x1, y1, x2, y2) => dim.appendChild(svgElement("line", { x1, y1, x2, y2 }));
    line(left, 160, left, 125); line(cutL, 200, cutL, 125); line(cutL + b, 200, cutL + b, 125);
    line(left, 135, cutL + b, 135);
    line(cutL + b / 2, bottom - c - 22, cutL + b / 2, bottom + 22);
    // R: a leader from the upper right cut to a shoulder above the flange.
    const cx = cutR + b / 2, cy = top + c - r;
    const onArc = [cx + 70, cy + Math.sqrt(r * r - 70 * 70)];
    const knee = [cx + 110, 140];
    line(onArc[0], onArc[1], knee[0], knee[1]);
    line(knee[0], knee[1], knee[0] + 45, knee[1]);
    line(left - 35, 400, right + 35, 400);
    line(left - 35, 140, left - 35, 412); line(right + 35, 140, right + 35, 412);
    svg.appendChild(dim);
    const label = (id, x, y, bold) => svg.appendChild(svgElement("text", { id, x, y,
      "text-anchor": "middle", "font-size": 17, "font-weight": bold ? "bold" : "normal",
      fill: bold ? "#283446" : "#1c54a0", "xml:space": "preserve" }));
    const symbol = (text, x, y) => svg.appendChild(svgElement("text", { x, y, "text-anchor": "middle",
      "font-size": 18, "font-style": "italic", "font-weight": "bold", fill: "#1c54a0" }, text));
    symbol("a", left + a / 2, 127); symbol("b", cutL + b / 2, 127);
    symbol("c", cutL + b / 2, bottom + 40); symbol("R", knee[0] + 22, knee[1] - 6);
    symbol("L", 500, 392);
    label("diagram-Labela", left + a / 2, 100); label("diagram-Labelb", cutL + b / 2, 100);
    label("diagram-Labelc", cutL + b / 2, bottom + 62); label("diagram-Labelr", knee[0] + 22, knee[1] - 30);
    label("diagram-LabelLength", 500, 430);
    label("diagram-Labelbeam", 500, 256, true);
    label("diagram-Labelcolumn1", left - 35, 360, true); label("diagram-Labelcolumn2", right + 35, 360, true);
    $("diagram").appendChild(svg);
  }

  function renderDiagram(labels) {
    for (const key of ["Labela", "Labelb", "Labelc", "Labelr", "LabelLength", "Labelbeam",
      "Labelcolumn1", "Labelcolumn2"]) $("diagram-" + key).textContent = labels[key];
  }

  // ------------------------------------------------------------------ report

  function renderReport() {
    clearTimeout(reportTimer);
    const box = $("report");
    if (refused.size > 0) {
      box.replaceChildren(...[...refused.values()].map((m) => {
        const p = document.createElement("p");
        p.className = "report-message";
        p.textContent = m;
        return p;
      }));
    } else {
      const report = vantrel.report(inputs, documentName, "");
      if (report.pages) {
        box.innerHTML = report.pages.join("");
      } else {
        const messages = report.messages || [report.failure];
        box.replaceChildren(...messages.map((m) => {
          const p = document.createElement("p");
          p.className = "report-message";
          p.textContent = m.title + "\n" + m.prompt.replace(/\r\n/g, "\n").trim();
          return p;
        }));
      }
    }
    reportStale = false;
    box.dataset.ready = "true";
  }

  // The report follows the design a moment after the last change, so typing
  // stays quick and Print has its pages at hand.
  function scheduleReport() {
    reportStale = true;
    $("report").dataset.ready = "false";
    clearTimeout(reportTimer);
    reportTimer = setTimeout(renderReport, 250);
  }

  function printReport() {
    if (reportStale) renderReport();
    window.print();
  }

  // ------------------------------------------------------------------- files

  function setTitle(prefixBlanks) {
    const title = TITLE + " ".repeat(prefixBlanks) + documentName;
    $("title").textContent = title;
    document.title = "Vantrel: " + documentName;
  }

  function download(bytes, fileName, type) {
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const link = document.createElement("a");
    link.href = url;
    link.download = fileName;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  function showFailure(text) {
    const p = document.createElement("p");
    p.textContent = text;
    $("errors").replaceChildren(p);
  }

  async function openFile(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const opened = vantrel.open(bytes, file.name);
    if (opened.inputs === undefined) {
      showFailure(opened.message);
      return;
    }
    documentName = file.name;
    takeInputs(opened.inputs);
    setTitle(1);
  }

  function saveDesign() {
    const fileName = documentName === NEW_NAME ? "Untitled.vtl" : documentName;
    const saved = vantrel.save(inputs, fileName);
    if (saved.bytes === undefined) {
      showFailure(saved.message);
      return;
    }
    download(saved.bytes, fileName, "application/octet-stream");
    documentName = fileName;
    setTitle(0);
  }

  function newDesign() {
    documentName = NEW_NAME;
    // As the window's New: the lists return to their first entries; the
    // fields, the frame type and the loads keep their texts.
    const kept = Object.assign({}, inputs);
    for (const name of ["Beam", "Column", "Grade", "A", "B", "C"]) kept[name] = startup[name];
    takeInputs(kept);
    setTitle(1);
  }

  // The address of the design on screen: the inputs that differ from a new
  // design's, as query parameters.
  function updateLink() {
    const parts = [];
    for (const name of Object.keys(inputs)) {
      const text = refused.has(name) ? null : inputs[name];
      if (text !== null && text !== startup[name])
        parts.push(encodeURIComponent(name) + "=" + encodeURIComponent(text));
    }
    $("design-link").href = location.pathname + (parts.length ? "?" + parts.join("&") : "");
  }

  function addressInputs() {
    const given = {};
    for (const [name, text] of new URLSearchParams(location.search)) {
      if (name in startup) given[name] = text;
    }
    return given;
  }

  // ------------------------------------------------------------------ search

  // The worker runs the module's own code: the page hands it the module's
  // factory as source, so nothing is fetched (the page may come from the disk).
  function workerMain() {
    const ready = createVantrel();
    self.onmessage = (event) => {
      ready.then((module) => {
        const start = performance.now();
        const found = module.search(event.data.inputs, event.data.options);
        self.postMessage({ id: event.data.id, summary: found.summary, headings: found.headings,
          rows: JSON.parse(found.rows), ms: performance.now() - start });
      });
    };
  }

  function startWorker() {
    const source = "var _scriptDir;\nvar createVantrel = " + createVantrel.toString() + ";\n(" +
      workerMain.toString() + ")();\n";
    const url = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
    searchWorker = new Worker(url);
    searchWorker.onmessage = (event) => showDesigns(event.data);
  }

  function showSearchTexts() {
    const texts = vantrel.findDesignsTexts();
    $("search-intro").textContent = texts.intro;
    $("search-caveat").textContent = texts.caveat;
    showSearchCaveat();
  }

  // The caveat goes with a FEMA 350 search only.
  function showSearchCaveat() {
    $("search-caveat").hidden = $("search-code").value !== "fema350";
  }

  function startSearch() {
    const options = { code: $("search-code").value, noDoublers: $("search-no-doublers").checked,
      noContinuity: $("search-no-continuity").checked, format: "rows" };
    searchId += 1;
    $("search-status").textContent = "Searching beam and column pairs...";
    $("search-designs").dataset.state = "searching";
    searchWorker.postMessage({ id: searchId, inputs: Object.assign({}, inputs), options });
  }

  // The designs are listed a hundred at a time, lightest first: a table of
  // thousands of rows would hold the page up for seconds.
  const DESIGNS_SHOWN = 100;
  let designs = [];

  function showDesigns(found) {
    if (found.id !== searchId) return;  // a newer search is running
    const table = $("search-designs");
    table.dataset.ms = String(found.ms);
    table.tHead.replaceChildren();
    table.tBodies[0].replaceChildren();
    designs = found.rows;
    $("search-status").textContent = found.summary;
    if (designs.length) {
      const head = document.createElement("tr");
      for (const heading of found.headings.concat([""])) {
        const th = cell("th", heading);
        th.scope = "col";
        head.appendChild(th);
      }
      table.tHead.replaceChildren(head);
      showMoreDesigns();
    }
    table.dataset.state = "done";
  }

  function showMoreDesigns() {
    const body = $("search-designs").tBodies[0];
    const from = body.rows.length;
    for (const design of designs.slice(from, from + DESIGNS_SHOWN)) {
      const tr = document.createElement("tr");
      for (const text of design) tr.appendChild(cell("td", text));
      const [beam, column] = design;
      const use = document.createElement("button");
      use.type = "button";
      use.textContent = "Use";
      use.setAttribute("aria-label", "Use " + beam + " on " + column);
      use.addEventListener("click", () => usePair(beam, column));
      const td = document.createElement("td");
      td.appendChild(use);
      tr.appendChild(td);
      body.appendChild(tr);
    }
    const more = $("search-more");
    more.hidden = body.rows.length >= designs.length;
    more.textContent = "Show " + Math.min(DESIGNS_SHOWN, designs.length - body.rows.length) +
      " more of " + designs.length;
  }

  function usePair(beam, column) {
    for (const [name, text] of [["Beam", beam], ["Column", column]]) {
      showText(name, text);
      check(name, text);
    }
    recalculate();
    $("results").scrollIntoView({ behavior: "smooth" });
  }

  // ------------------------------------------------------------------- batch

  async function runBatch(file) {
    const text = await file.text();
    const outcome = vantrel.batch(text, file.name);
    const link = $("batch-result");
    $("batch-status").textContent = outcome.errors.trim();
    if (outcome.status === 4 || outcome.status === 2) {
      link.hidden = true;
      return;
    }
    const name = file.name.replace(/\.csv$/i, "") + "-results.csv";
    if (link.href) URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(new Blob([outcome.output], { type: "text/csv" }));
    link.download = name;
    link.textContent = name;
    link.hidden = false;
    link.dataset.status = String(outcome.status);
    link.click();
  }

  // ------------------------------------------------------------------- start

  function wire() {
    const form = $("inputs");
    form.addEventListener("input", onEdit);
    form.addEventListener("focusout", (event) => {
      if (event.target.dataset && event.target.dataset.input) onLeave(event.target);
    });
    form.addEventListener("beforeinput", onBeforeInput);
    form.addEventListener("submit", (event) => event.preventDefault());
    $("new-design").addEventListener("click", newDesign);
    $("open-file").addEventListener("change", (event) => {
      if (event.target.files.length) openFile(event.target.files[0]);
      event.target.value = "";
    });
    $("save-design").addEventListener("click", saveDesign);
    $("print-report").addEventListener("click", printReport);
    window.addEventListener("beforeprint", () => { if (reportStale) renderReport(); });
    $("search-start").addEventListener("click", startSearch);
    $("search-code").addEventListener("change", showSearchCaveat);
    $("search-more").addEventListener("click", showMoreDesigns);
    $("batch-file").addEventListener("change", (event) => {
      if (event.target.files.length) runBatch(event.target.files[0]);
      event.target.value = "";
    });
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      const file = event.dataTransfer.files[0];
      if (file) openFile(file);
    });
  }

  const loadStart = performance.now();
  buildLoadFields();
  createVantrel().then((module) => {
    vantrel = module;
    startup = vantrel.newDesign();
    patterns = vantrel.fieldPatterns();
    fillLists();
    showSearchTexts();
    buildDiagram();
    wire();
    startWorker();
    inputs = Object.assign({}, startup);
    takeInputs(addressInputs());
    setTitle(2);
    $("loading").textContent = "";
    $("loading").hidden = true;
    document.body.dataset.ready = "true";
    timings.loadMs = performance.now() - loadStart;
    timings.firstResultMs = performance.now();  // since the navigation began
  }).catch((error) => {
    $("loading").textContent = "The calculator failed to load: " + error;
  });

  // For the tests and the benchmark script.
  window.vantrelPage = { timings, renderReport, get inputs() { return inputs; },
    get module() { return vantrel; } };
})();
