// The display's upper-casing rule. No Windows header.
#ifndef LUMO_FOLD_TEXT_H
#define LUMO_FOLD_TEXT_H

// Folds text in place: the accented letters the display font lacks become
// plain (à→a, ç→c, è é ê ë→e, ï→i, ù→u, Windows-1252 codes), then a–z become
// upper case; other characters stay as they are.
void FoldDisplayText(char *text);

#endif
