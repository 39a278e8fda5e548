#!/usr/bin/env python3
"""Writes the notices of a Qt that Dotwise bundles: the Qt modules and
plugins with their licence, and every third-party part built into them, as
the Qt source's attribution files (read with Qt's qtattributionsscanner)
describe it. Which parts are built follows the features the Qt prefix
recorded when it was configured; a part this script has no rule for stops
it, so that a new Qt is looked at before it ships.

  qt-notices.py --source SRC --prefix PREFIX --platform windows|wasm
                --bundle TEXT [--bundle TEXT ...] [--extra TITLE=LICENCE_FILE ...]
                --intro FILE --out DIR
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys

SCANNER = "/usr/lib/qt6/libexec/qtattributionsscanner"

# When each attributed part is compiled into Qt Core, Gui, Widgets or the
# plugins Dotwise ships, as Qt's own build files decide it: a Python
# expression over the prefix's features (a '-' in a name becomes '_') and
# the platform (windows, wasm). False: build tools, tests, other modules,
# other platforms.
RULES = {
    # Qt Core
    "blake2": "not system_libb2",
    "doubleconversion": "doubleconversion and not system_doubleconversion",
    "easing": "easingcurve",
    "forkfd": "process and not windows and not wasm",
    "md4": "True",
    "md5": "True",
    "pcre2": "pcre2 and not system_pcre2",
    "pcre2-sljit": "pcre2 and not system_pcre2",
    "rfc6234": "True",
    "sha1": "True",
    "sha3_endian": "True",
    "sha3_keccak": "True",
    "siphash": "True",
    "tinycbor": "cborstreamreader or cborstreamwriter",
    "unicode-character-database": "True",
    "unicode-cldr": "True",
    "zlib": "not system_zlib",
    "qeventdispatcher_cf": "False",
    "tika-mimetypes": "mimetype_database",
    # Qt GUI
    "freetype": "freetype and not system_freetype",
    "freetype-zlib": "freetype and not system_freetype",
    "freetype-bdf": "freetype and not system_freetype",
    "freetype-pcf": "freetype and not system_freetype",
    "harfbuzz-ng": "harfbuzz and not system_harfbuzz",
    "libpng": "png and not system_png",
    "libjpeg": "jpeg and not system_jpeg",
    "md4c": "textmarkdownreader and not system_textmarkdownreader",
    "grayraster": "True",
    "smooth-scaling-algorithm": "True",
    "xserverhelper": "True",
    "webgradients": "True",
    "pixman": "neon",
    "icc-sRGB-color-profile": "pdf",
    "icc-srgb-color-profile": "pdf",
    "aglfn": "pdf",
    "opengl-headers": "opengl",
    "opengl-es2-headers": "opengl",
    "VulkanMemoryAllocator": "vulkan",
    "vulkanmemoryallocator": "vulkan",
    # Direct 3D 12, on Windows.
    "d3d12memoryallocator": "windows",
    "rhi-miniengine-d3d12-mipmap": "windows",
    # The WebAssembly platform plugin's fonts.
    "vera_font": "wasm",
    "dejayvu": "wasm",
    # Other platforms, modules, the build system and tests.
    "android-native-style": "False",
    "android-gradle-wrapper": "False",
    "cocoa-platform-plugin": "False",
    "xcb-xinput": "False",
    "libdbus-1-headers": "False",
    "libpsl": "False",
    "psl": "False",
    "psl-data": "False",
    "valgrind": "False",
    "cycle": "False",
    "linuxperf": "False",
    "catch2": "False",
    "extra-cmake-modules": "False",
    "kwin": "False",
}


# Parts named by where they lie in the source, for ids better not spelt here.
PATH_RULES = {
    # The Vulkan registry, which generates the Vulkan functions' sources.
    "src/gui/vulkan/vk.xml": "vulkan",
    "src/gui/vulkan": "vulkan",
}


def features(prefix):
    """The prefix's features, True or False, from its module .pri files."""
    found = {}
    modules = os.path.join(prefix, "mkspecs", "modules")
    for name in sorted(os.listdir(modules)):
        if not name.endswith(".pri"):
            continue
        with open(os.path.join(modules, name), encoding="utf-8") as pri:
            for line in pri:
                m = re.match(r"QT\.\S+\.(enabled|disabled)_features\s*=(.*)", line)
                if m:
                    for f in m.group(2).split():
                        found.setdefault(f.replace("-", "_"), m.group(1) == "enabled")
    return found


