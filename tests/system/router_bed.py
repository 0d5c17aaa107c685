# SPDX-License-Identifier: GPL-3.0-or-later
"""A small Internet in network namespaces: a home machine behind a home
router, and a friend's machine outside.

    home 192.168.77.2 --- 192.168.77.1 router 203.0.113.1 --- 203.0.113.2 friend
                          (in0)               (out0)          (and 203.0.113.3)

The router translates addresses on its outside interface and forwards
nothing from outside that it was not asked to. With the daemon, it runs
Debian's miniupnpd (UPnP and NAT-PMP) on its inside interface; the friend's
machine then also runs a STUN server (coturn), which miniupnpd asks at its
start whether anything in front of it filters: without that answer it will
not forward to an outside address in a reserved range such as this one.

The friend's machine knows the name home.example (a dynamic-DNS name for
the router's outside address); its resolver asks a name server on that
machine which never answers, so that any other name takes five seconds and
does not resolve.

Every process runs under the test's session and ends with it; the three
namespaces are held only by such processes and vanish with them.
"""

import os
import re
import subprocess
import sys
import tempfile

from harness import Lines, check, poll

HOME, ROUTER_INSIDE, ROUTER_OUTSIDE, FRIEND, FRIEND_SECOND = (
    "192.168.77.2", "192.168.77.1", "203.0.113.1", "203.0.113.2", "203.0.113.3")
UPNP_HTTP_PORT = 5555
HOME_NAME = "home.example"

SILENT_NAME_SERVER = f"""import socket
server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
server.bind(("{FRIEND}", 53))
while True:
    server.recvfrom(512)
"""

# The router's own rules: what leaves is translated, what comes in from
# outside passes only where miniupnpd has added a forward to its chains.
# miniupnpd adds rules to these chains but does not create them.
RULES = """
table inet filter {
  chain forward {
    type filter hook forward priority 0; policy drop;
    ct state established,related accept
    iifname "in0" accept
    jump miniupnpd
  }
  chain miniupnpd {
  }
  chain prerouting {
    type nat hook prerouting priority dstnat; policy accept;
    jump prerouting_miniupnpd
  }
  chain prerouting_miniupnpd {
  }
  chain postrouting {
    type nat hook postrouting priority srcnat; policy accept;
    jump postrouting_miniupnpd
    oifname "out0" masquerade
  }
  chain postrouting_miniupnpd {
  }
}
"""

STUN_CONFIG = f"""listening-ip={FRIEND}
listening-ip={FRIEND_SECOND}
listening-port=3478
alt-listening-port=3479
stun-only
no-cli
no-tls
no-dtls
simple-log
log-file=stdout
"""


def upnp_config(folder, refuse):
    """miniupnpd's settings: forwards for the home network's high ports, or
    (refuse) none at all."""
    allow = "" if refuse else f"allow 1024-65535 {HOME.rsplit('.', 1)[0]}.0/24 1024-65535\n"
    return f"""ext_ifname=out0
listening_ip=in0
http_port={UPNP_HTTP_PORT}
enable_natpmp=yes
enable_upnp=yes
secure_mode=yes
system_uptime=yes
uuid=6f1d2b0e-4c5a-4e8f-9d3b-7a2c1e0f5b64
ext_perform_stun=yes
ext_stun_host={FRIEND}
ext_stun_port=3478
lease_file={folder}/leases
{allow}deny 0-65535 0.0.0.0/0 0-65535
"""


