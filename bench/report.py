#!/usr/bin/env python3
"""Runs kvxbench and writes bench/RESULTS.md: every figure as a ratio to its reference,
both measured in the same run, with a description of the machine.

    python3 bench/report.py [REPETITIONS] [SECTION ...]

Without sections every section runs and RESULTS.md is rewritten; with sections (render,
reading, check, images, undo, window) only those run and are printed, the file is left alone."""
import json
import os
import platform
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join(ROOT, "build", "bin", "kvxbench")


def machine():
    cpu = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    mem = ""
    try:
        with open("/proc/meminfo") as f:
            kb = int(f.readline().split()[1])
            mem = f", {kb / 1024 / 1024:.0f} GiB memory"
    except (OSError, ValueError, IndexError):
        pass
    return f"{cpu}, {os.cpu_count()} cores{mem}, {platform.system()} {platform.release()}"


def run(filter_regex, repetitions, interleave=False):
    # Interleaved repetitions spread a passing load over a figure and its reference alike.
    extra = ["--benchmark_enable_random_interleaving=true"] if interleave else []
    out = subprocess.run(
        [BENCH, f"--benchmark_filter={filter_regex}", "--benchmark_format=json",
         f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true"] +
        extra,
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    results = {}
    for b in json.loads(out)["benchmarks"]:
        # One repetition has no aggregates: its single run stands for the median.
        if b.get("aggregate_name") == "median" or b.get("run_type") == "iteration":
            results[b["run_name"]] = b
    return results


def ms(b):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}[b["time_unit"]]
    return b["real_time"] * scale


def render_section(reps):
    render = run("BM_Render", reps)
    lines = ["## RenderView composition", "",
             "Reference: one memcpy of the image's pixels plus one memcpy of a 1200 x 800 view.",
             "Targets: at most 1.5 x with 0 areas, at most 2 x with 1,000 areas at 100 %.", "",
             "| image | areas | zoom | time (ms) | reference (ms) | ratio |",
             "|---|---|---|---|---|---|"]
    for width, height in ((4000, 3000), (8000, 6000)):
        ref = render[f"BM_RenderReference/image:{width}"]
        for areas in (0, 100, 1000):
            for zoom in (25, 100, 400):
                b = render[f"BM_RenderView/image:{width}/areas:{areas}/zoom:{zoom}"]
                lines.append(f"| {width} x {height} | {areas} | {zoom} % | {ms(b):.1f} | "
                             f"{ms(ref):.1f} | {ms(b) / ms(ref):.2f} |")
    lines.append("")
    return lines


def reading_section(reps):
    reading = run("BM_Read", reps)
    lines = ["## Reading generated pages", "",
             "Reference: one memchr pass for \"<\" over the same text.",
             "Targets: at least 100 MB/s; the 50 MB page at most 55 x the 1 MB page.", "",
             "| page | areas | time (ms) | MB/s | reference (ms) | ratio |",
             "|---|---|---|---|---|---|"]
    times = {}
    for size, areas in ((1, 1000), (10, 10000), (50, 50000)):
        b = reading[f"BM_ReadMapDefinition/{size}/{areas}"]
        ref = reading[f"BM_ReadReferenceMemchr/{size}/{areas}"]
        times[size] = ms(b)
        mbps = size * 1000.0 / ms(b)
        lines.append(f"| {size} MB | {areas} | {ms(b):.1f} | {mbps:.0f} | {ms(ref):.2f} | "
                     f"{ms(b) / ms(ref):.1f} |")
    lines += ["", f"Growth: the 50 MB page takes {times[50] / times[1]:.1f} x the 1 MB page.", ""]
    hostile = [reading[k] for k in sorted(reading) if k.startswith("BM_ReadHostilePage")]
    if hostile:
        lines.append("Hostile 20 MB pages (unclosed tags, unclosed quotes, unclosed maps): " +
                     ", ".join(f"{ms(b):.0f} ms" for b in hostile) + ".")
        lines.append("")
    return lines


def check_section(reps):
    check = run("BM_Check", reps)
    b = check["BM_CheckGeneratedPage"]
    ref = check["BM_CheckReferenceRead"]
    return ["## Checking the generated 50 MB page with 50,000 areas", "",
            "Reference: reading the same page alone (what `kvxtool info` does before its JSON), "
            "on a 10000 x 100 image that every area overlaps.",
            "Target: at most 2 x.", "",
            "| time (ms) | reference (ms) | ratio |", "|---|---|---|",
            f"| {ms(b):.0f} | {ms(ref):.0f} | {ms(b) / ms(ref):.2f} |", ""]


def images_section(reps):
    images = run("BM_(LoadImage|Reference)", reps)
    lines = ["## LoadImage of 24-megapixel images", "",
             "Reference: a bare decode loop of the same library into a buffer. Target: at most 1.15 x.",
             "", "| format | time (ms) | reference (ms) | ratio |", "|---|---|---|---|"]
    for name in ("Jpeg", "Png", "Gif"):
        b = images[f"BM_LoadImage{name}"]
        ref = images[f"BM_Reference{name}"]
        lines.append(f"| {name.upper()} | {ms(b):.0f} | {ms(ref):.0f} | {ms(b) / ms(ref):.2f} |")
    lines.append("")
    return lines


def undo_section(reps):
    undo = run("BM_UndoHistory", max(reps, 2))["BM_UndoHistoryMemory/iterations:3"]
    return ["## Undo history memory", "",
            "1,000 steps (moves, panel stores, duplicates, deletions, to front) on a map of "
            "1,000 areas. Reference: the heap of the map itself. Target: the steps under 10 MB.",
            "", "| steps | history (MB) | map (MB) |", "|---|---|---|",
            f"| {undo['steps']:.0f} | {undo['history_MB']:.2f} | {undo['map_MB']:.2f} |", ""]


def window_section(reps):
    window = run("BM_Window", reps, interleave=True)
    lines = ["## Editing in the window", "",
             "The main window offscreen at 1200 x 800, zoom 100 %, scrolled to the middle of a "
             "4000 x 3000 image; from the mouse event sent to the view to the finished frame "
             "(`repaint()` of the view). A click selects one of two areas in turn; a drag step is "
             "one mouse move with the button held on an area's body or on a rectangle's corner "
             "handle. Reference: `RenderView()` and the same `repaint()` with the same map and "
             "selection, no event.",
             "Targets: each step at most 16 ms and at most 1.5 x the reference with 1,000 areas; "
             "at most 33 ms with 10,000.", "",
             "| areas | step | time (ms) | reference (ms) | ratio | target | met |",
             "|---|---|---|---|---|---|---|"]
    steps = (("select", "BM_WindowSelect"), ("drag-move step", "BM_WindowDragMove"),
             ("handle-drag step", "BM_WindowHandleDrag"))
    for areas in (1000, 10000):
        ref = window[f"BM_WindowBareRender/areas:{areas}/real_time"]
        for label, name in steps:
            b = window[f"{name}/areas:{areas}/real_time"]
            ratio = ms(b) / ms(ref)
            if areas == 1000:
                target = "16 ms, 1.5 x"
                met = ms(b) <= 16 and ratio <= 1.5
            else:
                target = "33 ms"
                met = ms(b) <= 33
            lines.append(f"| {areas} | {label} | {ms(b):.1f} | {ms(ref):.1f} | {ratio:.2f} | "
                         f"{target} | {'yes' if met else 'no'} |")
    lines.append("")
    opening = run("BM_Open", reps, interleave=True)
    b = opening["BM_OpenProject48MP/real_time"]
    ref = opening["BM_OpenReferenceDecode/real_time"]
    ratio = ms(b) / ms(ref)
    lines += ["## Opening a project with a 48-megapixel PNG", "",
              "The Open command of the window on a project of 100 areas whose image is an "
              "8000 x 6000 PNG, up to the first frame the view paints. Reference: the bare decode "
              "of that PNG by the program's own decoder (`DecodePng`). Target: at most 1.3 x.", "",
              "| time (ms) | reference (ms) | ratio | met |", "|---|---|---|---|",
              f"| {ms(b):.0f} | {ms(ref):.0f} | {ratio:.2f} | {'yes' if ratio <= 1.3 else 'no'} |",
              ""]
    return lines


SECTIONS = {"render": render_section, "reading": reading_section, "check": check_section,
            "images": images_section, "undo": undo_section, "window": window_section}


def main():
    args = sys.argv[1:]
    reps = int(args.pop(0)) if args and args[0].isdigit() else 3
    chosen = args or list(SECTIONS)
    unknown = [name for name in chosen if name not in SECTIONS]
    if unknown:
        sys.exit(f"unknown sections {unknown}; known: {', '.join(SECTIONS)}")
    lines = ["# Benchmark results", "",
             f"Machine: {machine()}.", "",
             "Each figure is the median of the repetitions, divided by its reference measured "
             "in the same run (`python3 bench/report.py`).", ""]
    for name in chosen:
        lines += SECTIONS[name](reps)
    # Only a full run replaces the results file; a chosen section is printed for pasting.
    if not args:
        with open(os.path.join(ROOT, "bench", "RESULTS.md"), "w") as f:
            f.write("\n".join(lines))
    print("\n".join(lines))


if __name__ == "__main__":
    main()
