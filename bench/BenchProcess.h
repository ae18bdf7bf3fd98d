#pragma once
// Runs a program as a whole process, as a shell would, for benchmarks that time programs
// against each other: start-up, reading their data and writing their output all count.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <vector>

// The environment every program of a run gets: the C locale, and a home folder of its own,
// so that neither the user's settings nor their locale sway the figures.
inline std::vector<std::string> BenchEnvironment(const std::string& home) {
  return {"PATH=/usr/bin:/bin:/usr/games", "LC_ALL=C", "HOME=" + home,
          "XDG_CONFIG_HOME=" + home + "config", "XDG_DATA_HOME=" + home + "data",
          "XDG_CONFIG_DIRS=" + home + "xdg"};
}

// Starts argv (argv[0] a full path) with input from /dev/null, output into outPath and error
// output into errPath. Returns the child's id, or -1 when it could not start.
inline pid_t StartProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                          const std::string& outPath, const std::string& errPath) {
  const auto pointers = [](const std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (const std::string& text : texts) result.push_back(const_cast<char*>(text.c_str()));
    result.push_back(nullptr);
    return result;
  };
  std::vector<char*> args = pointers(argv);
  std::vector<char*> envp = pointers(env);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int failed = posix_spawn(&child, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return failed ? -1 : child;
}

// The exit status of a started child once it has ended (with options WNOHANG: -2 while it still
// runs), or -1 when it did not end by exiting.
inline int WaitForProcess(pid_t child, int options = 0) {
  int status = 0;
  for (;;) {
    const pid_t ended = ::waitpid(child, &status, options);
    if (ended == 0) return -2;
    if (ended > 0) break;
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs argv as StartProcess does and waits for it. Returns the exit status, or -1 when the
// program could not start or did not end by exiting.
inline int RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                      const std::string& outPath, const std::string& errPath) {
  const pid_t child = StartProcess(argv, env, outPath, errPath);
  return child < 0 ? -1 : WaitForProcess(child);
}
