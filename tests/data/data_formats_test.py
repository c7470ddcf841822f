#!/usr/bin/env python3
"""kvnshow's -json and -csv read back through real parsers.

Records whose texts hold every awkward byte (quote, comma, backslash, CR, LF,
tab, the other control bytes, 0x80 to 0xFF) are listed as JSON and as CSV and
read back with Python's json and csv modules, and with jq where it is
installed; every text must come back as the Windows-1252 reading of its bytes.
Runs that fail must leave standard output empty, or hold a whole document once
the listing has begun: an output failure, which ends in status 5, or memory
refused at any allocation. Each fax leaves in one
write, the longest too (strace, where it runs).

Usage: data_formats_test.py KVNSHOW FAKE_SLEEP_LIBRARY (preloaded, so that
no connection retry waits for real)
"""
import csv
import io
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

KVNSHOW = None
FAKE_SLEEP_LIBRARY = None


def windows_1252(data: bytes) -> str:
    """Python's own reading of the code page, the five bytes it leaves
    undefined each U+FFFD."""
    return data.decode("cp1252", errors="replace")


EVERY_BYTE = bytes(range(1, 256))
AWKWARD = b'say "hi", C:\\dir\r\nnext\tline\x01\x1f\x7f \x80\x9f\xa0\xe9\xff'

# Each text field with its room (terminator included), so that no text is cut.
TEXTS = {
    "uniqueId": (AWKWARD[:15], 16),
    "faxUserId": (b'u,"\\\r\n\t\x02\x80\xe9', 22),
    "comment": (EVERY_BYTE, 988),
    "toCompany": (AWKWARD, 60),
    "fromName": (bytes(range(0x80, 0xB0)), 60),
    "toName": (bytes(range(0xB0, 0xE0)), 60),
    "toCityState": (bytes(range(0xE0, 0x100)), 60),
    "remoteId": (bytes(range(1, 30)), 30),
    "toContact": (b"a lone\rCR", 32),
}


def description():
    fax = {"handle": 4096, "flags": ["received"], "time": 1225722125, "pages": 3,
           "uniqueId": {"hex": TEXTS["uniqueId"][0].hex()},
           "faxUserId": {"hex": TEXTS["faxUserId"][0].hex()},
           "details": {name: {"hex": text.hex()} for name, (text, _) in TEXTS.items()
                       if name not in ("uniqueId", "faxUserId")}}
    plain = {"handle": 4097, "time": 1225722126, "uniqueId": "PLAIN", "details": {}}
    return {"serverText": "Kavrin 5.30 on BYTES",
            "users": [{"id": "BYTES", "faxes": [fax, plain]}]}


class DataFormatsTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        with open(os.path.join(self.folder, "bytes.json"), "w") as f:
            json.dump(description(), f)
        with open(os.path.join(self.folder, "nolist.json"), "w") as f:
            json.dump({"faults": {"faxList": {}}, "users": [{"id": "BYTES"}]}, f)
        # Two faxes, the second with a comment that needs converting.
        with open(os.path.join(self.folder, "oom.json"), "w") as f:
            json.dump({"users": [{"id": "BYTES", "faxes": [
                {"handle": 4096, "uniqueId": "PLAIN", "details": {}},
                {"handle": 4097, "uniqueId": "ACCENTS",
                 "details": {"comment": {"hex": "e9" * 500}}}]}]}, f)
        with open(os.path.join(self.folder, "loadfail.json"), "w") as f:
            json.dump({"faults": {"loadFax": {"handles": [4096]}},
                       "users": [{"id": "BYTES", "faxes": [{"handle": 4096, "uniqueId": "X"}]}]},
                      f)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def environment(self, extra=None):
        environment = {"PATH": "/usr/bin:/bin", "TZ": "UTC", "KVNSIM_SERVERS": self.folder,
                       "LD_PRELOAD": FAKE_SLEEP_LIBRARY, **(extra or {})}
        # A sanitized build reports as the tests around it do; ASan would
        # refuse the preloaded library ahead of its runtime.
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                environment[name] = os.environ[name]
        asan = environment.get("ASAN_OPTIONS", "")
        environment["ASAN_OPTIONS"] = asan + (":" if asan else "") + "verify_asan_link_order=0"
        return environment

    def run_kvnshow(self, *arguments, stdout=subprocess.PIPE, extra=None):
        return subprocess.run([KVNSHOW, *arguments], stdout=stdout,
                              stderr=subprocess.PIPE, env=self.environment(extra), check=False)

    def assert_whole_document_or_none(self, data, data_format, context):
        """Empty, or one document a parser takes whole."""
        if not data:
            return
        text = data.decode("utf-8")
        if data_format == "-json":
            self.assertTrue(text.endswith("\n]\n") or text == "[]\n", context)
            json.loads(text)
        else:
            self.assertTrue(text.endswith("\r\n"), context)
            rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
            self.assertTrue(all(len(row) == len(rows[0]) for row in rows), context)

    def check_texts(self, fax, with_details):
        for name, (text, _) in TEXTS.items():
            if with_details or name in ("uniqueId", "faxUserId"):
                self.assertEqual(fax[name], windows_1252(text), name)

    def test_json_reads_back_every_byte(self):
        for style in ([], ["-v"]):
            run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-json", *style)
            self.assertEqual(run.returncode, 0, run.stderr)
            text = run.stdout.decode("utf-8")  # strict: the whole document is UTF-8
            self.assertFalse(text.startswith("\ufeff"), "no byte-order mark")
            faxes = json.loads(text)
            self.assertEqual(len(faxes), 2)
            self.assertEqual(len(text.splitlines()), 4, "[, one line a fax, ]")
            self.check_texts(faxes[0], bool(style))
            self.assertEqual(faxes[0]["time"], "2008-11-03T14:22:05Z")
            self.assertIs(faxes[0]["received"], True)
            self.assertEqual(faxes[1]["uniqueId"], "PLAIN")

    @unittest.skipUnless(shutil.which("jq"), "jq is not installed")
    def test_jq_reads_back_every_byte(self):
        run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-json", "-e")
        jq = subprocess.run(["jq", "-c", "[.[] | [.comment, .toCompany, .faxUserId]]"],
                            input=run.stdout, stdout=subprocess.PIPE, check=True)
        names = ["comment", "toCompany", "faxUserId"]
        self.assertEqual(json.loads(jq.stdout)[0], [windows_1252(TEXTS[n][0]) for n in names])

    def test_csv_reads_back_every_byte(self):
        for style in ([], ["-e"]):
            run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-csv", *style)
            self.assertEqual(run.returncode, 0, run.stderr)
            reader = csv.DictReader(io.StringIO(run.stdout.decode("utf-8"), newline=""),
                                    strict=True)
            faxes = list(reader)
            self.assertEqual(len(faxes), 2)
            self.check_texts(faxes[0], bool(style))
            self.assertEqual(faxes[0]["received"], "true")
            # Rows end in CR LF.
            self.assertIn(b"\r\nPLAIN,00001001,", run.stdout)
            self.assertTrue(run.stdout.endswith(b"\r\n"))

    def test_empty_selection_is_a_whole_document(self):
        run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-json", "NOTHING")
        self.assertEqual(run.stdout, b"[]\n")
        run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-csv", "-v", "NOTHING")
        header = run.stdout.decode()
        self.assertTrue(header.endswith("\r\n") and header.count("\r\n") == 1, header)
        self.assertIn(",detailsLoaded,", header)

    def test_standard_output_stays_clean_when_the_run_fails(self):
        for arguments, status in (
                (["-s", "nowhere", "-u", "BYTES"], 1),   # no connection
                (["-s", "bytes", "-u", "NOBODY"], 3),    # unknown user
                (["-s", "nolist", "-u", "BYTES"], 4),    # the list cannot be retrieved
                (["-s", "bytes", "-u", "BYTES", "-x"], 255),  # usage
                (["-s", "bytes"], 255)):                 # no user
            for data_format in ("-json", "-csv"):
                run = self.run_kvnshow(data_format, *arguments)
                self.assertEqual(run.returncode, status, arguments)
                self.assertEqual(run.stdout, b"", arguments)
                self.assertTrue(run.stderr.startswith(b"KvnShow - List faxes"), arguments)

    def test_faxes_that_fail_still_make_a_whole_document(self):
        run = self.run_kvnshow("-s", "loadfail", "-u", "BYTES", "-json", "-v")
        self.assertEqual(run.returncode, 0)
        self.assertEqual([(f["uniqueId"], f["detailsLoaded"], f["comment"])
                          for f in json.loads(run.stdout)], [("X", False, None)])
        self.assertIn(b"\nCan't retrieve extended fax info: X (00001000)\n", run.stderr)
        self.assertIn(b"\nfaxes:1 listed:0 failed:1 skipped:0 total:1\n", run.stderr)

    def test_output_failure_ends_in_status_5(self):
        for data_format in ("-json", "-csv"):
            with open("/dev/full", "wb") as full:
                run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", data_format, stdout=full)
            self.assertEqual(run.returncode, 5)
            self.assertTrue(run.stderr.endswith(
                b"Disconnected\nkvnshow: can't write to standard output: "
                b"No space left on device\n"), run.stderr[-200:])
            # The first fax's write failed: the walk stopped there.
            self.assertIn(b"\nfaxes:1 listed:1 failed:0 skipped:0 total:1\n", run.stderr)

    def test_brief_csv_rows_are_as_long_as_the_header(self):
        run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-csv")
        rows = list(csv.reader(io.StringIO(run.stdout.decode("utf-8"), newline=""), strict=True))
        self.assertEqual(len(rows[0]), 19, rows[0])
        self.assertEqual(rows[0][-1], "faxUserId")
        self.assertEqual([len(row) for row in rows[1:]], [19, 19])

    def test_json_escapes_del_and_the_c1_controls(self):
        run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-json", "-v")
        for raw in [b"\x7f"] + [bytes([0xC2, b]) for b in range(0x80, 0xA0)]:
            self.assertNotIn(raw, run.stdout)
        # 7E to 82: DEL escaped, 0x81, which 1252 leaves undefined, U+FFFD
        self.assertIn(b"~\\u007f\xe2\x82\xac\xef\xbf\xbd\xe2\x80\x9a", run.stdout)

    @unittest.skipUnless(shutil.which("strace"), "strace is not installed")
    def test_each_of_the_longest_faxes_in_one_write(self):
        """Faxes whose every text is full, escaped at its longest in JSON, some
        10 KB each, more than a buffer of a few KB holds: one write(2) a fax."""
        full = "01" * 2000
        details = {name: {"hex": full} for name in (
            "ownerId", "faxFile", "toPhone", "toContact", "toName", "toCompany", "toCityState",
            "fromName", "fromPhone", "billInfo1", "billInfo2", "did", "operatorPhone",
            "generalFaxPhone", "remoteId", "coversheet", "comment")}
        faxes = [{"handle": h, "uniqueId": {"hex": full[:30]}, "details": details}
                 for h in (1, 2, 3)]
        with open(os.path.join(self.folder, "longest.json"), "w") as f:
            json.dump({"users": [{"id": "BYTES", "faxes": faxes}]}, f)
        trace = os.path.join(self.folder, "strace")
        for data_format, writes in (("-json", 4), ("-csv", 3)):  # "]" goes out on its own
            # LeakSanitizer, in a sanitized build, cannot run under ptrace.
            environment = self.environment()
            environment["ASAN_OPTIONS"] += ":detect_leaks=0"
            run = subprocess.run(
                ["strace", "-f", "-e", "trace=write", "-o", trace, KVNSHOW, "-s", "longest", "-u",
                 "BYTES", data_format, "-v"], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                env=environment, check=False)
            if not os.path.exists(trace):
                self.skipTest("strace cannot trace here: " + run.stderr.decode(errors="replace"))
            self.assertEqual(run.returncode, 0)
            if data_format == "-json":
                self.assertGreater(len(run.stdout), 3 * 6000)
            with open(trace) as f:
                lines = [line for line in f if re.match(r"^\d+ +write\(1,", line)]
            self.assertEqual(len(lines), writes, data_format)

    def test_out_of_memory_at_every_point_after_the_fetch(self):
        """Every allocation from the fetch of the list on, refused in turn. (Not
        before it: the stand-in's own parser of server descriptions aborts when
        an allocation is refused while it unwinds.)"""
        trace = os.path.join(self.folder, "trace")
        for data_format in ("-json", "-csv"):
            arguments = ("-s", "oom", "-u", "BYTES", data_format, "-v")

            def run_refusing_after(count):
                if os.path.exists(trace):
                    os.remove(trace)
                run = self.run_kvnshow(*arguments, extra={
                    "KVN_REFUSE_ALLOCATIONS_AFTER": str(count), "KVNSIM_TRACE": trace})
                calls = []  # none when memory ran out before the first call
                if os.path.exists(trace):
                    with open(trace) as f:
                        calls = [line.split(" ")[0] for line in f]
                fetched = ("KvnGetFaxList" in calls
                           and b"Can't retrieve fax list" not in run.stderr)
                return run, calls, fetched

            whole = self.run_kvnshow(*arguments)
            self.assertEqual(whole.returncode, 0)
            # The fewest allocations that let the list be fetched.
            low, high = 0, 1
            while not run_refusing_after(high)[2]:
                low, high = high, high * 2
            while low + 1 < high:
                middle = (low + high) // 2
                low, high = (low, middle) if run_refusing_after(middle)[2] else (middle, high)
            out_of_memory_after_fetch = 0
            for count in range(high, high + 5000):
                run, calls, fetched = run_refusing_after(count)
                context = (data_format, count, run.stderr[-300:])
                self.assertIn(run.returncode, (0, 1), context)
                self.assert_whole_document_or_none(run.stdout, data_format, context)
                if fetched:
                    self.assertIn("KvnCloseListHandle", calls, context)
                    self.assertIn(b"\nfaxes:", run.stderr, context)
                if b"Can't continue: out of memory\n" in run.stderr:
                    self.assertEqual(run.returncode, 1, context)
                    self.assertTrue(run.stderr.endswith(b"Can't continue: out of memory\n"),
                                    context)
                    out_of_memory_after_fetch += fetched
                if run.returncode == 0 and run.stdout == whole.stdout:
                    break
            else:
                self.fail("the run never ran whole")
            # JSON builds its keys after the fetch; CSV takes no memory there at
            # all, and its first run after the fetch is whole.
            if data_format == "-json":
                self.assertGreater(out_of_memory_after_fetch, 0, data_format)


if __name__ == "__main__":
    KVNSHOW = sys.argv.pop(1)
    FAKE_SLEEP_LIBRARY = sys.argv.pop(1)
    unittest.main()
