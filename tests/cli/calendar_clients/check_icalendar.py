"""Reads every file `biteclock-cli ical` makes with Python's icalendar and compares each event with
what `biteclock-cli range` gives for its day."""
import datetime
import os
import sys
import unittest
from zoneinfo import ZoneInfo

import icalendar

from ical_common import PERIODS, SUMMARIES, Cli, clock_minutes

NEW_YORK = ["--lat", "40.7128", "--lon", "-74.006"]


def expected_events(days, grade_rating, kinds=("periods", "days", "phases")):
    """UID prefix (date-kind) to (local start, local end or None, summary)."""
    events = {}
    for day in days:
        date = datetime.date.fromisoformat(day["date"])
        stamp = date.strftime("%Y%m%d")
        midnight = datetime.datetime.combine(date, datetime.time())
        if "periods" in kinds:
            for field, kind in PERIODS.items():
                minutes = clock_minutes(day[field])
                if minutes is not None:
                    start = midnight + datetime.timedelta(minutes=minutes)
                    events[f"{stamp}-{kind}"] = (start, start + datetime.timedelta(hours=2), SUMMARIES[kind])
        if "days" in kinds and day["rating"] >= grade_rating:
            events[f"{stamp}-day"] = (date, date + datetime.timedelta(days=1), day["rating_text"] + " fishing day")
        if "phases" in kinds and day["phase_event"]:
            minutes = clock_minutes(day["phase_event_time"])
            kind = "new-moon" if day["phase_event"] == "New Moon" else "full-moon"
            events[f"{stamp}-{kind}"] = (midnight + datetime.timedelta(minutes=minutes), None, day["phase_event"])
    return events


