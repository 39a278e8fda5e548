# Runs Orca with its debug file line-buffered, so what it has spoken is in
# the file at once rather than after 8 KiB.
#   orca_linebuffered.py <debug file>
import builtins
import runpy
import sys

debug_file = sys.argv[1]
plain_open = builtins.open


def open_line_buffered(file, mode="r", *args, **kwargs):
    if mode == "w" and str(file) == debug_file:
        return plain_open(file, mode, 1)
    return plain_open(file, mode, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv = ["orca", "--debug-file=" + debug_file]
runpy.run_path("/usr/bin/orca", run_name="__main__")
