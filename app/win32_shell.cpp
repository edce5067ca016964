#include "app/shell.h"

void InitTopWindowList() {}

void OnProgramExit() {}
