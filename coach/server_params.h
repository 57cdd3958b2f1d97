// Records of the server's three parameter messages, read by position: the
// server parameters (97 values), the player parameters (19) and one player
// type (12). Only adviceInterval (server value 63) is used by the coach.
#pragma once

#include <array>

// Where one value of a record lives and whether it is read as an integer.
struct ParamSlot {
  void* address;
  bool isInteger;
};

// "(server_param ...)": values 1 to 97 in message order with the types of
// their positions. Every value starts at zero.
struct Serverparam {
  Serverparam() = default;
  // Scans text positionally; values from the first that does not fit on keep
  // zero. In verbose mode writes "Serverparam created.".
  explicit Serverparam(const char* text);

  double values1to20[20] = {};
  int value21 = 0;
  double values22to54[33] = {};
  int value55 = 0;
  double values56to57[2] = {};
  int values58to62[5] = {};
  int adviceInterval = 0;  // value 63: cycles between two advice turns
  int values64to82[19] = {};
  double values83to93[11] = {};
  int values94to97[4] = {};

  // Value at position (1 to 97) as a double; 0 outside.
  double value(int position) const;
  // The 97 slots in message order.
  std::array<ParamSlot, 97> slots();
};

// "(player_param ...)": values 1 to 3 int, 4 to 19 double; all start at zero.
struct Playerparam {
  Playerparam() = default;
  // As Serverparam's; verbose line "Playerparam created.".
  explicit Playerparam(const char* text);

  int values1to3[3] = {};
  double values4to19[16] = {};

  double value(int position) const;
  std::array<ParamSlot, 19> slots();
};

// "(player_type ...)": value 1 the type's id, 2 to 12 double; all start at zero.
struct Playertype {
  Playertype() = default;
  // As Serverparam's; verbose line: the id, then ". Playertype created.".
  explicit Playertype(const char* text);

  int id = 0;
  double values2to12[11] = {};

  double value(int position) const;
  std::array<ParamSlot, 12> slots();
};
