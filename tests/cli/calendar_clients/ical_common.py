"""What the calendar client checks share: running the command line in a home of its own."""
import json
import os
import re
import subprocess
import tempfile

CLOCK = re.compile(r"^(\d\d):(\d\d) (AM|PM)$")
PERIODS = {
    "upper_major": "upper-major",
    "rise_minor": "rise-minor",
    "lower_major": "lower-major",
    "set_minor": "set-minor",
}
SUMMARIES = {
    "upper-major": "Major fishing period (Moon above)",
    "rise-minor": "Minor fishing period (moonrise)",
    "lower-major": "Major fishing period (Moon below)",
    "set-minor": "Minor fishing period (moonset)",
}


def clock_minutes(text):
    """Minutes after midnight of an "hh:mm AM" text; None for a blank period or "Can't Calc"."""
    match = CLOCK.match(text)
    if not match:
        return None
    hour = int(match.group(1)) % 12 + (12 if match.group(3) == "PM" else 0)
    return hour * 60 + int(match.group(2))


class Cli:
    def __init__(self, program):
        self.program = program
        self.home = tempfile.TemporaryDirectory()
        self.env = dict(os.environ)
        self.env.update(
            HOME=self.home.name,
            XDG_CONFIG_HOME=os.path.join(self.home.name, "config"),
            XDG_DATA_HOME=os.path.join(self.home.name, "data"),
            SOURCE_DATE_EPOCH="1765000000",
            QT_QPA_PLATFORM="offscreen",
        )

    def run(self, *arguments, check=True):
        result = subprocess.run([self.program, *arguments], env=self.env, capture_output=True)
        if check and result.returncode != 0:
            raise AssertionError(f"{arguments} exited {result.returncode}: {result.stderr.decode()}")
        return result

    def range_days(self, *arguments):
        out = self.run("range", *arguments).stdout.decode()
        return [json.loads(line) for line in out.splitlines()]
