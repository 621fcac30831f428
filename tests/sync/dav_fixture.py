#!/usr/bin/python3
"""Starts a CalDAV/CardDAV server on 127.0.0.1 at a free port for the sync tests, and stops it again.

  dav_fixture.py start radicale|xandikos DIR   writes DIR/url and DIR/pid once the server answers
  dav_fixture.py stop DIR                      ends the server named by DIR/pid
  dav_fixture.py restart DIR                   starts it again on the same port and storage
  dav_fixture.py user DIR NAME PASSWORD        adds a Radicale user (its password file is read at each login)
"""
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import time
import urllib.error
import urllib.request

USERS = [f"u{i}" for i in range(1, 41)]
PASSWORD = "parola"
WAIT_SECONDS = 60


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def answers(url):
    try:
        urllib.request.urlopen(url, timeout=2)
        return True
    except urllib.error.HTTPError:
        return True  # any HTTP answer means it listens
    except (urllib.error.URLError, OSError):
        return False


def start(kind, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    port = free_port()
    if kind == "radicale":
        with open(os.path.join(folder, "users"), "w") as f:
            f.writelines(f"{u}:{PASSWORD}\n" for u in USERS)
        config = os.path.join(folder, "config")
        with open(config, "w") as f:
            f.write(f"""[server]
hosts = 127.0.0.1:{port}
[auth]
type = htpasswd
htpasswd_filename = {folder}/users
htpasswd_encryption = plain
[rights]
type = owner_only
[storage]
filesystem_folder = {folder}/storage
max_sync_token_age = 86400
[logging]
level = {os.environ.get("DAV_LOG_LEVEL", "warning")}
""")
        command = ["/usr/bin/python3", "-m", "radicale", "--config", config]
        probe = f"http://127.0.0.1:{port}/"
    else:
        command = ["xandikos", "-d", os.path.join(folder, "storage"), "-l", "127.0.0.1", "-p", str(port),
                   "--defaults"]
        probe = f"http://127.0.0.1:{port}/health"
    with open(os.path.join(folder, "command"), "w") as f:
        json.dump({"kind": kind, "command": command, "probe": probe}, f)
    run(folder)
    with open(os.path.join(folder, "url"), "w") as f:
        f.write(f"http://127.0.0.1:{port}/\n{kind}\n")


def run(folder):
    with open(os.path.join(folder, "command")) as f:
        saved = json.load(f)
    log = open(os.path.join(folder, "server.log"), "ab")
    server = subprocess.Popen(saved["command"], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                              start_new_session=True)
    with open(os.path.join(folder, "pid"), "w") as f:
        f.write(str(server.pid))
    deadline = time.monotonic() + WAIT_SECONDS
    while not answers(saved["probe"]):
        if server.poll() is not None or time.monotonic() > deadline:
            sys.exit(f"{saved['kind']} did not start; see {folder}/server.log")
        time.sleep(0.05)


def stop(folder):
    try:
        pid = int(open(os.path.join(folder, "pid")).read())
    except (OSError, ValueError):
        return
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            return
        time.sleep(0.05)
    os.kill(pid, signal.SIGKILL)


if __name__ == "__main__":
    if sys.argv[1] == "start":
        start(sys.argv[2], os.path.abspath(sys.argv[3]))
    elif sys.argv[1] == "restart":
        run(os.path.abspath(sys.argv[2]))
    elif sys.argv[1] == "user":
        with open(os.path.join(os.path.abspath(sys.argv[2]), "users"), "a") as f:
            f.write(f"{sys.argv[3]}:{sys.argv[4]}\n")
    else:
        stop(os.path.abspath(sys.argv[2]))
