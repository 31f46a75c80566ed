#!/usr/bin/env python3
"""Whole-program benchmark of devmgr against the tools a user would pick.

For each record count N it generates an import file (bench/gen_records),
runs the real program in a temporary folder with one scripted session
(import, the eight sorts, a query and a filter of each kind with their
results saved, delete one, undo, delete all, undo, browse to a pipe, quit)
and reads back the milliseconds the program reports for each operation.
Browse and the whole process are timed from outside, without the program's
one-second pauses, and the peak resident memory is taken from the child's
rusage. On the same data it times the peers: `wc -w`, `LC_ALL=C sort` by
each key, awk (mawk) for the queries and filters, and an awk writer of a
record file. It writes a Markdown report, the raw figures as JSON and a
log-log plot of time against N (gnuplot) to the output folder.

Usage: bench/run.py [--sizes 10000,100000,1000000] [--out bench/results]
                    [--build build-bench] [--smoke]
"""

import argparse
import json
import os
import platform
import re
import selectors
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GBK = "gbk"

# What the session queries and filters for; the generator uses these values.
NAME = "电脑"
DEPARTMENT = "财务部"
KEYWORD = "SB0000005"
QUANTITY_RANGE = ("100", "2000")
TIME_RANGE = ("2000.1.1", "2030.12.31")
PRICE_RANGE = ("1000", "50000")

SORT_KEYS = {  # order: (awk field, descending)
    1: (1, False), 2: (5, False), 3: (6, False), 4: (7, False),
    5: (1, True), 6: (5, True), 7: (6, True), 8: (7, True),
}
SORT_NAMES = {1: "number", 2: "quantity", 3: "time", 4: "price"}

DONE = "操作完成, 1 秒后返回初始界面.\n".encode(GBK)
BROWSE = "\n已存储信息如下:\n".encode(GBK)


def session_input():
    """The scripted session and the names of its timed operations."""
    steps = ["1 1 data.txt"]
    for k in range(1, 9):
        steps.append(f"5 {k} n")
    steps += [f"3 1 {NAME} 2", f"3 2 {DEPARTMENT} 2", f"3 3 {KEYWORD} 2"]
    steps += [f"6 1 {' '.join(QUANTITY_RANGE)} 2",
              f"6 2 {' '.join(TIME_RANGE)} 2",
              f"6 3 {' '.join(PRICE_RANGE)} 2"]
    steps += ["4 1 1", "7", "4 2", "7", "2", "0"]
    return ("\n".join(steps) + "\n").encode(GBK)


def operation_names():
    """Names of the timings the program reports, in the order it prints them."""
    names = ["import (read)", "import: save dev.out"]
    for k in range(1, 9):
        key = SORT_NAMES[(k - 1) % 4 + 1]
        direction = "desc" if k > 4 else "asc"
        names += [f"sort {k} ({key} {direction})", f"sort {k}: save dev.out"]
    for kind in ("name", "department", "keyword"):
        names += [f"query by {kind}", f"query by {kind}: save query.out"]
    for kind in ("quantity", "time", "price"):
        names += [f"filter by {kind}", f"filter by {kind}: save filter.out"]
    names += ["delete one: save dev.out", "undo: save dev.out",
              "delete all: save dev.out", "undo: save dev.out (full)"]
    return names


def run_program(program, folder):
    """Runs one session; returns (output, chunk arrival times, wall, rusage)."""
    with open(os.path.join(folder, "session.in"), "wb") as f:
        f.write(session_input())
    stdin = open(os.path.join(folder, "session.in"), "rb")
    start = time.perf_counter()
    child = subprocess.Popen([program], cwd=folder, stdin=stdin,
                             stdout=subprocess.PIPE)
    stdin.close()
    chunks, arrivals, size = [], [], 0
    fd = child.stdout.fileno()
    while True:
        data = os.read(fd, 1 << 20)
        if not data:
            break
        size += len(data)
        chunks.append(data)
        arrivals.append((size, time.perf_counter()))
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise SystemExit(f"devmgr ended with status {child.returncode}")
    return b"".join(chunks), arrivals, wall, usage


