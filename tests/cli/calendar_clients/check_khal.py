"""Imports a month of New York fishing times into khal, with a configuration of its own, and reads
them back with `khal list` on both sides of the March change of the clocks."""
import datetime
import os
import subprocess
import sys
import unittest

from ical_common import PERIODS, SUMMARIES, Cli, clock_minutes

PLACE = ["--lat", "40.7128", "--lon", "-74.006", "--tz", "America/New_York"]
SPAN = ["--from", "2026-02-20", "--days", "31"]

CONFIG = """[calendars]
[[fishing]]
path = {path}
type = calendar

[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = America/New_York
default_timezone = America/New_York

[default]
default_calendar = fishing
"""


class KhalShowsTheImportedTimes(unittest.TestCase):
    program = None

    def setUp(self):
        self.cli = Cli(self.program)
        self.addCleanup(self.cli.home.cleanup)
        home = self.cli.home.name
        self.vdir = os.path.join(home, "calendars", "fishing")
        os.makedirs(self.vdir)
        self.config = os.path.join(home, "khal.conf")
        with open(self.config, "w") as f:
            f.write(CONFIG.format(path=self.vdir))
        self.ics = os.path.join(home, "fishing.ics")
        self.cli.run("ical", *SPAN, *PLACE, "--events", "periods", "--output", self.ics)
        self.days = {d["date"]: d for d in self.cli.range_days(*SPAN, *PLACE)}

    def khal(self, *arguments):
        env = dict(self.cli.env, TZ="America/New_York")
        result = subprocess.run(["khal", "-c", self.config, *arguments], env=env, capture_output=True,
                                text=True)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout

    def listed(self, date):
        out = self.khal("list", "--format", "{start-time}-{end-time} {title}", "--day-format", "",
                        date, "1d")
        return sorted(line for line in out.splitlines() if line.strip())

    def expected(self, date):
        day = self.days[date]
        lines = []
        for field, kind in PERIODS.items():
            minutes = clock_minutes(day[field])
            if minutes is None:
                continue
            start = datetime.datetime(2000, 1, 1) + datetime.timedelta(minutes=minutes)
            end = start + datetime.timedelta(hours=2)
            # An event that runs past midnight shows its end on the next day.
            lines.append(f"{start:%H:%M}-{end:%H:%M} {SUMMARIES[kind]}")
        return sorted(lines)

    def test_the_periods_of_a_day_on_each_side_of_the_change_at_their_local_times(self):
        self.khal("import", "--batch", "-a", "fishing", self.ics)
        winter, summer = "2026-03-05", "2026-03-12"
        self.assertEqual(self.days[winter]["utc_offset"], -5)
        self.assertEqual(self.days[summer]["utc_offset"], -4)
        for date in (winter, summer):
            shown = [line for line in self.listed(date) if not line.startswith("-")]
            self.assertEqual([s for s in shown if s in self.expected(date)], self.expected(date), date)

    def test_importing_the_same_span_again_does_not_double_the_events(self):
        self.khal("import", "--batch", "-a", "fishing", self.ics)
        once = sorted(os.listdir(self.vdir))
        first = self.listed("2026-03-12")
        self.khal("import", "--batch", "-a", "fishing", self.ics)
        self.assertEqual(sorted(os.listdir(self.vdir)), once)
        self.assertEqual(self.listed("2026-03-12"), first)
        periods = sum(clock_minutes(d[f]) is not None for d in self.days.values() for f in PERIODS)
        self.assertEqual(len(once), periods)


if __name__ == "__main__":
    KhalShowsTheImportedTimes.program = sys.argv.pop(1)
    unittest.main()
