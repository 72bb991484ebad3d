#include "time_arithmetic.h"

#include <climits>

namespace {

// Keeps sums and differences of device times inside int, whatever the
// readings: they come from a device, not from this program.
int ClampToInt(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

int AtLeastZero(long long value)
{
    return value < 0 ? 0 : ClampToInt(value);
}

} // namespace

int MsfToSeconds(std::uint32_t msf)
{
    return int(msf & 0xFFu) * 60 + int((msf >> 8) & 0xFFu);
}

std::uint32_t MakeTimeValue(unsigned minutes, unsigned seconds)
{
    if (minutes > 0xFFFFu)
        minutes = 0xFFFFu;
    if (seconds > 0xFFFFu)
        seconds = 0xFFFFu;
    return (std::uint32_t(minutes) << 16) | std::uint32_t(seconds);
}

unsigned TimeValueMinutes(std::uint32_t value)
{
    return unsigned(value >> 16);
}

unsigned TimeValueSeconds(std::uint32_t value)
{
    return unsigned(value & 0xFFFFu);
}

int ElapsedInTrack(int positionSeconds, int trackStartSeconds)
{
    return AtLeastZero((long long)positionSeconds - trackStartSeconds);
}

std::uint32_t ComputeTimeValue(int timeMode, bool stopped, const TrackTimeReadings &readings)
{
    int seconds;
    if (stopped) {
        seconds = AtLeastZero(readings.discLengthSeconds);
    } else {
        int elapsed = ElapsedInTrack(readings.positionSeconds, readings.trackStartSeconds);
        switch (timeMode) {
        case TIME_MODE_REMAINING:
            seconds = AtLeastZero((long long)readings.trackLengthSeconds - elapsed);
            break;
        case TIME_MODE_FROM_DISC_START:
            seconds = AtLeastZero(readings.positionSeconds);
            break;
        case TIME_MODE_TO_DISC_END:
            seconds = AtLeastZero((long long)readings.discLengthSeconds - readings.positionSeconds);
            break;
        default:
            seconds = elapsed;
            break;
        }
    }
    return MakeTimeValue(unsigned(seconds / 60), unsigned(seconds % 60));
}

bool StepForwardTarget(int position, int maximum, int step, int *target)
{
    long long next = (long long)position + step;
    if (next >= maximum)
        return false;
    *target = ClampToInt(next);
    return true;
}

int StepBackwardTarget(int position, int step)
{
    return AtLeastZero((long long)position - step);
}
