#!/usr/bin/python3
"""An HTTPS server on 127.0.0.1 with a self-signed certificate, for the test that refuses it.

  tls_server.py CERT KEY     prints its port once it listens
"""
import http.server
import ssl
import sys

server = http.server.HTTPServer(("127.0.0.1", 0), http.server.BaseHTTPRequestHandler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[1], sys.argv[2])
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
