#!/usr/bin/env python3
"""Packs a folder into a ZIP file whose Chinese file names read right everywhere.

Windows Explorer before Windows 10 ignores the UTF-8 flag of ZIP entries and
reads names in the system's OEM code page, 936 on Chinese Windows. So every
name is stored in code page 936, and again in UTF-8 in an Info-ZIP Unicode
Path field (0x7075), which 7-Zip, WinRAR and Bandizip prefer.
Usage: release_zip.py FOLDER OUTPUT.zip   (the folder's content is the ZIP's root)
"""
import os
import struct
import sys
import zipfile
import zlib


class ChineseWindowsName(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits


def unicode_path_field(name):
    legacy = name.encode("gbk")
    utf8 = name.encode("utf-8")
    body = struct.pack("<BI", 1, zlib.crc32(legacy)) + utf8
    return struct.pack("<HH", 0x7075, len(body)) + body


def entries(folder):
    """Paths below folder, folders first, each level in name order."""
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in sorted(dirs) + sorted(files):
            path = os.path.join(root, name)
            yield path, os.path.relpath(path, folder).replace(os.sep, "/")


def main():
    folder, output = sys.argv[1], sys.argv[2]
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path, name in entries(folder):
            info = ChineseWindowsName.from_file(path, name)
            info.extra = unicode_path_field(info.filename)
            if info.is_dir():
                archive.writestr(info, b"")
            else:
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(path, "rb") as source:
                    archive.writestr(info, source.read())


if __name__ == "__main__":
    main()
