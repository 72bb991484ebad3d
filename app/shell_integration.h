// Registration as the shell's "Play" action of audio CDs and of CD audio
// track files, repeated at every start.
#ifndef LUMO_SHELL_INTEGRATION_H
#define LUMO_SHELL_INTEGRATION_H

void RegisterShellVerbs();

#endif
