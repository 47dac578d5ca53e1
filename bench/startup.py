#!/usr/bin/python3
"""Start-up time and memory of Kelvo beside a bare Qt window (or another program), under Xvfb.

For each run, each program is started on a private Xvfb display; the time is taken from the
moment the process is spawned until its top-level window is mapped and shows painted content
(not one uniform colour), with the processor time it has had by then; one second later the
resident memory is read from /proc. Runs are
interleaved (and the order rotates) so that every program sees the same machine state.

    bench/startup.py [--runs 15] [--kelvo build/kelvo ...] [--other PROGRAM --other-title CAPTION]
                     [--settings Kelvo.ini]

The yardstick is build/bench/startup/bare-window: a Qt window with a caption, a menu bar and a
text, and nothing else. --kelvo may be given more than once (say, a build before a change and one
after it, each with its KelvoFiles beside it): they are measured in the same runs.
--settings starts Kelvo with that settings file (for example one whose [Net] ServerUrl points at a
local server, with [StartUp] AutoUpdate on or off).

Needs: Xvfb (xvfb) and python3-xlib.
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, error as xerror

from xvfb_session import start_xvfb, window_named


def painted(window):
    try:
        geometry = window.get_geometry()
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
    except xerror.XError:
        return False
    data = image.data
    return len(data) >= 8 and data.count(data[:4]) * 4 != len(data)


def resident_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def cpu_ms(pid):
    """Processor time the process (all its threads) has had, in ms: less sensitive to a busy machine
    than the wall-clock time."""
    try:
        total = 0
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        return total / 1e6
    except OSError:
        return None


def measure(command, title, display_name, cwd):
    env = dict(os.environ, DISPLAY=display_name)
    env.pop("QT_QPA_PLATFORM", None)
    conn = xdisplay.Display(display_name)
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = cpu = None
    deadline = start + 10
    while time.perf_counter() < deadline:
        window = window_named(conn, title)
        if window is not None and painted(window):
            elapsed = time.perf_counter() - start
            cpu = cpu_ms(proc.pid)
            break
        time.sleep(0.0005)
    time.sleep(1.0)
    rss = resident_kib(proc.pid)
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    conn.close()
    return elapsed, rss, cpu


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    build = os.path.join(here, "..", "build")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--kelvo", action="append", help="a Kelvo executable (build/kelvo unless given)")
    parser.add_argument("--other", default=os.path.join(build, "bench", "startup", "bare-window"))
    parser.add_argument("--other-title", default="BareQt")
    parser.add_argument("--settings", help="a Kelvo.ini to start Kelvo with")
    args = parser.parse_args()

    kelvos = [os.path.abspath(k) for k in (args.kelvo or [os.path.join(build, "kelvo")])]
    other = shutil.which(args.other)
    for needed in kelvos + [other or args.other]:
        if not os.path.exists(needed):
            sys.exit(f"need {needed}")

    # Kelvo runs from a scratch copy of its program folder, so the user's settings stay untouched.
    scratch = tempfile.mkdtemp(prefix="kelvo-startup-")
    programs = {}
    for index, kelvo in enumerate(kelvos):
        name = "kelvo" if len(kelvos) == 1 else f"kelvo{index + 1}"
        folder = os.path.join(scratch, name)
        os.mkdir(folder)
        shutil.copy2(kelvo, folder)
        shutil.copytree(os.path.join(os.path.dirname(kelvo), "KelvoFiles"), os.path.join(folder, "KelvoFiles"))
        if args.settings:
            shutil.copy2(args.settings, os.path.join(folder, "KelvoFiles", "_sys", "Kelvo.ini"))
        programs[name] = ([os.path.join(folder, os.path.basename(kelvo))], "Kelvo", folder)
        if len(kelvos) > 1:
            print(f"{name}: {kelvo}")
    yardstick = os.path.basename(args.other)
    programs[yardstick] = ([other], args.other_title, scratch)

    xvfb, display_name = start_xvfb(range(91, 120))
    results = {name: [] for name in programs}
    cpus = {}
    try:
        for run in range(args.runs):
            names = list(programs)
            shift = run % len(names)
            order = names[shift:] + names[:shift]
            if (run // len(names)) % 2:
                order.reverse()
            for name in order:
                elapsed, rss, cpu = measure(*programs[name][:2], display_name, programs[name][2])
                results[name].append((elapsed, rss))
                cpus.setdefault(name, []).append(cpu)
                shown = f"{elapsed * 1000:7.1f} ms" if elapsed is not None else "  no window"
                print(f"run {run + 1:2d}  {name:12s} {shown}  {rss / 1024:6.1f} MiB  cpu {cpu or 0:5.1f} ms", flush=True)
    finally:
        xvfb.terminate()
        shutil.rmtree(scratch, ignore_errors=True)

    print()
    medians = {}
    for name, rows in results.items():
        times = [t for t, _ in rows if t is not None]
        rss = [r for _, r in rows if r]
        if not times:
            print(f"{name}: never showed a window")
            continue
        medians[name] = statistics.median(times)
        cpu = statistics.median([c for c in cpus.get(name, []) if c is not None] or [0])
        print(f"{name:12s} median {medians[name] * 1000:6.1f} ms  (min {min(times) * 1000:.1f}, "
              f"max {max(times) * 1000:.1f})  resident {statistics.median(rss) / 1024:.1f} MiB  "
              f"processor {cpu:.1f} ms")
    resident = {name: statistics.median([r for _, r in rows if r] or [0]) / 1024 for name, rows in results.items()}
    for name in programs:
        if name != yardstick and name in medians and yardstick in medians:
            print(f"{name} / {yardstick}: {medians[name] / medians[yardstick]:.2f}  "
                  f"resident {resident[name] - resident[yardstick]:+.1f} MiB")


if __name__ == "__main__":
    main()
