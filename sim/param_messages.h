// The parameter messages the stand-in server sends every coach and trainer after the handshake.
#pragma once

#include <string>

// "(server_param ...)" with its 97 values by position; value 63 is adviceInterval.
std::string serverParamMessage(int adviceInterval);
// "(player_param ...)" with its 19 values.
std::string playerParamMessage();
// "(player_type ID ...)" with its 12 values, for ids 0 to 6.
std::string playerTypeMessage(int id);
// Number of heterogeneous player types the server offers (ids 0 to playerTypeCount - 1).
constexpr int playerTypeCount = 7;
