#pragma once
// Every public header of the non-window class-library layer.

#include "framework/core/archive.h"
#include "framework/core/array.h"
#include "framework/core/codepage.h"
#include "framework/core/collection_elements.h"
#include "framework/core/cstring.h"
#include "framework/core/ctime.h"
#include "framework/core/exceptions.h"
#include "framework/core/file.h"
#include "framework/core/filefind.h"
#include "framework/core/list.h"
#include "framework/core/map.h"
#include "framework/core/memfile.h"
#include "framework/core/module.h"
#include "framework/core/object.h"
#include "framework/core/stdiofile.h"
