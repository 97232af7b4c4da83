#pragma once
#include "ui/resource.h"

// Shows catalogue message id in a modal box captioned with the application
// name; a box without an icon gets one by ApplyIconRule. Returns the code of
// the button that closed it.
int ShowMessage(unsigned id, unsigned type);
