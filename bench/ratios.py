"""Prints the ratios of benchmark figures named in a ratios file.

Each line: NUMERATOR DENOMINATOR TARGET DESCRIPTION..., where the first two are
benchmark names (as Google Benchmark prints them) and TARGET the largest acceptable
ratio. Real (wall) time is used.
"""
import glob
import json
import os
import sys


def load(folder):
    times = {}
    for path in glob.glob(os.path.join(folder, "*.json")):
        with open(path) as f:
            try:
                data = json.load(f)
            except ValueError:
                continue
        for b in data.get("benchmarks", []):
            if b.get("run_type", "iteration") == "iteration":
                times[b["name"]] = b["real_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1}[b["time_unit"]]
    return times


def main(ratios_file, folder):
    times = load(folder)
    print("\n== ratios")
    for line in open(ratios_file):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        num, den, target, *desc = line.split()
        if num not in times or den not in times:
            print(f"  {' '.join(desc)}: not measured ({num} / {den})")
            continue
        ratio = times[num] / times[den]
        verdict = "ok" if ratio <= float(target) else "OVER TARGET"
        print(f"  {' '.join(desc)}: {ratio:.2f} (target <= {target}) {verdict}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
