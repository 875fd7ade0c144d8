#include "platform/posix/wincmd/script_reader.h"

#include <utility>

namespace wincmd {
namespace {

bool IsDelimiter(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '='; }

char FoldChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

SplitResult SplitWords(std::string_view text) {
  SplitResult result;
  Word current;
  bool in_word = false;
  bool in_quotes = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\0') {
      result.error = "a NUL character in a command is not allowed";
      return result;
    }
    if (in_quotes) {
      if (c == '"') {
        in_quotes = false;
      } else {
        current.text.push_back(c);
      }
      continue;
    }
    if (c == '"') {
      if (!in_word) current.quoted = true;
      in_word = true;
      in_quotes = true;
      continue;
    }
    if (c == '&' || c == '|' || c == '<' || c == '>') {
      result.error = std::string("\"") + c +
                     "\" outside quotes is not supported (no joined commands, pipes or "
                     "redirection)";
      return result;
    }
    if (c == '^') {
      if (i + 1 == text.size()) {
        result.error = "a \"^\" ending a line (a continuation) is not supported";
        return result;
      }
      c = text[++i];
    } else if (IsDelimiter(c)) {
      if (in_word) result.words.push_back(std::move(current));
      current = Word{};
      in_word = false;
      continue;
    }
    in_word = true;
    current.text.push_back(c);
  }
  if (in_word) result.words.push_back(std::move(current));
  return result;
}

ScriptReader::ScriptReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

bool ScriptReader::AtLineEnd() const { return column_ >= lines_[line_].size(); }

char ScriptReader::Peek() const { return AtLineEnd() ? '\0' : lines_[line_][column_]; }

void ScriptReader::SkipBlanks() {
  while (!AtLineEnd() && IsDelimiter(Peek())) ++column_;
}

// Takes `keyword` (any case) when it stands at the cursor followed by a delimiter, a
// parenthesis, a percent sign or the end of the line.
bool ScriptReader::TakeKeyword(std::string_view keyword) {
  const std::string& text = lines_[line_];
  if (text.size() - column_ < keyword.size()) return false;
  for (size_t i = 0; i < keyword.size(); ++i) {
    if (FoldChar(text[column_ + i]) != keyword[i]) return false;
  }
  const size_t after = column_ + keyword.size();
  if (after < text.size() && !IsDelimiter(text[after]) && text[after] != '(' &&
      text[after] != '%') {
    return false;
  }
  column_ = after;
  return true;
}

size_t ScriptReader::FindClosingParen(size_t from) const {
  const std::string& text = lines_[line_];
  bool in_quotes = false;
  for (size_t i = from; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      in_quotes = !in_quotes;
    } else if (!in_quotes && c == '^') {
      ++i;
    } else if (!in_quotes && c == ')') {
      return i;
    }
  }
  return std::string::npos;
}

Statement ScriptReader::ErrorToEndOfLine(int line, std::string message) {
  column_ = lines_[line_].size();
  Statement statement;
  statement.kind = Statement::Kind::kError;
  statement.line = line;
  statement.error = std::move(message);
  return statement;
}

std::optional<Statement> ScriptReader::Next() {
  while (line_ < lines_.size()) {
    SkipBlanks();
    if (AtLineEnd()) {
      ++line_;
      column_ = 0;
      continue;
    }
    const int line = static_cast<int>(line_) + 1;
    Statement statement = ParseStatement(false);
    SkipBlanks();
    if (!AtLineEnd()) {
      statement = ErrorToEndOfLine(
          line, "\"" + lines_[line_].substr(column_) + "\" was unexpected at this time");
    }
    ++line_;
    column_ = 0;
    return statement;
  }
  return std::nullopt;
}

// One command from the cursor to the end of the line or, inside a block, to the ")" that
// closes the block (left for the caller).
Statement ScriptReader::ParseStatement(bool in_block) {
  SkipBlanks();
  const int line = static_cast<int>(line_) + 1;
  const size_t start = column_;
  if (TakeKeyword("for")) return ParseFor(in_block, line);
  column_ = start;

  const std::string& text = lines_[line_];
  size_t end = in_block ? FindClosingParen(column_) : std::string::npos;
  if (end == std::string::npos) end = text.size();
  SplitResult split = SplitWords(std::string_view(text).substr(column_, end - column_));
  column_ = end;
  Statement statement;
  statement.line = line;
  if (!split.error.empty()) {
    statement.kind = Statement::Kind::kError;
    statement.error = std::move(split.error);
  } else {
    statement.words = std::move(split.words);
  }
  return statement;
}

// "for %a in (SET) do COMMAND" or "for %a in (SET) do (" with a block that may span lines;
// the cursor stands just after "for".
Statement ScriptReader::ParseFor(bool in_block, int line) {
  SkipBlanks();
  if (Peek() == '/') return ErrorToEndOfLine(line, "for with options is not supported");
  const char variable = column_ + 1 < lines_[line_].size() ? lines_[line_][column_ + 1] : '\0';
  if (Peek() != '%' || variable == '\0' || variable == '%' || variable == '"' ||
      IsDelimiter(variable)) {
    return ErrorToEndOfLine(line, "for needs a variable written %%x in a script");
  }
  Statement loop;
  loop.kind = Statement::Kind::kFor;
  loop.line = line;
  loop.variable = variable;
  column_ += 2;
  SkipBlanks();
  if (!TakeKeyword("in")) return ErrorToEndOfLine(line, "for expects \"in\" after its variable");
  SkipBlanks();
  if (Peek() != '(') return ErrorToEndOfLine(line, "for expects \"(\" before its set");
  const size_t close = FindClosingParen(column_ + 1);
  if (close == std::string::npos) return ErrorToEndOfLine(line, "the set of for has no \")\"");
  SplitResult set = SplitWords(std::string_view(lines_[line_]).substr(column_ + 1,
                                                                      close - column_ - 1));
  if (!set.error.empty()) return ErrorToEndOfLine(line, set.error);
  loop.words = std::move(set.words);
  column_ = close + 1;
  SkipBlanks();
  if (!TakeKeyword("do")) return ErrorToEndOfLine(line, "for expects \"do\" after its set");
  SkipBlanks();
  if (AtLineEnd()) return ErrorToEndOfLine(line, "for has no command after \"do\"");
  if (Peek() != '(') {
    loop.body.push_back(ParseStatement(in_block));
    return loop;
  }
  ++column_;
  // The block: commands up to the matching ")", over as many lines as it takes.
  while (true) {
    SkipBlanks();
    if (AtLineEnd()) {
      if (line_ + 1 >= lines_.size()) {
        return ErrorToEndOfLine(line, "the block of for is not closed by \")\"");
      }
      ++line_;
      column_ = 0;
      continue;
    }
    if (Peek() == ')') {
      ++column_;
      return loop;
    }
    loop.body.push_back(ParseStatement(true));
  }
}

}  // namespace wincmd
