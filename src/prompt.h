// How the program asks and ends: the choice prompt every menu reads its
// choice with, the answer reads of the other prompts, and the return step
// that ends every operation. When the console input has ended, a read ends
// the program at once with status 0 instead of returning.
#ifndef DEVMGR_PROMPT_H_
#define DEVMGR_PROMPT_H_

#include <cstdint>
#include <string>
#include <string_view>

struct Session;

inline constexpr std::string_view kChoicePrompt = "->请选择操作:";
inline constexpr std::string_view kWrongChoice = "输入有误!\n";

// Prints the choice prompt and reads tokens until one passes the range test
// lo..hi, answering each refused token with `error_text` and the prompt.
std::string ReadChoice(Session& s, std::string_view lo, std::string_view hi,
                       std::string_view error_text);

// Reads the next whitespace-delimited token.
std::string ReadAnswer(Session& s);

// Reads the next non-blank character.
char ReadAnswerChar(Session& s);

// The return step: the completion message and the one-second pause, after
// which the main menu is shown again.
void ReturnMenu(Session& s);

// Prints the elapsed milliseconds between two clock readings and " 毫秒\n".
void PutMillis(Session& s, int64_t start, int64_t end);

#endif  // DEVMGR_PROMPT_H_
