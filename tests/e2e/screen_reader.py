#!/usr/bin/python3
"""A blind operator's QSO, heard through the real screen reader Orca.

The real program runs under its own Xvfb, D-Bus session and accessibility bus, with Orca 43
reading it. Orca speaks into a speech server of this file's own making, which writes down every
utterance, so that the test hears exactly what an operator would. Keys go in with xdotool, from
the keyboard only; every step waits until Orca has said what the step expects, and fails on a
value heard wrongly or not at all.

    screen_reader.py PROGRAM SCREENSHOT_FOLDER
    screen_reader.py --orca PREFERENCES_FOLDER SPEECH_FILE    (Orca itself, run by the test)

Debian packages: orca (with python3-pyatspi), at-spi2-core, dbus, xvfb, xdotool, imagemagick.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

STATION = "TEST1"
SITE = "CHATEAU DE TEST"
MAIN_TITLE = "^ORV PC "
STEP_TIMEOUT = 10  # seconds Orca may take to say what a step expects before the step fails


# ------------------------------------------------------------------------------- Orca's side
def run_orca(preferences, speech_file):
    """Runs Orca in this process, its speech written down in speech_file, one JSON line each."""
    sys.argv = ["orca"]
    from orca import orca, speechserver

    out = open(speech_file, "a", buffering=1, encoding="utf-8")

    class HeardSpeech(speechserver.SpeechServer):
        instance = None

        @staticmethod
        def getFactoryName():
            return "heard"

        @staticmethod
        def getSpeechServers():
            return [HeardSpeech.getSpeechServer()]

        @staticmethod
        def getSpeechServer(info=None):
            HeardSpeech.instance = HeardSpeech.instance or HeardSpeech()
            return HeardSpeech.instance

        def getInfo(self):
            return ["heard", "heard"]

        def getVoiceFamilies(self):
            return []

        def speak(self, text=None, acss=None, interrupt=True):
            if text:
                out.write(json.dumps({"text": text}, ensure_ascii=False) + "\n")

    factory = type(sys)("orv_heard_speech")
    factory.SpeechServer = HeardSpeech
    sys.modules["orv_heard_speech"] = factory
    manager = orca.getSettingsManager()
    manager.activate(preferences, {"speechServerFactory": "orv_heard_speech"})
    sys.exit(orca.main())


# ------------------------------------------------------------------------------- the desktop
class Failure(Exception):
    pass


class Desktop:
    """Xvfb, a D-Bus session, the accessibility bus, Orca and the program, in a home of their own."""

    def __init__(self, program, shots):
        self.program, self.shots = os.path.abspath(program), shots
        self.home = tempfile.mkdtemp(prefix="orv-screen-reader.")
        self.processes = []
        self.read = 0
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY")}
        self.env.update(HOME=self.home, XDG_DATA_HOME=self.home + "/data",
                        XDG_CONFIG_HOME=self.home + "/config", XDG_RUNTIME_DIR=self.home + "/run",
                        XDG_CACHE_HOME=self.home + "/cache", QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", NO_AT_BRIDGE="0")
        for folder in ("data/ORV_PC", "config/ORV_PC", "run", "cache", "orca"):
            os.makedirs(os.path.join(self.home, folder))
        os.chmod(self.home + "/run", 0o700)
        self.data = self.home + "/data/ORV_PC"
        self.speech = self.home + "/speech.jsonl"
        open(self.speech, "w").close()

    def __enter__(self):
        return self

    def __exit__(self, *error):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    def start(self, argv, **options):
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=options.pop("stdout", subprocess.DEVNULL),
                                   stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    @staticmethod
    def wait_for(condition, what, timeout=STEP_TIMEOUT):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            found = condition()
            if found:
                return found
            time.sleep(0.05)
        raise Failure(f"timed out waiting for {what}")

    def start_session(self):
        # Xvfb picks a free display and writes its number: tests started at once never share one.
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as number:
            self.env["DISPLAY"] = ":" + number.readline().strip()
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.wait_for(self.accessibility_bus_answers, "the accessibility bus")
        self.start(["/usr/bin/python3", os.path.abspath(__file__), "--orca", self.home + "/orca",
                    self.speech])
        self.expect("Screen reader on.")

    def accessibility_bus_answers(self):
        answer = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=self.env,
                                capture_output=True, text=True)
        return answer.returncode == 0

    # --------------------------------------------------------------------------- the program
    def start_program(self, log_lines, reference_list):
        with open(self.home + "/config/ORV_PC/PC.ini", "w") as settings:
            settings.write(f"[Setup%20]\nIndicatif%20Station={STATION}\n\n[Setup%20{STATION}]\n"
                           "bande%20Utilisee=5\nMode%20Utilise=0\nDate%20Auto=Oui\n")
        with open(f"{self.data}/{STATION}_PC.log", "wb") as log:
            log.write(b"".join(line.encode("cp1252") + b"\r\n" for line in log_lines))
        with open(self.data + "/Liste_PC.csv", "wb") as sites:
            sites.write(reference_list.encode("cp1252"))
        self.start([self.program])
        self.focus_main_window()

    def window(self, title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               env=self.env, capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def focus_main_window(self):
        """Gives the keyboard to the main window, as a window manager does when a box closes."""
        main = self.wait_for(lambda: self.window(MAIN_TITLE), "the main window")
        subprocess.run(["xdotool", "windowfocus", "--sync", main], env=self.env, check=True)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], env=self.env, check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], env=self.env, check=True)

    def screenshot(self, name):
        os.makedirs(self.shots, exist_ok=True)
        subprocess.run(["import", "-window", "root", f"{self.shots}/{name}.png"], env=self.env,
                       check=True)

    # --------------------------------------------------------------------------- what Orca said
    def new_utterances(self):
        with open(self.speech, "rb") as speech:
            speech.seek(self.read)
            data = speech.read()
        whole = data[:data.rfind(b"\n") + 1]
        self.read += len(whole)
        return [json.loads(line)["text"] for line in whole.decode("utf-8").splitlines()]

    def expect(self, *utterances, timeout=STEP_TIMEOUT):
        """Waits until Orca has said each utterance in turn (a string said exactly, or a compiled
        pattern matched whole); returns what was said, up to the last of them."""
        heard, wanted = [], list(utterances)
        end = time.monotonic() + timeout
        while wanted:
            for text in self.new_utterances():
                heard.append(text)
                if wanted and said(text, wanted[0]):
                    wanted.pop(0)
            if wanted and time.monotonic() > end:
                shown = wanted[0].pattern if isinstance(wanted[0], re.Pattern) else wanted[0]
                raise Failure(f"Orca did not say {shown!r}; it said {heard}")
            time.sleep(0.05)
        return heard


def said(text, wanted):
    if isinstance(wanted, re.Pattern):
        return wanted.fullmatch(text) is not None
    return text == wanted


def value_after(heard, announcement):
    """The value Orca said right after announcing a field: "59." or "59 selected." gives 59."""
    following = heard[heard.index(announcement) + 1:]
    if not following:
        raise Failure(f"no value heard after {announcement!r}: {heard}")
    return re.sub(r"( selected)?\.$", "", following[0])


def expect_field(desktop, keys, announcement, value):
    desktop.keys(*keys)
    heard = desktop.expect(announcement, re.compile(r".+"))
    got = value_after(heard, announcement)
    if got != value:
        raise Failure(f"{announcement!r} heard with {got!r}, shown {value!r}: {heard}")
    return heard


# ------------------------------------------------------------------------------- the visit
def log_line(callsign, departement, reference, date, time_, band, site, qsl):
    return (f"{callsign:<12} {departement:<2}   {'':<15} {reference:<5} {date} {time_} SSB "
            f"{band:<7} 59  59  {site:<30} {'*' if qsl else ' '}")


def visit(desktop):
    started = time.monotonic()
    desktop.start_session()
    desktop.start_program([], f"Rev 012 01/03/24;;\r\nPC-89001;{SITE};x;001;y;Treigny;;z\r\n")
    desktop.expect(re.compile(r"ORV PC .* frame\."), f"INDICATIF DE LA STATION : {STATION}.",
                   "Indicatif text.")

    desktop.type("F4ABC")
    desktop.keys("Return")
    desktop.expect("Prénom (optionnel) text.")
    desktop.keys("Return")
    desktop.expect("Ref Patrimoine text.")
    desktop.type("89001")
    desktop.keys("Return")
    heard = desktop.expect("Mode editable combo box.", "SSB.", re.compile(r"Dpt 89, .*"))
    told = re.fullmatch(rf"Dpt 89, Date (\d\d/\d\d/\d\d), Heure UTC (\d\d:\d\d), "
                        rf"Nom du Patrimoine {SITE}\.", heard[-1])
    if told is None:
        raise Failure(f"the fields filled in were told as {heard[-1]!r}")
    date, utc = told.groups()
    desktop.screenshot("screen_reader_filled_fields")

    # The fields filled in, reached by Tab after the mode, closed to typing.
    expect_field(desktop, ["Tab"], "Dpt read only text.", "89")
    expect_field(desktop, ["Tab"], "Date read only text.", date)
    expect_field(desktop, ["Tab"], "Heure UTC read only text.", utc)
    desktop.keys("shift+Tab", "shift+Tab", "shift+Tab")
    desktop.expect("Mode editable combo box.")

    expect_field(desktop, ["Return"], "RST R text.", "59")
    expect_field(desktop, ["Return"], "RST E text.", "59")
    expect_field(desktop, ["Return"], "Nom du Patrimoine (optionnel) text.", SITE)
    desktop.keys("Return")
    desktop.expect("QSL check box not checked.")
    desktop.keys("space")
    desktop.expect("checked")
    desktop.keys("Return")
    desktop.expect("Valider le QSO push button.")
    desktop.keys("Return")
    desktop.expect("alert ORV_PC.", "Voulez vous enregistrer ces données ?")
    desktop.keys("Return")
    desktop.wait_for(lambda: desktop.window("^ORV_PC$") is None, "the question to close")
    desktop.focus_main_window()
    desktop.expect("Indicatif text.")

    with open(f"{desktop.data}/{STATION}_PC.log", "rb") as log:
        logged = log.read().decode("cp1252")
    expected = log_line("F4ABC", "89", "89001", date, utc, "14 Mhz", SITE, True) + "\r\n"
    if logged != expected:
        raise Failure(f"the log holds {logged!r}, expected {expected!r}")

    # A report window from its menu's Alt letter: its counts with their captions, then the row
    # under the cursor as the list takes the focus.
    heard_item = lambda: desktop.expect("des Patrimoines contactés.", timeout=3)
    desktop.keys("alt+l")
    try:
        heard_item()
    except Failure:
        desktop.keys("Escape", "alt+l")  # Qt 6.4 with Orca sometimes loses the first Alt
        heard_item()
    desktop.keys("Return")
    desktop.expect("Liste des Patrimoines contactés et confirmes dialog 1 Patrimoines contactés "
                   "1 Patrimoines confirmés.",
                   re.compile(rf" 89001  {SITE} +{re.escape(date)}  F4ABC +\*"))
    desktop.keys("Escape")
    desktop.wait_for(lambda: desktop.window("^Liste des Patrimoines") is None, "the list to close")
    print(f"heard the QSO and the list in {time.monotonic() - started:.1f} s")


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--orca":
        run_orca(sys.argv[2], sys.argv[3])
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with Desktop(sys.argv[1], sys.argv[2]) as desktop:
        try:
            visit(desktop)
        except Failure as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            sys.exit(1)


if __name__ == "__main__":
    main()
