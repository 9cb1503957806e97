#!/usr/bin/env python3
"""Measures the program against what a user would run instead, side by side.

Contenders, alternated run by run:
  ours      build/Project1, its web views sent to the local server as their proxy
  chromium  Debian's Chromium showing the same page as an app window of the same size
  surf      Debian's surf, a minimal browser on another engine

Each opens the same page from a local server; the page reports its load event.
Figures per run: time from process start to the page's load event; total PSS
of the process tree 5 s after load and 70 s after load; CPU time of the tree
while idle for the 60 s after load+5 s; for ours, the main process's resident
memory just before and just after its first trim (60 s after start).
The report gives medians and our ratio to each peer.
"""
import argparse
import datetime
import json
import os
import platform
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import demo_server  # noqa: E402
TICK = os.sysconf("SC_CLK_TCK")


class Server:
    """The stand-in pages of scripts/run, recording when each reports its load."""

    def __init__(self):
        self.loads = []  # (monotonic seconds, path)
        self.lock = threading.Lock()

        def record(path):
            with self.lock:
                self.loads.append((time.monotonic(), path))

        self.httpd = demo_server.make_server(os.path.join(ROOT, "scripts", "demo"), record)
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def load_after(self, start, path="/140100"):
        with self.lock:
            for t, p in self.loads:
                if t >= start and p == path:
                    return t
        return None


