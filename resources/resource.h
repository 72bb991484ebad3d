// Resource names and ids of the program lumo, shared by the resource
// scripts and the code. The resources the program loads by name keep the
// program's French names; strings are loaded by their French id, the
// English text sitting at that id + IDS_ENGLISH.
#ifndef LUMO_RESOURCE_H
#define LUMO_RESOURCE_H

// Named resources.
#define IDD_SPLASH "Splash"           // start-up dialog template (one for both languages)
#define IDB_SPLASH "Splash"           // 400 x 200 picture of the splash and the about box
#define IDI_LUMO "Icone"              // program, window class and tray icon
#define IDR_ACCELERATORS "Accelerateurs"

// String ids: French text at n, English at n + IDS_ENGLISH.
#define IDS_ENGLISH 100

#define IDS_NO_DEFAULT_THEME 16    // theme check at start-up, %s program directory
#define IDS_THEME_NOT_FOUND 17     // %s theme file, %s program directory
#define IDS_THEME_NOT_LOADED 18    // %s theme file, %s program directory
#define IDS_CDROM_DRIVE_ITEM 20    // drive list item: %i number from 0, %c letter
#define IDS_NO_CDROM_DRIVE 21
#define IDS_COPYRIGHT 24           // one line on the splash and the about box
#define IDS_WELCOME 25             // first step text of the splash
#define IDS_STEP_DIRECTORY 26
#define IDS_STEP_MIGRATION 27
#define IDS_STEP_SETTINGS 28
#define IDS_STEP_VARIABLES 29
#define IDS_STEP_CDROM 30
#define IDS_STEP_THEME 31
#define IDS_DRIVE_NOT_CDROM 34     // %c configured drive letter

#endif
