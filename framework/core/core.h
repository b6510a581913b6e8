#pragma once
// Every public header of the non-window class-library layer.

#include "framework/core/archive.h"
#include "framework/core/codepage.h"
#include "framework/core/cstring.h"
#include "framework/core/ctime.h"
#include "framework/core/exceptions.h"
#include "framework/core/file.h"
#include "framework/core/memfile.h"
#include "framework/core/module.h"
#include "framework/core/object.h"
