// Texts of the player's start-up messages, in both languages, as the user
// reads them.
#pragma once

#include "harness.h"

#include <string>

namespace e2e {

// String 34: the configured drive is no CD-ROM drive.
inline std::string DriveWarning(bool french, char letter)
{
    std::string text = french ? "Le lecteur %c spécifié dans le fichier de configuration d'Lumo n'est pas un "
                                "lecteur de CD-ROM.\nLumo va automatiquement choisir un autre lecteur."
                              : "The drive %c specified in the Lumo configuration file is not a valid CD-ROM "
                                "drive.\nLumo will automatically select another drive.";
    return ReplaceFirst(text, "%c", std::string(1, letter));
}

// String 21: the machine has no CD-ROM drive.
inline std::string NoDriveMessage(bool french)
{
    return french ? "Aucun lecteur de CD-ROM n'a été détecté sur votre système, or Lumo requiert un lecteur "
                    "pour fonctionner."
                  : "No CD-ROM Drive has been detected on your system. Please get a CD-ROM drive in order to "
                    "run Lumo.";
}

}  // namespace e2e
