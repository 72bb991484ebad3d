// Registration of the "Play" verb for audio CDs. Not written yet: until
// then nothing is registered.
#ifndef LUMO_SHELL_INTEGRATION_H
#define LUMO_SHELL_INTEGRATION_H

void RegisterShellVerbs();

#endif
