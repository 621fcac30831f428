#!/usr/bin/python3
"""A phone's calendar and contacts apps on one collection, written with python3-caldav.

  phone.py URL USER PASSWORD COLLECTION

Reads one JSON list a line on standard input and answers each with one JSON value a line:
  ["items"]                 {href: etag} of the collection's items
  ["get", href]             the item's text ("" when it cannot be read)
  ["put", href, text, etag] true when stored: a new item when etag is "", else a change of that version
  ["remove", href]          true when deleted
  ["find", needle]          the href of an item whose text holds needle, else ""
Events go through the library's calendar objects, as a calendar app's do; cards by plain HTTP requests,
since it has no address book of its own.
"""
import json
import sys
import urllib.parse

import caldav
import requests
from caldav.elements import dav

url, user, password, collection = sys.argv[1:5]
client = caldav.DAVClient(url, username=user, password=password)
home = urllib.parse.urljoin(url, collection)
calendar = client.calendar(url=home)


def items():
    body = '<propfind xmlns="DAV:"><prop><getetag/></prop></propfind>'
    answer = client.propfind(home, body, depth=1)
    found = answer.expand_simple_props([dav.GetEtag()])
    return {urllib.parse.urlsplit(h).path: p.get(dav.GetEtag.tag) or "" for h, p in found.items()
            if not urllib.parse.urlsplit(h).path.endswith("/")}


def get(href):
    target = urllib.parse.urljoin(url, href)
    if href.endswith(".vcf"):
        answer = requests.get(target, auth=(user, password), timeout=60)
        return answer.content.decode() if answer.status_code == 200 else ""
    return caldav.Event(client, url=target, parent=calendar).load().data


def put(href, text, etag):
    target = urllib.parse.urljoin(url, href)
    if href.endswith(".vcf"):
        headers = {"Content-Type": "text/vcard; charset=utf-8"}
        headers["If-Match" if etag else "If-None-Match"] = etag or "*"
        return client.put(target, text.encode(), headers).status in (200, 201, 204)
    caldav.Event(client, url=target, data=text, parent=calendar).save()
    return True


def remove(href):
    return client.delete(urllib.parse.urljoin(url, href)).status in (200, 204)


def find(needle):
    return next((h for h in items() if needle in get(h)), "")


commands = {"items": items, "get": get, "put": put, "remove": remove, "find": find}
for line in sys.stdin:
    command = json.loads(line)
    try:
        answer = commands[command[0]](*command[1:])
    except (caldav.lib.error.DAVError, KeyError, OSError) as error:
        print(error, file=sys.stderr)
        answer = False
    print(json.dumps(answer), flush=True)
