// Fixed-point number texts for the views the stand-in server sends.
#include "sim/number_text.h"

#include <cstdio>

std::string numberText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  std::string text = buffer;
  size_t point = text.find('.');
  if (point != std::string::npos) {
    size_t last = text.find_last_not_of('0');
    text.erase(last == point ? point : last + 1);
  }
  if (text == "-0") text = "0";
  return text;
}
