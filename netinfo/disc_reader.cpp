#include "disc_reader.h"

#include <mmsystem.h>

#include "disc_id.h"

namespace {

DiscPosition PositionOfMsf(DWORD_PTR msf)
{
    DiscPosition position;
    position.minute = MCI_MSF_MINUTE(msf);
    position.second = MCI_MSF_SECOND(msf);
    position.frame = MCI_MSF_FRAME(msf);
    return position;
}

bool QueryStatus(UINT device, DWORD item, DWORD track, DWORD_PTR *value)
{
    MCI_STATUS_PARMS status = {};
    status.dwItem = item;
    status.dwTrack = track;
    const DWORD flags = MCI_STATUS_ITEM | (track ? MCI_TRACK : 0) | MCI_WAIT;
    if (mciSendCommandA(device, MCI_STATUS, flags, reinterpret_cast<DWORD_PTR>(&status)) != 0)
        return false;
    *value = status.dwReturn;
    return true;
}

bool SetTimeFormat(UINT device, DWORD format)
{
    MCI_SET_PARMS set = {};
    set.dwTimeFormat = format;
    return mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&set)) == 0;
}

// Starts and lengths in MSF; false as soon as the device fails to answer.
bool QueryTable(UINT device, DiscTable *table)
{
    DWORD_PTR count = 0;
    if (!SetTimeFormat(device, MCI_FORMAT_MSF) || !QueryStatus(device, MCI_STATUS_NUMBER_OF_TRACKS, 0, &count))
        return false;
    if (count == 0 || count > DWORD_PTR(kMaxDiscTracks))
        return false;
    table->trackCount = int(count);
    DWORD_PTR position = 0, length = 0;
    for (int t = 0; t < table->trackCount; ++t) {
        if (!QueryStatus(device, MCI_STATUS_POSITION, DWORD(t + 1), &position))
            return false;
        table->start[t] = PositionOfMsf(position);
    }
    if (!QueryStatus(device, MCI_STATUS_LENGTH, DWORD(table->trackCount), &length))
        return false;
    table->leadOut = LeadOutAfter(table->start[table->trackCount - 1], PositionOfMsf(length));
    return true;
}

} // namespace

void ReadDiscTable(UINT device, DiscTable *table, char (&discId)[9])
{
    // The program keeps its own time format (TMSF) in the shared device.
    DWORD_PTR previousFormat = 0;
    const bool knowFormat = QueryStatus(device, MCI_STATUS_TIME_FORMAT, 0, &previousFormat);
    if (!QueryTable(device, table)) {
        table->trackCount = 0;
        table->leadOut = PositionOfFrames(0);
    }
    CompleteDiscTable(table);
    if (knowFormat)
        SetTimeFormat(device, DWORD(previousFormat));
    FormatDiscId(ComputeDiscId(*table), discId, sizeof(discId));
}
