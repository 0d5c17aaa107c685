/* The smallest honest answer over TCP: a blocking C server on 127.0.0.1 that
 * sends back every byte it reads, Nagle off. The floor for the answer of a
 * peer on this machine.
 *   echo_c port */

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        fprintf(stderr, "usage: echo_c port\n");
        return 2;
    }
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    struct sockaddr_in address = {0};
    address.sin_family = AF_INET;
    address.sin_port = htons((unsigned short)atoi(argv[1]));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener, (struct sockaddr*)&address, sizeof address) != 0 || listen(listener, 4) != 0) {
        perror("echo_c");
        return 1;
    }
    for (;;) {
        const int peer = accept(listener, NULL, NULL);
        if (peer < 0)
            continue;
        setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        char bytes[65536];
        ssize_t got;
        while ((got = read(peer, bytes, sizeof bytes)) > 0) {
            ssize_t done = 0;
            while (done < got) {
                const ssize_t sent = write(peer, bytes + done, (size_t)(got - done));
                if (sent <= 0)
                    break;
                done += sent;
            }
        }
        close(peer);
    }
}