class IcalendarReadsTheExport(unittest.TestCase):
    program = None

    def setUp(self):
        self.cli = Cli(self.program)
        self.addCleanup(self.cli.home.cleanup)

    def export(self, *arguments):
        raw = self.cli.run("ical", *arguments).stdout
        self.assertRaw(raw)
        return raw, icalendar.Calendar.from_ical(raw)

    def assertRaw(self, raw):
        self.assertTrue(raw.endswith(b"\r\n"))
        lines = raw.split(b"\r\n")[:-1]
        for line in lines:
            self.assertNotIn(b"\n", line)
            self.assertLessEqual(len(line), 75, line)
            line.decode("utf-8")  # a fold never splits a character
        self.assertEqual(lines[0], b"BEGIN:VCALENDAR")
        self.assertEqual(lines[-1], b"END:VCALENDAR")

    def compare(self, calendar, days, grade_rating, zone):
        expected = expected_events(days, grade_rating)
        offsets = {day["date"]: day["utc_offset"] for day in days}
        seen = {}
        for event in calendar.walk("VEVENT"):
            uid = str(event["UID"])
            self.assertTrue(uid.endswith("-40.7128N74.0060W@biteclock"), uid)
            key = uid.split("-40.7128N")[0]
            self.assertNotIn(key, seen, "one event per day and kind")
            seen[key] = event
            self.assertIn(key, expected, f"an event range does not give: {uid}")
            start, end, summary = expected[key]
            self.assertEqual(str(event["SUMMARY"]), summary)
            self.assertIn("Prediction: ", str(event["DESCRIPTION"]) if not key.endswith("moon") else "Prediction: ")
            self.assertIn("Fishing", event["CATEGORIES"].to_ical().decode())
            actual = event.decoded("DTSTART")
            if isinstance(start, datetime.datetime):
                if zone is None:
                    # UTC times: the day's own offset taken off the local clock time.
                    self.assertEqual(actual.utcoffset(), datetime.timedelta(0))
                    local = actual.replace(tzinfo=None) + datetime.timedelta(hours=offsets[start.date().isoformat()])
                else:
                    self.assertEqual(event["DTSTART"].params["TZID"], zone)
                    local = actual.replace(tzinfo=None)
                self.assertEqual(local, start, uid)
                if end is not None:
                    self.assertEqual(event.decoded("DTEND") - actual, datetime.timedelta(hours=2))
            else:
                self.assertEqual(actual, start)
                self.assertEqual(event.decoded("DTEND"), end)
        self.assertEqual(sorted(seen), sorted(expected))
        return len(seen)

    def test_a_zone_across_both_changes_of_the_clocks(self):
        span = ["--from", "2026-02-20", "--days", "280"]
        raw, calendar = self.export(*span, *NEW_YORK, "--tz", "America/New_York", "--grade", "fair")
        days = self.cli.range_days(*span, *NEW_YORK, "--tz", "America/New_York")
        self.assertEqual({d["utc_offset"] for d in days}, {-5, -4})
        count = self.compare(calendar, days, 33, "America/New_York")
        self.assertGreater(count, 4 * 280 * 0.8)

        # The zone's description: every change the zone makes in the span, at its instant.
        zones = calendar.walk("VTIMEZONE")
        self.assertEqual(len(zones), 1)
        self.assertEqual(str(zones[0]["TZID"]), "America/New_York")
        changes = [
            (c.decoded("DTSTART"), c.decoded("TZOFFSETFROM"), c.decoded("TZOFFSETTO"), c.name)
            for c in zones[0].subcomponents
        ]
        hour = datetime.timedelta(hours=1)
        self.assertEqual(changes[1:], [
            (datetime.datetime(2026, 3, 8, 2, 0), -5 * hour, -4 * hour, "DAYLIGHT"),
            (datetime.datetime(2026, 11, 1, 2, 0), -4 * hour, -5 * hour, "STANDARD"),
        ])
        # The events' local times read in the zone agree with the days' offsets away from the changes.
        new_york = ZoneInfo("America/New_York")
        for event in calendar.walk("VEVENT"):
            start = event.decoded("DTSTART")
            if isinstance(start, datetime.datetime) and start.date() not in (
                datetime.date(2026, 3, 8), datetime.date(2026, 11, 1)):
                offset = start.replace(tzinfo=new_york).utcoffset()
                day = str(event["UID"])[:8]
                expected = next(d for d in days if d["date"].replace("-", "") == day)["utc_offset"]
                self.assertEqual(offset, expected * hour)

    def test_a_fixed_offset_gives_utc_times(self):
        span = ["--from", "2027-06-01", "--days", "45"]
        _, calendar = self.export(*span, *NEW_YORK, "--gmt", "-5", "--grade", "excellent")
        self.assertEqual(calendar.walk("VTIMEZONE"), [])
        days = self.cli.range_days(*span, *NEW_YORK, "--gmt", "-5")
        self.compare(calendar, days, 100, None)

    def test_a_place_by_name_and_a_fractional_offset(self):
        span = ["--from", "2030-12-20", "--days", "30"]
        _, calendar = self.export(*span, "--lat", "40.7128", "--lon", "-74.006", "--tz", "Asia/Kathmandu")
        days = self.cli.range_days(*span, "--lat", "40.7128", "--lon", "-74.006", "--tz", "Asia/Kathmandu")
        self.assertEqual({d["utc_offset"] for d in days}, {5.75})
        self.compare(calendar, days, 66, "Asia/Kathmandu")
        self.assertEqual(calendar.walk("VTIMEZONE")[0].subcomponents[0].decoded("TZOFFSETTO"),
                         datetime.timedelta(hours=5, minutes=45))

    def test_event_kinds_and_grades_choose_the_events(self):
        span = ["--from", "2026-05-01", "--days", "31", *NEW_YORK, "--tz", "America/New_York"]
        _, only_days = self.export(*span, "--events", "days", "--grade", "good")
        days = self.cli.range_days(*span)
        good = [d for d in days if d["rating"] >= 66]
        self.assertTrue(good)
        self.assertEqual(len(only_days.walk("VEVENT")), len(good))
        _, phases = self.export(*span, "--events", "phases")
        self.assertEqual([str(e["SUMMARY"]) for e in phases.walk("VEVENT")],
                         [d["phase_event"] for d in days if d["phase_event"]])

    def test_the_same_span_gives_the_same_events_and_the_same_bytes_at_any_number_of_jobs(self):
        span = ["--from", "2026-01-01", "--days", "800", *NEW_YORK, "--tz", "America/New_York"]
        one, _ = self.export(*span, "--jobs", "1")
        for jobs in ("2", "3", "16"):
            self.assertEqual(self.export(*span, "--jobs", jobs)[0], one)
        # An overlapping span repeats the overlapping events exactly: importing it updates them.
        _, later = self.export("--from", "2026-02-01", "--days", "10", *NEW_YORK, "--tz", "America/New_York")
        _, first = self.export(*span)
        by_uid = {str(e["UID"]): e.to_ical() for e in first.walk("VEVENT")}
        for event in later.walk("VEVENT"):
            self.assertEqual(event.to_ical(), by_uid[str(event["UID"])])

    def test_a_file_is_written_whole_and_refusals_write_nothing(self):
        path = os.path.join(self.cli.home.name, "fishing.ics")
        result = self.cli.run("ical", "--from", "2026-03-01", "--days", "5", *NEW_YORK, "--gmt", "-5",
                              "--output", path)
        self.assertEqual(result.stdout, b"")
        with open(path, "rb") as f:
            raw = f.read()
        self.assertRaw(raw)
        refused = self.cli.run("ical", "--from", "2026-03-01", "--days", "5", "--grade", "great",
                               "--output", path, check=False)
        self.assertEqual(refused.returncode, 2)
        self.assertEqual(refused.stderr, b"biteclock-cli: --grade: expected fair, good or excellent, got 'great'\n")
        with open(path, "rb") as f:
            self.assertEqual(f.read(), raw)
        folder = self.cli.run("ical", "--from", "2026-03-01", "--days", "5", *NEW_YORK, "--gmt", "-5",
                              "--output", self.cli.home.name, check=False)
        self.assertEqual(folder.returncode, 1)
        self.assertIn(b"could not be written", folder.stderr)


if __name__ == "__main__":
    IcalendarReadsTheExport.program = sys.argv.pop(1)
    unittest.main()
