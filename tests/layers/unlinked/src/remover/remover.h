#pragma once
#include "base/base.h"
#include "engine/engine.h"
