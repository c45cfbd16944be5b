// oskelctl: shows what Oskel sees, for people and scripts.
//
//   oskelctl values                 values extracted from standard input, as a JSON array
//   oskelctl sensitive              whether standard input looks sensitive: true or false
//   oskelctl history [--data-dir D] the history as loaded, as one line of JSON (read-only)
//   oskelctl candidates             the values Smart Paste would offer, as one line of JSON
//   oskelctl suggest --label L [--role R] [--app A]
//                                   one suggestion from the chosen backend, as one line of JSON
//
// Bad usage or unreadable input: a one-line message on standard error, exit status 2.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "base/json_writer.h"
#include "history/data_paths.h"
#include "history/history_file.h"
#include "history/history_loader.h"
#include "history/sensitive_filter.h"
#include "history/value_indexer.h"
#include "platform/environment.h"
#include "suggest_commands.h"

namespace {

using namespace oskel;

int usage(const std::string& message) {
  std::cerr << "oskelctl: " << message << "\n";
  return 2;
}

std::optional<std::string> readStandardInput() {
  std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  if (std::cin.bad()) return std::nullopt;
  return input;
}

int printValues() {
  auto input = readStandardInput();
  if (!input) return usage("cannot read standard input");
  std::string out = "[";
  bool first = true;
  for (const std::string& value : indexValues(*input)) {
    if (!first) out.push_back(',');
    first = false;
    json::appendString(out, value);
  }
  out += "]\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

int printSensitive() {
  auto input = readStandardInput();
  if (!input) return usage("cannot read standard input");
  std::puts(looksSensitive(*input) ? "true" : "false");
  return 0;
}

int printHistory(const std::vector<std::string>& args) {
  DataPaths paths = DataPaths::resolve(Environment::process());
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--data-dir" && i + 1 < args.size() && !args[i + 1].empty()) {
      paths = DataPaths::in(args[++i]);
    } else {
      return usage("usage: oskelctl history [--data-dir DIR]");
    }
  }
  std::string out = history_file::encode(loadHistory(paths).clips);
  out.push_back('\n');
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage("usage: oskelctl values|sensitive|history [--data-dir DIR]");
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "values" && args.empty()) return printValues();
  if (command == "sensitive" && args.empty()) return printSensitive();
  if (command == "history") return printHistory(args);
  if (command == "candidates" && args.empty()) return oskelctl::printCandidates();
  if (command == "suggest") return oskelctl::suggest(args, argc, argv);
  return usage("unknown command or arguments: " + command);
}
