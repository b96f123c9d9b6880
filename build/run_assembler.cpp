#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "build/assemble_command.h"
#include "build/assembler_output.h"
#include "build/source_file.h"

namespace build {

extern char** environ;

namespace {
// The longest command line the assemble command has ever passed on.
constexpr size_t kLongestCommandLine = 1023;

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// The folder of the running program, with its trailing separator.
std::string OwnFolder() {
    char path[PATH_MAX];
    const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (size <= 0) return {};
    const std::string exe(path, static_cast<size_t>(size));
    return exe.substr(0, exe.rfind('/') + 1);
}

bool OwnAssemblerOnly = false;

// A tasm the user put beside the source wins; otherwise the one shipped with
// the simulator, so that any folder can be assembled.
std::string AssemblerPath() {
    const std::string local = SourceFolder + "tasm";
    if (!OwnAssemblerOnly && IsFile(local)) return local;
    const std::string own = OwnFolder();
    return own.empty() ? local : own + "tasm";
}

// Reads everything the child writes until it closes its end.
void Drain(int fd, std::string* output) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            if (output) output->append(buffer, static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            return;
        }
    }
}

// The files an earlier run left must not pass for the output of this one,
// should this assembler fail to write its own (or, being another assembler,
// write no map at all).
void RemovePreviousOutput() {
    ::unlink((SourceFolder + OutputFileName(SourceFileName, "lst")).c_str());
    ::unlink((SourceFolder + OutputFileName(SourceFileName, "obj")).c_str());
    ::unlink((SourceFolder + OutputFileName(SourceFileName, "map")).c_str());
}

class CSpawnActions {
public:
    CSpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~CSpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    CSpawnActions(const CSpawnActions&) = delete;
    CSpawnActions& operator=(const CSpawnActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};
}  // namespace

void UseOnlyOwnAssembler() {
    OwnAssemblerOnly = true;
}

SAssemblerCommand PrepareAssemblerCommand() {
    if (SourceFolder.empty() || SourceFileName.empty()) return {};
    const std::string program = AssemblerPath();
    if (program.size() + std::string(" -1684 ").size() + SourceFileName.size() >
        kLongestCommandLine) {
        return {};
    }
    RemovePreviousOutput();
    return {program, {"-1684", SourceFileName}, SourceFolder};
}

}  // namespace build

bool RunAssembler(std::string* output) {
    build::SAssemblerCommand command = build::PrepareAssemblerCommand();
    if (command.program.empty()) return false;

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return false;
    build::CSpawnActions actions;
    // The assembler reads nothing from us, writes into the pipe, inherits no
    // other handle, and runs in the source's folder. An argument vector, not
    // a shell: blanks and shell characters in names stay part of the names.
    posix_spawn_file_actions_addopen(actions.Get(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.Get(), pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(actions.Get(), pipeFds[1], 2);
    posix_spawn_file_actions_addclosefrom_np(actions.Get(), 3);
    posix_spawn_file_actions_addchdir_np(actions.Get(), command.folder.c_str());

    std::vector<char*> argv{command.program.data()};
    for (std::string& argument : command.arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, command.program.c_str(), actions.Get(), nullptr, argv.data(), environ);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        return false;
    }
    build::Drain(pipeFds[0], output);
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}
