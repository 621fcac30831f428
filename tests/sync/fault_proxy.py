#!/usr/bin/python3
"""A loopback proxy in front of a DAV server that breaks one request on demand.

  fault_proxy.py TARGET_URL CONTROL_FILE

Prints its port once it listens. Before each request it reads CONTROL_FILE, one line
"METHOD N ACTION" (empty: pass everything); the N-th request of METHOD since the line was written gets
ACTION: drop (close without an answer), drop-after (the server does it, the answer is lost), stall (no
answer ever), 500 or 412 (answered here, the server never sees it), hold or hold-after (like stall, but
"held" is printed first, so the test can kill the client at that point), cut (a sync-collection
answer cut short as a server with a limit does: its first item only, a 507 for the collection and the
request's own token, from which the rest is asked again).
Every multistatus it passes on also has a description in each propstat, as RFC 4918 allows and some
servers send: a client must read past it. The line "ctag-only" makes it a server that knows no
sync-collection report (RFC 6578): no sync tokens in its answers, the report refused.
"""
import http.client
import re
import http.server
import os
import socket
import sys
import threading
import urllib.parse

target = urllib.parse.urlsplit(sys.argv[1])
control = sys.argv[2]
lock = threading.Lock()
state = {"rule": None, "count": 0}
never = threading.Event()


def rule_for(method):
    with lock:
        try:
            line = open(control).read().strip()
        except OSError:
            line = ""
        if line != state["rule"]:
            state["rule"], state["count"] = line, 0
        parts = line.split()
        if len(parts) != 3 or parts[0] != method:
            return None
        state["count"] += 1
        return parts[2] if state["count"] == int(parts[1]) else None


def cut_short(path, request, data):
    items = list(re.finditer(rb"<(\w+:|)response\b.*?</\1response>", data, re.S))
    asked = re.search(rb"<(\w+:|)sync-token>(.*?)</\1sync-token>", request, re.S)
    if not items or not asked:
        return data
    p = items[0].group(1) or b""
    status = b"<%sstatus>HTTP/1.1 507 Insufficient Storage</%sstatus>" % (p, p)
    more = b"<%sresponse><%shref>%s</%shref>%s</%sresponse>" % (p, p, path.encode(), p, status, p)
    data = data[: items[0].start()] + items[0].group(0) + more + data[items[-1].end():]
    token = rb"(<(\w+:|)sync-token>).*?(</\2sync-token>)"
    return re.sub(token, lambda m: m.group(1) + asked.group(2) + m.group(3), data, flags=re.S)


def described(data):
    note = rb"\1<\2responsedescription>passed on by the proxy</\2responsedescription>\3"
    return re.sub(rb"(<(\w+:|)status>[^<]*</\2status>)(\s*</\2propstat>)", note, data)


def without_sync_reports(data):
    data = re.sub(rb"<(\w+:|)sync-token\s*/>|<(\w+:|)sync-token>[^<]*</\2sync-token>", b"", data)
    return re.sub(rb"<(\w+:|)sync-collection\s*/>", b"", data)


class Proxy(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def forward(self, body):
        connection = http.client.HTTPConnection(target.hostname, target.port, timeout=120)
        # Plain answers only, so that a cut can read them.
        dropped = ("host", "connection", "expect", "accept-encoding")
        headers = {k: v for k, v in self.headers.items() if k.lower() not in dropped}
        connection.request(self.command, self.path, body=body, headers=headers)
        answer = connection.getresponse()
        return answer.status, answer.getheaders(), answer.read()

    def cut(self):
        self.close_connection = True
        try:
            self.connection.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass

    def handle_any(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        action = rule_for(self.command)
        ctag_only = state["rule"] == "ctag-only"
        if ctag_only and b"sync-collection" in (body or b""):
            action = "501"
        if action in ("500", "412", "501"):
            self.send_response(int(action))
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if action in ("drop", "stall", "hold"):
            if action == "hold":
                print("held", flush=True)
            if action != "drop":
                never.wait(600)
            return self.cut()
        status, headers, data = self.forward(body)
        if action in ("drop-after", "hold-after"):
            if action == "hold-after":
                print("held", flush=True)
                never.wait(600)
            return self.cut()
        if action == "cut":
            data = cut_short(self.path, body or b"", data)
        if status == 207:
            data = described(without_sync_reports(data) if ctag_only else data)
        self.send_response(status)
        for name, value in headers:
            if name.lower() not in ("transfer-encoding", "connection", "content-length"):
                self.send_header(name, value)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = do_MKCOL = do_MKCALENDAR = do_OPTIONS = handle_any


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Proxy)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
