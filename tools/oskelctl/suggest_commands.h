// The oskelctl commands of the suggestion engine.
#pragma once

#include <string>
#include <vector>

namespace oskel::oskelctl {

// Prints the current history's candidate values as one line of JSON. Exit status 0.
int printCandidates();

// Asks the backend chosen by the settings; prints the outcome as one line of JSON.
// Exit status 0 for match and noMatch, 1 for failure, 2 for bad usage.
int suggest(const std::vector<std::string>& args, int argc, char** argv);

}  // namespace oskel::oskelctl
