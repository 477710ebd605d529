#!/usr/bin/env python3
"""Writes the import fixtures beside this script. Each is small and shows one way a contacts file
comes to us; the tests state the bytes they expect, so rerunning this must give the same files."""
from pathlib import Path

here = Path(__file__).resolve().parent


def gbk(s: str) -> bytes:
    return s.encode("gbk")


fixtures = {
    # Code page 936 with Chinese names, CR LF after every line.
    "contacts_gbk.txt": gbk("张三,13800000001\r\n李四,13800000002\r\n示例A,13900000000\r\n"),
    # The same without the final CR LF.
    "contacts_gbk_no_final_break.txt": gbk("张三,13800000001\r\n李四,13800000002\r\n示例A,13900000000"),
    # A blank line between two contacts.
    "blank_line.txt": gbk("张三,13800000001\r\n\r\n李四,13800000002\r\n"),
    # LF only: one line holding the LF bytes.
    "lf_only.txt": gbk("张三,13800000001\n李四,13800000002\n"),
    # A zero byte ends the text; what follows is not read.
    "zero_inside.txt": gbk("张三,13800000001\r\n") + b"\x00" + gbk("李四,13800000002\r\n"),
    # Ctrl-Z ends the text, but not as the second byte of a character (0x81 0x1A).
    "ctrl_z_inside.txt": gbk("张三,1\r\n") + b"\x81\x1A,2\r\n" + b"\x1A" + gbk("李四,3\r\n"),
    # UTF-8 with a byte-order mark: the bytes stay as they are.
    "utf8_bom.txt": b"\xEF\xBB\xBF" + "张三,13800000001\r\nAB,1\r\n".encode("utf-8"),
    # UTF-16 little-endian with a byte-order mark: the zero after the first letter ends the text.
    "utf16le_bom.txt": b"\xFF\xFE" + "AB,1\r\n".encode("utf-16-le"),
    # Nothing at all.
    "empty.txt": b"",
    # The last byte is a lead byte with nothing after it.
    "lone_lead_at_end.txt": gbk("张三,1\r\nA,2") + b"\xB0",
}

for name, data in fixtures.items():
    (here / name).write_bytes(data)
