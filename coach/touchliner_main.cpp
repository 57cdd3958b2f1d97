// The touchliner program: the online coach, or with -T the trainer.
#include "coach/touchliner.h"

int main(int argc, char** argv) {
  return runTouchliner(argc, argv);
}
