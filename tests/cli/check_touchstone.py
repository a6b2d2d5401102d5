#!/usr/bin/python3
"""Touchstone files written by zelmarino-calc, read back by scikit-rf: the loss and both
return losses scikit-rf finds from the S-parameters are those the program printed in the
file's check line and, for exact values, those asked for. The 1.1 files, every port referred
to Zin, are read unmodified by scikit-rf's Network, renormalised by it to Zin and Zout, and
must then agree with the 2.0 file of the same design, parts with parasitics included.

scikit-rf 0.15.4 (Debian 12) reads Touchstone 2.0 only in part: it takes every 2-port's data
in the 1.x order (S11 S21 S12 S22), stops at [Two-Port Data Order] as at a row of numbers,
drops the first impedance of "[Reference] Z1 Z2" written on one line, and its Network
ignores [Reference] altogether (every port gets the option line's R). So each file is checked
for those keywords here, then handed to scikit-rf's Touchstone reader with the rows in its
order and the impedances on a line of their own; every number is that reader's reading of
the file's own."""

import math
import os
import subprocess
import sys
import tempfile

import numpy
import skrf

# scikit-rf 0.15.4 renormalises through numpy.complex, an alias that Debian 12's numpy has
# dropped; it was the builtin complex, so the alias is put back for it.
if not hasattr(numpy, "complex"):
    numpy.complex = complex

CASES = [
    # name, arguments, exact values
    ("pi_exact", ["pi", "--zin", "75", "--zout", "50", "--db", "10"], True),
    ("t_smaller_impedance_at_the_input_e24",
     ["t", "--zin", "50", "--zout", "75", "--db", "10", "--series", "E24"], False),
    ("h_exact", ["h", "--zin", "600", "--zout", "600", "--db", "20"], True),
    ("o_e24", ["o", "--zin", "150", "--zout", "600", "--db", "12", "--series", "E24"], False),
    ("bridged_t_exact", ["bridged-t", "--zin", "75", "--zout", "75", "--db", "6"], True),
    ("l_in_exact", ["l-in", "--zin", "1500", "--zout", "2200", "--db", "10"], True),
]
FREQUENCIES = "1M:1G:4"

# name, arguments: designs of modelled parts, each written as 1.1 and as 2.0.
MODELLED = [
    ("pi_50_0603", ["pi", "--zin", "50", "--zout", "50", "--db", "10", "--package", "0603"]),
    ("t_75_50_0402_e24_via",
     ["t", "--zin", "75", "--zout", "50", "--db", "10", "--package", "0402", "--series", "E24",
      "--via", "0.3nH"]),
    ("l_out_600_50_own_parts",
     ["l-out", "--zin", "600", "--zout", "50", "--db", "20", "--parasitics", "L=2nH,C=0.3pF"]),
    ("pi_75_50_ideal", ["pi", "--zin", "75", "--zout", "50", "--db", "10"]),
]
SWEEP = "10M:6G:25:log"


def number_after(line, marker):
    return float(line.split(marker, 1)[1].split()[0])


def as_scikit_rf_reads_it(text):
    """The same file, in the form scikit-rf 0.15.4 reads (see above)."""
    lines = []
    in_data = False
    order = None
    for line in text.splitlines():
        key = line.strip().lower()
        if key.startswith("[two-port data order]"):
            order = key.split()[-1]
            continue
        if key.startswith("[reference]"):
            lines += ["[Reference]", " ".join(line.split()[1:])]
            continue
        if key == "[network data]":
            in_data = True
        elif key == "[end]":
            in_data = False
        elif in_data and key and not key.startswith("!"):
            f, s11r, s11i, s12r, s12i, s21r, s21i, s22r, s22i = line.split()
            line = " ".join([f, s11r, s11i, s21r, s21i, s12r, s12i, s22r, s22i])
        lines.append(line)
    assert order == "12_21", order
    return "\n".join(lines) + "\n"


