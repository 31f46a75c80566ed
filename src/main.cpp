// devmgr: the equipment-list console program. The entry point only picks
// the real console, clock and disk; everything else is in RunProgram.
#include "menu.h"
#include "platform/real_env.h"

int main() {
  RealEnv env;
  RunProgram(env);
}
