#!/usr/bin/python3
"""The lines of a network designed at f0, read back by Python's own json and csv readers: every
line the text report lists is in both documents, with the same impedance, inductance and
capacitance to the six significant figures the report shows, and the same ends in both."""

import csv
import io
import json
import re
import subprocess
import sys

CASES = [
    ["quarter-wave-series", "--zin", "50", "--zout", "50", "--db", "10", "--f0", "1G"],
    ["quarter-wave-shunt", "--zin", "50", "--zout", "50", "--db", "12", "--f0", "2.4G"],
    ["reflection", "--zin", "50", "--zout", "50", "--db", "1", "--f0", "1G", "--root", "high"],
]
REPORTED = re.compile(r"^(TL\d)  (\S+) Ω(?:: (\S+) H in series, (\S+) F to ground at each end)?$")


def close(found, shown):
    return abs(found - float(shown)) <= 5e-6 * abs(float(shown))


def output(program, arguments):
    return subprocess.run([program] + arguments, check=True, capture_output=True,
                          text=True).stdout


def failures(program, arguments):
    text = output(program, arguments)
    reported = [m.groups() for m in map(REPORTED.match, text.splitlines()) if m]
    document = json.loads(output(program, arguments + ["--format", "json"]))
    from_json = document["designs"][0]["lines"]
    row = next(csv.DictReader(io.StringIO(output(program, arguments + ["--format", "csv"]))))
    wrong = []
    if not reported or len(reported) != len(from_json):
        return [f"{len(reported)} lines in the text report, {len(from_json)} in json"]
    for (name, ohm, henries, farads), line in zip(reported, from_json):
        key = name.lower()
        listed = [("json", line["ohm"], line["series_h"], line["shunt_f"], line["from"],
                   line["to"]),
                  ("csv", float(row[key + "_ohm"]), row[key + "_series_h"] or None,
                   row[key + "_shunt_f"] or None, row[key + "_from"], row[key + "_to"])]
        for fmt, found_ohm, found_h, found_f, start, end in listed:
            if line["name"] != name or not close(found_ohm, ohm):
                wrong.append(f"{fmt} {name}: {found_ohm} ohm, the report says {ohm}")
            if henries is None:
                if found_h is not None or found_f is not None:
                    wrong.append(f"{fmt} {name}: lumped values for an ideal line")
            elif not (close(float(found_h), henries) and close(float(found_f), farads)):
                wrong.append(f"{fmt} {name}: {found_h} H, {found_f} F; the report says "
                             f"{henries} H, {farads} F")
            if (start, end) != (line["from"], line["to"]):
                wrong.append(f"{fmt} {name}: from {start} to {end}, json says otherwise")
    return wrong


def main(program):
    wrong = []
    for arguments in CASES:
        for model in ("ideal", "lumped"):
            case = arguments + ["--line", model]
            wrong += [" ".join(case) + ": " + fault for fault in failures(program, case)]
    print("\n".join(wrong) if wrong else f"{len(CASES) * 2} networks of lines read back alike")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
