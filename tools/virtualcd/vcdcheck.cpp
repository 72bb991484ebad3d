// vcdcheck: opens the CD audio device the way the player does (shareable, on a
// drive letter, alias "Lumo") and prints what the drive reports: presence,
// tracks with their starts and lengths, disc length and identity.
//
//   vcdcheck [LETTER]     LETTER defaults to D
//
// Exit status: 0 a disc was read, 2 the drive holds no disc, 1 the device did
// not open.
#include <windows.h>
#include <mmsystem.h>

#include <cctype>
#include <cstdio>

namespace {

MCIDEVICEID Device;

DWORD StatusValue(DWORD item, DWORD track, DWORD_PTR* value) {
  MCI_STATUS_PARMS params = {};
  params.dwItem = item;
  params.dwTrack = track;
  DWORD flags = MCI_STATUS_ITEM | (track ? MCI_TRACK : 0);
  DWORD error = mciSendCommandA(Device, MCI_STATUS, flags, reinterpret_cast<DWORD_PTR>(&params));
  *value = params.dwReturn;
  return error;
}

void PrintMsf(const char* label, DWORD_PTR msf) {
  printf("%s %02u:%02u:%02u", label, static_cast<unsigned>(MCI_MSF_MINUTE(msf)),
         static_cast<unsigned>(MCI_MSF_SECOND(msf)), static_cast<unsigned>(MCI_MSF_FRAME(msf)));
}

void PrintError(const char* what, DWORD error) {
  char text[256];
  if (!mciGetErrorStringA(error, text, sizeof(text))) snprintf(text, sizeof(text), "MCI error %lu", error);
  printf("%s: %s\n", what, text);
}

bool OpenDrive(char letter) {
  char element[3] = {letter, ':', '\0'};
  MCI_OPEN_PARMSA params = {};
  params.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
  params.lpstrElementName = element;
  params.lpstrAlias = "Lumo";
  DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS | MCI_OPEN_SHAREABLE;
  DWORD error = mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&params));
  if (error) {
    PrintError("open", error);
    return false;
  }
  Device = params.wDeviceID;
  return true;
}

int ReportDisc() {
  char reply[64] = "";
  mciSendStringA("status Lumo media present", reply, sizeof(reply), nullptr);
  printf("media present: %s\n", reply);
  if (reply[0] == 'f' || reply[0] == 'F' || reply[0] == '\0') return 2;

  MCI_SET_PARMS set = {};
  set.dwTimeFormat = MCI_FORMAT_MSF;
  mciSendCommandA(Device, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set));
  DWORD_PTR tracks = 0, value = 0;
  DWORD error = StatusValue(MCI_STATUS_NUMBER_OF_TRACKS, 0, &tracks);
  if (error) {
    PrintError("number of tracks", error);
    return 2;
  }
  printf("tracks: %u\n", static_cast<unsigned>(tracks));
  for (DWORD track = 1; track <= tracks; ++track) {
    printf("track %2lu", track);
    if (!StatusValue(MCI_STATUS_POSITION, track, &value)) PrintMsf(" start", value);
    if (!StatusValue(MCI_STATUS_LENGTH, track, &value)) PrintMsf(" length", value);
    char command[64];
    snprintf(command, sizeof(command), "status Lumo type track %lu", track);
    if (!mciSendStringA(command, reply, sizeof(reply), nullptr)) printf(" %s", reply);
    printf("\n");
  }
  if (!StatusValue(MCI_STATUS_LENGTH, 0, &value)) {
    PrintMsf("disc length", value);
    printf("\n");
  }
  if (!mciSendStringA("info Lumo identity", reply, sizeof(reply), nullptr)) printf("identity: %s\n", reply);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  char letter = 'D';
  if (argc > 1) {
    if (!isalpha(static_cast<unsigned char>(argv[1][0]))) {
      fprintf(stderr, "usage: vcdcheck [DRIVE-LETTER]\n");
      return 1;
    }
    letter = static_cast<char>(toupper(static_cast<unsigned char>(argv[1][0])));
  }
  printf("drive %c:\n", letter);
  if (!OpenDrive(letter)) return 1;
  int status = ReportDisc();
  mciSendStringA("close Lumo", nullptr, 0, nullptr);
  return status;
}
