// State the shell keeps for the whole run, and the routine that releases it at exit.
#pragma once

// Creates the collected-window list, empty.
void InitTopWindowList();
// The exit routine: releases the collected-window list and the picker's initial folder.
void OnProgramExit();
