// Reads a script's lines into statements: simple commands split into words, and "for"
// loops whose parenthesised block may span lines. The lines given have been through
// percent expansion already, so that a whole block is expanded before its loop runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wincmd {

// One word of a command: quotes removed, "^" escapes resolved.
struct Word {
  std::string text;
  bool quoted = false;  // the word began with a quote, so it is never a switch

  bool IsSwitch() const { return !quoted && !text.empty() && text[0] == '/'; }
  bool operator==(const Word&) const = default;
};

struct SplitResult {
  std::vector<Word> words;
  std::string error;  // empty when the text could be split
};

// Splits command text into words at blanks, tabs, ",", ";" and "=" outside quotes. A quote
// opens or closes a quoted part, whose characters are all literal (a backslash escapes
// nothing); a word may join quoted and unquoted parts. Outside quotes "^" makes the next
// character literal. Joining commands ("&"), pipes ("|") and redirection ("<", ">") are
// refused, as are a "^" ending the text (a line continuation) and a NUL character.
SplitResult SplitWords(std::string_view text);

struct Statement {
  enum class Kind { kCommand, kFor, kError };

  Kind kind = Kind::kCommand;
  int line = 0;                 // the script line the statement starts on, from 1
  std::string error;            // kError: what is wrong with the line
  std::vector<Word> words;      // kCommand: the command's name and arguments; kFor: the set
  char variable = 0;            // kFor: the loop variable's letter
  std::vector<Statement> body;  // kFor: the commands run for each item of the set
};

class ScriptReader {
 public:
  explicit ScriptReader(std::vector<std::string> lines);

  // The next statement, nothing at the end of the script. Blank lines are skipped. A line
  // that cannot be read gives a kError statement, and reading goes on after it.
  std::optional<Statement> Next();

 private:
  bool AtLineEnd() const;
  char Peek() const;
  void SkipBlanks();
  bool TakeKeyword(std::string_view keyword);
  // Index of the first ")" at or after `from` outside quotes and escapes; npos if none.
  size_t FindClosingParen(size_t from) const;

  Statement ParseStatement(bool in_block);
  Statement ParseFor(bool in_block, int line);
  Statement ErrorToEndOfLine(int line, std::string message);

  std::vector<std::string> lines_;
  size_t line_ = 0;
  size_t column_ = 0;
};

}  // namespace wincmd
