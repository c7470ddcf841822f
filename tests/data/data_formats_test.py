#!/usr/bin/env python3
"""kvnshow's -json and -csv read back through real parsers.

Records whose texts hold every awkward byte (quote, comma, backslash, CR, LF,
tab, the other control bytes, 0x80 to 0xFF) are listed as JSON and as CSV and
read back with Python's json and csv modules, and with jq where it is
installed; every text must come back as the Windows-1252 reading of its bytes.
Runs that fail must leave standard output empty, or hold a whole document once
the listing has begun; an output failure ends in status 5.

Usage: data_formats_test.py KVNSHOW FAKE_SLEEP_LIBRARY (preloaded, so that
no connection retry waits for real)
"""
import csv
import io
import json
import os
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
        with open(os.path.join(self.folder, "loadfail.json"), "w") as f:
            json.dump({"faults": {"loadFax": {"handles": [4096]}},
                       "users": [{"id": "BYTES", "faxes": [{"handle": 4096, "uniqueId": "X"}]}]},
                      f)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def run_kvnshow(self, *arguments, stdout=subprocess.PIPE):
        environment = {"PATH": "/usr/bin:/bin", "TZ": "UTC", "KVNSIM_SERVERS": self.folder,
                       "LD_PRELOAD": FAKE_SLEEP_LIBRARY}
        # A sanitized build reports as the tests around it do; ASan would
        # refuse the preloaded library ahead of its runtime.
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                environment[name] = os.environ[name]
        asan = environment.get("ASAN_OPTIONS", "")
        environment["ASAN_OPTIONS"] = asan + (":" if asan else "") + "verify_asan_link_order=0"
        return subprocess.run([KVNSHOW, *arguments], stdout=stdout, stderr=subprocess.PIPE,
                              env=environment, check=False)

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
        with open("/dev/full", "wb") as full:
            run = self.run_kvnshow("-s", "bytes", "-u", "BYTES", "-json", stdout=full)
        self.assertEqual(run.returncode, 5)
        self.assertTrue(run.stderr.endswith(
            b"Disconnected\nkvnshow: can't write to standard output: No space left on device\n"),
            run.stderr[-200:])


if __name__ == "__main__":
    KVNSHOW = sys.argv.pop(1)
    FAKE_SLEEP_LIBRARY = sys.argv.pop(1)
    unittest.main()
