// Fax-ID patterns: '*' stands for any run of characters, the empty run
// included, and '?' for exactly one character. A pattern must cover the whole
// text. ASCII letters match without regard to case; every other byte, those
// from 0x80 up included, matches only itself. There is no escape character.
#ifndef KVNPROGRAM_MATCH_WILDCARD_H
#define KVNPROGRAM_MATCH_WILDCARD_H

namespace kvn {

// False when either argument is null. The work is at most proportional to the
// text's length times the pattern's, however many '*' the pattern holds.
bool matchWildcard(const char* text, const char* pattern);

}  // namespace kvn

#endif  // KVNPROGRAM_MATCH_WILDCARD_H
