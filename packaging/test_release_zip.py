#!/usr/bin/env python3
"""Checks that release_zip.py stores names as Chinese Windows Explorer and 7-Zip read them."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


class ReleaseZipTest(unittest.TestCase):
    def test_names_are_code_page_936_with_a_utf8_copy_and_contents_intact(self):
        with tempfile.TemporaryDirectory() as work:
            folder = os.path.join(work, "stage")
            os.makedirs(os.path.join(folder, "ADB"))
            files = {"说明.txt": "刷机".encode("utf-8"), "ADB/adbbz.doc": b"{\\rtf1}"}
            for name, content in files.items():
                with open(os.path.join(folder, name), "wb") as out:
                    out.write(content)
            output = os.path.join(work, "out.zip")
            subprocess.run([sys.executable, os.path.join(HERE, "release_zip.py"), folder, output],
                           check=True)

            with zipfile.ZipFile(output, metadata_encoding="gbk") as archive:
                self.assertEqual(sorted(archive.namelist()), ["ADB/", "ADB/adbbz.doc", "说明.txt"])
                for info in archive.infolist():
                    self.assertEqual(info.flag_bits & 0x800, 0, "no UTF-8 flag: " + info.filename)
                    tag, size, version, crc = struct.unpack_from("<HHBI", info.extra)
                    legacy = info.filename.encode("gbk")
                    self.assertEqual((tag, version, crc), (0x7075, 1, zlib.crc32(legacy)))
                    self.assertEqual(info.extra[9:4 + size].decode("utf-8"), info.filename)
                for name, content in files.items():
                    self.assertEqual(archive.read(name), content)


if __name__ == "__main__":
    unittest.main()
