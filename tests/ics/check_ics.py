#!/usr/bin/python3
"""Exports calendars with vesoma-cal and reads them back with two real
parsers (python3-icalendar and libical): every holiday, solar term and
六曜 of the span exactly once, the user's events as the month table counts
them, whole days, stable and unique UIDs, folding and escaping byte by byte.
usage: check_ics.py VESOMA-CAL LIBICAL-CHECK"""
import collections, datetime, os, subprocess, sys, tempfile
from icalendar import Calendar

tool, libical_check = sys.argv[1:3]
HOLIDAYS = ("", "元日", "成人の日", "建国記念の日", "春分の日", "みどりの日", "憲法記念日", "休日",
            "こどもの日", "海の日", "敬老の日", "秋分の日", "体育の日", "文化の日", "勤労感謝の日",
            "天皇誕生日", "振替休日", "昭和の日", "山の日", "スポーツの日", "休日", "結婚の儀",
            "大喪の礼", "即位礼正殿の儀", "即位の日")
TERMS = ("春分 清明 穀雨 立夏 小満 芒種 夏至 小暑 大暑 立秋 処暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 "
         "冬至 小寒 大寒 立春 雨水 啓蟄").split()
ROKUYO = "先勝 友引 先負 仏滅 大安 赤口".split()
LONG = "長い名前の予定" * 4 + "終わり"  # 62 bytes in the event file, 93 in UTF-8
ODD = "a;b\\c"
RECORDS = [("2027/ 3/ 3", LONG), ("2027/ 3/ 3", ODD), ("2027/ 5/ 5", "同名"), ("2027/ 5/ 5", "同名"),
           ("****/**/毎週日曜日", "礼拝"), ("****/ 2/29", "閏日")]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(args, stamp):
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(stamp))
    return subprocess.run([tool] + args, env=env, check=True, stdout=subprocess.PIPE).stdout


def expected_days(args, year):
    """(date, category) -> summaries, from the month table's own fields."""
    rows = run(args + ["--tsv", str(year), "1", str(year), "12"], 0).decode().splitlines()
    head = rows[0].split("\t")
    want, events = collections.defaultdict(list), {}
    for row in rows[1:]:
        d = dict(zip(head, map(int, row.split("\t"))))
        day = datetime.date(d["nYear"], d["nMonth"], d["nDay"])
        if d["nHoly"]:
            want[day, "祝日"].append(HOLIDAYS[d["nHoly"]])
        term = d["nSekki"] - 1 if d["nSekki"] else {4: 0, 11: 12}.get(d["nHoly"], -1)
        if term >= 0:
            want[day, "二十四節気"].append(TERMS[term])
        want[day, "六曜"].append(ROKUYO[d["nRoki"]])
        events[day] = d["nEvent"]
    return want, events


def check_bytes(raw, name):
    lines = raw.split(b"\r\n")
    check(lines[-1] == b"" and all(b"\r" not in l and b"\n" not in l for l in lines), name + ": CR LF")
    check(all(len(l) <= 75 for l in lines), name + ": a line over 75 octets")
    for l in lines:
        try:
            l.decode("utf-8")
        except UnicodeDecodeError:
            failures.append(name + ": a fold inside a character: %r" % l)


def check_export(args, year, only=()):
    name = " ".join(args + list(only) + [str(year)])
    ics = args + list(only) + ["--ics", str(year)]
    first, second = run(ics, 1800000000), run(ics, 1)
    check_bytes(first, name)
    cal = Calendar.from_ical(first)
    got, events, uids = collections.defaultdict(list), collections.Counter(), []
    for ev in cal.walk("VEVENT"):
        start, end = ev.decoded("DTSTART"), ev.decoded("DTEND")
        check(type(start) is datetime.date and end - start == datetime.timedelta(days=1), name + ": DTEND")
        check(ev.decoded("DTSTAMP") == datetime.datetime(2027, 1, 15, 8, tzinfo=datetime.timezone.utc),
              name + ": DTSTAMP")
        category = ev.get("CATEGORIES").to_ical().decode()
        if category == "予定":
            events[start] += 1
        else:
            got[start, category].append(str(ev["SUMMARY"]))
        uids.append(str(ev["UID"]))
    want, counts = expected_days(args, year)
    check(dict(got) == dict(want), name + ": holidays, terms or 六曜 differ from the month table")
    check(sum(len(v) for k, v in got.items() if k[1] == "六曜") == len(counts), name + ": 六曜 per day")
    check(all(events[d] == (0 if only else n) for d, n in counts.items()), name + ": event counts")
    check(len(set(uids)) == len(uids), name + ": UIDs not unique")
    again = [str(ev["UID"]) for ev in Calendar.from_ical(second).walk("VEVENT")]
    check(again == uids, name + ": UIDs changed in a second export")
    with tempfile.NamedTemporaryFile(suffix=".ics") as f:
        f.write(first)
        f.flush()
        out = subprocess.run([libical_check, f.name], stdout=subprocess.PIPE)
        check(out.returncode == 0 and int(out.stdout) == len(uids), name + ": libical %r" % out)
    return first, cal


with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "VESOMA.CAL")
    with open(path, "wb") as f:
        f.write("".join("%s,%s\r\n" % r for r in RECORDS).encode("cp932"))
    raw, cal = check_export(["--events", path], 2027)
    check(b"\r\n " in raw and b"SUMMARY:a\\;b\\\\c\r\n" in raw, "folding or escaping")
    summaries = collections.Counter(str(ev["SUMMARY"]) for ev in cal.walk("VEVENT"))
    check(summaries[LONG] == 1 and summaries[ODD] == 1 and summaries["同名"] == 2 and summaries["礼拝"] == 52
          and summaries["閏日"] == 0, "event names: %r" % [summaries[n] for n in (LONG, ODD, "同名", "礼拝")])
    check_export(["--events", path, "--holidays=law", "--astronomy=precise"], 2019)
    check_export(["--events", path], 2027, ["--with=holidays,terms,rokuyo"])

for f in failures:
    print("FAIL", f)
sys.exit(1 if failures else 0)
