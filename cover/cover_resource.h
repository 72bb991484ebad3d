// Ids of the cover library's resources, shared by its scripts and code.
#ifndef LUMO_COVER_RESOURCE_H
#define LUMO_COVER_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// COVER / COVERE: the cover dialog (Print is IDOK, Cancel IDCANCEL).
#define IDC_OPTIONS 1001
#define IDC_PREVIEW 1007

// FONTS / FONTSE: a description and a button per font.
#define IDC_FRONT_TITLE_FONT 1002
#define IDC_FRONT_TITLE_FONT_CHANGE 1001
#define IDC_REAR_TITLE_FONT 1003
#define IDC_REAR_TITLE_FONT_CHANGE 1011
#define IDC_SONG_TITLE_FONT 1047
#define IDC_SONG_TITLE_FONT_CHANGE 1033
#define IDC_SONG_TIME_FONT 1007
#define IDC_SONG_TIME_FONT_CHANGE 1034

// BITMAPS / BITMAPSE: a path, two buttons and a check box per picture.
#define IDC_FRONT_PICTURE_PATH 1002
#define IDC_FRONT_PICTURE_CHANGE 1001
#define IDC_FRONT_NO_PICTURE 1033
#define IDC_FRONT_STRETCH 1012
#define IDC_REAR_PICTURE_PATH 1003
#define IDC_REAR_PICTURE_CHANGE 1011
#define IDC_REAR_NO_PICTURE 1034
#define IDC_REAR_STRETCH 1013

// COVOPTION / COVOPTIONE: which texts the cover shows.
#define IDC_SHOW_FRONT_TITLE 1012
#define IDC_SHOW_REAR_TITLE 1013
#define IDC_SHOW_SONG_TITLES 1016
#define IDC_SHOW_SONG_TIMES 1027

// String table: French at the id, English at 100 + the id.
#define IDS_ENGLISH_OFFSET 100
#define IDS_PICTURE_REFUSED 10
// 10 + a PictureFault: why a picture file was refused.
#define IDS_PICTURE_FAULT_BASE 10
#define IDS_PRINT_FAILED 30

#endif
