#!/usr/bin/env bash
# The sync beside vdirsyncer on the same items and the same Radicale: a first sync of 10,000 plans and
# 10,000 contacts to an empty server, a sync with nothing changed, a sync with one plan changed. Each row
# gives the time and the HTTP requests (counted in the server's log), Velkor's and vdirsyncer's. Each has a
# Radicale of its own, and their first syncs run side by side: Radicale's cost per write grows with the
# collection, so one after the other would take hours at 10,000.
#   scripts/bench_sync.sh build-dir results-file   (VELKOR_SYNC_ITEMS sets the count, default 10000)
set -euo pipefail

build=$(readlink -f "$1")
results=$2
items=${VELKOR_SYNC_ITEMS:-10000}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
fixture="/usr/bin/python3 $here/tests/sync/dav_fixture.py"
trap '$fixture stop "$work/dav"; $fixture stop "$work/peer"; rm -rf "$work"' EXIT

DAV_LOG_LEVEL=info $fixture start radicale "$work/dav"
DAV_LOG_LEVEL=info $fixture start radicale "$work/peer"
url=$(head -1 "$work/dav/url")
peer_url=$(head -1 "$work/peer/url")

# The same items for both: Velkor's folder, and vdirsyncer's folders of one file per item.
mkdir -p "$work/velkor" "$work/vplans" "$work/vcards"
cp "$build/velkor/velkor" "$work/velkor/"
/usr/bin/python3 - "$work" "$items" <<'PY'
import sqlite3, sys, uuid
work, n = sys.argv[1], int(sys.argv[2])
with open(f"{work}/velkor/myfile.kyt", "w", newline="") as plans:
    for i in range(n):
        month, day = i % 12 + 1, i % 28 + 1
        text = f"Plan {i} için not"
        plans.write(f'{month},{day},25,0,"{text}"\r\n')
        uid = uuid.uuid4()
        with open(f"{work}/vplans/{uid}.ics", "w", newline="") as f:
            f.write(f"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\nUID:{uid}\r\n"
                    f"DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:2026{month:02}{day:02}\r\n"
                    f"RRULE:FREQ=YEARLY\r\nSUMMARY:{text}\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
db = sqlite3.connect(f"{work}/velkor/rehber.mdb")
db.execute("CREATE TABLE Table1 (RecordName TEXT, RecordTel TEXT, RecordAddress TEXT)")
for i in range(n):
    name, tel, address = f"Kişi {i}", f"0532 {i:07}", f"Sokak {i}, İzmir"
    db.execute("INSERT INTO Table1 VALUES (?, ?, ?)", (name, tel, address))
    uid = uuid.uuid4()
    with open(f"{work}/vcards/{uid}.vcf", "w", newline="") as f:
        f.write(f"BEGIN:VCARD\r\nVERSION:3.0\r\nUID:{uid}\r\nFN:{name}\r\nN:{name};;;;\r\nTEL:{tel}\r\n"
                f"ADR:;;{address};;;;\r\nEND:VCARD\r\n")
db.commit()
PY

# vdirsyncer's collections, made beforehand as Velkor's set-up makes its own.
mk() { # verb path body
  curl -sf -o /dev/null -u u2:parola -X "$1" -H 'Content-Type: application/xml' --data "$3" "$peer_url$2"
}
mk MKCALENDAR u2/plans/ '<?xml version="1.0"?><c:mkcalendar xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"/>'
mk MKCOL u2/cards/ '<?xml version="1.0"?><d:mkcol xmlns:d="DAV:" xmlns:r="urn:ietf:params:xml:ns:carddav"><d:set><d:prop><d:resourcetype><d:collection/><r:addressbook/></d:resourcetype></d:prop></d:set></d:mkcol>'
cat >"$work/vdirsyncer.conf" <<CONF
[general]
status_path = "$work/vstatus/"
[pair plans]
a = "plans_local"
b = "plans_remote"
collections = null
conflict_resolution = "a wins"
[storage plans_local]
type = "filesystem"
path = "$work/vplans/"
fileext = ".ics"
[storage plans_remote]
type = "caldav"
url = "${peer_url}u2/plans/"
username = "u2"
password = "parola"
[pair cards]
a = "cards_local"
b = "cards_remote"
collections = null
conflict_resolution = "a wins"
[storage cards_local]
type = "filesystem"
path = "$work/vcards/"
fileext = ".vcf"
[storage cards_remote]
type = "carddav"
url = "${peer_url}u2/cards/"
username = "u2"
password = "parola"
CONF
vdirsyncer -c "$work/vdirsyncer.conf" discover >/dev/null 2>&1 </dev/null

export VELKOR_SYNC_PASSWORD=parola
(cd "$work/velkor" && ./velkor --sync-setup "$url" u1 >/dev/null)

# Runs one sync; prints "milliseconds requests" for the user's requests in the server's log.
run() { # user command...
  local user=$1 before start end log
  shift
  log="$work/$([ "$user" = u1 ] && echo dav || echo peer)/server.log"
  before=$(grep -c "request for '/$user/" "$log" || true)
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(((end - start) / 1000000)) $(($(grep -c "request for '/$user/" "$log" || true) - before))"
}
velkor_sync() { (cd "$work/velkor" && ./velkor --sync); }
peer_sync() { vdirsyncer -c "$work/vdirsyncer.conf" sync; }

row() { # name velkor-result peer-result
  read -r vms vreq <<<"$2"
  read -r pms preq <<<"$3"
  printf '%s\t%s\tms\tvdirsyncer\t%s\n' "$1" "$vms" "$pms" >>"$results"
  printf '%s, HTTP requests\t%s\tcount\tvdirsyncer\t%s\n' "$1" "$vreq" "$preq" >>"$results"
}

n=$(printf "%'d" "$items" 2>/dev/null || echo "$items")
run u1 velkor_sync >"$work/first-velkor" &
run u2 peer_sync >"$work/first-peer" &
wait
row "sync: first, $n plans + $n contacts" "$(cat "$work/first-velkor")" "$(cat "$work/first-peer")"
row "sync: nothing changed" "$(run u1 velkor_sync)" "$(run u2 peer_sync)"
sed -i '1s/"Plan 0 için not"/"Plan 0 için not, değişti"/' "$work/velkor/myfile.kyt"
first=$(find "$work/vplans" -name "*.ics" -print -quit)
sed -i 's/^SUMMARY:\(.*\)$/SUMMARY:\1, değişti/' "$first"
row "sync: one plan changed" "$(run u1 velkor_sync)" "$(run u2 peer_sync)"
