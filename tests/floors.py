#!/usr/bin/env python3
"""The floors of the source, checked by include: a file includes only its own
folder and the floors below it; the five subsystems never include each other;
core includes no Qt module but QtCore. Linking catches calls that run the wrong
way; this catches what linking cannot see (headers used only for their types or
inline code). Prints every wrong include and exits 1 when there is one."""
import os
import re
import sys

SRC = sys.argv[1]
RANK = {"core": 0, "platform": 1, "report": 2, "widgets": 3, "archive": 4,
        "clients": 5, "glasses": 5, "lenses": 5, "appointments": 5, "agenda": 5, "app": 6}
GUI = re.compile(r'#\s*include\s*<(Qt(Gui|Widgets|PrintSupport|Svg|SvgWidgets|Multimedia)\b[^>]*|'
                 r'Q(Widget|Painter|Image|Pixmap|Font|Color|Application|Printer|Icon)\b[^>]*)>')

wrong = []
for floor in RANK:
    folder = os.path.join(SRC, floor)
    for name in sorted(os.listdir(folder)):
        if not name.endswith((".h", ".cpp")):
            continue
        text = open(os.path.join(folder, name), encoding="utf-8").read()
        for included in re.findall(r'#\s*include\s*"([^"]+)"', text):
            other = included.split("/")[0] if "/" in included else floor
            if other not in RANK:
                wrong.append("%s/%s includes %s, which is in no floor" % (floor, name, included))
            elif other != floor and (RANK[other] >= RANK[floor]):
                wrong.append("%s/%s includes %s" % (floor, name, included))
        if floor == "core":
            wrong += ["core/%s includes <%s>" % (name, m.group(1)) for m in GUI.finditer(text)]
for line in wrong:
    print(line)
print("%d include(s) against the floors" % len(wrong))
sys.exit(1 if wrong else 0)
