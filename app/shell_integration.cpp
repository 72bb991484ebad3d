#include "shell_integration.h"

void RegisterShellVerbs()
{
}
