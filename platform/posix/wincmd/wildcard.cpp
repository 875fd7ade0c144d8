#include "platform/posix/wincmd/wildcard.h"

#include <algorithm>
#include <vector>

namespace wincmd {
namespace {

using Op = CompiledMask::Op;
using Step = CompiledMask::Step;

char FoldChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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

CompiledMask::CompiledMask(const std::string& mask)
    : every_name_(SelectsEveryName(mask)),
      steps_(Translate(mask)),
      states_(steps_.size() + 1, 0),
      next_states_(steps_.size() + 1, 0) {}

bool CompiledMask::Matches(const std::string& name) const {
  if (every_name_) return true;
  const size_t last_dot = name.rfind('.');
  // The set of mask positions the name read so far can have reached.
  std::vector<char>& states = states_;
  std::vector<char>& next_states = next_states_;
  std::fill(states.begin(), states.end(), 0);
  states[0] = 1;
  for (size_t k = 0; k < name.size(); ++k) {
    const char c = name[k];
    Close(steps_, states, c, false);
    std::fill(next_states.begin(), next_states.end(), 0);
    bool alive = false;
    for (size_t s = 0; s < steps_.size(); ++s) {
      if (!states[s]) continue;
      const Step& step = steps_[s];
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
  Close(steps_, states, '\0', true);
  return states[steps_.size()] != 0;
}

bool MatchesMask(const std::string& mask, const std::string& name) {
  return CompiledMask(mask).Matches(name);
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