def check(program, name, arguments, exact):
    run = subprocess.run([program, *arguments, "--format", "touchstone", "--freq", FREQUENCIES],
                         capture_output=True, text=True, check=True)
    text = run.stdout
    for keyword in ["[Version] 2.0", "[Number of Ports] 2", "[Two-Port Data Order] 12_21",
                    "[Number of Frequencies] 4", "[Network Data]", "[End]"]:
        assert keyword in text.splitlines(), (name, keyword)
    zin = float(arguments[arguments.index("--zin") + 1])
    zout = float(arguments[arguments.index("--zout") + 1])
    asked = float(arguments[arguments.index("--db") + 1])
    check_line = next(l for l in text.splitlines() if l.startswith("! check at DC:"))
    printed_loss = number_after(check_line, "loss ")
    printed_input = number_after(check_line, "input return loss ")
    printed_output = number_after(check_line, "output return loss ")

    with tempfile.TemporaryDirectory() as directory:
        path = os.path.join(directory, name + ".s2p")
        with open(path, "w", encoding="ascii") as out:
            out.write(as_scikit_rf_reads_it(text))
        touchstone = skrf.io.touchstone.Touchstone(path)
    frequencies, parameters = touchstone.get_sparameter_arrays()
    assert touchstone.rank == 2, name
    assert touchstone.version == "2.0", (name, touchstone.version)
    assert touchstone.reference == [zin, zout], (name, touchstone.reference)
    assert list(frequencies) == [1e6, 334e6, 667e6, 1e9], (name, frequencies)
    for s in parameters:
        loss = -20 * math.log10(abs(s[1, 0]))
        input_return = min(-20 * math.log10(max(abs(s[0, 0]), 1e-300)), 120.0)
        output_return = min(-20 * math.log10(max(abs(s[1, 1]), 1e-300)), 120.0)
        assert abs(s[0, 1] - s[1, 0]) < 1e-12, (name, "not reciprocal")
        assert abs(loss - printed_loss) <= 5e-5, (name, loss, printed_loss)
        assert abs(input_return - printed_input) <= 5e-3, (name, input_return, printed_input)
        assert abs(output_return - printed_output) <= 5e-3, (name, output_return, printed_output)
        if exact:
            assert abs(loss - asked) < 1e-9, (name, loss, asked)
    print(f"{name}: {printed_loss} dB, return losses {printed_input} and {printed_output} dB")


def touchstone(program, arguments, version):
    return subprocess.run([program, *arguments, "--format", "touchstone", "--touchstone", version,
                           "--freq", SWEEP], capture_output=True, text=True, check=True).stdout


def check_version_1_1(program, name, arguments):
    old = touchstone(program, arguments, "1.1")
    new = touchstone(program, arguments, "2.0")
    zin = float(arguments[arguments.index("--zin") + 1])
    zout = float(arguments[arguments.index("--zout") + 1])
    assert not any(line.startswith("[") for line in old.splitlines()), (name, "2.0 keyword")
    with tempfile.TemporaryDirectory() as directory:
        old_path = os.path.join(directory, name + ".s2p")
        with open(old_path, "w", encoding="ascii") as out:
            out.write(old)
        network = skrf.Network(old_path)
        new_path = os.path.join(directory, name + "_2_0.s2p")
        with open(new_path, "w", encoding="ascii") as out:
            out.write(as_scikit_rf_reads_it(new))
        frequencies, expected = skrf.io.touchstone.Touchstone(new_path).get_sparameter_arrays()
    assert network.nports == 2 and len(network.f) == 25, name
    assert all(abs(z - zin) < 1e-12 for z in network.z0.flatten()), (name, network.z0[0])
    assert max(abs(network.f - frequencies)) < 1e-6, name
    network.renormalize([zin, zout])
    worst = max(abs(network.s - expected).flatten())
    assert worst < 1e-9, (name, worst)
    print(f"{name}: 1.1 read unmodified, renormalised to {zin:g} and {zout:g} ohm, "
          f"within {worst:.1e} of 2.0; S21 at 6 GHz {20 * math.log10(abs(network.s[-1, 1, 0])):.4f} dB")


def main():
    program = sys.argv[1]
    for name, arguments, exact in CASES:
        check(program, name, arguments, exact)
    for name, arguments in MODELLED:
        check_version_1_1(program, name, arguments)


if __name__ == "__main__":
    main()
