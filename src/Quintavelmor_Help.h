// The program's help text.
#ifndef SRC_QUINTAVELMOR_HELP_H
#define SRC_QUINTAVELMOR_HELP_H

// Writes the help text to standard error.
void QuintavelmorHelp();

#endif
