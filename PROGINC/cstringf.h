// Operations on null-terminated character strings: cutting fixed columns,
// trimming, words, filling and in-place replacement.
#ifndef PROGINC_CSTRINGF_H
#define PROGINC_CSTRINGF_H

// The part of `str` from position `pos` on; its terminator (an empty text) when
// `str` is shorter than `pos` or `pos` is negative.  Walks at most `pos`
// characters, so nothing past the terminator is read.
const char* TailFrom(const char* str, int pos);

// Copies at most `dol` characters of `str1` from position `pos` into `str2`,
// stopping early at the end of `str1`, and terminates `str2`; `str2` must hold
// `dol` + 1 characters.  A position at or past the end of `str1` (or negative)
// gives an empty `str2`; nothing past the terminator of `str1` is read.
void substr(const char* str1, int pos, int dol, char* str2);
// Copies `str1` from position `pos` to its end, terminator included; `str2`
// must hold the rest of `str1` (at most strlen(str1) + 1 characters).
void substr(const char* str1, int pos, char* str2);

// Position of the last `c` in `str`, or -1.
int indexLast(const char* str, char c);

// `str` becomes `nx` copies of `c` (none when `nx` is not positive), terminated;
// it must hold `nx` + 1 characters.
void strcopy(char* str, char c, int nx);
void strng(char* niz, char znak, long nznak);

// Remove trailing, leading, or both blanks (' ' only) in place.
void trimr(char* niz);
void triml(char* niz);
void trim(char* niz);

// Number of words separated by white space.
long cwords(const char* niz);
// Copies word number `iw` (from 1) into `wrd`, or leaves `wrd` empty when there
// is no such word; `wrd` must hold strlen(niz) + 1 characters.
void gword(const char* niz, long iw, char* wrd);

// Replace every `orig` by `rep`, in the whole string or among its first `n`
// characters.
void creplace(char* niz, char orig, char rep);
void creplace(char* niz, char orig, char rep, long n);

// Replaces every occurrence of `ssOrig` by `ssRep` in place when both have the
// same (non-zero) length; does nothing otherwise.
void sreplace(char* nizOrig, const char* ssOrig, const char* ssRep);

#endif
