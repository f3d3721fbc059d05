#!/usr/bin/env python3
"""Reads an iCalendar file with the icalendar module and prints one line:
the number of events, whether their UIDs are unique, and the DTSTART of
each as "UID=YYYYmmddTHHMMSSZ", separated by blanks. Exits 3 when the
module is missing, 1 when the file does not parse."""
import sys

try:
    import icalendar
except ImportError:
    sys.exit(3)

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
events = [c for c in calendar.walk() if c.name == "VEVENT"]
uids = [str(e["UID"]) for e in events]
starts = []
for e in events:
    start = e.decoded("DTSTART")
    if start.utcoffset() is None or start.utcoffset().total_seconds() != 0:
        sys.exit(1)
    starts.append(str(e["UID"]) + "=" + start.strftime("%Y%m%dT%H%M%SZ"))
print(len(events), "unique" if len(set(uids)) == len(uids) else "repeated",
      calendar["PRODID"], " ".join(starts))
