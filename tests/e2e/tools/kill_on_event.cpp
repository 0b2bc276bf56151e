// Kills processes the moment a file event happens: for a table of the
// moments at which a program may be stopped. A shell reading inotifywait is
// too slow for that: a removal under Wine takes tens of milliseconds in all.
//
//   kill_on_event DIR EVENTS NAME PROGRAM...
// EVENTS: "create", "delete" or "moved_to", joined by ","; NAME the file or
// folder in DIR, or the start of its name followed by "*"; each PROGRAM a text that the command
// line of a process to kill holds (as Wine shows it, "nvuninst.exe"). Prints "ready" once the watch
// is set, then waits; on the event every such process gets SIGKILL and the tool prints what it
// killed and ends.
#include <dirent.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t Mask(const std::string& events) {
    std::uint32_t mask = 0;
    if (events.find("create") != std::string::npos) mask |= IN_CREATE;
    if (events.find("delete") != std::string::npos) mask |= IN_DELETE;
    if (events.find("moved_to") != std::string::npos) mask |= IN_MOVED_TO;
    return mask;
}

// The command line of a process, its NULs as blanks.
std::string CommandLine(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/cmdline", std::ios::binary);
    std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (char& c : line) {
        if (c == '\0') c = ' ';
    }
    return line;
}

bool Matches(const std::string& pattern, const std::string& name) {
    if (!pattern.empty() && pattern.back() == '*') {
        return name.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    }
    return name == pattern;
}

int KillAll(const std::vector<std::string>& programs) {
    int killed = 0;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return 0;
    const pid_t self = getpid();
    while (dirent* entry = readdir(proc)) {
        const char* name = entry->d_name;
        if (name[0] < '0' || name[0] > '9' || atoi(name) == self) continue;
        const std::string line = CommandLine(name);
        for (const std::string& program : programs) {
            if (line.find(program) != std::string::npos && kill(atoi(name), SIGKILL) == 0) {
                std::printf("killed %s: %s\n", name, line.c_str());
                ++killed;
                break;
            }
        }
    }
    closedir(proc);
    return killed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: kill_on_event DIR EVENTS NAME PROGRAM...\n");
        return 2;
    }
    const std::string name = argv[3];
    const std::vector<std::string> programs(argv + 4, argv + argc);
    const int watch = inotify_init();
    if (watch < 0 || inotify_add_watch(watch, argv[1], Mask(argv[2])) < 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    alignas(inotify_event) char buffer[65536];
    for (;;) {
        const ssize_t got = read(watch, buffer, sizeof(buffer));
        if (got <= 0) return 1;
        for (ssize_t at = 0; at < got;) {
            const inotify_event* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && Matches(name, event->name)) {
                KillAll(programs);
                std::printf("at %s\n", event->name);
                return 0;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}
