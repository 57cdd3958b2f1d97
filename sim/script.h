// Script files: server messages one per line, played to the clients in order.
#pragma once

#include <string>
#include <vector>

// Reads the messages of a script file: one per line, blank lines and lines beginning with '#'
// skipped, a trailing carriage return dropped. False when the file cannot be read.
bool loadScript(const std::string& path, std::vector<std::string>& messages);

// True for a global or long view, the messages that each take one cycle to play.
bool isViewMessage(const std::string& message);

// The cycle number a view carries after its opening word, or -1 when it has none.
int viewCycle(const std::string& message);
