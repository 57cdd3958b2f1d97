// Positional scanning of the three parameter messages.
#include "coach/server_params.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <type_traits>

#include "state/settings.h"

namespace {

// Scans text like sscanf with the format PREFIX followed by " %d" or " %lf"
// per slot: white space before each value may be any amount, including none;
// the scan stops at the first value that does not fit, leaving the rest as
// they were.
template <size_t N>
void scanPositional(const char* text, const char* prefix, const std::array<ParamSlot, N>& slots) {
  size_t prefixLength = std::strlen(prefix);
  if (std::strncmp(text, prefix, prefixLength) != 0) return;
  const char* p = text + prefixLength;
  for (const ParamSlot& slot : slots) {
    int consumed = 0;
    int read = slot.isInteger
                   ? std::sscanf(p, " %d%n", static_cast<int*>(slot.address), &consumed)
                   : std::sscanf(p, " %lf%n", static_cast<double*>(slot.address), &consumed);
    if (read != 1) return;
    p += consumed;
  }
}

template <size_t N>
double valueAt(std::array<ParamSlot, N> slots, int position) {
  if (position < 1 || position > static_cast<int>(N)) return 0;
  const ParamSlot& slot = slots[position - 1];
  return slot.isInteger ? *static_cast<const int*>(slot.address)
                        : *static_cast<const double*>(slot.address);
}

// Appends count slots of consecutive values starting at first.
template <typename T, size_t N>
void addSlots(std::array<ParamSlot, N>& slots, size_t& next, T* first, int count) {
  for (int i = 0; i < count; ++i) {
    slots[next++] = ParamSlot{first + i, std::is_same_v<T, int>};
  }
}

}  // namespace

std::array<ParamSlot, 97> Serverparam::slots() {
  std::array<ParamSlot, 97> s{};
  size_t next = 0;
  addSlots(s, next, values1to20, 20);
  addSlots(s, next, &value21, 1);
  addSlots(s, next, values22to54, 33);
  addSlots(s, next, &value55, 1);
  addSlots(s, next, values56to57, 2);
  addSlots(s, next, values58to62, 5);
  addSlots(s, next, &adviceInterval, 1);
  addSlots(s, next, values64to82, 19);
  addSlots(s, next, values83to93, 11);
  addSlots(s, next, values94to97, 4);
  return s;
}

Serverparam::Serverparam(const char* text) {
  scanPositional(text, "(server_param", slots());
  if (verbose) std::cout << "Serverparam created." << std::endl;
}

double Serverparam::value(int position) const {
  return valueAt(const_cast<Serverparam*>(this)->slots(), position);
}

std::array<ParamSlot, 19> Playerparam::slots() {
  std::array<ParamSlot, 19> s{};
  size_t next = 0;
  addSlots(s, next, values1to3, 3);
  addSlots(s, next, values4to19, 16);
  return s;
}

Playerparam::Playerparam(const char* text) {
  scanPositional(text, "(player_param", slots());
  if (verbose) std::cout << "Playerparam created." << std::endl;
}

double Playerparam::value(int position) const {
  return valueAt(const_cast<Playerparam*>(this)->slots(), position);
}

std::array<ParamSlot, 12> Playertype::slots() {
  std::array<ParamSlot, 12> s{};
  size_t next = 0;
  addSlots(s, next, &id, 1);
  addSlots(s, next, values2to12, 11);
  return s;
}

Playertype::Playertype(const char* text) {
  scanPositional(text, "(player_type", slots());
  if (verbose) std::cout << id << ". Playertype created." << std::endl;
}

double Playertype::value(int position) const {
  return valueAt(const_cast<Playertype*>(this)->slots(), position);
}
