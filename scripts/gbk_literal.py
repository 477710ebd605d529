#!/usr/bin/env python3
"""Prints a C++ string literal of the code page 936 bytes of each argument, for the texts that
must reach the window and the files byte for byte."""
import sys

for arg in sys.argv[1:]:
    data = arg.encode("utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8").encode("gbk")
    out = ""
    for b in data:
        if 0x20 <= b < 0x7F and chr(b) not in '"\\':
            # A hex escape swallows following hex digits, so break the literal after one.
            if out.endswith("\"\"") is False and out and out[-3:-2] == "x" and chr(b) in "0123456789abcdefABCDEF":
                out += "\" \""
            out += chr(b)
        else:
            out += {0x0D: "\\r", 0x0A: "\\n", 0x5C: "\\\\", 0x22: "\\\""}.get(b, f"\\x{b:02X}")
    print(f'"{out}"  // {arg}')
