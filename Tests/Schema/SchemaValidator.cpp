#include "Tests/Schema/SchemaValidator.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace schematest {

namespace {

namespace fs = std::filesystem;

const std::string schemaPath = PELLORA_SOURCE_DIR "/schema/widget-snapshot.schema.json";
const std::string scriptPath = PELLORA_SOURCE_DIR "/Tests/Schema/validate.py";

// A folder for the case files of one run, removed with everything in it afterwards.
class CaseFolder {
 public:
  CaseFolder() {
    std::string pattern = (fs::temp_directory_path() / "pellora-schema-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
      throw std::runtime_error("mkdtemp failed: " + std::string(std::strerror(errno)));
    path_ = pattern;
  }
  ~CaseFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  CaseFolder(const CaseFolder&) = delete;
  CaseFolder& operator=(const CaseFolder&) = delete;

  std::string write(std::size_t index, const std::string& bytes) const {
    const fs::path file = path_ / ("case-" + std::to_string(index) + ".json");
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
    return file.string();
  }

 private:
  fs::path path_;
};

struct Run {
  int status = 0;
  std::string output;  // standard output and standard error together
};

// Runs `argv` with its standard output and error into one pipe, never through a shell.
Run run(const std::vector<std::string>& argv) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[1]);

  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  if (spawned != 0) {
    ::close(fds[0]);
    throw std::runtime_error("cannot run " + argv[0] + ": " + std::strerror(spawned));
  }

  Run result;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      result.output.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(fds[0]);
  while (::waitpid(pid, &result.status, 0) < 0 && errno == EINTR) {
  }
  return result;
}

}  // namespace

std::vector<Verdict> validateTexts(const std::vector<std::string>& texts) {
  const std::string problem = PELLORA_SCHEMA_PROBLEM;
  if (!problem.empty()) throw std::runtime_error("no schema validator: " + problem);

  CaseFolder folder;
  // Isolated mode: PYTHONPATH and the user site of another Python installation stay out.
  std::vector<std::string> argv = {PELLORA_SCHEMA_PYTHON, "-I", scriptPath, schemaPath};
  std::vector<std::string> files;
  for (std::size_t i = 0; i < texts.size(); ++i) files.push_back(folder.write(i, texts[i]));
  argv.insert(argv.end(), files.begin(), files.end());

  const Run r = run(argv);
  const bool verdictsGiven =
      WIFEXITED(r.status) && (WEXITSTATUS(r.status) == 0 || WEXITSTATUS(r.status) == 1);
  if (!verdictsGiven) {
    const std::string how = WIFEXITED(r.status)
                                ? "exited with " + std::to_string(WEXITSTATUS(r.status))
                                : "was ended by signal " + std::to_string(WTERMSIG(r.status));
    throw std::runtime_error("the schema validator (" + std::string(PELLORA_SCHEMA_PYTHON) + " " +
                             scriptPath + ") gave no verdicts; it " + how + ":\n" + r.output);
  }

  // Lines read "file<TAB>valid" or "file<TAB>invalid<TAB>reason".
  std::map<std::string, Verdict> byFile;
  std::istringstream lines(r.output);
  for (std::string line; std::getline(lines, line);) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::string file = line.substr(0, tab);
    const std::string rest = line.substr(tab + 1);
    if (rest == "valid") {
      byFile[file] = {true, {}};
    } else if (rest.rfind("invalid", 0) == 0) {
      byFile[file] = {false, rest.size() > 8 ? rest.substr(8) : std::string()};
    }
  }
  std::vector<Verdict> verdicts;
  for (const std::string& file : files) {
    const auto found = byFile.find(file);
    if (found == byFile.end())
      throw std::runtime_error("the schema validator said nothing about " + file + ":\n" +
                               r.output);
    verdicts.push_back(found->second);
  }
  return verdicts;
}

}  // namespace schematest
