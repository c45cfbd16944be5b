#include "support/run_command.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace oskel::testing {

CommandResult runCommand(const std::vector<std::string>& argv, const std::string& input,
                         const std::vector<std::string>& environment) {
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return {};
  std::vector<std::string> envStrings;
  // A given entry replaces an inherited variable of the same name (the first of two
  // entries with one name is the one getenv finds).
  auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
  std::vector<std::string> givenNames;
  for (const auto& e : environment) givenNames.push_back(nameOf(e));
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry(*e);
    if (std::find(givenNames.begin(), givenNames.end(), nameOf(entry)) == givenNames.end()) envStrings.push_back(entry);
  }
  for (const auto& e : environment) envStrings.push_back(e);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    std::vector<char*> args, env;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (const auto& e : envStrings) env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    execve(args[0], args.data(), env.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  signal(SIGPIPE, SIG_IGN);
  CommandResult result;
  std::size_t written = 0;
  if (input.empty()) close(in[1]);
  bool inputOpen = !input.empty();
  bool outOpen = true, errOpen = true;
  while (outOpen || errOpen) {
    pollfd fds[3] = {{outOpen ? out[0] : -1, POLLIN, 0}, {errOpen ? err[0] : -1, POLLIN, 0}, {inputOpen ? in[1] : -1, POLLOUT, 0}};
    if (poll(fds, 3, -1) < 0) break;
    char buffer[4096];
    if (fds[0].revents) {
      ssize_t n = read(out[0], buffer, sizeof buffer);
      if (n <= 0) outOpen = false;
      else result.out.append(buffer, static_cast<std::size_t>(n));
    }
    if (fds[1].revents) {
      ssize_t n = read(err[0], buffer, sizeof buffer);
      if (n <= 0) errOpen = false;
      else result.err.append(buffer, static_cast<std::size_t>(n));
    }
    if (inputOpen && fds[2].revents) {
      ssize_t n = write(in[1], input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 || written == input.size()) {
        close(in[1]);
        inputOpen = false;
      }
    }
  }
  if (inputOpen) close(in[1]);
  close(out[0]);
  close(err[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace oskel::testing
