#include "prompt.h"

#include "platform/console_io.h"
#include "record/compare.h"
#include "session.h"

std::string ReadChoice(Session& s, std::string_view lo, std::string_view hi,
                       std::string_view error_text) {
  s.out() << kChoicePrompt;
  for (;;) {
    std::string token = ReadAnswer(s);
    if (CmpStr(lo, token, hi)) return token;
    s.out() << error_text << kChoicePrompt;
  }
}

std::string ReadAnswer(Session& s) {
  std::string token;
  if (!ReadToken(s.env.In(), &token)) s.env.Exit(0);
  return token;
}

char ReadAnswerChar(Session& s) {
  char c = 0;
  if (!ReadNonBlankChar(s.env.In(), &c)) s.env.Exit(0);
  return c;
}

void ReturnMenu(Session& s) {
  s.out() << "操作完成, 1 秒后返回初始界面.\n";
  s.env.PauseOneSecond();
}

void PutMillis(Session& s, int64_t start, int64_t end) {
  s.out() << (end - start) << " 毫秒\n";
}
