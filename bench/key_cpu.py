#!/usr/bin/python3
"""Kelvo's CPU time per key while keys come fast, with the read-aloud off and on, under Xvfb.

Each run starts Kelvo once per read-aloud mode ([Speech] Mode in its settings file) on a private
Xvfb display, types a calculation over and over at a steady pace (33 keys a second by default)
through the XTEST extension, and reads the process's CPU time (every thread) from /proc before
and after. Modes take turns, their order alternating from run to run, so that all see the same
machine. The read-aloud speaks to a private speech-dispatcher whose only voice writes each text to
a file, so no sound is made and the number of texts said is counted. That voice takes as long as
a synthesizer takes to say a key's word (--speak-seconds, 0.3 s); while it speaks, the newest text
waits in place of the others, so fewer texts than keys reach it. --speak-seconds 0 is a voice that
takes no time at all: every key's word is then sent, the most the read-aloud can ever cost.

    bench/key_cpu.py [--runs 5] [--keys 330] [--rate 33] [--kelvo build/kelvo] [--modes 0,2]
                     [--speak-seconds 0.3]

Needs: Xvfb (xvfb), python3-xlib, speech-dispatcher.
"""
import argparse
import glob
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display as xdisplay

from xvfb_session import start_xvfb, window_named
from Xlib.ext import xtest

# 1 2 + 3 4 = with the factory key assignment.
KEYS = ["1", "2", "KP_Add", "3", "4", "Return"]
MODE_NAMES = {0: "off", 1: "results", 2: "keys+results"}


def start_speechd(folder, speak_seconds):
    """A private speech-dispatcher whose voice appends each text to folder/said.txt."""
    conf = os.path.join(folder, "conf", "speech-dispatcher")
    run = os.path.join(folder, "run")
    os.makedirs(conf)
    os.makedirs(run, mode=0o700)
    said = os.path.join(folder, "said.txt")
    open(said, "w").close()
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write(f'AddModule "file" "sd_generic" "{conf}/file.conf"\nDefaultModule file\n'
                'LanguageDefaultModule "ja" "file"\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    with open(os.path.join(conf, "file.conf"), "w") as f:
        f.write(f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> {said}; sleep {speak_seconds}\"\n"
                'AddVoice "ja" "MALE1" "ja"\nGenericLanguage "ja" "ja" "utf-8"\n')
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "conf"), XDG_RUNTIME_DIR=run)
    proc = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)
    socket = os.path.join(run, "speech-dispatcher", "speechd.sock")
    for _ in range(50):
        if os.path.exists(socket):
            return proc, {"XDG_RUNTIME_DIR": run, "SPEECHD_ADDRESS": f"unix_socket:{socket}"}, said
        time.sleep(0.1)
    proc.kill()
    sys.exit("speech-dispatcher did not start")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def measure(folder, mode, keys, rate, display_name, speech_env):
    settings = os.path.join(folder, "KelvoFiles", "_sys", "Kelvo.ini")
    with open(settings, "w") as f:
        f.write(f"[StartUp]\r\nAutoUpdate=0\r\n\r\n[Speech]\r\nMode={mode}\r\n")
    env = dict(os.environ, DISPLAY=display_name, **speech_env)
    env.pop("QT_QPA_PLATFORM", None)
    conn = xdisplay.Display(display_name)
    proc = subprocess.Popen([os.path.join(folder, "kelvo")], cwd=folder, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = None
        for _ in range(500):
            window = window_named(conn, "Kelvo")
            if window is not None:
                break
            time.sleep(0.02)
        if window is None:
            sys.exit("Kelvo showed no window")
        time.sleep(1.0)
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        conn.sync()
        time.sleep(0.3)
        codes = [conn.keysym_to_keycode(XK.string_to_keysym(k)) for k in KEYS]
        before = cpu_seconds(proc.pid)
        start = time.perf_counter()
        for i in range(keys):
            code = codes[i % len(codes)]
            xtest.fake_input(conn, X.KeyPress, code)
            xtest.fake_input(conn, X.KeyRelease, code)
            conn.sync()
            pause = start + (i + 1) / rate - time.perf_counter()
            if pause > 0:
                time.sleep(pause)
        time.sleep(0.5)  # the last keys' work, speech included
        return (cpu_seconds(proc.pid) - before) / keys
    finally:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
        conn.close()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--keys", type=int, default=330)
    parser.add_argument("--rate", type=float, default=33.0, help="keys a second")
    parser.add_argument("--kelvo", default=os.path.join(here, "..", "build", "kelvo"))
    parser.add_argument("--modes", default="0,2", help="the [Speech] Mode values to compare")
    parser.add_argument("--speak-seconds", type=float, default=0.3, help="how long the voice takes a text")
    args = parser.parse_args()
    modes = [int(m) for m in args.modes.split(",")]

    kelvo = os.path.abspath(args.kelvo)
    if not os.path.exists(kelvo) or shutil.which("speech-dispatcher") is None:
        sys.exit(f"need {kelvo} and speech-dispatcher")
    scratch = tempfile.mkdtemp(prefix="kelvo-key-cpu-")
    folder = os.path.join(scratch, "app")
    os.makedirs(folder)
    shutil.copy2(kelvo, folder)
    # Its helpers too: the read-aloud's voice is a module beside the program.
    for helper in glob.glob(os.path.join(os.path.dirname(kelvo), "kelvo-*")):
        shutil.copy2(helper, folder)
    shutil.copytree(os.path.join(os.path.dirname(kelvo), "KelvoFiles"), os.path.join(folder, "KelvoFiles"))

    xvfb, display_name = start_xvfb(range(121, 160))
    speechd, speech_env, said = start_speechd(os.path.join(scratch, "speechd"), args.speak_seconds)
    results = {mode: [] for mode in modes}
    texts = {mode: 0 for mode in modes}
    try:
        for run in range(args.runs):
            for mode in (modes if run % 2 == 0 else list(reversed(modes))):
                lines_before = sum(1 for _ in open(said))
                per_key = measure(folder, mode, args.keys, args.rate, display_name, speech_env)
                texts[mode] += sum(1 for _ in open(said)) - lines_before
                results[mode].append(per_key)
                print(f"run {run + 1:2d}  {MODE_NAMES.get(mode, mode):13s} {per_key * 1e6:8.0f} µs CPU a key", flush=True)
    finally:
        os.killpg(speechd.pid, signal.SIGTERM)
        xvfb.terminate()
        shutil.rmtree(scratch, ignore_errors=True)

    print()
    medians = {mode: statistics.median(rows) for mode, rows in results.items()}
    for mode in modes:
        print(f"{MODE_NAMES.get(mode, mode):13s} median {medians[mode] * 1e6:6.0f} µs a key  "
              f"({texts[mode]} texts said for {args.runs * args.keys} keys)")
    base = medians[modes[0]]
    for mode in modes[1:]:
        if base > 0:
            print(f"{MODE_NAMES.get(mode, mode)} / {MODE_NAMES.get(modes[0], modes[0])}: {medians[mode] / base:.2f}")


if __name__ == "__main__":
    main()
