#include "record/display.h"

#include <ostream>

#include "prompt.h"
#include "session.h"

void PutDev(std::ostream& out, const device& d) {
  out << obj[0] << ':' << d.serial << ' ' << obj[1] << ':' << d.number() << ' '
      << obj[2] << ':' << d.name() << ' ' << obj[3] << ':' << d.user() << ' '
      << obj[4] << ':' << d.department() << ' ' << obj[5] << ':' << d.quantity()
      << ' ' << obj[6] << ':' << d.time() << ' ' << obj[7] << ':' << d.price()
      << '\n'
      << std::flush;
}

void ViewDev(Session& s) {
  std::ostream& out = s.out();
  out << "\n已存储信息如下:\n";
  for (const device& d : s.dev) PutDev(out, d);
  ReturnMenu(s);
}
