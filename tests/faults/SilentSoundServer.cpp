// A sound server that accepts every connection and never answers: what a hung server looks like to a client.
// Usage: silent_sound_server <socket path>; it runs until killed.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    sockaddr_un address{};
    if (argc != 2 || std::strlen(argv[1]) >= sizeof address.sun_path) {
        std::fprintf(stderr, "usage: %s <socket path>\n", argv[0]);
        return 2;
    }
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, argv[1]);
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(server, 16) != 0) {
        std::perror("silent_sound_server");
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
