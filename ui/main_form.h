// The main window as data: its frame and its controls with their places and handlers.
#pragma once

#include "host/form.h"

// The main window's form. The created event runs onCreated, which the application
// supplies because it puts its own start-up steps in front of the window's.
Form MakeMainForm(Handler onCreated);
