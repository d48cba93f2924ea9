// Loads the browser edition's module once and answers calls read from
// standard input, one JSON line each, with one JSON line each:
//   {"call": "calculate", "args": [{"Length": "30"}, "json"]}  -> the function's result
//   {"time": "search", "args": [...], "repeat": 10}           -> {"medianMs": ...} after a warm-up call
// Bytes travel as {"base64": "..."} both ways. Usage: node module_harness.js vantrel.js
"use strict";
const readline = require("readline");
const createVantrel = require(require("path").resolve(process.argv[2]));

const fromJson = (value) =>
  value && typeof value === "object" && typeof value.base64 === "string"
    ? new Uint8Array(Buffer.from(value.base64, "base64"))
    : value;
const toJson = (key, value) =>
  value instanceof Uint8Array ? { base64: Buffer.from(value).toString("base64") } : value;

createVantrel().then((vantrel) => {
  const answer = (request) => {
    const name = request.call || request.time;
    const args = (request.args || []).map(fromJson);
    if (request.call) return vantrel[name](...args);
    vantrel[name](...args);
    const times = [];
    for (let i = 0; i < (request.repeat || 10); ++i) {
      const start = process.hrtime.bigint();
      vantrel[name](...args);
      times.push(Number(process.hrtime.bigint() - start) / 1e6);
    }
    times.sort((a, b) => a - b);
    return { medianMs: (times[(times.length - 1) >> 1] + times[times.length >> 1]) / 2 };
  };
  const lines = readline.createInterface({ input: process.stdin, terminal: false });
  lines.on("line", (line) => {
    let reply;
    try {
      reply = answer(JSON.parse(line));
    } catch (error) {
      reply = { thrown: String(error) };
    }
    process.stdout.write(JSON.stringify(reply, toJson) + "\n");
  });
});
