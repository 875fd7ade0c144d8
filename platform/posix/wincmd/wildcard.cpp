#include "platform/posix/wincmd/wildcard.h"

#include <vector>

namespace wincmd {
namespace {

char FoldChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One step of a translated search mask. The Windows file search turns "?", "*." and ".*"
// into these forms before matching (they are the "DOS" wildcards of the file system).
enum class Op {
  kLiteral,  // one character, ASCII letters without regard to case
  kStar,     // any run of characters
  kDosStar,  // any run of characters that does not take the name's last dot
  kDosQm,    // one non-dot character, or nothing at a dot or at the end of the name
  kDosDot,   // a dot, or nothing at the end of the name
};

struct Step {
  Op op;
  char c;
};

std::vector<Step> Translate(const std::string& mask) {
  std::vector<Step> steps;
  steps.reserve(mask.size());
  for (size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    const char next = i + 1 < mask.size() ? mask[i + 1] : '\0';
    if (c == '*') {
      steps.push_back({next == '.' ? Op::kDosStar : Op::kStar, c});
    } else if (c == '?') {
      steps.push_back({Op::kDosQm, c});
    } else if (c == '.' && (next == '*' || next == '?' || i + 1 == mask.size())) {
      steps.push_back({Op::kDosDot, c});
    } else {
      steps.push_back({Op::kLiteral, FoldChar(c)});
    }
  }
  return steps;
}

// Adds the states reachable without taking a character, given the character that comes
// next (`at_end` when the name is used up). Moves only forward, so one pass suffices.
void Close(const std::vector<Step>& steps, std::vector<char>& states, char next, bool at_end) {
  for (size_t s = 0; s < steps.size(); ++s) {
    if (!states[s]) continue;
    bool skip = false;
    switch (steps[s].op) {
      case Op::kStar:
      case Op::kDosStar:
        skip = true;
        break;
      case Op::kDosQm:
        skip = at_end || next == '.';
        break;
      case Op::kDosDot:
        skip = at_end;
        break;
      case Op::kLiteral:
        break;
    }
    if (skip) states[s + 1] = 1;
  }
}

}  // namespace

bool HasWildcards(const std::string& text) {
  return text.find_first_of("*?") != std::string::npos;
}

std::string FoldCase(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = FoldChar(c);
  return folded;
}

bool SelectsEveryName(const std::string& mask) { return mask == "*" || mask == "*.*"; }

bool MatchesMask(const std::string& mask, const std::string& name) {
  if (SelectsEveryName(mask)) return true;
  const std::vector<Step> steps = Translate(mask);
  const size_t last_dot = name.rfind('.');
  // The set of mask positions the name read so far can have reached.
  std::vector<char> states(steps.size() + 1, 0);
  std::vector<char> next_states(steps.size() + 1, 0);
  states[0] = 1;
  for (size_t k = 0; k < name.size(); ++k) {
    const char c = name[k];
    Close(steps, states, c, false);
    std::fill(next_states.begin(), next_states.end(), 0);
    bool alive = false;
    for (size_t s = 0; s < steps.size(); ++s) {
      if (!states[s]) continue;
      const Step& step = steps[s];
      size_t to = s + 1;
      bool takes = false;
      switch (step.op) {
        case Op::kStar:
          takes = true;
          to = s;
          break;
        case Op::kDosStar:
          takes = c != '.' || k != last_dot;
          to = s;
          break;
        case Op::kDosQm:
          takes = c != '.';
          break;
        case Op::kDosDot:
          takes = c == '.';
          break;
        case Op::kLiteral:
          takes = FoldChar(c) == step.c;
          break;
      }
      if (takes) {
        next_states[to] = 1;
        alive = true;
      }
    }
    if (!alive) return false;
    states.swap(next_states);
  }
  Close(steps, states, '\0', true);
  return states[steps.size()] != 0;
}

std::optional<std::string> RenameTarget(const std::string& name, const std::string& target_mask) {
  const std::string& mask = target_mask;
  std::string result;
  size_t pos = 0;  // the current source character
  const size_t end = name.size();
  for (size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    if (c == '*') {
      while (i + 1 < mask.size() && mask[i + 1] == '*') ++i;
      if (i + 1 == mask.size() || mask[i + 1] == '?') {
        // "*" at the end, or "*?": the rest of the source.
        result.append(name, pos, std::string::npos);
        pos = end;
        if (i + 1 < mask.size()) ++i;
        continue;
      }
      const char stop = mask[++i];
      const size_t last = name.rfind(stop);
      if (last != std::string::npos && last >= pos) {
        result.append(name, pos, last + 1 - pos);
        pos = last + 1;
      } else {
        result.append(name, pos, std::string::npos);
        result.push_back(stop);
        pos = end;
      }
    } else if (c == '?') {
      if (pos < end && name[pos] != '.') result.push_back(name[pos++]);
    } else if (c == '.') {
      const size_t dot = name.find('.', pos);
      pos = dot == std::string::npos ? end : dot + 1;
      result.push_back('.');
    } else {
      result.push_back(c);
      if (pos < end && name[pos] != '.') ++pos;
    }
  }
  while (!result.empty() && (result.back() == '.' || result.back() == '?')) result.pop_back();
  if (result.empty()) return std::nullopt;
  return result;
}

}  // namespace wincmd
