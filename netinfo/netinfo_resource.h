// Ids of the network library's resources, shared by its scripts and code.
#ifndef LUMO_NETINFO_RESOURCE_H
#define LUMO_NETINFO_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// String table: the QuickUpdate question, and the texts of HTTP errors at
// their code (French) and at 100 + their code (English).
#define IDS_NEW_BUILD_QUESTION 100
#define IDS_NEW_BUILD_QUESTION_EN 200
#define IDS_HTTP_FORBIDDEN 403
#define IDS_HTTP_NOT_FOUND 404
#define IDS_ENGLISH_OFFSET 100

// TITRE / TITREE: the choice among inexact matches.
#define IDC_TITLE_LIST 1000
#define IDC_CATEGORY_LIST 1001
#define IDC_DISCID_LIST 1002

// MESSAGE: the page's message.
#define IDC_MESSAGE_PANEL 1003
#define IDC_MESSAGE_HEADING 1004
#define IDC_MESSAGE_TEXT 1005
#define IDC_MESSAGE_ICON 1006

// ERREUR / ERREURE: a failed QuickUpdate request.
#define IDC_ERROR_ADDRESS 1003
#define IDC_ERROR_CODE 1004
#define IDC_ERROR_TEXT 1005

#endif
