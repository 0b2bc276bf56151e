#pragma once
#include "low/lower.h"
#include <windows.h>
