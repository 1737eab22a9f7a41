#!/usr/bin/env python3
"""A DX cluster node for screenshots and trying the cluster screen without the internet.

Listens on 127.0.0.1:PORT, asks for the callsign like a DX Spider node, then sends a welcome and
a set of spots stamped with the current UTC time, and a new spot every few seconds after that.
Usage: demo-node.py PORT
"""
import datetime
import itertools
import socket
import sys
import threading
import time

SPOTS = [
    ("DL8LAS", 14025.0, "VK9XX", "599 up 2"),
    ("W3LPL", 21074.0, "JA1XYZ", "FT8 -12 dB"),
    ("G4ABC", 7010.5, "ZS6AAA", "cq cq"),
    ("OH2BH", 28495.0, "PY2XB", "59 loud"),
    ("K1TTT", 3525.0, "VP8LP", "CW"),
    ("F5IN", 18080.0, "5R8UI", "tnx QSO"),
    ("SM5AJV", 10115.0, "A45XR", ""),
    ("VE3EJ", 14200.0, "KH6LC", "SSB 5/9"),
    ("DK9IP", 24915.0, "3B8CW", "FT8"),
    ("HB9DHG", 50313.0, "EA8TL", "FT8 JN47"),
    ("IK4VET", 14080.0, "9M2TO", "RTTY contest"),
    ("ON4UN", 7155.0, "TF3ML", "SSB"),
    ("N2IC", 1826.0, "ZL3IO", "CW 559"),
    ("JA3YBK", 21025.0, "UA0FM", "IOTA AS-025"),
    ("VK2IO", 14070.0, "YB1AR", "PSK31"),
    ("DL1BWK", 5354.0, "G3ZAY", "60m CW"),
    ("EA4KD", 7025.0, "K1ABC", "CW"),
    ("W3LPL", 3530.0, "DL5XYZ", "CW"),
    ("VK3TZ", 28074.0, "JA7ZZZ", "FT8"),
]


def line(spotter, khz, call, note, when):
    return "DX de %-9s %8.1f  %-12s %-30s %sZ\r\n" % (
        spotter + ":", khz, call, note, when.strftime("%H%M"))


def serve(conn):
    try:
        conn.sendall(b"Hello, this is the demo node.\r\nlogin: ")
        conn.recv(64)
        conn.sendall(b"Welcome to the demo cluster node.\r\n")
        now = datetime.datetime.now(datetime.timezone.utc)
        for i, spot in enumerate(SPOTS):
            conn.sendall(line(*spot, now - datetime.timedelta(minutes=3 * (len(SPOTS) - i)))
                         .encode())
        conn.sendall(b"DL1BWK de DEMO 1200Z >\r\n")
        for spot in itertools.cycle(SPOTS):
            time.sleep(5)
            conn.sendall(line(*spot, datetime.datetime.now(datetime.timezone.utc)).encode())
    except OSError:
        pass
    finally:
        conn.close()


def main():
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", int(sys.argv[1])))
    server.listen()
    while True:
        conn, _ = server.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()


if __name__ == "__main__":
    main()
