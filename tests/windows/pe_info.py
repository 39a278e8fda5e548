#!/usr/bin/env python3
"""Checks what Windows shows of a program file: its version information
(product, version, company, copyright, description) and, with --manifest,
a manifest that asks for no elevation, names Windows 10/11 and declares
per-monitor v2 DPI awareness.
   pe_info.py VERSION FILE [--manifest]"""
import sys
import pefile

version, path = sys.argv[1], sys.argv[2]
pe = pefile.PE(path)
strings = {}
for info in getattr(pe, "FileInfo", None) or []:
    for entry in info:
        for table in getattr(entry, "StringTable", []):
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
want = {"ProductName": "Dotwise", "ProductVersion": version, "FileVersion": version,
        "CompanyName": "Quillmark"}
wrong = [f"{k}={strings.get(k)!r}" for k, v in want.items() if strings.get(k) != v]
wrong += [k for k in ("LegalCopyright", "FileDescription") if not strings.get(k)]
fixed = pe.VS_FIXEDFILEINFO[0] if getattr(pe, "VS_FIXEDFILEINFO", None) else None
if not fixed or f"{fixed.FileVersionMS >> 16}.{fixed.FileVersionMS & 0xffff}." \
        f"{fixed.FileVersionLS >> 16}" != version:
    wrong.append("binary file version")

if "--manifest" in sys.argv:
    manifest = ""
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id == 24:  # RT_MANIFEST
            data = kind.directory.entries[0].directory.entries[0].data.struct
            manifest = pe.get_data(data.OffsetToData, data.Size).decode()
    for needle in ('level="asInvoker"', "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
                   "PerMonitorV2"):
        if needle not in manifest:
            wrong.append(f"manifest without {needle}")
if wrong:
    sys.exit(f"{path}: {', '.join(wrong)}")