class RouterBed:
    """The three machines, named "home", "router" and "friend". daemon is
    "forwards" (miniupnpd forwards what the home network asks for),
    "refuses" (it answers, and refuses every forward) or None (the router
    only routes)."""

    def __init__(self, session, daemon="forwards"):
        self.session = session
        self.folder = tempfile.mkdtemp(dir=session.dir)
        self.names = {}
        own = os.readlink("/proc/self/ns/net")
        self.holders = {name: session.start(["unshare", "--net", "sleep", "infinity"])
                        for name in ("home", "router", "friend")}
        for holder in self.holders.values():
            poll("a network namespace", lambda: os.readlink(f"/proc/{holder.pid}/ns/net") != own, timeout=5)
        pid = {name: str(holder.pid) for name, holder in self.holders.items()}
        self._run("ip", "link", "add", "in0", "netns", pid["router"], "type", "veth",
                  "peer", "name", "lan0", "netns", pid["home"])
        self._run("ip", "link", "add", "out0", "netns", pid["router"], "type", "veth",
                  "peer", "name", "wan0", "netns", pid["friend"])
        self._ip("home", f"addr add {HOME}/24 dev lan0", "link set lan0 up",
                 f"route add default via {ROUTER_INSIDE}")
        self._ip("router", f"addr add {ROUTER_INSIDE}/24 dev in0", "link set in0 up",
                 f"addr add {ROUTER_OUTSIDE}/24 dev out0", "link set out0 up")
        self._ip("friend", f"addr add {FRIEND}/24 dev wan0", f"addr add {FRIEND_SECOND}/24 dev wan0",
                 "link set wan0 up")
        self._run(*self._enter("router"), "sysctl", "-qw", "net.ipv4.ip_forward=1")
        self._run(*self._enter("router"), "nft", "-f", "-", commands=RULES)
        self._name_settings()
        if daemon:
            self._start_daemons(refuse=daemon == "refuses")

    def _start_daemons(self, refuse):
        folder = self.folder
        # miniupnpd asks the STUN server once at its start and ends if it
        # gets no answer, so the server must be listening first.
        stun_config = os.path.join(folder, "stun.conf")
        with open(stun_config, "w") as config:
            config.write(STUN_CONFIG + f"pidfile={folder}/stun.pid\nuserdb={folder}/stun.db\n")
        self.start("friend", ["turnserver", "-c", stun_config],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll("the STUN server", lambda: f"{FRIEND_SECOND}:3479" in self.run("friend", "ss", "-Hunl"))
        upnp_config_file = os.path.join(folder, "miniupnpd.conf")
        with open(upnp_config_file, "w") as config:
            config.write(upnp_config(folder, refuse))
        # The router is another machine: on this one its daemon takes the
        # lowest priority, so that its work is not counted as the game's.
        daemon = self.start("router", ["nice", "-n", "19", "miniupnpd", "-d", "-f", upnp_config_file,
                                       "-P", f"{folder}/miniupnpd.pid"],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.daemon_log = Lines(daemon.stdout)
        self.daemon_log.wait_for("Port forwarding is now enabled")
        poll("miniupnpd's HTTP port",
             lambda: f":{UPNP_HTTP_PORT} " in self.run("router", "ss", "-Htln"))

    def _name_settings(self):
        folder = self.folder
        self.names = {"/etc/hosts": os.path.join(folder, "hosts"), "/etc/resolv.conf": os.path.join(folder, "resolv.conf")}
        with open(self.names["/etc/hosts"], "w") as hosts:
            hosts.write(f"127.0.0.1 localhost\n{ROUTER_OUTSIDE} {HOME_NAME}\n")
        with open(self.names["/etc/resolv.conf"], "w") as resolver:
            resolver.write(f"nameserver {FRIEND}\noptions timeout:5 attempts:1\n")
        self.start("friend", [sys.executable, "-c", SILENT_NAME_SERVER])
        poll("the friend's name server", lambda: f"{FRIEND}:53 " in self.run("friend", "ss", "-Hunl"))

    def _enter(self, host):
        """The host's network; on the friend's machine also its own name
        settings, in a mount namespace of the process's own."""
        enter = ["nsenter", "--target", str(self.holders[host].pid), "--net", "--"]
        if host != "friend" or not self.names:
            return enter
        binds = " && ".join(f"mount --bind {ours} {theirs}" for theirs, ours in self.names.items())
        return enter + ["unshare", "--mount", "sh", "-c", f'{binds} && exec "$@"', "sh"]

    def _run(self, *arguments, commands=""):
        result = subprocess.run(arguments, input=commands, capture_output=True, text=True, timeout=20)
        check(result.returncode == 0, f"{' '.join(arguments)}: {result.stderr.strip()}")
        return result.stdout

    def _ip(self, host, *commands):
        self._run(*self._enter(host), "ip", "-batch", "-", commands="link set lo up\n" + "\n".join(commands) + "\n")

    def start(self, host, arguments, **options):
        return self.session.start(self._enter(host) + arguments, **options)

    def run(self, host, *arguments):
        return self._run(*self._enter(host), *arguments)

    def forwards(self, leases=False):
        """The router's list of forwards, as miniupnpd gives it to a UPnP
        client on the home network: (protocol, outside port, inside address,
        inside port) each, and the seconds left of its lease if asked."""
        listing = self.run("home", "upnpc", "-u", f"http://{ROUTER_INSIDE}:{UPNP_HTTP_PORT}/rootDesc.xml", "-l")
        found = re.finditer(r"^\s*\d+ (?P<protocol>TCP|UDP)\s+(?P<outside>\d+)->(?P<address>[\d.]+):(?P<inside>\d+)"
                            r"\s+'[^']*' '[^']*' (?P<lease>\d+)", listing, re.M)
        return sorted((m["protocol"], int(m["outside"]), m["address"], int(m["inside"]))
                      + ((int(m["lease"]),) if leases else ()) for m in found)
