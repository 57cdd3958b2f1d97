// Storage of the advice turns' process-wide values.
#include "coach/advice_records.h"

std::int16_t lastAdviceTime = 15;
bool adviceToggle = true;
TokenList adviceTokens;

bool copsToggle = false;
bool setPlayToggle = true;

bool olineLock = false;
std::int16_t lastOffsideLineTime = 0;

void resetAdviceRecords() {
  lastAdviceTime = 15;
  adviceToggle = true;
  adviceTokens.clear();
  copsToggle = false;
  setPlayToggle = true;
  olineLock = false;
  lastOffsideLineTime = 0;
}
