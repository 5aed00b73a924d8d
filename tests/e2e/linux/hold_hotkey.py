#!/usr/bin/env python3
"""Plays another program that holds Ctrl+Alt+D: grabs it on the root window of $DISPLAY (with
every lock state), prints "held" and keeps the grab until it is ended."""
import ctypes
import signal
import sys

xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong,
                          ctypes.c_int, ctypes.c_int, ctypes.c_int]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("hold_hotkey: no X display")
root = xlib.XDefaultRootWindow(display)
key_d = xlib.XKeysymToKeycode(display, ord("d"))
control, alt, caps_lock, num_lock = 1 << 2, 1 << 3, 1 << 1, 1 << 4
for locks in (0, caps_lock, num_lock, caps_lock | num_lock):
    xlib.XGrabKey(display, key_d, control | alt | locks, root, 0, 1, 1)
xlib.XSync(display, 0)
print("held", flush=True)
signal.sigwait({signal.SIGTERM, signal.SIGINT})
