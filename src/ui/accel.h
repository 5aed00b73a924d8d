// Accelerator letters in captions: "&x" marks x, "&&" stands for a literal ampersand. Labels,
// buttons and check boxes all answer Alt+letter by the same rule.
#pragma once

#include <string>

// The character after the caption's first single "&", or 0 when there is none.
char AccelChar(const std::string& caption);
// True when `key` is the caption's accelerator, compared without regard to case.
bool IsAccel(char key, const std::string& caption);
