// The choice among inexact matches: dialog "TITRE" ("TITREE" in English),
// modal, owned by the main window, shown from the lookup worker.
#ifndef LUMO_NETINFO_CHOICE_DIALOG_H
#define LUMO_NETINFO_CHOICE_DIALOG_H

struct Proposal;

// The proposals of a code-211 query reply: none gives false; a single one
// is taken without asking; among several the user picks one (OK with a
// line selected) or none (Cancel).
bool ChooseProposal(const char *reply, Proposal *chosen);

#endif
