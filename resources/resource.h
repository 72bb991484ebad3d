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
#define IDR_MENU "Menu"               // main menu in French
#define IDR_MENU_ENGLISH "Menu_English"
#define IDR_DISPLAY_MENU "MenuAffich"       // display submenu of the popup menu, French
#define IDR_DISPLAY_MENU_ENGLISH "MenuAffiche"
#define IDI_PLAYING "IconePlay"       // tray icon while playing
#define IDI_PAUSED "IconePause"       // tray icon while paused
#define IDD_ABOUT "AboutBox"         // one template for both languages
#define IDD_TIP "Tip"                 // tip of the day, French
#define IDD_TIP_ENGLISH "TipE"
#define IDI_TIP_BULB "TIP"            // the tip dialog's icon
#define IDI_TRACK "IconeDoc"          // a track in the program editor's list of the disc's tracks

// Dialog templates, named in French; the English one is the name + "E".
#define IDD_DISC_TITLE "TitreCD"
#define IDD_TRACK_TITLES "TitreChansons"
#define IDD_PROGRAM "Prog"

// Controls of the title dialogs.
#define IDC_TITLE_EDIT 1000
#define IDC_PREVIOUS_TRACK 1001    // track titles: "Previous"; "Next" is IDOK
#define IDC_EDITED_TRACK 1002      // track titles: hidden, the number of the track edited
#define IDC_TRACK_GROUP 1003       // track titles: group box naming the track

// Controls of the program editor.
#define IDC_CLEAR_ALL 1001
#define IDC_DISC_TRACKS_LABEL 1004
#define IDC_PROGRAM_STEPS_LABEL 1005
#define IDC_DISC_TRACKS 1006       // list view of the disc's tracks
#define IDC_PROGRAM_STEPS 1007     // list box of the program
#define IDC_CLEAR_STEP 1011
#define IDC_STEP_UP 1033           // owner-drawn
#define IDC_STEP_DOWN 1034         // owner-drawn

// String ids: French text at n, English at n + IDS_ENGLISH.
#define IDS_ENGLISH 100

#define IDS_TRACK_GROUP 5          // track titles group box, %u track number
#define IDS_CLEAR_PROGRAM 6        // question before the program editor's "Clear all"
#define IDS_NO_DEFAULT_THEME 16    // theme check at start-up, %s program directory
#define IDS_THEME_NOT_FOUND 17     // %s theme file, %s program directory
#define IDS_THEME_NOT_LOADED 18    // %s theme file, %s program directory
#define IDS_OFFER_MIGRATION 19     // %s the previous installation's directory
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
#define IDS_DID_YOU_KNOW 22         // heading of the tip of the day
#define IDS_THANKS 32               // about box: %s the contributors
#define IDS_DRIVE_NOT_CDROM 34     // %c configured drive letter
#define IDS_SITES_SEARCH_FAILED 35
#define IDS_QUICK_UPDATE_NEVER 36
#define IDS_QUICK_UPDATE_LAST 37    // %s the date of the last check
#define IDS_INTERNET_OPTIONS 38     // the sheet's caption
// The popup menu's texts.
#define IDS_POPUP_DISPLAY 89
#define IDS_POPUP_PLAY 90
#define IDS_POPUP_PAUSE 91
#define IDS_POPUP_STOP 92
#define IDS_POPUP_TRACK_UP 93
#define IDS_POPUP_TRACK_DOWN 94
#define IDS_POPUP_QUIT 95
#define IDS_POPUP_DISC_TITLE 96
#define IDS_POPUP_TRACK_TITLE 97
#define IDS_POPUP_TRAY 98
#define IDS_POPUP_TRACKS 99

// Tips of the day: French 500 to 516 (no 508), English at + IDS_ENGLISH.
#define IDS_FIRST_DAY_TIP 500

// Controls of the tip of the day.
#define IDC_TIP_NEXT 1001
#define IDC_TIP_TEXT 1002
#define IDC_TIP_HEADING 1003
#define IDC_TIP_FRAME 1004
#define IDC_TIP_ICON 1005
#define IDC_TIP_LINE 1006
#define IDC_TIP_PANEL 1047
#define IDC_TIP_AT_STARTUP 1060

// Internet options: the server page, the QuickUpdate page.
#define IDC_NET_SERVERS 1043
#define IDC_NET_PORT 1002
#define IDC_NET_SEARCH 1001
#define IDC_NET_STORE 1061
#define IDC_NET_LOG 1062
#define IDC_QU_PAGE 1000
#define IDC_QU_STATUS 1002
#define IDC_QU_NEVER 1014
#define IDC_QU_ONCE 1015
#define IDC_QU_EVERY_TIME 1016
#define IDC_QU_WHEN_NETINFO 1060

// The migration's progress dialog.
#define IDC_MIGRATION_LABEL 1001
#define IDC_MIGRATION_ITEM 1002
#define IDC_MIGRATION_PROGRESS 1042