def arrival_time(arrivals, offset):
    for end, t in arrivals:
        if end > offset:
            return t
    return arrivals[-1][1]


def program_figures(output, arrivals, wall, usage):
    millis = [int(m) for m in re.findall(
        "耗时 ".encode(GBK) + rb"(\d+) " + "毫秒".encode(GBK), output)]
    names = operation_names()
    if len(millis) != len(names):
        raise SystemExit(f"expected {len(names)} timings, got {len(millis)}")
    figures = dict(zip(names, (float(m) for m in millis)))
    head = output.rfind(BROWSE)
    done = output.find(DONE, head)
    figures["browse (to a pipe, from outside)"] = 1000 * (
        arrival_time(arrivals, done) - arrival_time(arrivals, head))
    pauses = output.count(DONE)
    figures["whole process, pauses removed"] = 1000 * (wall - pauses)
    figures["peak resident memory (MiB)"] = usage.ru_maxrss / 1024
    return figures


def best_of(runs, command, cwd, env, before_each=None):
    best = None
    for _ in range(runs):
        if before_each is not None:
            subprocess.run(before_each.encode(GBK), cwd=cwd, env=env,
                           shell=True, check=True)
        start = time.perf_counter()
        subprocess.run(command.encode(GBK), cwd=cwd, env=env, shell=True,
                       check=True, stdout=subprocess.DEVNULL)
        took = 1000 * (time.perf_counter() - start)
        best = took if best is None else min(best, took)
    return best


def awk():
    return shutil.which("mawk") or "awk"


def peer_commands():
    """For each operation name: (label, command to time, command that
    prepares its input first or None, command run before each timing or
    None). All run in the data folder."""
    a = awk()
    eq = lambda field, value: f"{a} '${field} == \"{value}\"' data.txt"
    any_field = " || ".join(f"${i} == k" for i in range(1, 8))
    q_lo, q_hi = QUANTITY_RANGE
    t_lo, t_hi = TIME_RANGE
    p_lo, p_hi = PRICE_RANGE
    peers = {"import (read)": ("wc -w", "wc -w data.txt", None, None)}
    for k, (field, descending) in SORT_KEYS.items():
        key = SORT_NAMES[(k - 1) % 4 + 1]
        direction = "desc" if descending else "asc"
        flag = " -r" if descending else ""
        peers[f"sort {k} ({key} {direction})"] = (
            f"sort -k{field},{field}{flag}",
            f"sort -t ' ' -k{field},{field}{flag} data.txt", None, None)
    searches = {
        "query by name": ("awk $2 ==", eq(2, NAME)),
        "query by department": ("awk $4 ==", eq(4, DEPARTMENT)),
        "query by keyword": (
            "awk any field ==", f"{a} -v k={KEYWORD} '{any_field}' data.txt"),
        "filter by quantity": (
            "awk range $5", f"{a} '$5 >= {q_lo} && $5 <= {q_hi}' data.txt"),
        "filter by time": (
            "awk range $6",
            f"{a} '$6 >= \"{t_lo}\" && $6 <= \"{t_hi}\"' data.txt"),
        "filter by price": (
            "awk range $7", f"{a} '$7 >= {p_lo} && $7 <= {p_hi}' data.txt"),
    }
    # A save is compared with awk writing a record file of the same records.
    # The program's save replaces what its file held before (nothing, the
    # previous result of the same kind, or the whole list), and removing
    # the old file costs time too; so before each timing the awk writer's
    # file is set to what the program's file held.
    writer = lambda source: f"{a} '{{print NR, $0}}' {source} > written.txt"
    label = "awk '{print NR, $0}' > file"
    no_file = "rm -f written.txt"
    previous = {}  # output file: the found-records file of its last search
    for name, (search_label, command) in searches.items():
        peers[name] = (search_label, command, None, None)
        found = f"found-{name.split()[-1]}.txt"
        output = "query.out" if name.startswith("query") else "filter.out"
        before = writer(previous[output]) if output in previous else no_file
        peers[f"{name}: save {output}"] = (
            label, writer(found), f"{command} > {found}", before)
        previous[output] = found
    whole, empty = writer("data.txt"), ": > written.txt"
    for name in operation_names():
        if "save dev.out" in name:
            peers[name] = (label, writer("data.txt"), None, whole)
    peers["import: save dev.out"] = (label, writer("data.txt"), None, no_file)
    peers["delete all: save dev.out"] = (
        label, writer("/dev/null"), None, whole)
    peers["undo: save dev.out (full)"] = (
        label, writer("data.txt"), None, empty)
    peers["browse (to a pipe, from outside)"] = (
        "awk '{print NR, $0}' | cat",
        f"{a} '{{print NR, $0}}' data.txt | cat", None, None)
    return peers


