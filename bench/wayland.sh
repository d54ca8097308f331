#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Wayland call-up speed, median of N runs:
#  1. `vendrask toggle` run by sway (`swaymsg exec`, as a key binding runs
#     it) to the menu mapped, seen as sway's "new" window event, through
#     XWayland and native;
#  2. fuzzel (a Wayland launcher Debian ships) started the same way, to its
#     first buffer on screen (its layer surface's first attach and commit);
#  3. the X11 hot key to the menu mapped (bench/BenchMenuShow.cpp under Xvfb),
#     for comparison in the same run.
# fuzzel is installed here if missing (only for this comparison).
# Usage: bench/wayland.sh [BUILD] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-20}

if ! command -v fuzzel >/dev/null; then
    apt-get install -y --no-install-recommends fuzzel >/dev/null
fi

echo "== X11 hot key to menu mapped (Xvfb + openbox)"
"$here/scripts/with-xvfb.sh" "$build/vendrask_bench_menu" --benchmark_repetitions=1 2>&1 |
    grep -E 'manual_time_median|first paint' | sort -u || true

for mode in ${BENCH_MODES:-xwayland native}; do
    flag=()
    [[ $mode == native ]] && flag=(--no-xwayland)
    echo "== sway ($mode)"
    "$here/scripts/with-sway.sh" "${flag[@]}" python3 - "$build" "$runs" <<'INNER'
import json, os, pwd, socket, struct, subprocess, sys, tempfile, time

build, runs = sys.argv[1], int(sys.argv[2])
user = os.environ.get("VENDRASK_SESSION_USER", "")
as_user = []
if os.getuid() == 0 and user:
    as_user = ["setpriv", "--reuid=" + user, "--regid=nogroup", "--clear-groups"]

def ipc(kind, payload=b""):
    s = socket.socket(socket.AF_UNIX)
    s.connect(os.environ["SWAYSOCK"])
    s.sendall(b"i3-ipc" + struct.pack("<II", len(payload), kind) + payload)
    return s

def read(s):
    head = b""
    while len(head) < 14:
        chunk = s.recv(14 - len(head))
        if not chunk:
            raise EOFError
        head += chunk
    length, kind = struct.unpack("<II", head[6:])
    body = b""
    while len(body) < length:
        body += s.recv(length - len(body))
    return kind, json.loads(body)

def command(text):
    s = ipc(0, text.encode())
    read(s)
    s.close()

def median(values):
    values = sorted(values)
    n = len(values)
    return values[n // 2] if n % 2 else (values[n // 2 - 1] + values[n // 2]) / 2

events = ipc(2, b'["window"]')
read(events)  # the subscription's reply
events.settimeout(3)

def ours_window(c):
    # The title may come after the map; the class (XWayland) or app id does not.
    names = (c.get("name"), c.get("app_id"), (c.get("window_properties") or {}).get("class"))
    return any(n and n.lower() == "vendrask" for n in names)

def wait_window(change):
    while True:
        kind, event = read(events)
        if event.get("change") == change and ours_window(event.get("container", {})):
            return

work = tempfile.mkdtemp()
os.chmod(work, 0o755)
ini = os.path.join(work, "Vendrask.ini")
subprocess.run([build + "/vendrask-profile", "set", ini, "ColorSet", "FadeLevel", "0"], check=True)
if as_user:
    pw = pwd.getpwnam(user)
    os.chown(ini, pw.pw_uid, pw.pw_gid)
    os.chown(work, pw.pw_uid, pw.pw_gid)
env = dict(os.environ, SDL_AUDIODRIVER="dummy")
env.pop("QT_QPA_PLATFORM", None)
launcher = subprocess.Popen(as_user + [build + "/vendrask", "--ini", ini], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
for _ in range(200):
    if subprocess.run(as_user + [build + "/vendrask", "status"], env=env,
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0:
        break
    time.sleep(0.05)
time.sleep(1)

ours = []
for _ in range(runs + 1):
    start = time.monotonic()
    command("exec '%s/vendrask' toggle" % build)
    wait_window("new")
    ours.append((time.monotonic() - start) * 1000)
    subprocess.run(as_user + [build + "/vendrask", "hide"], env=env)
    wait_window("close")
    time.sleep(0.05)
ours = ours[1:]  # the first show builds the window
subprocess.run(as_user + [build + "/vendrask", "quit"], env=env)
launcher.wait(10)
print("vendrask toggle (swaymsg exec) to menu mapped: median %.1f ms over %d runs" % (median(ours), len(ours)))

theirs = []
for i in range(runs):
    log = os.path.join(work, "fuzzel%d.log" % i)
    pidfile = os.path.join(work, "fuzzel%d.pid" % i)
    # A script: sway's command parser would take $$ for a variable.
    script = os.path.join(work, "fuzzel%d.sh" % i)
    with open(script, "w") as f:
        f.write("#!/bin/sh\necho $$ > '%s'\nWAYLAND_DEBUG=1 exec fuzzel 2> '%s'\n" % (pidfile, log))
    os.chmod(script, 0o755)
    start = time.monotonic()
    command("exec '%s'" % script)
    mapped = None
    while time.monotonic() - start < 5:
        try:
            text = open(log, errors="replace").read()
        except OSError:
            text = ""
        # libwayland 1.22 names objects with "@", 1.23 with "#".
        configured = max(text.find("zwlr_layer_surface_v1@"), text.find("zwlr_layer_surface_v1#"))
        if configured >= 0 and "attach(" in text[configured:]:
            mapped = (time.monotonic() - start) * 1000
            break
        time.sleep(0.0005)
    # One fuzzel at a time (it holds a lock): wait for this one's end.
    try:
        pid = int(open(pidfile).read())
        os.kill(pid, 15)
        for _ in range(200):
            state = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()[0]
            if state == "Z":
                break
            time.sleep(0.01)
    except (OSError, ValueError, IndexError):
        pass
    if mapped is not None:
        theirs.append(mapped)
    elif i < 2:
        print("fuzzel run %d did not show:" % i, open(log, errors="replace").read()[-600:])
if theirs:
    print("fuzzel (swaymsg exec) to first buffer: median %.1f ms over %d runs" % (median(theirs), len(theirs)))
else:
    print("fuzzel: never showed")
INNER
done
