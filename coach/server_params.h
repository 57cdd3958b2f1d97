// Records of the server's parameter messages (placeholder layout; the parsers
// fill in every field).
#pragma once

struct Serverparam {
  int adviceInterval = 0;  // cycles between two coach advice messages
};

struct Playerparam {};

struct Playertype {
  int id = 0;
};