def target(name):
    """The ratio an operation must stay under at 10^6 records, if any."""
    if name == "import (read)":
        return 1.5
    if name.startswith("sort") and "save" not in name:
        return 0.5
    if name.startswith(("query", "filter")) and "save" not in name:
        return 0.1
    if "save" in name:
        return 1.0
    return None


def measure(n, build, runs):
    folder = tempfile.mkdtemp(prefix=f"devmgr-bench-{n}-")
    try:
        with open(os.path.join(folder, "data.txt"), "wb") as f:
            subprocess.run([os.path.join(build, "bench", "gen_records"),
                            str(n)], stdout=f, check=True)
        # The best of several sessions for each figure, as for the peers:
        # this machine's noise only ever adds time.
        program = {}
        for _ in range(runs):
            figures = program_figures(*run_program(
                os.path.join(build, "devmgr"), folder))
            for name, value in figures.items():
                program[name] = min(value, program.get(name, value))
        env = dict(os.environ, LC_ALL="C")
        peers, cache = {}, {}
        for name, (label, command, prepare, before_each) in (
                peer_commands().items()):
            if prepare is not None:
                subprocess.run(prepare.encode(GBK), cwd=folder, env=env,
                               shell=True, check=True)
            key = (command, before_each)
            if key not in cache:
                cache[key] = best_of(runs, command, folder, env, before_each)
            peers[name] = (label, cache[key])
        return program, peers
    finally:
        shutil.rmtree(folder)


def fmt(ms):
    return f"{ms:.0f}" if ms >= 10 else f"{ms:.1f}"


def report(results, sizes, out, machine):
    lines = ["# devmgr benchmark", "", machine, "",
             "Times in milliseconds, each the best of several runs on the "
             "same data: devmgr's as the program reports them (whole "
             "milliseconds; browse and the whole process timed from "
             "outside, without the one-second pauses), the peers' with "
             "LC_ALL=C. A ratio is devmgr's time over the peer's.", ""]
    verdicts = []
    for n in sizes:
        program, peers = results[n]
        lines += [f"## {n:,} records", "",
                  "| operation | devmgr ms | peer | peer ms | ratio | target |",
                  "|---|---:|---|---:|---:|---:|"]
        for name, ms in program.items():
            if name.startswith("peak"):
                continue
            label, peer_ms = peers.get(name, ("", None))
            ratio = ms / peer_ms if peer_ms else None
            goal = target(name)
            mark = ""
            if goal is not None and ratio is not None and n >= 1000000:
                ok = ratio <= goal
                mark = " ok" if ok else " MISSED"
                verdicts.append((n, name, ratio, goal, ok))
            lines.append(
                f"| {name} | {fmt(ms)} | {label} | "
                f"{fmt(peer_ms) if peer_ms else ''} | "
                f"{f'{ratio:.2f}' if ratio is not None else ''} | "
                f"{f'≤ {goal}{mark}' if goal else ''} |")
        lines += ["", f"Peak resident memory: "
                  f"{program['peak resident memory (MiB)']:.0f} MiB", ""]
    if len(sizes) > 1:
        lines += ["## Scaling", "",
                  "| operation | " + " | ".join(f"{n:,}" for n in sizes) +
                  " | growth per 10x |",
                  "|---|" + "---:|" * len(sizes) + "---:|"]
        for name in results[sizes[0]][0]:
            row = [results[n][0][name] for n in sizes]
            growth = ""
            if row[-2] > 0 and sizes[-1] == 10 * sizes[-2]:
                growth = f"{row[-1] / row[-2]:.1f}x"
            lines.append(f"| {name} | " + " | ".join(fmt(v) for v in row) +
                         f" | {growth} |")
        lines.append("")
    with open(os.path.join(out, "report.md"), "w") as f:
        f.write("\n".join(lines))
    return verdicts


