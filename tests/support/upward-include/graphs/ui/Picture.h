#pragma once

// A graph widget that uses a wine window: the floor check must refuse it.
#include "app/wine/WineWindow.h"
