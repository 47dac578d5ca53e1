"""What the benchmarks that drive Kelvo under X share: a private Xvfb and finding a window."""
import os
import subprocess
import sys
import time

from Xlib import X, error as xerror


def start_xvfb(numbers):
    """Starts Xvfb on the first free display of `numbers`; returns the process and ":N"."""
    for number in numbers:
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        proc = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(200):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                return proc, f":{number}"
            time.sleep(0.01)
        proc.kill()
    sys.exit("could not start Xvfb")


def window_named(conn, title):
    """The viewable top-level window captioned exactly `title`, or None."""
    for child in conn.screen().root.query_tree().children:
        try:
            if child.get_attributes().map_state != X.IsViewable:
                continue
            name = child.get_wm_name()
            if name is None:
                net = child.get_full_property(conn.intern_atom("_NET_WM_NAME"), 0)
                name = net.value.decode() if net else None
            if isinstance(name, bytes):
                name = name.decode(errors="replace")
            if name == title:
                return child
        except xerror.XError:
            continue
    return None