def tree(root):
    """The process and all its descendants."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            children.setdefault(int(fields[1]), []).append(int(entry))
        except OSError:
            pass
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo.extend(children.get(pid, []))
    return found


def pss_kib(pids):
    total = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/smaps_rollup") as f:
                for line in f:
                    if line.startswith("Pss:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / TICK


def rss_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def command(name, port, profile):
    page = "http://speedtest.velocinet.com/140100"
    proxy = f"http://127.0.0.1:{port}"
    env = dict(os.environ)
    if name == "ours":
        env["QTWEBENGINE_CHROMIUM_FLAGS"] = (env.get("BENCH_EXTRA_FLAGS", "") + f" --proxy-server={proxy}").strip()
        return [os.path.join(ROOT, "build", "Project1")], env
    if name == "chromium":
        return ["chromium", f"--app={page}", "--window-size=545,520", f"--proxy-server={proxy}",
                f"--user-data-dir={profile}", "--no-sandbox", "--no-first-run", "--no-default-browser-check",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--disable-quic", "--password-store=basic", "--disable-features=Translate,MediaRouter"], env
    if name == "surf":
        return ["surf", f"http://127.0.0.1:{port}/140100"], env
    raise ValueError(name)


def stop(pid):
    pids = tree(pid)
    for p in pids:
        try:
            os.kill(p, signal.SIGTERM)
        except OSError:
            pass
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline and any(os.path.exists(f"/proc/{p}") for p in pids):
        time.sleep(0.1)
    for p in pids:
        try:
            os.kill(p, signal.SIGKILL)
        except OSError:
            pass


def wait_until(t):
    while time.monotonic() < t:
        time.sleep(min(0.05, max(0, t - time.monotonic())))


def run_once(name, server, quick):
    profile = tempfile.mkdtemp(prefix="bench-profile-")
    argv, env = command(name, server.port, profile)
    start = time.monotonic()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    result = {"contender": name}
    try:
        loaded = None
        while time.monotonic() - start < 60:
            loaded = server.load_after(start)
            if loaded:
                break
            if proc.poll() is not None:
                break
            time.sleep(0.02)
        if not loaded:
            result["error"] = "the page did not load"
            return result
        result["load_ms"] = (loaded - start) * 1000
        wait_until(loaded + 5)
        result["pss5_kib"] = pss_kib(tree(proc.pid))
        cpu_from = cpu_seconds(tree(proc.pid))
        if quick:
            return result
        trim_at = start + 60
        if name == "ours":
            wait_until(trim_at - 1.5)
            result["rss_before_trim_kib"] = rss_kib(proc.pid)
        wait_until(loaded + 65)
        if name == "ours":
            result["rss_after_trim_kib"] = rss_kib(proc.pid)
        result["idle_cpu_s"] = cpu_seconds(tree(proc.pid)) - cpu_from
        wait_until(loaded + 70)
        result["pss70_kib"] = pss_kib(tree(proc.pid))
        return result
    finally:
        stop(proc.pid)
        proc.wait()
        shutil.rmtree(profile, ignore_errors=True)


def long_run(server, minutes):
    """Ours left running: total PSS every 30 s; the rise over the last 10 minutes."""
    argv, env = command("ours", server.port, None)
    start = time.monotonic()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    samples = []
    try:
        while time.monotonic() - start < minutes * 60:
            time.sleep(30)
            samples.append((round(time.monotonic() - start), pss_kib(tree(proc.pid))))
        news = server.load_after(start, "/cpv/news.htm") is not None
    finally:
        stop(proc.pid)
        proc.wait()
    at = dict(samples)
    first = min(samples, key=lambda s: abs(s[0] - (minutes - 10) * 60))[1]
    last = samples[-1][1]
    return {"minutes": minutes, "both_pages_loaded": news, "samples": samples,
            "pss_at_minus10_kib": first, "pss_at_end_kib": last, "rise_percent": (last - first) * 100.0 / first}


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def machine():
    model = ""
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    mem = os.sysconf("SC_PAGE_SIZE") * os.sysconf("SC_PHYS_PAGES") / 2**30
    return f"{os.cpu_count()} cores, {model or platform.machine()}, {mem:.0f} GiB, {platform.platform()}"


def report(results, long, runs, path):
    names = ["ours", "chromium", "surf"]
    keys = [("load_ms", "time to load event (ms)"), ("pss5_kib", "total PSS 5 s after load (MiB)"),
            ("pss70_kib", "total PSS 70 s after load (MiB)"), ("idle_cpu_s", "CPU while idle, 60 s (s)")]
    med = {n: {k: median([r.get(k) for r in results if r["contender"] == n]) for k, _ in keys} for n in names}
    lines = [f"# Benchmark, {datetime.date.today().isoformat()}", "",
             f"Machine: {machine()}.", f"Medians of {runs} runs each, contenders alternated.", "",
             "| figure | ours | chromium --app | surf | ours / chromium | ours / surf |",
             "|---|---|---|---|---|---|"]

    def show(key, value):
        if value is None:
            return "n/a"
        if key.endswith("kib"):
            return f"{value / 1024:.1f}"
        if key == "idle_cpu_s":
            return f"{value:.2f}"
        return f"{value:.0f}"

    for key, label in keys:
        row = [label] + [show(key, med[n][key]) for n in names]
        for peer in ("chromium", "surf"):
            a, b = med["ours"][key], med[peer][key]
            row.append(f"{a / b:.2f}" if a is not None and b else "n/a")
        lines.append("| " + " | ".join(row) + " |")
    before = median([r.get("rss_before_trim_kib") for r in results if r["contender"] == "ours"])
    after = median([r.get("rss_after_trim_kib") for r in results if r["contender"] == "ours"])
    if before and after:
        lines += ["", f"Our main process's resident memory around its first trim (60 s after start): "
                      f"{before / 1024:.1f} MiB before, {after / 1024:.1f} MiB after (medians)."]
    errors = [r for r in results if "error" in r]
    if errors:
        lines += ["", "Runs that failed: " + ", ".join(f"{r['contender']} ({r['error']})" for r in errors) + "."]
    if long:
        verdict = "holds steady" if long["rise_percent"] < 5 else "does NOT hold steady"
        lines += ["", f"Long run: ours left running {long['minutes']} minutes with both pages loaded "
                      f"({'yes' if long['both_pages_loaded'] else 'no'}): total PSS {long['pss_at_minus10_kib'] / 1024:.1f} MiB "
                      f"10 minutes before the end, {long['pss_at_end_kib'] / 1024:.1f} MiB at the end, "
                      f"a rise of {long['rise_percent'] + 0.0:.1f} %: it {verdict} (goal: under 5 %)."]
    text = "\n".join(lines) + "\n"
    with open(path, "w") as f:
        f.write(text)
    with open(os.path.splitext(path)[0] + ".json", "w") as f:
        json.dump({"results": results, "long": long, "medians": med}, f, indent=1)
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--only", nargs="*", default=["ours", "chromium", "surf"])
    parser.add_argument("--quick", action="store_true", help="load time and PSS at 5 s only")
    parser.add_argument("--long-minutes", type=int, default=15, help="0 skips the long run")
    parser.add_argument("--report", default=os.path.join(HERE, "report.md"))
    args = parser.parse_args()
    server = Server()
    results = []
    for i in range(args.runs):
        order = args.only[i % len(args.only):] + args.only[:i % len(args.only)]
        for name in order:
            r = run_once(name, server, args.quick)
            print(json.dumps(r), flush=True)
            results.append(r)
            time.sleep(2)
    long = long_run(server, args.long_minutes) if args.long_minutes and not args.quick else None
    print(report(results, long, args.runs, args.report))


if __name__ == "__main__":
    main()
