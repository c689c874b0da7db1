#!/usr/bin/python3
"""A loopback FTP server for the update and news fetch tests.

Serves the folder given as its argument on 127.0.0.1 at a free port, which
it prints as "PORT <n>" on its first line of output. Every account has the
empty password; the account's name picks how the server behaves, so one
server covers every path of the fetch:

  update, news   a well-behaved server
  dropsize       drops the control connection when asked for a size
  failretr       answers sizes but refuses every download
  infoonly       refuses every download but of *.UPD and *.BRW files
  shortretr      sends only the first half of a file, then reports success
  badquit        refuses QUIT
  stallsize      never answers a size request
  stallretr      sends the first byte of a file, then nothing more
  wrongsize      tells every file's size one byte short

Any other name is refused at login. The server ends when its standard
input closes, so it never outlives the test program that started it.
"""
import io
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

ACCOUNTS = ("update", "news", "dropsize", "failretr", "shortretr", "badquit", "stallsize", "stallretr", "infoonly",
            "wrongsize")


class FixtureDTP(DTPHandler):
    """Data channel that can cut a file short or stall in the middle."""

    def use_sendfile(self):
        return False  # every byte goes through the producer below

    def push_with_producer(self, producer):
        user = self.cmd_channel.username
        if user == "shortretr" and hasattr(producer, "file"):
            data = producer.file.read()
            producer.file.close()
            producer.file = io.BytesIO(data[: len(data) // 2])
        elif user == "stallretr" and hasattr(producer, "file"):
            first = producer.file.read(1)
            producer.file.close()
            self.push(first)  # and nothing more: the channel stays open
            self._stalled = True
            return
        super().push_with_producer(producer)

    def close_when_done(self):
        if getattr(self, "_stalled", False):
            return
        super().close_when_done()


class FixtureHandler(FTPHandler):
    dtp_handler = FixtureDTP

    def ftp_SIZE(self, path):
        if self.username == "dropsize":
            self.close()
            return
        if self.username == "stallsize":
            return  # no reply at all
        if self.username == "wrongsize":
            real = self.fs.realpath(path)
            if self.fs.isfile(real):
                self.respond("213 %d" % (self.fs.getsize(real) - 1))
                return
        super().ftp_SIZE(path)

    def ftp_RETR(self, file):
        refused = self.username == "failretr" or (
            self.username == "infoonly" and not file.upper().endswith((".UPD", ".BRW")))
        if refused:
            self.respond("550 Not now.")
            return
        super().ftp_RETR(file)

    def ftp_QUIT(self, line):
        if self.username == "badquit":
            self.respond("500 Not leaving.")
            return
        super().ftp_QUIT(line)


def main():
    root = sys.argv[1]
    # Quiet unless something goes wrong; the tests' output stays readable.
    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    for name in ACCOUNTS:
        authorizer.add_user(name, "", root, perm="elr")
    handler = FixtureHandler
    handler.authorizer = authorizer
    handler.banner = "fixture ready"
    handler.auth_failed_timeout = 0
    handler.passive_ports = None
    server = FTPServer(("127.0.0.1", 0), handler)
    server.max_cons = 64
    port = server.socket.getsockname()[1]
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()

    def watch_stdin():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    server.serve_forever(timeout=0.05)


if __name__ == "__main__":
    main()
