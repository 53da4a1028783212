"""Loaded by Python as Orca starts (run-screenreader puts this folder on PYTHONPATH).

Orca writes its debug log through a buffered file, so an utterance can wait in the buffer
until later lines push it out; the test reads the log as Orca goes. The log file named by
ORCA_DEBUG_FILE is opened line-buffered instead; nothing else changes.
"""
import builtins
import os

_open = builtins.open
_log = os.environ.get("ORCA_DEBUG_FILE")


def _open_log_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if _log and "w" in mode and isinstance(file, (str, bytes, os.PathLike)) and os.fspath(file) == _log:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = _open_log_line_buffered
