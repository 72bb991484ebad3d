#include "program_steps.h"

#include <cstdio>

#include "../app/child_controls.h"
#include "../engine/play_sequence.h"
#include "list_lines.h"
#include "play_program.h"
#include "title_text.h"

namespace {

int LineCount(HWND steps)
{
    LRESULT count = SendMessageA(steps, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : int(count);
}

int SelectedLine(HWND steps)
{
    LRESULT line = SendMessageA(steps, LB_GETCURSEL, 0, 0);
    return line == LB_ERR ? -1 : int(line);
}

} // namespace

int InsertProgramStep(HWND steps, int before, const char *title, int trackIndex)
{
    LRESULT line = before >= 0 ? SendMessageA(steps, LB_INSERTSTRING, WPARAM(before), LPARAM(title))
                               : SendMessageA(steps, LB_ADDSTRING, 0, LPARAM(title));
    if (line < 0)
        return -1;
    SendMessageA(steps, LB_SETITEMDATA, WPARAM(line), LPARAM(trackIndex));
    return int(line);
}

void FillProgramSteps(HWND steps)
{
    for (int position = 1; position <= PlayOrderLength(); ++position) {
        int track = TrackAt(position);
        char title[kTitleTextSize];
        // A stored step naming a track the disc does not have has no title
        // and cannot be played: it is left out.
        if (ReadListLine(g_songsList, track - 1, title, sizeof(title)))
            InsertProgramStep(steps, -1, title, track - 1);
    }
}

void MoveSelectedStep(HWND steps, int direction)
{
    int line = SelectedLine(steps);
    int target = line + direction;
    if (line < 0 || target < 0 || target >= LineCount(steps))
        return;
    char title[kTitleTextSize];
    ReadListLine(steps, line, title, sizeof(title));
    int trackIndex = int(SendMessageA(steps, LB_GETITEMDATA, WPARAM(line), 0));
    // The copy goes above the line moving up, or below the line under it
    // moving down; then the old line goes.
    int copy = InsertProgramStep(steps, direction < 0 ? target : line + 2, title, trackIndex);
    if (copy < 0)
        return;
    SendMessageA(steps, LB_SETCURSEL, WPARAM(copy), 0);
    SendMessageA(steps, LB_DELETESTRING, WPARAM(direction < 0 ? line + 1 : line), 0);
}

void ClearSelectedStep(HWND steps)
{
    int line = SelectedLine(steps);
    if (line >= 0)
        SendMessageA(steps, LB_DELETESTRING, WPARAM(line), 0);
    SendMessageA(steps, LB_SETCURSEL, WPARAM(-1), 0);
}

void StoreProgramSteps(HWND steps)
{
    int count = LineCount(steps);
    ClearPlayOrder();
    if (count > 0) {
        for (int line = 0; line < count; ++line) {
            char entry[16];
            snprintf(entry, sizeof(entry), "%d", int(SendMessageA(steps, LB_GETITEMDATA, WPARAM(line), 0)) + 1);
            AppendPlayStep(entry);
        }
        g_playOrderLength = count;
    } else {
        BuildDefaultPlayOrder();
    }
    SavePlayProgram();
}
