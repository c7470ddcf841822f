#include "e2e/argument_syntax.h"

#include <optional>

namespace kvn::e2e {
namespace {

std::optional<int> hexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') {
    return digit - '0';
  }
  if (digit >= 'a' && digit <= 'f') {
    return digit - 'a' + 10;
  }
  if (digit >= 'A' && digit <= 'F') {
    return digit - 'A' + 10;
  }
  return std::nullopt;
}

bool isSeparator(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

SplitWords splitWords(std::string_view text) {
  SplitWords result;
  std::string word;
  bool inWord = false;
  bool inQuotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (!inQuotes && isSeparator(c)) {
      if (inWord) {
        result.words.push_back(word);
        word.clear();
        inWord = false;
      }
      continue;
    }
    inWord = true;
    if (c == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    if (c != '\\') {
      word += c;
      continue;
    }
    if (i + 1 == text.size()) {
      result.error = "a backslash ends the text";
      return result;
    }
    char escaped = text[++i];
    switch (escaped) {
      case '\\':
      case '"':
        word += escaped;
        break;
      case 'n':
        word += '\n';
        break;
      case 'r':
        word += '\r';
        break;
      case 't':
        word += '\t';
        break;
      case 'x': {
        std::optional<int> high = i + 1 < text.size() ? hexDigitValue(text[i + 1]) : std::nullopt;
        std::optional<int> low = i + 2 < text.size() ? hexDigitValue(text[i + 2]) : std::nullopt;
        if (!high || !low) {
          result.error = "\\x needs two hexadecimal digits";
          return result;
        }
        word += static_cast<char>(*high * 16 + *low);
        i += 2;
        break;
      }
      default:
        result.error = std::string("unknown escape \\") + escaped;
        return result;
    }
  }
  if (inQuotes) {
    result.error = "a double quote is not closed";
    return result;
  }
  if (inWord) {
    result.words.push_back(word);
  }
  return result;
}

}  // namespace kvn::e2e
