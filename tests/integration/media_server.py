#!/usr/bin/env python3
"""Local media server for the player integration tests and benchmarks.

Serves the files of a folder (with Content-Length, without Range support)
and a few special paths, on 127.0.0.1 at a port chosen by the system:

  /live.ts          endless MPEG-TS made by ffmpeg in real time, no length
  /broken.ts        the same, cut off after about two seconds
  /status/<code>    an empty answer with that HTTP status
  /silent           accepts the request and never answers

Prints "PORT <n>" on its first line once it listens. Every stream and wait is
bounded, and the server ends when its standard input closes.
"""

import http.server
import os
import socketserver
import subprocess
import sys
import threading
import time

ROOT = sys.argv[1] if len(sys.argv) > 1 else "."
LIVE_SECONDS = 60
BROKEN_SECONDS = 2
SILENT_SECONDS = 30


def ffmpeg_ts(seconds):
    src = [
        "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25",
        "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100",
    ]
    return subprocess.Popen(
        ["ffmpeg", "-nostdin", "-loglevel", "error", "-re", *src,
         "-t", str(seconds), "-c:v", "mpeg2video", "-g", "12", "-c:a", "mp2",
         "-f", "mpegts", "pipe:1"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=ROOT, **kwargs)

    def log_message(self, format, *args):
        pass

    def stream(self, seconds):
        self.send_response(200)
        self.send_header("Content-Type", "video/mp2t")
        self.end_headers()
        proc = ffmpeg_ts(seconds)
        try:
            while True:
                chunk = proc.stdout.read1(65536)
                if not chunk:
                    break
                self.wfile.write(chunk)
                self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError):
            pass
        finally:
            proc.kill()
            proc.wait()
        self.close_connection = True

    def do_GET(self):
        if self.path == "/live.ts":
            return self.stream(LIVE_SECONDS)
        if self.path == "/broken.ts":
            return self.stream(BROKEN_SECONDS)
        if self.path.startswith("/status/"):
            code = int(self.path.split("/")[2])
            self.send_response(code)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if self.path == "/silent":
            time.sleep(SILENT_SECONDS)
            self.close_connection = True
            return
        return super().do_GET()


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        # Players close connections mid-file when they stop or seek.
        if isinstance(sys.exc_info()[1], (BrokenPipeError, ConnectionResetError)):
            return
        super().handle_error(request, client_address)


def main():
    server = Server(("127.0.0.1", 0), Handler)
    print("PORT", server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()  # the test closes our input when it is done
    server.shutdown()


if __name__ == "__main__":
    main()
