// A server that accepts every connection and never answers: what a hung sound server or X server looks like
// to a client.
// Usage: silent_server <socket path>   listens there (a sound server's socket)
//        silent_server x11             listens where X display :N would on TCP (127.0.0.1, port 6000 + N),
//                                      for the first free N from 100, and prints N
// It runs until killed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr int kX11Port = 6000;
constexpr int kFirstDisplay = 100;
constexpr int kLastDisplay = 999;

int ListenAt(const char* path) {
    sockaddr_un address{};
    if (std::strlen(path) >= sizeof address.sun_path) {
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path);
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(server, 16) != 0) {
        return -1;
    }
    return server;
}

int ListenAsDisplay() {
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    if (server < 0) {
        return -1;
    }
    for (int display = kFirstDisplay; display <= kLastDisplay; ++display) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(kX11Port + display));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            listen(server, 16) == 0) {
            std::printf("%d\n", display);
            std::fflush(stdout);
            return server;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <socket path> | x11\n", argv[0]);
        return 2;
    }
    const int server = std::string_view(argv[1]) == "x11" ? ListenAsDisplay() : ListenAt(argv[1]);
    if (server < 0) {
        std::perror("silent_server");
        return 1;
    }
    std::vector<int> clients;  // kept open, never read
    for (;;) {
        const int client = accept(server, nullptr, nullptr);
        if (client >= 0) {
            clients.push_back(client);
        }
    }
}
