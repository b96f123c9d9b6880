#include "build/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace build {

namespace {
std::string DescribeOpenFailure(const std::string& path, int error) {
    if (error == ENOENT) return path + " was not found.";
    if (error == EACCES) return path + " could not be opened: access denied.";
    return path + " could not be opened: " + std::strerror(error) + ".";
}

// Opens a regular file for reading. Folders, pipes and devices are refused:
// none of them is an assembler's output, and a pipe could block for ever.
int OpenRegularFile(const std::string& path, struct stat* info, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = DescribeOpenFailure(path, errno);
        return -1;
    }
    if (::fstat(fd, info) != 0) {
        *error = DescribeOpenFailure(path, errno);
        ::close(fd);
        return -1;
    }
    if (S_ISDIR(info->st_mode)) {
        *error = path + " is a folder, not a file.";
    } else if (!S_ISREG(info->st_mode)) {
        *error = path + " is not a regular file.";
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

bool ReadAt(int fd, long long offset, int size, const std::string& path, std::string* data,
            std::string* error) {
    data->assign(static_cast<size_t>(size), '\0');
    int done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, data->data() + done, static_cast<size_t>(size - done),
                                    static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) continue;
            *error = path + " could not be read: " + std::strerror(errno) + ".";
            return false;
        }
        if (got == 0) break;  // the file shrank meanwhile
        done += static_cast<int>(got);
    }
    data->resize(static_cast<size_t>(done));
    return true;
}
}  // namespace

bool ReadFileHead(const std::string& path, int maxBytes, std::string* data, std::string* error) {
    struct stat info {};
    const int fd = OpenRegularFile(path, &info, error);
    if (fd < 0) return false;
    const int size = static_cast<int>(std::min<long long>(info.st_size, maxBytes));
    const bool ok = ReadAt(fd, 0, size, path, data, error);
    ::close(fd);
    return ok;
}

std::FILE* OpenRegularFileForReading(const std::string& path, std::string* error) {
    struct stat info {};
    const int fd = OpenRegularFile(path, &info, error);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        *error = path + " could not be opened: " + std::strerror(errno) + ".";
        ::close(fd);
    }
    return file;
}

bool ReadFileTail(const std::string& path, int maxBytes, std::string* data, long long* length,
                  std::string* error) {
    struct stat info {};
    const int fd = OpenRegularFile(path, &info, error);
    if (fd < 0) return false;
    *length = info.st_size;
    const int size = static_cast<int>(std::min<long long>(info.st_size, maxBytes));
    const bool ok = ReadAt(fd, info.st_size - size, size, path, data, error);
    ::close(fd);
    return ok;
}

}  // namespace build
