#pragma once
#include "base/base.h"