// The options sheet's pages and the display colour dialog; the English
// templates add "E" to these names.
#define IDD_QUICK_ACCESS "QuickAccess"
#define IDD_LANGUAGE "Langue"
#define IDD_ERGONOMY "Ergonomie"
#define IDD_ABOUT_PAGE "About"
#define IDD_THEMES "Themes"
#define IDD_DRIVE "Drive"
#define IDD_DISPLAY_COLOUR "CouleurAffich"

// Controls of the options pages.
#define IDC_OPT_AUTO_TIME 1060
#define IDC_OPT_SCREEN_TRACKING 1061
#define IDC_OPT_QUICK_PLAY 1062
#define IDC_OPT_STOP_QUIT 1063
#define IDC_OPT_OLD_PROGRAM 1064
#define IDC_OPT_FRENCH 1014
#define IDC_OPT_ENGLISH 1015
#define IDC_OPT_GRADIENT 1060
#define IDC_OPT_TOOL_TIPS 1061
#define IDC_OPT_DIM_PLAYED 1062
#define IDC_OPT_BLINK_GRID 1063
#define IDC_OPT_TRACK_TIME 1064
#define IDC_OPT_SEPARATOR 1000
#define IDC_OPT_VERSION 1002
#define IDC_OPT_DRIVES 1043
#define IDC_THEME_SEARCH 1001
#define IDC_THEME_COPYRIGHT 1002
#define IDC_THEME_CURRENT 1003
#define IDC_THEME_NAMES 1006
#define IDC_THEME_FILES 1007

// Controls of the display colour dialog: each bar's value edit has the
// bar's id - 21.
#define IDC_COLOUR_RED_VALUE 1000
#define IDC_COLOUR_GREEN_VALUE 1001
#define IDC_COLOUR_BLUE_VALUE 1002
#define IDC_COLOUR_RED_BAR 1021
#define IDC_COLOUR_GREEN_BAR 1022
#define IDC_COLOUR_BLUE_BAR 1023
#define IDC_COLOUR_SWATCH 1024
#define IDC_COLOUR_SAMPLE 1025

// Tool tips of the main window's controls.
#define IDS_TIP_PLAY 1000
#define IDS_TIP_STOP 1001
#define IDS_TIP_TRACK_UP 1002
#define IDS_TIP_TRACK_DOWN 1003
#define IDS_TIP_FORWARD 1004
#define IDS_TIP_BACKWARDS 1005
#define IDS_TIP_EJECT 1006
#define IDS_TIP_SHOW_TITLES 1007
#define IDS_TIP_SHOW_TIME 1008
#define IDS_TIP_ELAPSED 1009
#define IDS_TIP_REMAINING 1010
#define IDS_TIP_FROM_START 1011
#define IDS_TIP_TO_END 1012
#define IDS_TIP_NO_REPEAT 1013
#define IDS_TIP_REPEAT_DISC 1014
#define IDS_TIP_REPEAT_TRACK 1015
#define IDS_TIP_RANDOM 1016
#define IDS_TIP_VOLUME 1017
#define IDS_TIP_MIXER 1018
#define IDS_TIP_TIME_BAR 1019


// Commands of the main menus, the accelerators and the buttons.
#define IDM_ABOUT 100
#define IDM_QUIT 101
#define IDM_PLAY_PAUSE 102
#define IDM_STOP 103
#define IDM_TRACK_UP 104
#define IDM_TRACK_DOWN 105
#define IDM_FORWARD 106
#define IDM_BACKWARDS 107
#define IDM_EJECT 108
#define IDM_MENU 109               // caption and menu shown (starts checked)
#define IDM_ICONS 110
#define IDM_DISPLAY 111
#define IDM_TIME_ELAPSED 112
#define IDM_TIME_REMAINING 113
#define IDM_TIME_FROM_START 114
#define IDM_TIME_TO_END 115
#define IDM_SHOW_TITLES 116
#define IDM_SHOW_TIME 117
#define IDM_NO_REPEAT 118
#define IDM_REPEAT_DISC 119
#define IDM_REPEAT_TRACK 120
#define IDM_RANDOM 121
#define IDM_SONGS 122
#define IDM_DISC_TITLE 123
#define IDM_TRACK_TITLES 124
#define IDM_GRID 125
#define IDM_OPTIONS 134
#define IDM_PROGRAM 135
#define IDM_DISPLAY_COLOUR 137
#define IDM_ALWAYS_ON_TOP 138
#define IDM_VOLUME 139
#define IDM_TRAY 140
#define IDM_HELP_CONTENTS 141
#define IDM_TIP 148
#define IDM_QUICK_BAR 150
#define IDM_PRINT_COVER 153
#define IDM_CDDB_SEARCH 155
#define IDM_USE_INTERNET 156
#define IDM_INTERNET_OPTIONS 157
#define IDM_QUICK_UPDATE 158
// Playing track n (from 1, up to 256) of the play order: IDM_TRACK_BASE + n.
#define IDM_TRACK_BASE 1123

#endif
