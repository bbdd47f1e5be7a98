// Operations on file names and files: existence, removal, base and folder name.
#ifndef PROGINC_CFILEF_H
#define PROGINC_CFILEF_H

#include <string>

// True if the file can be opened for reading (it is opened and closed at once);
// for a named pipe or a pipe (/dev/stdin), true if it exists.
bool FileExists(const char* f);
bool FileExists(const std::string& f);

// Removes the file; true if it was removed or did not exist.
bool RemFile(const char* file);

// Names are split at their last separator, a backslash or a forward slash.
// `bname` gets the part after it (all of `file` without one); `dname` the part
// before it (empty without one).  Each must hold strlen(file) + 1 characters.
void GetBasename(const char* file, char* bname);
void GetDirname(const char* file, char* dname);

#endif
