// A disk that fills up, without root: a child process in which no file may
// grow past a given size. Writes past it fail with EFBIG ("File too large")
// as they would with ENOSPC on a full disk, instead of ending the process.
#pragma once

#include <functional>
#include <string>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace guitest {

// Runs `body` in a forked child whose files may not grow past `bytes` bytes
// and returns the text it returned; "child did not finish" when it crashed.
// The child shares the parent's memory as it was at the fork, so it can
// drive a window the parent has built.
inline std::string WithFileSizeLimit(rlim_t bytes, const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no fork";
  if (child == 0) {
    ::close(channel[0]);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::signal(SIGXFSZ, SIG_IGN);
    std::string result = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? body() : "no limit";
    const char* data = result.data();
    std::size_t left = result.size();
    while (left > 0) {
      const ssize_t n = ::write(channel[1], data, left);
      if (n <= 0) break;
      data += n;
      left -= static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child did not finish";
  return result;
}

}  // namespace guitest
