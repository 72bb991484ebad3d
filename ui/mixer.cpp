#include "mixer.h"

#include <mmsystem.h>
#include <cstdio>
#include <vector>

#include "../app/child_controls.h"
#include "../engine/display_line.h"
#include "display_refresh.h"

namespace {

HMIXER g_mixer = NULL;
DWORD g_volumeControl = 0;
bool g_controlBound = false;

const DWORD kMaxLevel = 65535;

MIXERLINEA LineInfo(DWORD destination, DWORD source, DWORD flags, bool *ok)
{
    MIXERLINEA line = {};
    line.cbStruct = sizeof(line);
    line.dwDestination = destination;
    line.dwSource = source;
    *ok = mixerGetLineInfoA(HMIXEROBJ(g_mixer), &line, MIXER_OBJECTF_HMIXER | flags) == MMSYSERR_NOERROR;
    return line;
}

// The line's controls; empty when they cannot be read.
std::vector<MIXERCONTROLA> LineControls(const MIXERLINEA &line)
{
    std::vector<MIXERCONTROLA> controls(line.cControls);
    if (controls.empty())
        return controls;
    MIXERLINECONTROLSA query = {};
    query.cbStruct = sizeof(query);
    query.dwLineID = line.dwLineID;
    query.cControls = line.cControls;
    query.cbmxctrl = sizeof(MIXERCONTROLA);
    query.pamxctrl = controls.data();
    if (mixerGetLineControlsA(HMIXEROBJ(g_mixer), &query, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ALL) !=
        MMSYSERR_NOERROR)
        controls.clear();
    return controls;
}

bool ControlValue(DWORD *value)
{
    MIXERCONTROLDETAILS_UNSIGNED detail = {};
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = g_volumeControl;
    details.cChannels = 1;
    details.cbDetails = sizeof(detail);
    details.paDetails = &detail;
    if (mixerGetControlDetailsA(HMIXEROBJ(g_mixer), &details, MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
        return false;
    *value = detail.dwValue;
    return true;
}

void ShowLevelOnBar()
{
    DWORD value = 0;
    if (g_controlBound && ControlValue(&value) && value <= kMaxLevel)
        SetScrollPos(g_volumeBar, SB_CTL, int(kMaxLevel - value), TRUE);
}

bool IsSpeakers(const MIXERLINEA &line)
{
    return line.dwComponentType == MIXERLINE_COMPONENTTYPE_DST_SPEAKERS ||
           line.dwComponentType == MIXERLINE_COMPONENTTYPE_DST_HEADPHONES;
}

// The volume control of a line, by type; false when it has none.
bool FindVolumeControl(const MIXERLINEA &line, DWORD *id)
{
    for (const MIXERCONTROLA &control : LineControls(line)) {
        if (control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME) {
            *id = control.dwControlID;
            return true;
        }
    }
    return false;
}

// The compact-disc source's first control, the last such line visited
// winning. Without one (Windows Vista and later play CDs digitally, and
// their mixer shows no such line), the speakers' own volume control, which
// those systems keep per program.
void BindVolumeControl(const MIXERCAPSA &caps)
{
    bool speakersBound = false;
    DWORD speakersControl = 0;
    for (DWORD d = 0; d < caps.cDestinations; ++d) {
        bool ok = false;
        MIXERLINEA destination = LineInfo(d, 0, MIXER_GETLINEINFOF_DESTINATION, &ok);
        if (!ok || !IsSpeakers(destination))
            continue;
        if (!speakersBound)
            speakersBound = FindVolumeControl(destination, &speakersControl);
        for (DWORD s = 0; s < destination.cConnections; ++s) {
            MIXERLINEA source = LineInfo(d, s, MIXER_GETLINEINFOF_SOURCE, &ok);
            if (!ok || source.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC)
                continue;
            std::vector<MIXERCONTROLA> controls = LineControls(source);
            if (!controls.empty()) {
                g_volumeControl = controls[0].dwControlID;
                g_controlBound = true;
            }
        }
    }
    if (!g_controlBound && speakersBound) {
        g_volumeControl = speakersControl;
        g_controlBound = true;
    }
}

} // namespace

void InitMixer(HWND mainWindow)
{
    MIXERCAPSA caps = {};
    if (mixerGetDevCapsA(0, &caps, sizeof(caps)) != MMSYSERR_NOERROR ||
        mixerOpen(&g_mixer, 0, DWORD_PTR(mainWindow), 0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        g_mixer = NULL;
        EnableWindow(g_volumeBar, FALSE);
        return;
    }
    BindVolumeControl(caps);
    ShowLevelOnBar();
}

void CloseMixer()
{
    if (g_mixer != NULL)
        mixerClose(g_mixer);
    g_mixer = NULL;
    g_controlBound = false;
}

// Windows Vista and later name the program SNDVOL.EXE.
void OpenVolumeControl()
{
    if (WinExec("SNDVOL32.EXE", SW_RESTORE) <= 31)
        WinExec("SNDVOL.EXE", SW_RESTORE);
}

void SetCdVolume(int position)
{
    position &= 0xFFFF;
    SetScrollPos(g_volumeBar, SB_CTL, position, FALSE);
    DWORD value = kMaxLevel - DWORD(position);
    char text[32];
    snprintf(text, sizeof(text), " Set volume: %i%%", int(value * 100 / kMaxLevel));
    snprintf(g_displayText, sizeof(g_displayText), "%-18.18s", text);
    RefreshDisplay();
    if (!g_controlBound)
        return;
    MIXERCONTROLDETAILS_UNSIGNED detail = {value};
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = g_volumeControl;
    details.cChannels = 1;
    details.cbDetails = sizeof(detail);
    details.paDetails = &detail;
    mixerSetControlDetails(HMIXEROBJ(g_mixer), &details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE);
}

void ReadCdVolume()
{
    ShowLevelOnBar();
}
