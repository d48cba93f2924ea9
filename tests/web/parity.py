#!/usr/bin/env python3
"""The browser edition's module against the native vantrel-cli, byte for byte.

One Node process loads the module once (module_harness.js) and answers the
calls; the native program runs as engineers run it. Compared: every
calc/search/batch command of the calc fixtures, SEEDED random designs (one
in five with an input that makes the chain report an error), their batch
CSV, their saved files, and search --json of three input sets. Prints the
module's timings at the end. Exit status 0 when everything agrees.

    parity.py --module site/vantrel.js --cli bin/vantrel-cli --source SRC [--designs 500]
"""
import argparse
import base64
import json
import os
import random
import subprocess
import sys
import tempfile
from pathlib import Path

NODE_ENV = dict(os.environ, NODE_PATH="/usr/share/nodejs")


class Module:
    """The harness process: one call, one line each way."""

    def __init__(self, module):
        harness = Path(__file__).with_name("module_harness.js")
        self.process = subprocess.Popen(
            ["node", "--no-experimental-fetch", str(harness), module],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=NODE_ENV, text=True,
            encoding="utf-8")

    def ask(self, request):
        self.process.stdin.write(json.dumps(request) + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            sys.exit("parity: the module's harness ended")
        reply = json.loads(line)
        if isinstance(reply, dict) and "thrown" in reply:
            sys.exit(f"parity: {request.get('call')} threw {reply['thrown']}")
        return reply

    def call(self, name, *args):
        return self.ask({"call": name, "args": list(args)})

    def time(self, name, *args, repeat=10):
        return self.ask({"time": name, "args": list(args), "repeat": repeat})["medianMs"]


def b64(data):
    return {"base64": base64.b64encode(data).decode()}


def unb64(value):
    return base64.b64decode(value["base64"])


class Parity:
    def __init__(self, module, cli):
        self.module = module
        self.cli = cli
        self.compared = 0
        self.failures = []
        self.skipped = []

    def native(self, args):
        run = subprocess.run([self.cli, *args], capture_output=True)
        return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8")

    def expect(self, name, web, native):
        self.compared += 1
        if web != native:
            self.failures.append(name)
            if len(self.failures) <= 5:
                print(f"DIFFERS: {name}\n  web:    {web!r:.600}\n  native: {native!r:.600}")

    def expect_outcome(self, name, outcome, native):
        self.expect(name, (outcome["status"], outcome["output"], outcome["errors"]), native)

    # The inputs a command line names: a file's (as opened) or a new design's, then its --set.
    def inputs_of(self, file, replacements):
        if file is None:
            inputs = self.module.call("newDesign")
        else:
            opened = self.module.call("open", b64(Path(file).read_bytes()), file)
            if "error" in opened:
                return None, opened
            inputs = opened["inputs"]
        for name, text in replacements:
            inputs[name] = text
        return inputs, None

    def fixture(self, name, args):
        command, rest = args[0], args[1:]
        native = self.native(args)
        if command not in ("calc", "search", "batch") or native[0] == 2:
            self.skipped.append(name)  # a usage refusal of the command line: no call has one
            return
        file, replacements, flags, valued = None, [], set(), {}
        i = 0
        while i < len(rest):
            if rest[i] == "--set":
                name_text = rest[i + 1].split("=", 1)
                replacements.append((name_text[0], name_text[1]))
                i += 1
            elif rest[i] in ("--limit", "--code", "-o"):
                valued[rest[i]] = rest[i + 1]
                i += 1
            elif rest[i].startswith("-"):
                flags.add(rest[i])
            else:
                file = rest[i]
            i += 1
        if file is not None and not Path(file).is_file() or "-o" in valued:
            self.skipped.append(name)  # a file the program cannot reach: no bytes to hand over
            return
        if command == "batch":
            text = Path(file).read_bytes().decode("utf-8")
            self.expect_outcome(name, self.module.call("batch", text, file), native)
            return
        inputs, failure = self.inputs_of(file, replacements)
        if failure is not None:
            self.expect(name, (4, "", f"vantrel-cli: {failure['message']}\n"), native)
        elif command == "calc":
            fmt = "json" if "--json" in flags else "text"
            self.expect_outcome(name, self.module.call("calculate", inputs, fmt), native)
        else:
            options = {"code": valued.get("--code", ""),
                       "noDoublers": "--no-doublers" in flags,
                       "noContinuity": "--no-continuity" in flags,
                       "format": "json" if "--json" in flags else "csv" if "--csv" in flags
                       else "text",
                       "limit": int(valued.get("--limit", "20"))}
            self.expect_outcome(name, self.module.call("search", inputs, options), native)


def fixture_cases(source):
    for folder in ("examples", "tests/data", "tests/files/regressions"):
        for path in sorted((source / folder).glob("*.vtl")):
            yield path.stem, ["calc", str(path), "--json"]
    for line in (source / "tests/fixtures/calc/cases.tsv").read_text().splitlines():
        if not line or line.startswith("#"):
            continue
        fields = [str(source / f[5:]) if f.startswith("$SRC/") else f for f in line.split("\t")]
        yield fields[0], fields[1:]


# Inputs that make the chain report an error (or leave a check without a value).
ERRORING = [("Length", "3"), ("Height", "0"), ("ORA", "abc"), ("Length", "1e400"),
            ("DistDL1", "1e400"), ("ColumnAxialLoad", "abc"), ("ORC", "1e-330"), ("Length", "")]


def random_design(rng, lists, number):
    length = rng.choice([10, 12.5, 15, 20, 24, 30, 36, 40, 45, 50])
    loads = lambda: f"{rng.choice([0, 0, 0.25, 1, 1.5, 2.5, 4]):.3f}"
    design = {
        "Beam": rng.choice(lists["Beam"]), "Column": rng.choice(lists["Column"]),
        "Grade": rng.choice(lists["Grade"]), "A": rng.choice(lists["A"]),
        "B": rng.choice(lists["B"]), "C": rng.choice(lists["C"]),
        "ORA": rng.choice(["0.000"] * 4 + ["4.000"]), "ORB": rng.choice(["0.000"] * 4 + ["12.5"]),
        "ORC": rng.choice(["0.000"] * 4 + ["1.250"]),
        "Length": f"{length:.2f}", "Height": f"{rng.choice([8, 10, 12, 13.5, 20, 35]):.2f}",
        "Description": rng.choice(["", "Bay 3 roof", "Poutre é 2", "a,b \"quoted\""]),
        "FRAMETYPE": rng.choice(["SMRF", "SMRF", "OMRF"]),
        "ColumnAxialLoad": rng.choice(["0.000", "150", "800.5", "2500"]),
        "ColumnAbove": rng.choice(["Yes", "No"]),
    }
    for kind in ("DistDL", "DistLL", "PointDL", "PointLL"):
        for i in (1, 2, 3):
            design[f"{kind}{i}"] = loads()
    for i in (1, 2, 3):
        design[f"PointLoadLocation{i}"] = f"{rng.uniform(0, length):.2f}"
    if number % 5 == 0:
        name, text = ERRORING[(number // 5) % len(ERRORING)]
        design[name] = text
    return design


def compare_designs(parity, module, count, folder):
    lists = module.call("inputLists")
    rng = random.Random(20240923)
    designs = [random_design(rng, lists, n) for n in range(count)]
    for n, design in enumerate(designs):
        saved = module.call("save", design, "design.vtl")
        path = folder / f"design-{n}.vtl"
        path.write_bytes(unb64(saved["bytes"]))
        opened = module.call("open", saved["bytes"], str(path))["inputs"]
        parity.expect(f"design {n}: calc --json",
                      (lambda o: (o["status"], o["output"], o["errors"]))(
                          module.call("calculate", opened, "json")),
                      parity.native(["calc", str(path), "--json"]))
        if n % 10 == 0:
            again = folder / f"again-{n}.vtl"
            parity.native(["save", str(again), str(path)])
            parity.expect(f"design {n}: save",
                          unb64(module.call("save", opened, str(again))["bytes"]),
                          again.read_bytes())
    # The same designs as typed, through batch (no file rewrites their texts).
    names = list(designs[0])
    rows = [",".join(names)] + [",".join('"' + d[k].replace('"', '""') + '"' for k in names)
                                for d in designs]
    csv = folder / "designs.csv"
    csv.write_text("\n".join(rows) + "\n", encoding="utf-8")
    parity.expect_outcome("batch of the designs",
                          module.call("batch", csv.read_text(encoding="utf-8"), str(csv)),
                          parity.native(["batch", str(csv)]))
    return designs


SEARCHES = [
    ({"Beam": "W 21x44", "Column": "W 14x90", "Length": "30.00"}, "both", []),
    ({"Length": "24.00", "Height": "12.00", "FRAMETYPE": "OMRF", "DistDL1": "1.500",
      "DistLL1": "0.750", "ColumnAxialLoad": "300", "ColumnAbove": "Yes"}, "aisc358",
     ["--no-doublers"]),
    ({"Length": "40.00", "Height": "14.00", "ORC": "0.750", "PointDL2": "12.000",
      "PointLoadLocation2": "18.00"}, "fema350", ["--no-continuity"]),
]


def compare_searches(parity, module, folder):
    for n, (design, code, flags) in enumerate(SEARCHES):
        path = folder / f"search-{n}.vtl"
        path.write_bytes(unb64(module.call("save", design, str(path))["bytes"]))
        opened = module.call("open", b64(path.read_bytes()), str(path))["inputs"]
        options = {"code": code, "noDoublers": "--no-doublers" in flags,
                   "noContinuity": "--no-continuity" in flags, "format": "json"}
        parity.expect_outcome(f"search {n}", module.call("search", opened, options),
                              parity.native(["search", str(path), "--code", code, "--json", *flags]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--module", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--source", required=True, type=Path)
    parser.add_argument("--designs", type=int, default=500)
    options = parser.parse_args()

    module = Module(options.module)
    parity = Parity(module, options.cli)
    for name, args in fixture_cases(options.source):
        parity.fixture(name, args)
    fixtures = parity.compared
    with tempfile.TemporaryDirectory() as temp:
        compare_designs(parity, module, options.designs, Path(temp))
        compare_searches(parity, module, Path(temp))

    worked = {"Beam": "W 21x44", "Column": "W 14x90", "Length": "30.00"}
    both = {"code": "both", "noDoublers": False, "noContinuity": False, "format": "json"}
    print(f"module: one calculate (calc --json of the worked example), median of 10: "
          f"{module.time('calculate', worked, 'json'):.3f} ms")
    print(f"module: all-pairs search with both codes (search --json), median of 10: "
          f"{module.time('search', worked, both):.1f} ms")
    print(f"{fixtures} fixture commands, {parity.compared - fixtures} other comparisons; "
          f"{len(parity.skipped)} fixture rows without a call (usage refusals, files out of "
          f"reach): {', '.join(parity.skipped)}")
    module.process.stdin.close()
    module.process.wait()
    print(f"{parity.compared - len(parity.failures)} passed, {len(parity.failures)} failed")
    return 1 if parity.failures else 0


if __name__ == "__main__":
    sys.exit(main())
