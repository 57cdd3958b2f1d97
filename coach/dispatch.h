// Dispatch of every server message by its first characters to the parameter
// parsers, the referee handler or the global-view parser.
#pragma once

// Handles the text in receiveBuffer (see net/communication.h). Offline readers
// copy a message into receiveBuffer and call this.
void dispatch_message();
