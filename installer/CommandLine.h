// Finding the installer's options in its argument text. A keyword counts in exactly two
// forms, all lower case or all upper case, as a plain substring anywhere in the text; the
// upper-case form is looked for first.
#pragma once

namespace tarv {
namespace installer {

// The text from a keyword to the end of the arguments is examined in a copy of this size;
// a longer tail is cut, so a bracket beyond it is not seen.
const unsigned OptionTextSize = 256;

// The first occurrence of the upper-case form of keyword, else of its lower-case form (keyword
// is given in lower case); null when neither occurs.
const char* FindOption(const char* arguments, const char* keyword);

// The value of an option found at option: the text after the first "(" up to the first ")"
// that follows it. False, with value empty, when either bracket is missing.
bool ReadOptionValue(const char* option, char* value, unsigned size);

// The argument text of a command line as GetCommandLineA gives it: what follows the program
// name (quoted or not) and the blanks after it.
const char* SkipProgramName(const char* commandLine);

// Looks for keyword and reads its bracketed value; false when the option is absent or has no
// value.
bool FindOptionValue(const char* arguments, const char* keyword, char* value, unsigned size);

}  // namespace installer
}  // namespace tarv
