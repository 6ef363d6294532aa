#!/usr/bin/python3
"""Serves a web time page on 127.0.0.1 whose clock runs a fixed number of seconds ahead of this
computer's, for the end-to-end checks of the program's clock check; or, with --silent, takes
every request and never answers it. Every request is logged to stdout as one line: the request
line."""
import argparse
import http.server
import sys
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--ahead", type=float, default=30.0, help="seconds ahead of this clock")
    parser.add_argument("--silent", action="store_true", help="never answer")
    args = parser.parse_args()

    class TimePage(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            if args.silent:
                print(self.requestline, flush=True)
                time.sleep(3600)
                return
            ms = int((time.time() + args.ahead) * 1000)
            body = f"<html><script>window.baidu_time({ms});</script></html>".encode()
            self.send_response(200)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            print(self.requestline, flush=True)

        def log_message(self, *_):
            pass

    # Threads, so that a request held unanswered does not keep the next one out.
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), TimePage)
    server.daemon_threads = True
    print("ready", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
