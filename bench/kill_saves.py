#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Kills the program at random points of saving a 50 MB page, then starts it once.

Each round writes a fresh page (50 MB of UTF-8 markup), lets the program open it,
edit it and save it, and kills it with SIGKILL at a random moment of the save:
alternately a page written through a new file and a rename, and a hard-linked
page written in place. Then the program is started once on that page, as a
user would after the crash. Every name of the page must then hold the old bytes
or the new ones, never a mix, and nothing of the save may stay beside it.

    bench/kill_saves.py [build-dir] [rounds]     (default: build 30)

The program is the real start-up and window, driven by tests/app/tagpot_testchild.
"""
import hashlib
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

BUILD = sys.argv[1] if len(sys.argv) > 1 else "build"
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 30
CHILD = os.path.join(BUILD, "tests", "tagpot_testchild")
ADDED = "<p>保存のたびに加える行</p>\n"


def page_bytes():
    line = "<p>日本語の本文と markup が続く、五十メガバイトの頁の一行です。0123456789</p>\n".encode()
    return line * (50 * 1024 * 1024 // len(line))


def environment(home):
    env = dict(os.environ)
    env.update(XDG_STATE_HOME=os.path.join(home, "state"), XDG_CONFIG_HOME=os.path.join(home, "config"),
               QT_QPA_PLATFORM="offscreen")
    return env


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def save(home, page, kill_after):
    """Runs a save; kills it kill_after seconds after it starts (None: never).
    Returns (seconds the save took or ran before the kill, whether it finished)."""
    child = subprocess.Popen([CHILD, "save", page, ADDED], stdout=subprocess.PIPE, env=environment(home))
    for line in child.stdout:
        if line.strip() == b"saving":
            break
    started = time.monotonic()
    finished = False
    if kill_after is None:
        finished = child.stdout.readline().strip() == b"saved"
    else:
        try:
            child.wait(timeout=kill_after)
            finished = True
        except subprocess.TimeoutExpired:
            child.send_signal(signal.SIGKILL)
    child.wait()
    return time.monotonic() - started, finished


def start(home, page):
    out = subprocess.run([CHILD, "start", page], stdout=subprocess.PIPE, env=environment(home), timeout=600)
    return [line for line in out.stdout.decode().splitlines() if line.startswith("warning ")]


def main():
    old = page_bytes()
    old_hash = hashlib.sha256(old).hexdigest()
    new_hash = hashlib.sha256(ADDED.encode() + old).hexdigest()
    counts = {}
    failures = 0
    with tempfile.TemporaryDirectory() as home:
        site = os.path.join(home, "site")
        os.mkdir(site)
        page = os.path.join(site, "page.html")
        other = os.path.join(site, "other.html")

        def fresh(in_place):
            for name in os.listdir(site):
                os.unlink(os.path.join(site, name))
            with open(page, "wb") as f:
                f.write(old)
            if in_place:
                os.link(page, other)

        durations = {}
        for in_place in (False, True):
            fresh(in_place)
            durations[in_place], _ = save(home, page, None)
        print(f"save of {len(old) / 1e6:.0f} MB without a kill: through a rename {durations[False]:.2f} s, "
              f"in place {durations[True]:.2f} s")

        rng = random.Random(int(os.environ.get("SEED", "24")))
        for round_ in range(ROUNDS):
            in_place = round_ % 2 == 1
            fresh(in_place)
            kill_after = rng.uniform(0, durations[in_place] * 1.1)
            ran, finished = save(home, page, kill_after)
            killed_bytes = digest(page)
            mixed_when_killed = killed_bytes not in (old_hash, new_hash)
            warnings = start(home, page)
            names = [page] + ([other] if in_place else [])
            states = []
            for name in names:
                h = digest(name)
                states.append("old" if h == old_hash else "new" if h == new_hash else "MIXED")
            left = sorted(n for n in os.listdir(site) if n not in ("page.html", "other.html"))
            state = states[0] if len(set(states)) == 1 else "/".join(states)
            ok = state in ("old", "new") and not left
            failures += not ok
            kind = "in place" if in_place else "rename"
            counts[(kind, state)] = counts.get((kind, state), 0) + 1
            print(f"{round_ + 1:2}. {kind:8} killed after {ran:5.2f} s{' (save had finished)' if finished else ''}: "
                  f"{'mixed' if mixed_when_killed else 'whole'} when killed, {state} after one start"
                  f"{', told: ' + warnings[0][8:60] + '…' if warnings else ''}"
                  f"{', left: ' + ', '.join(left) if left else ''}{'' if ok else '  <-- FAULT'}")
    print("outcomes:", ", ".join(f"{kind} {state}: {n}" for (kind, state), n in sorted(counts.items())))
    print("faults:", failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