def scan(source):
    out = subprocess.run([SCANNER, "--output-format", "json", "--silent", source],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def built(entry, state, source):
    rule = RULES.get(entry["Id"])
    if rule is None:
        rule = PATH_RULES.get(os.path.relpath(entry.get("Path", ""), source))
    if rule is None:
        sys.exit(f"qt-notices: no rule for the attributed part {entry['Id']} "
                 f"({entry.get('Path', '')}); decide whether it is built")
    return bool(eval(rule, {"__builtins__": {}}, state))


def license_files(entry):
    files = entry.get("LicenseFiles") or []
    if entry.get("LicenseFile"):
        files = [entry["LicenseFile"]] + [f for f in files if f != entry["LicenseFile"]]
    return files


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--platform", required=True, choices=["windows", "wasm"])
    parser.add_argument("--bundle", action="append", default=[])
    parser.add_argument("--extra", action="append", default=[])
    parser.add_argument("--intro", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    cmake_conf = open(os.path.join(args.source, ".cmake.conf"), encoding="utf-8").read()
    version = re.search(r'QT_REPO_MODULE_VERSION "([^"]+)"', cmake_conf).group(1)
    state = features(args.prefix)
    state.update(windows=args.platform == "windows", wasm=args.platform == "wasm")

    class Missing(dict):
        def __missing__(self, key):
            return False  # a feature the prefix does not know is not built

    state = Missing(state)
    parts = [e for e in scan(args.source) if "libs" in e.get("QtParts", ["libs"])]
    parts = sorted((e for e in parts if built(e, state, args.source)),
                   key=lambda e: e["Name"].lower())

    if os.path.isdir(args.out):
        shutil.rmtree(args.out)
    os.makedirs(args.out)
    texts = {}

    def copy_text(path, name):
        if name not in texts:
            shutil.copyfile(path, os.path.join(args.out, name))
            texts[name] = path
        return name

    lgpl = copy_text(os.path.join(args.source, "LICENSES", "LGPL-3.0-only.txt"), "LGPL-3.0-only.txt")
    gpl = copy_text(os.path.join(args.source, "LICENSES", "GPL-3.0-only.txt"), "GPL-3.0-only.txt")

    lines = [open(args.intro, encoding="utf-8").read().rstrip("\n"), ""]
    rule = "=" * 72
    lines += [rule, f"Qt {version}", rule, ""]
    lines += [f"  {b}" for b in args.bundle]
    lines += ["", "Copyright (C) The Qt Company Ltd. and other contributors.",
              f"Licence: LGPL-3.0-only ({lgpl}, {gpl})",
              "The GNU Lesser General Public License, version 3, builds on the GNU General",
              "Public License, version 3: both texts are in this folder.", ""]
    lines += [rule, "Third-party parts built into these Qt files", rule, ""]
    for e in parts:
        lines.append(f"{e['Name']}" + (f" {e['Version']}" if e.get("Version") else ""))
        if e.get("Description"):
            lines.append("  " + " ".join(e["Description"].split()))
        if e.get("Homepage"):
            lines.append(f"  {e['Homepage']}")
        for c in e.get("Copyright", "").strip().splitlines():
            lines.append(f"  {c.strip()}")
        files = [copy_text(f, f"{e['Id']}-{os.path.basename(f)}") for f in license_files(e)]
        licence = e.get("LicenseId") or e.get("License") or "see the copyright above"
        lines.append(f"  Licence: {licence}" + (f" ({', '.join(files)})" if files else ""))
        lines.append("")
    # Other bundled files, each with its licence statement (a Debian
    # package's copyright file is named for its package).
    for extra in args.extra:
        title, _, path = extra.partition("=")
        name = copy_text(path, f"{os.path.basename(os.path.dirname(path))}-{os.path.basename(path)}.txt")
        lines += [rule, title, rule, "", f"Its copyright and licences: {name}", ""]
    with open(os.path.join(args.out, "NOTICES.txt"), "w", encoding="utf-8", newline="\r\n"
              if args.platform == "windows" else "\n") as notices:
        notices.write("\n".join(lines))


if __name__ == "__main__":
    main()
