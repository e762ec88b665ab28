#!/usr/bin/env python3
"""FTP server for the publishing tests.

Serves one user on 127.0.0.1 at a port the system chooses and prints
"PORT <number>" once it listens. Every command received is printed as
"CMD <verb> <1 when the control connection is encrypted, else 0>" (never the
argument, so no password is printed). Options make the server misbehave in the
ways the tests need.
"""

import argparse
import datetime
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--refuse-stor", action="append", default=[],
                        help="answer STOR of this name with 552")
    parser.add_argument("--refuse-list-from", type=int, default=0,
                        help="refuse the n-th LIST (counted from 1) and every later one")
    parser.add_argument("--drop-stor", action="append", default=[],
                        help="close the connection once data of this file arrives")
    parser.add_argument("--silent-stor", action="append", default=[],
                        help="never answer STOR of this name")
    parser.add_argument("--close-after", action="append", default=[],
                        help="close the control connection after answering this command")
    parser.add_argument("--read-limit", type=int, default=0,
                        help="receive at most this many bytes a second on each data connection")
    parser.add_argument("--tls-dir",
                        help="serve explicit FTPS with a certificate made in this folder")
    return parser.parse_args()


def make_certificate(folder):
    """Writes a self-signed certificate for 127.0.0.1 and its key."""
    import ipaddress

    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import rsa
    from cryptography.x509.oid import NameOID

    key = rsa.generate_private_key(public_exponent=65537, key_size=2048)
    name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "127.0.0.1")])
    now = datetime.datetime.utcnow()
    certificate = (
        x509.CertificateBuilder()
        .subject_name(name)
        .issuer_name(name)
        .public_key(key.public_key())
        .serial_number(x509.random_serial_number())
        .not_valid_before(now - datetime.timedelta(hours=1))
        .not_valid_after(now + datetime.timedelta(days=1))
        .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
        .add_extension(x509.SubjectAlternativeName([x509.IPAddress(ipaddress.ip_address("127.0.0.1"))]),
                       critical=False)
        .sign(key, hashes.SHA256())
    )
    cert_path = os.path.join(folder, "cert.pem")
    key_path = os.path.join(folder, "key.pem")
    with open(cert_path, "wb") as out:
        out.write(certificate.public_bytes(serialization.Encoding.PEM))
    with open(key_path, "wb") as out:
        out.write(key.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.TraditionalOpenSSL,
                                    serialization.NoEncryption()))
    return cert_path, key_path


class DroppingDTPHandler(DTPHandler):
    """Closes the whole session once data of a file marked for dropping arrives."""

    def handle_read(self):
        DTPHandler.handle_read(self)
        if getattr(self.cmd_channel, "drop_transfer", False) and self.tot_bytes_received > 0:
            self.cmd_channel.close()

    handle_read_event = handle_read


class EagerTlsDTPHandler(TLS_DTPHandler):
    """Lets the TLS handshake of a data connection run before the transfer
    command arrives, as common FTPS servers do. libcurl starts the handshake
    as soon as the data connection is open, and pyftpdlib's own handler would
    take those early bytes for a closed connection and drop it."""

    def readable(self):
        if self._ssl_accepting:
            return True
        if self._ssl_established and not self.receive and not self._initialized:
            return False
        return super().readable()


class Behaviour:
    """The test options, mixed into the plain and the TLS handler."""

    options = None
    list_count = [0]

    def process_command(self, cmd, *args, **kwargs):
        secure = 1 if getattr(self, "_ssl_established", False) else 0
        print("CMD %s %d" % (cmd, secure), flush=True)
        result = super().process_command(cmd, *args, **kwargs)
        if cmd in self.options.close_after:
            self.close_when_done()
        return result

    def on_disconnect(self):
        print("CLOSED", flush=True)

    def ftp_LIST(self, path):
        self.list_count[0] += 1
        first_refused = self.options.refuse_list_from
        if first_refused and self.list_count[0] >= first_refused:
            self.respond("550 Listing refused by the test server.")
            return None
        return super().ftp_LIST(path)

    def ftp_STOR(self, file, mode="w"):
        name = os.path.basename(file)
        if name in self.options.refuse_stor:
            self.respond("552 Storage refused by the test server.")
            return None
        if name in self.options.silent_stor:
            return None
        self.drop_transfer = name in self.options.drop_stor
        return super().ftp_STOR(file, mode)


def exit_with_parent():
    """Ends the server when the test's end of the standard input closes, so a
    crashed test leaves no server behind."""
    sys.stdin.read()
    os._exit(0)


def main():
    options = parse_arguments()
    threading.Thread(target=exit_with_parent, daemon=True).start()
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.root, perm="elradfmw")

    if options.tls_dir:
        cert_path, key_path = make_certificate(options.tls_dir)

        class Handler(Behaviour, TLS_FTPHandler):
            certfile = cert_path
            keyfile = key_path
            dtp_handler = EagerTlsDTPHandler
        print("CERT %s" % cert_path, flush=True)
    else:
        class Handler(Behaviour, FTPHandler):
            dtp_handler = DroppingDTPHandler

    if options.read_limit:
        class ThrottledHandler(ThrottledDTPHandler):
            read_limit = options.read_limit
        Handler.dtp_handler = ThrottledHandler

    Handler.options = options
    Handler.auth_failed_timeout = 0.1
    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
