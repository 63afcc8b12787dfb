// A disk that fills up, without root: a forked child in which no file may
// grow past a given size, and a write past it fails with EFBIG ("File too
// large") instead of ending the process.
#pragma once

#include <functional>
#include <string>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace guitest {

// Runs `body` in a child with the parent's memory as it was (a window the
// parent built included) and returns the text it returned, or "child did
// not finish".
inline std::string WithFileSizeLimit(rlim_t bytes, const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::signal(SIGXFSZ, SIG_IGN);
    const std::string result = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? body() : "no limit";
    const bool sent = ::write(channel[1], result.data(), result.size()) == ssize_t(result.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(channel[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  ::close(channel[0]);
  int status = 1;
  if (child > 0) ::waitpid(child, &status, 0);
  return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "child did not finish";
}

}  // namespace guitest
