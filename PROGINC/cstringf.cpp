// Operations on null-terminated character strings.
#include "PROGINC/cstringf.h"

#include <cctype>
#include <cstring>

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Start of word number `iw` (from 1), or nullptr.
const char* WordStart(const char* niz, long iw) {
  long count = 0;
  while (*niz != '\0') {
    while (IsSpace(*niz)) ++niz;
    if (*niz == '\0') break;
    if (++count == iw) return niz;
    while (*niz != '\0' && !IsSpace(*niz)) ++niz;
  }
  return nullptr;
}

}  // namespace

const char* TailFrom(const char* str, int pos) {
  if (pos < 0) return str + std::strlen(str);
  for (int i = 0; i < pos; ++i, ++str)
    if (*str == '\0') return str;
  return str;
}

void substr(const char* str1, int pos, int dol, char* str2) {
  const char* from = TailFrom(str1, pos);
  int n = 0;
  for (; n < dol && from[n] != '\0'; ++n) str2[n] = from[n];
  str2[n] = '\0';
}

void substr(const char* str1, int pos, char* str2) {
  const char* from = TailFrom(str1, pos);
  std::memmove(str2, from, std::strlen(from) + 1);
}

int indexLast(const char* str, char c) {
  if (c == '\0') return -1;
  const char* last = std::strrchr(str, c);
  if (last == nullptr) return -1;
  return static_cast<int>(last - str);
}

void strng(char* niz, char znak, long nznak) {
  long n = 0;
  for (; n < nznak; ++n) niz[n] = znak;
  niz[n] = '\0';
}

void strcopy(char* str, char c, int nx) { strng(str, c, nx); }

void trimr(char* niz) {
  std::size_t n = std::strlen(niz);
  while (n > 0 && niz[n - 1] == ' ') --n;
  niz[n] = '\0';
}

void triml(char* niz) {
  std::size_t lead = 0;
  while (niz[lead] == ' ') ++lead;
  if (lead > 0) std::memmove(niz, niz + lead, std::strlen(niz + lead) + 1);
}

void trim(char* niz) {
  trimr(niz);
  triml(niz);
}

long cwords(const char* niz) {
  long count = 0;
  bool inWord = false;
  for (; *niz != '\0'; ++niz) {
    const bool space = IsSpace(*niz);
    if (!space && !inWord) ++count;
    inWord = !space;
  }
  return count;
}

void gword(const char* niz, long iw, char* wrd) {
  const char* start = iw < 1 ? nullptr : WordStart(niz, iw);
  std::size_t n = 0;
  if (start != nullptr)
    for (; start[n] != '\0' && !IsSpace(start[n]); ++n) wrd[n] = start[n];
  wrd[n] = '\0';
}

void creplace(char* niz, char orig, char rep) {
  for (; *niz != '\0'; ++niz)
    if (*niz == orig) *niz = rep;
}

void creplace(char* niz, char orig, char rep, long n) {
  for (long i = 0; i < n && niz[i] != '\0'; ++i)
    if (niz[i] == orig) niz[i] = rep;
}

void sreplace(char* nizOrig, const char* ssOrig, const char* ssRep) {
  const std::size_t len = std::strlen(ssOrig);
  if (len == 0 || len != std::strlen(ssRep)) return;
  for (char* hit = std::strstr(nizOrig, ssOrig); hit != nullptr;
       hit = std::strstr(hit + len, ssOrig))
    std::memcpy(hit, ssRep, len);
}