def plot(results, sizes, out):
    if len(sizes) < 2 or not shutil.which("gnuplot"):
        return
    series = {
        "import (read)": lambda p: p["import (read)"],
        "sort (mean of 8)": lambda p: sum(
            v for k, v in p.items()
            if k.startswith("sort") and "save" not in k) / 8,
        "query (mean of 3)": lambda p: sum(
            v for k, v in p.items()
            if k.startswith("query") and "save" not in k) / 3,
        "filter (mean of 3)": lambda p: sum(
            v for k, v in p.items()
            if k.startswith("filter") and "save" not in k) / 3,
        "commit save of dev.out": lambda p: p["import: save dev.out"],
        "browse to a pipe": lambda p: p["browse (to a pipe, from outside)"],
        "whole process": lambda p: p["whole process, pauses removed"],
    }
    data = os.path.join(out, "scaling.dat")
    with open(data, "w") as f:
        for n in sizes:
            values = [max(fn(results[n][0]), 0.1) for fn in series.values()]
            f.write(f"{n} " + " ".join(f"{v:.3f}" for v in values) + "\n")
    plots = ", ".join(
        f"'{data}' using 1:{i + 2} with linespoints title '{title}'"
        for i, title in enumerate(series))
    script = (f"set terminal png size 900,600\n"
              f"set output '{os.path.join(out, 'scaling.png')}'\n"
              "set logscale xy\nset xlabel 'records'\n"
              "set ylabel 'milliseconds'\nset key left top\nset grid\n"
              "set title 'devmgr: time against list size'\n"
              f"plot {plots}\n")
    subprocess.run(["gnuplot"], input=script.encode(), check=True)
    os.remove(data)


def machine_line():
    cpu = ""
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return (f"Machine: {cpu}, {os.cpu_count()} cores, "
            f"{platform.system()} {platform.release()}; "
            f"{time.strftime('%Y-%m-%d')}.")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sizes", default="10000,100000,1000000")
    parser.add_argument("--out", default=os.path.join(ROOT, "bench", "results"))
    parser.add_argument("--build", default=os.path.join(ROOT, "build-bench"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--smoke", action="store_true",
                        help="1,000 records, one peer run, report only")
    args = parser.parse_args()
    sizes = [1000] if args.smoke else [int(s) for s in args.sizes.split(",")]
    runs = 1 if args.smoke else args.runs
    os.makedirs(args.out, exist_ok=True)
    results = {}
    for n in sizes:
        print(f"bench: {n:,} records", file=sys.stderr, flush=True)
        results[n] = measure(n, args.build, runs)
    verdicts = report(results, sizes, args.out, machine_line())
    plot(results, sizes, args.out)
    print(open(os.path.join(args.out, "report.md")).read())
    with open(os.path.join(args.out, "results.json"), "w") as f:
        json.dump({str(n): {"devmgr": results[n][0], "peers": results[n][1]}
                   for n in sizes}, f, indent=1, ensure_ascii=False)
    missed = [v for v in verdicts if not v[4]]
    for n, name, ratio, goal, _ in missed:
        print(f"bench: target missed at {n:,}: {name} {ratio:.2f} > {goal}",
              file=sys.stderr)


if __name__ == "__main__":
    main()
