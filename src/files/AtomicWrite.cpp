#include "files/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tfd {

namespace {

std::string Folder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

TWriteResult Failure(const std::string& path, const char* doing, int error) {
  return {false, "Cannot save \"" + path + "\": " + doing + ": " + std::strerror(error)};
}

// The permissions a new file gets: those of the file it replaces, or the
// usual ones under the process's file-creation mask.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

TWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes, bool flush) {
  if (path.empty()) return {false, "Cannot save: no file name"};
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
    return {false, "Cannot save \"" + path + "\": it is a folder"};

  std::string temp = Folder(path) + "/." + BaseName(path) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Failure(path, "cannot create a file in its folder", errno);

  int error = 0;
  const char* doing = nullptr;
  if (::fchmod(fd, ModeFor(path)) != 0) {
    error = errno;
    doing = "cannot set the file's permissions";
  } else if (!WriteAll(fd, bytes, error)) {
    doing = "cannot write";
  } else if (flush && ::fsync(fd) != 0) {
    error = errno;
    doing = "cannot flush to the disk";
  }
  if (::close(fd) != 0 && !doing) {
    error = errno;
    doing = "cannot write";
  }
  if (!doing && ::rename(temp.c_str(), path.c_str()) != 0) {
    error = errno;
    doing = "cannot replace the file";
  }
  if (doing) {
    ::unlink(temp.c_str());
    return Failure(path, doing, error);
  }
  // The rename itself is made durable by flushing the folder; a folder that
  // cannot be opened for that costs nothing but the guarantee.
  if (flush) {
    const int dir = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
  }
  return {};
}

void FlushFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir < 0) return;
  ::syncfs(dir);
  ::close(dir);
}

}  // namespace tfd
